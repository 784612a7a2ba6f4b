#include "RownowagaSerii.h"

#include "Autokorelacja.h"
#include "StatystykaProbek.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

namespace {
// Each of the two tests at the two-sided 0.1 % point: the error of the
// blocking error on a few dozen independent samples adds false alarms to the
// nominal ones, and the two together stay below one in a hundred.
constexpr double PunktNormalny = 3.2905267;

struct Prosta {
    double Srednia;
    double Nachylenie; // per sample
};

Prosta DopasujProsta(std::span<const double> x) {
    const double n = static_cast<double>(x.size());
    const double srodek = (n - 1) / 2;
    double srednia = 0.0;
    for (const double v : x) {
        srednia += v;
    }
    srednia /= n;
    double kowariancja = 0.0;
    double wariancja = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double t = static_cast<double>(i) - srodek;
        kowariancja += t * (x[i] - srednia);
        wariancja += t * t;
    }
    return {srednia, wariancja > 0.0 ? kowariancja / wariancja : 0.0};
}

// The noise of the samples: the blocking error of the mean of the second
// half's residuals about its own line, as an error of the mean of the whole.
// The later half is the nearer to equilibrium, and its own line takes out
// what drift it has left, so a relaxation does not pass for noise.
BladBlokowy Szum(std::span<const double> x) {
    const std::span<const double> druga = x.subspan(x.size() / 2);
    const Prosta p = DopasujProsta(druga);
    const double srodek = (static_cast<double>(druga.size()) - 1) / 2;
    std::vector<double> reszty(druga.size());
    for (std::size_t i = 0; i < druga.size(); ++i) {
        reszty[i] = druga[i] - p.Srednia - p.Nachylenie * (static_cast<double>(i) - srodek);
    }
    BladBlokowy szum = SredniaBlokowaZBlokami(reszty);
    // Near a transition the blocking's few coarse levels can miss part of a
    // long correlation; the autocorrelation time, where it is measured,
    // bounds the error from below.
    const CzasAutokorelacji tau = CzasAutokorelacjiSokala(reszty);
    if (tau.Wiarygodny && !std::isnan(szum.Wynik.Blad)) {
        const double zTau =
            std::sqrt(2.0 * tau.Tau * Wariancja(reszty) / static_cast<double>(reszty.size()));
        szum.Wynik.Blad = std::max(szum.Wynik.Blad, zTau);
    }
    szum.Wynik.Blad *= std::sqrt(static_cast<double>(druga.size()) / static_cast<double>(x.size()));
    return szum;
}

// What the two-start check knows of one start's mean: its error, the degrees
// of freedom of that error, and whether the blocking found it uncorrelated.
struct MiaraStartu {
    double Srednia;
    double Blad;
    int Swobody;
    bool ZPlateau;
};

// Where no level is uncorrelated, the coarse levels hold most of the error
// the samples show, and the few blocks' Student's t (12.9 on three degrees at
// the test's point) makes up for much of what they cannot show: two starts of
// one equilibrium whose halves span a few correlation times are told apart no
// more often than one in a hundred.
constexpr std::size_t MinBlokowBezPlateau = 4;

std::optional<MiaraStartu> Zmierz(std::span<const double> x) {
    // A measured autocorrelation time gives the error and the independent
    // samples it rests on directly.
    const CzasAutokorelacji tau = CzasAutokorelacjiSokala(x);
    const double n = static_cast<double>(x.size());
    if (tau.Wiarygodny) {
        const double srednia = std::accumulate(x.begin(), x.end(), 0.0) / n;
        const int swobody = std::max(1, static_cast<int>(n / (2.0 * tau.Tau)) - 1);
        return MiaraStartu{srednia, std::sqrt(2.0 * tau.Tau * Wariancja(x) / n), swobody, true};
    }
    const BladBlokowy b = SredniaBlokowaZBlokami(x);
    if (!std::isnan(b.Wynik.Blad)) {
        return MiaraStartu{b.Wynik.Srednia, b.Wynik.Blad, b.Blokow - 1, true};
    }
    const BladBlokowy z = NajwiekszyBladPoziomow(x, MinBlokowBezPlateau);
    if (std::isnan(z.Wynik.Blad)) {
        return std::nullopt;
    }
    return MiaraStartu{z.Wynik.Srednia, z.Wynik.Blad, z.Blokow - 1, false};
}

double SredniaZ(std::span<const double> x) {
    double suma = 0.0;
    for (const double v : x) {
        suma += v;
    }
    return suma / static_cast<double>(x.size());
}
} // namespace

Rownowaga TestDryfu(std::span<const double> probki) {
    if (probki.size() < 4) {
        return Rownowaga::Nieznana;
    }
    const BladBlokowy szum = Szum(probki);
    if (std::isnan(szum.Wynik.Blad)) {
        return Rownowaga::Nieznana;
    }
    const double prog = KwantylStudenta(PunktNormalny, szum.Blokow - 2) * szum.Wynik.Blad;
    // The change across the line is the slope times the length, whose error
    // is sqrt(12) times that of the mean; the halves' means each carry twice
    // the variance of the whole one.
    const double liniowa = DopasujProsta(probki).Nachylenie * static_cast<double>(probki.size());
    const std::size_t polowa = probki.size() / 2;
    const double polowek = SredniaZ(probki.subspan(polowa)) - SredniaZ(probki.first(polowa));
    return std::fabs(liniowa) > std::sqrt(12.0) * prog || std::fabs(polowek) > 2.0 * prog
               ? Rownowaga::Nieosiagnieta
               : Rownowaga::Osiagnieta;
}

Rownowaga TestDwochStartow(std::span<const double> pierwszy, std::span<const double> drugi,
                           double lambda) {
    const std::optional<MiaraStartu> a = Zmierz(pierwszy);
    const std::optional<MiaraStartu> b = Zmierz(drugi);
    if (!a || !b) {
        return Rownowaga::Nieznana;
    }
    const double blad = std::hypot(a->Blad, b->Blad);
    const double prog = KwantylStudenta(PunktNormalny, std::min(a->Swobody, b->Swobody)) * blad;
    if (std::fabs(a->Srednia - b->Srednia) <= prog) {
        return a->ZPlateau && b->ZPlateau ? Rownowaga::Osiagnieta : Rownowaga::Nieznana;
    }
    return PierwszyOpozniony(pierwszy, drugi, lambda) ? Rownowaga::Nieosiagnieta
                                                      : Rownowaga::Osiagnieta;
}

bool PierwszyOpozniony(std::span<const double> pierwszy, std::span<const double> drugi,
                       double lambda) {
    const double a = SredniaZ(pierwszy);
    const double b = SredniaZ(drugi);
    // A start still moving towards the other one is the one that lags.
    const auto Zmierza = [](std::span<const double> x, double ku) {
        const std::size_t polowa = x.size() / 2;
        const double zmiana = SredniaZ(x.subspan(polowa)) - SredniaZ(x.first(polowa));
        const BladBlokowy szum = Szum(x);
        return !std::isnan(szum.Wynik.Blad) && zmiana * (ku - SredniaZ(x)) > 0.0 &&
               std::fabs(zmiana) >
                   2.0 * KwantylStudenta(PunktNormalny, szum.Blokow - 2) * szum.Wynik.Blad;
    };
    const bool pierwszyZmierza = Zmierza(pierwszy, b);
    const bool drugiZmierza = Zmierza(drugi, a);
    if (pierwszyZmierza != drugiZmierza) {
        return pierwszyZmierza;
    }
    // Both steady and apart: a start caught in a metastable state (domains,
    // an interface) sits above the equilibrium energy -lambda P.
    return -lambda * a > -lambda * b;
}

Rownowaga Gorsza(Rownowaga a, Rownowaga b) {
    if (a == Rownowaga::Nieosiagnieta || b == Rownowaga::Nieosiagnieta) {
        return Rownowaga::Nieosiagnieta;
    }
    if (a == Rownowaga::Nieznana || b == Rownowaga::Nieznana) {
        return Rownowaga::Nieznana;
    }
    return Rownowaga::Osiagnieta;
}

const char* SlowaRownowagi(Rownowaga stan) {
    switch (stan) {
    case Rownowaga::Osiagnieta:
        return "nie wykryto dryfu";
    case Rownowaga::Nieosiagnieta:
        return "nie osiągnęła równowagi";
    case Rownowaga::Nieznana:
        break;
    }
    return "za mało pomiarów";
}
