#include "StatystykaProbek.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace {
constexpr std::size_t MinBlokow = 16;
constexpr double MaxKorelacji = 0.5;
constexpr double MinNiezaleznych = 16;

// The 99 % points of the chi-square distribution with 1..30 degrees of freedom.
constexpr std::array<double, 30> KwantyleChi2{
    6.635,  9.210,  11.345, 13.277, 15.086, 16.812, 18.475, 20.090, 21.666, 23.209,
    24.725, 26.217, 27.688, 29.141, 30.578, 32.000, 33.409, 34.805, 36.191, 37.566,
    38.932, 40.289, 41.638, 42.980, 44.314, 45.642, 46.963, 48.278, 49.588, 50.892};

double KwantylChi2(std::size_t swobody) {
    return KwantyleChi2[std::min(swobody, KwantyleChi2.size()) - 1];
}

struct Poziom {
    std::size_t Blokow;
    double Wariancja; // of the block means, divided by their number
    double Korelacja; // lag-one autocovariance of the block means
};

Poziom OpiszPoziom(const std::vector<double>& bloki) {
    const double n = static_cast<double>(bloki.size());
    const double srednia = std::accumulate(bloki.begin(), bloki.end(), 0.0) / n;
    double wariancja = 0.0;
    double korelacja = 0.0;
    for (std::size_t i = 0; i < bloki.size(); ++i) {
        wariancja += (bloki[i] - srednia) * (bloki[i] - srednia);
        if (i + 1 < bloki.size()) {
            korelacja += (bloki[i] - srednia) * (bloki[i + 1] - srednia);
        }
    }
    return {bloki.size(), wariancja / n, korelacja / n};
}

// Every level of the blocking, the samples themselves first: each halves the
// one before by averaging neighbouring pairs (an odd last block is left out).
std::vector<Poziom> Poziomy(std::span<const double> probki) {
    std::vector<Poziom> poziomy;
    std::vector<double> bloki(probki.begin(), probki.end());
    while (bloki.size() >= 2) {
        poziomy.push_back(OpiszPoziom(bloki));
        for (std::size_t i = 0; i + 1 < bloki.size(); i += 2) {
            bloki[i / 2] = (bloki[i] + bloki[i + 1]) / 2;
        }
        bloki.resize(bloki.size() / 2);
    }
    return poziomy;
}
} // namespace

double Wariancja(std::span<const double> probki) {
    if (probki.empty()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double n = static_cast<double>(probki.size());
    const double srednia = std::accumulate(probki.begin(), probki.end(), 0.0) / n;
    double suma = 0.0;
    for (const double x : probki) {
        suma += (x - srednia) * (x - srednia);
    }
    return suma / n;
}

SredniaZBledem SredniaBlokowa(std::span<const double> probki) {
    return SredniaBlokowaZBlokami(probki).Wynik;
}

BladBlokowy SredniaBlokowaZBlokami(std::span<const double> probki) {
    BladBlokowy blokowy;
    SredniaZBledem& wynik = blokowy.Wynik;
    wynik.Blad = std::numeric_limits<double>::quiet_NaN();
    if (probki.empty()) {
        wynik.Srednia = std::numeric_limits<double>::quiet_NaN();
        return blokowy;
    }
    wynik.Srednia =
        std::accumulate(probki.begin(), probki.end(), 0.0) / static_cast<double>(probki.size());
    const std::vector<Poziom> poziomy = Poziomy(probki);
    // The statistic of a level sums, over it and every coarser level, the
    // squared lag-one correlations weighted by the blocks' number; blocks that
    // are uncorrelated make it chi-square with one degree per level summed.
    // The finest level that passes is taken.
    std::vector<double> statystyki(poziomy.size());
    double statystyka = 0.0;
    for (std::size_t j = poziomy.size(); j-- > 0;) {
        const Poziom& p = poziomy[j];
        if (p.Wariancja > 0.0) {
            const double n = static_cast<double>(p.Blokow);
            const double wzgledna = ((n - 1) * p.Wariancja / (n * n) + p.Korelacja) / p.Wariancja;
            statystyka += n * wzgledna * wzgledna;
        }
        statystyki[j] = statystyka;
    }
    std::size_t wybrany = 0;
    while (wybrany < poziomy.size() &&
           statystyki[wybrany] >= KwantylChi2(poziomy.size() - wybrany)) {
        ++wybrany;
    }
    // The first uncorrelated level still holds a correlation of its
    // neighbouring blocks too small to be told from none, yet of the order of
    // the correlation time over the block's length: its estimate, corrected
    // for the bias of the mean taken from the same blocks, widens the error
    // as it would a series of that correlation.
    if (wybrany < poziomy.size() && poziomy[wybrany].Blokow >= MinBlokow) {
        const Poziom& p = poziomy[wybrany];
        const double n = static_cast<double>(p.Blokow);
        double korelacja = 0.0;
        if (p.Wariancja > 0.0) {
            korelacja = ((n - 1) * p.Wariancja / (n * n) + p.Korelacja) / p.Wariancja;
        }
        korelacja = std::clamp(korelacja, 0.0, MaxKorelacji);
        const double blad = std::sqrt(p.Wariancja / (n - 1) * (1 + korelacja) / (1 - korelacja));
        // As many independent samples as the variance of one over the squared
        // error: too few, and the error of the error is as large as the error.
        if (blad * blad * MinNiezaleznych <= poziomy.front().Wariancja) {
            wynik.Blad = blad;
            blokowy.Blokow = static_cast<int>(p.Blokow);
        }
    }
    return blokowy;
}

BladBlokowy NajwiekszyBladPoziomow(std::span<const double> probki, std::size_t minBlokow) {
    BladBlokowy najwiekszy;
    najwiekszy.Wynik.Srednia = std::numeric_limits<double>::quiet_NaN();
    najwiekszy.Wynik.Blad = std::numeric_limits<double>::quiet_NaN();
    if (probki.empty()) {
        return najwiekszy;
    }
    najwiekszy.Wynik.Srednia =
        std::accumulate(probki.begin(), probki.end(), 0.0) / static_cast<double>(probki.size());
    for (const Poziom& p : Poziomy(probki)) {
        if (p.Blokow < std::max<std::size_t>(minBlokow, 2)) {
            break;
        }
        const double blad = std::sqrt(p.Wariancja / static_cast<double>(p.Blokow - 1));
        if (najwiekszy.Blokow == 0 || blad > najwiekszy.Wynik.Blad) {
            najwiekszy.Wynik.Blad = blad;
            najwiekszy.Blokow = static_cast<int>(p.Blokow);
        }
    }
    return najwiekszy;
}

SredniaZBledem SredniaNiezaleznych(std::span<const double> wartosci) {
    SredniaZBledem wynik;
    wynik.Blad = std::numeric_limits<double>::quiet_NaN();
    if (wartosci.empty()) {
        wynik.Srednia = std::numeric_limits<double>::quiet_NaN();
        return wynik;
    }
    const double n = static_cast<double>(wartosci.size());
    wynik.Srednia = std::accumulate(wartosci.begin(), wartosci.end(), 0.0) / n;
    if (wartosci.size() >= 2) {
        wynik.Blad = std::sqrt(Wariancja(wartosci) / (n - 1));
    }
    return wynik;
}

double KwantylStudenta(double z, int swobody) {
    // The Cornish-Fisher expansion about the normal point.
    const double v = std::max(1, swobody);
    const double z3 = z * z * z;
    const double z5 = z3 * z * z;
    const double z7 = z5 * z * z;
    return z + (z3 + z) / (4 * v) + (5 * z5 + 16 * z3 + 3 * z) / (96 * v * v) +
           (3 * z7 + 19 * z5 + 17 * z3 - 15 * z) / (384 * v * v * v);
}

double OdchylenieProby(const std::vector<double>& x) {
    if (x.size() < 2) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double s = 0.0;
    for (const double v : x) {
        s += v;
    }
    s /= static_cast<double>(x.size());
    double q = 0.0;
    for (const double v : x) {
        q += (v - s) * (v - s);
    }
    return std::sqrt(q / static_cast<double>(x.size() - 1));
}
