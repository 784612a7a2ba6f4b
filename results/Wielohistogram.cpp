#include "Wielohistogram.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

namespace {
// Where overlaps are poor the iteration crawls; by then the curve between the
// series is not to be trusted anyway, and the reach test (Efektywnych) says so.
constexpr int MaxIteracji = 1000;
// Free energies to a part in 10^8 move Cv/kN far less than its last printed digit.
constexpr double Zbieznosc = 1e-8;

double LogSumaExp(std::span<const double> x) {
    const double m = *std::max_element(x.begin(), x.end());
    if (!std::isfinite(m)) {
        return m;
    }
    double suma = 0.0;
    for (const double v : x) {
        suma += std::exp(v - m);
    }
    return m + std::log(suma);
}

// Leaves out the bins no sample reached and measures P from its mean, so
// that the exponents stay small (the moments do not depend on the origin).
void Uporzadkuj(HistogramyPar& h) {
    HistogramyPar z;
    double suma = 0.0;
    double wag = 0.0;
    for (std::size_t i = 0; i < h.Pary.size(); ++i) {
        if (h.Wagi[i] > 0.0) {
            z.Pary.push_back(h.Pary[i]);
            z.Wagi.push_back(h.Wagi[i]);
            z.Kwadraty.push_back(h.Kwadraty[i]);
            z.Rzad.push_back(h.Rzad[i]);
            suma += h.Wagi[i] * h.Pary[i];
            wag += h.Wagi[i];
        }
    }
    const double srednia = suma / wag;
    for (double& p : z.Pary) {
        p -= srednia;
    }
    z.Lambdy = std::move(h.Lambdy);
    z.Probek = std::move(h.Probek);
    h = std::move(z);
}
} // namespace

Wielohistogram::Wielohistogram(HistogramyPar histogramy, int iloscAtomow,
                               std::span<const double> start)
    : h_(std::move(histogramy)), iloscAtomow_(iloscAtomow) {
    const std::size_t n = h_.Pary.size();
    if (h_.Lambdy.empty() || h_.Probek.size() != h_.Lambdy.size() || iloscAtomow < 1 ||
        h_.Wagi.size() != n || h_.Kwadraty.size() != n || h_.Rzad.size() != n ||
        std::any_of(h_.Probek.begin(), h_.Probek.end(), [](double p) { return !(p > 0.0); })) {
        throw std::invalid_argument("Wielohistogram: brak serii, próbek lub atomów");
    }
    Uporzadkuj(h_);
    const std::size_t m = h_.Lambdy.size();
    const std::size_t punkty = h_.Pary.size();
    std::vector<double> logN(m);
    for (std::size_t s = 0; s < m; ++s) {
        logN[s] = std::log(h_.Probek[s]);
    }
    std::vector<double> logH(punkty);
    for (std::size_t i = 0; i < punkty; ++i) {
        logH[i] = std::log(h_.Wagi[i]);
    }
    f_.assign(m, 0.0);
    if (start.size() == m) {
        f_.assign(start.begin(), start.end());
    }
    logD_.assign(punkty, 0.0);
    std::vector<double> skladniki(std::max(m, punkty));
    const auto Mianowniki = [&] {
        for (std::size_t i = 0; i < punkty; ++i) {
            for (std::size_t s = 0; s < m; ++s) {
                skladniki[s] = logN[s] + h_.Lambdy[s] * h_.Pary[i] - f_[s];
            }
            logD_[i] = LogSumaExp(std::span(skladniki).first(m));
        }
    };
    std::vector<double> nowe(m);
    for (int it = 0; it < MaxIteracji && m > 1; ++it) {
        Mianowniki();
        for (std::size_t s = 0; s < m; ++s) {
            for (std::size_t i = 0; i < punkty; ++i) {
                skladniki[i] = logH[i] + h_.Lambdy[s] * h_.Pary[i] - logD_[i];
            }
            nowe[s] = LogSumaExp(std::span(skladniki).first(punkty));
        }
        double zmiana = 0.0;
        for (std::size_t s = 0; s < m; ++s) {
            nowe[s] -= nowe[0];
            zmiana = std::max(zmiana, std::fabs(nowe[s] - f_[s]));
        }
        f_.swap(nowe);
        if (zmiana < Zbieznosc) {
            break;
        }
    }
    Mianowniki();
}

ChwilaPrzewazona Wielohistogram::Chwila(double lambda) const {
    // A sample at P weighs exp(lambda P) / D(P), the same for all at one P.
    double najwieksza = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < h_.Pary.size(); ++i) {
        najwieksza = std::max(najwieksza, lambda * h_.Pary[i] - logD_[i]);
    }
    double w = 0.0, w2 = 0.0, p1 = 0.0, p2 = 0.0;
    std::array<double, 3> rzad{};
    for (std::size_t i = 0; i < h_.Pary.size(); ++i) {
        const double u = std::exp(lambda * h_.Pary[i] - logD_[i] - najwieksza);
        const double p = h_.Pary[i];
        w += u * h_.Wagi[i];
        w2 += u * u * h_.Kwadraty[i];
        p1 += u * h_.Wagi[i] * p;
        p2 += u * h_.Wagi[i] * p * p;
        for (std::size_t j = 0; j < rzad.size(); ++j) {
            rzad[j] += u * h_.Rzad[i][j];
        }
    }
    const double srednia = p1 / w;
    const double wariancja = std::max(0.0, p2 / w - srednia * srednia);
    ChwilaPrzewazona c;
    c.CvkN = lambda * lambda * wariancja / iloscAtomow_;
    c.M1 = rzad[0] / w;
    c.M2 = rzad[1] / w;
    c.M4 = rzad[2] / w;
    c.Efektywnych = w * w / w2;
    return c;
}
