#include "AnalizaRozmiarow.h"

#include <cmath>
#include <limits>

namespace {
constexpr double ProgWzrostu = 3.0;
constexpr double ProgPlaskosci = 2.0;
constexpr double ProgMocy = 5.0;

struct Prosta {
    double Wyraz = 0.0; // at x = 0
    double Nachylenie = 0.0;
    double BladWyrazu = 0.0;
    double BladNachylenia = 0.0;
};

// Weighted least squares y = a + b x with weights 1 / e^2; the errors of a and
// b from the covariance, widened by sqrt(chi^2 / dof) when that exceeds one.
// Without errors (any NaN) every weight is one and the errors come from the
// scatter alone (then three points at least).
Prosta DopasujProsta(const std::vector<double>& x, const std::vector<double>& y,
                     const std::vector<double>& e) {
    const std::size_t n = x.size();
    bool zBledami = true;
    for (const double b : e) {
        zBledami = zBledami && std::isfinite(b) && b > 0.0;
    }
    double s = 0.0, sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double w = zBledami ? 1.0 / (e[i] * e[i]) : 1.0;
        s += w;
        sx += w * x[i];
        sy += w * y[i];
        sxx += w * x[i] * x[i];
        sxy += w * x[i] * y[i];
    }
    const double d = s * sxx - sx * sx;
    Prosta p;
    p.Nachylenie = (s * sxy - sx * sy) / d;
    p.Wyraz = (sxx * sy - sx * sxy) / d;
    double chi2 = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double r = y[i] - p.Wyraz - p.Nachylenie * x[i];
        chi2 += (zBledami ? 1.0 / (e[i] * e[i]) : 1.0) * r * r;
    }
    const double swobody = static_cast<double>(n) - 2.0;
    double skala = 1.0;
    if (!zBledami) {
        skala = swobody > 0 ? std::sqrt(chi2 / swobody) : std::numeric_limits<double>::quiet_NaN();
    } else if (swobody > 0 && chi2 > swobody) {
        skala = std::sqrt(chi2 / swobody);
    }
    p.BladWyrazu = std::sqrt(sxx / d) * skala;
    p.BladNachylenia = std::sqrt(s / d) * skala;
    return p;
}
} // namespace

WynikRozmiarow AnalizujRozmiary(const std::vector<PunktRozmiaru>& punkty, double nu,
                                const std::vector<PrzeciecieBindera>& przeciecia, double wzrost) {
    WynikRozmiarow w;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    w.LambdaC = nan;
    w.BladLambdaC = nan;
    std::vector<double> lnL, wysokosc, bladWysokosci;
    for (const PunktRozmiaru& p : punkty) {
        if (p.Maksimum.Sposob != SposobMaksimum::BrakSerii && std::isfinite(p.Maksimum.CvkN)) {
            lnL.push_back(std::log(static_cast<double>(p.L)));
            wysokosc.push_back(p.Maksimum.CvkN);
            bladWysokosci.push_back(p.Maksimum.BladCvkN);
        }
    }
    if (!przeciecia.empty()) {
        w.Przeciecie = przeciecia.back();
    }
    if (lnL.size() >= 2) {
        const Prosta prosta = DopasujProsta(lnL, wysokosc, bladWysokosci);
        w.Nachylenie = prosta.Nachylenie;
        w.BladNachylenia = prosta.BladNachylenia;
        if (std::isfinite(prosta.BladNachylenia)) {
            double srednia = 0.0;
            for (const double h : wysokosc) {
                srednia += h / static_cast<double>(wysokosc.size());
            }
            if (prosta.Nachylenie > ProgWzrostu * prosta.BladNachylenia) {
                w.Rodzaj = Przejscie::Jest;
            } else if (std::fabs(prosta.Nachylenie) < ProgPlaskosci * prosta.BladNachylenia &&
                       wzrost * srednia > ProgMocy * prosta.BladNachylenia) {
                w.Rodzaj = Przejscie::Brak;
            }
        }
    }
    if (w.Przeciecie.Jest) {
        w.Rodzaj = Przejscie::Jest;
    }
    if (w.Rodzaj != Przejscie::Jest) {
        return w;
    }
    std::vector<double> x, y, e;
    for (const PunktRozmiaru& p : punkty) {
        const MaksimumFluktuacji& m = p.Maksimum;
        const bool liczba = m.Sposob != SposobMaksimum::BrakSerii && !m.NaBrzegu && !m.Waskie;
        if (liczba && std::isfinite(m.Blad) && m.Blad > 0.0) {
            x.push_back(std::pow(static_cast<double>(p.L), -1.0 / nu));
            y.push_back(m.Lambda);
            e.push_back(m.Blad);
        }
    }
    w.UzyteRozmiary = static_cast<int>(x.size());
    if (x.size() >= 2) {
        const Prosta granica = DopasujProsta(x, y, e);
        w.LambdaC = granica.Wyraz;
        w.BladLambdaC = granica.BladWyrazu;
    }
    return w;
}
