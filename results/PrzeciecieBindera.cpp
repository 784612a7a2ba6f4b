#include "PrzeciecieBindera.h"

#include "ProbkiBadania.h"
#include "StatystykaProbek.h"
#include "Wielohistogram.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace {
constexpr double MinEfektywnych = 20.0;
constexpr int Losowan = 100;
constexpr std::size_t MinJednostek = 4;
constexpr std::uint64_t ZiarnoLosowania = 20261209;

struct Krzywe {
    std::vector<double> U;   // the cumulant, NaN where not reached
    std::vector<double> Chi; // N (<m^2> - <|m|>^2)
};

Krzywe Policz(const Wielohistogram& w, const std::vector<double>& lambdy, double znak, int atomow,
              double od, double dokad) {
    Krzywe k{std::vector<double>(lambdy.size(), PrzeciecieBindera::Nan),
             std::vector<double>(lambdy.size(), PrzeciecieBindera::Nan)};
    for (std::size_t i = 0; i < lambdy.size(); ++i) {
        if (lambdy[i] < od || lambdy[i] > dokad) {
            continue;
        }
        const ChwilaPrzewazona c = w.Chwila(znak * lambdy[i]);
        if (c.Efektywnych >= MinEfektywnych && c.M2 > 0.0) {
            k.U[i] = 1.0 - c.M4 / (3.0 * c.M2 * c.M2);
            k.Chi[i] = atomow * (c.M2 - c.M1 * c.M1);
        }
    }
    return k;
}

struct Punkt {
    double Lambda;
    double U;
    double Nachylenie1;
    double Nachylenie2;
    double Chi1;
    double Chi2;
};

// The crossing (U2 - U1 turning from below zero to above) with the steepest
// change of the difference, within the points `od`..`dokad`.
std::optional<Punkt> Przeciecie(const std::vector<double>& lambdy, const Krzywe& a, const Krzywe& b,
                                std::size_t od, std::size_t dokad) {
    std::optional<Punkt> najlepsze;
    double najstromsze = 0.0;
    for (std::size_t i = std::max<std::size_t>(od, 1); i <= dokad && i + 1 < lambdy.size(); ++i) {
        const double d0 = b.U[i - 1] - a.U[i - 1];
        const double d1 = b.U[i] - a.U[i];
        if (std::isnan(d0) || std::isnan(d1) || !(d0 < 0.0 && d1 >= 0.0)) {
            continue;
        }
        const double h = lambdy[i] - lambdy[i - 1];
        const double stromosc = (d1 - d0) / h;
        if (najlepsze && stromosc <= najstromsze) {
            continue;
        }
        const double t = d0 / (d0 - d1);
        const auto Miedzy = [&](const std::vector<double>& y) {
            return y[i - 1] + t * (y[i] - y[i - 1]);
        };
        najstromsze = stromosc;
        najlepsze = Punkt{lambdy[i - 1] + t * h,     Miedzy(a.U),   (a.U[i] - a.U[i - 1]) / h,
                          (b.U[i] - b.U[i - 1]) / h, Miedzy(a.Chi), Miedzy(b.Chi)};
    }
    return najlepsze;
}

} // namespace

PrzeciecieBindera ZnajdzPrzeciecie(const ProbkiBadania& a, int l1, const ProbkiBadania& b, int l2,
                                   int podzial) {
    PrzeciecieBindera p;
    p.L1 = l1;
    p.L2 = l2;
    if (!a.ZProbkami() || !b.ZProbkami() || l1 >= l2) {
        return p;
    }
    const double znak = a.Lambdy().front() < 0.0 ? -1.0 : 1.0;
    const auto Zakres = [](const ProbkiBadania& d) {
        double od = std::fabs(d.Lambdy().front());
        double dokad = od;
        for (const double l : d.Lambdy()) {
            od = std::min(od, std::fabs(l));
            dokad = std::max(dokad, std::fabs(l));
        }
        return std::pair{od, dokad};
    };
    const auto [odA, dokadA] = Zakres(a);
    const auto [odB, dokadB] = Zakres(b);
    const double od = std::max(odA, odB);
    const double dokad = std::min(dokadA, dokadB);
    if (!(od < dokad)) {
        return p;
    }
    // The finer of the two studies' steps, cut `podzial` times.
    double krok = dokad - od;
    for (const ProbkiBadania* d : {&a, &b}) {
        for (std::size_t k = 1; k < d->Lambdy().size(); ++k) {
            krok = std::min(krok, std::fabs(d->Lambdy()[k] - d->Lambdy()[k - 1]));
        }
    }
    const double h = krok / podzial;
    std::vector<double> lambdy;
    for (double l = od; l <= dokad + h / 2; l += h) {
        lambdy.push_back(std::min(l, dokad));
    }
    const Wielohistogram wa(a.Wszystkie(), a.IloscAtomow());
    const Wielohistogram wb(b.Wszystkie(), b.IloscAtomow());
    const Krzywe ka = Policz(wa, lambdy, znak, a.IloscAtomow(), od, dokad);
    const Krzywe kb = Policz(wb, lambdy, znak, b.IloscAtomow(), od, dokad);
    const std::optional<Punkt> glowne = Przeciecie(lambdy, ka, kb, 0, lambdy.size() - 1);
    if (!glowne) {
        return p;
    }
    const double lnL = std::log(static_cast<double>(l2) / l1);
    p.Jest = true;
    p.Lambda = glowne->Lambda;
    p.U4 = glowne->U;
    p.Nu = lnL / std::log(glowne->Nachylenie2 / glowne->Nachylenie1);
    p.GammaNu = std::log(glowne->Chi2 / glowne->Chi1) / lnL;
    if (a.Jednostki() < MinJednostek || b.Jednostki() < MinJednostek) {
        return p;
    }
    // Each resample looks within two steps of the study's own crossing.
    const double okno = 2 * krok;
    std::mt19937_64 los(ZiarnoLosowania);
    std::vector<double> polozenia, nu, gammaNu;
    for (int r = 0; r < Losowan; ++r) {
        const Wielohistogram ra(a.Histogramy(a.Losuj(los)), a.IloscAtomow(), wa.EnergieSwobodne());
        const Wielohistogram rb(b.Histogramy(b.Losuj(los)), b.IloscAtomow(), wb.EnergieSwobodne());
        const double lo = std::max(od, p.Lambda - okno);
        const double hi = std::min(dokad, p.Lambda + okno);
        const Krzywe kra = Policz(ra, lambdy, znak, a.IloscAtomow(), lo, hi);
        const Krzywe krb = Policz(rb, lambdy, znak, b.IloscAtomow(), lo, hi);
        if (const std::optional<Punkt> q = Przeciecie(lambdy, kra, krb, 0, lambdy.size() - 1)) {
            polozenia.push_back(q->Lambda);
            nu.push_back(lnL / std::log(q->Nachylenie2 / q->Nachylenie1));
            gammaNu.push_back(std::log(q->Chi2 / q->Chi1) / lnL);
        }
    }
    // A resample that lost the crossing counts against its certainty: with
    // fewer than nine in ten found, no error is claimed.
    if (polozenia.size() * 10 < static_cast<std::size_t>(Losowan) * 9) {
        return p;
    }
    const double jednostek = static_cast<double>(std::min(a.Jednostki(), b.Jednostki()));
    const double poprawka = std::sqrt(jednostek / (jednostek - 1.0));
    p.Blad = poprawka * OdchylenieProby(polozenia);
    p.BladNu = poprawka * OdchylenieProby(nu);
    p.BladGammaNu = poprawka * OdchylenieProby(gammaNu);
    return p;
}
