#include "StatystykaProbek.h"

#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

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
    constexpr std::size_t MinBlokow = 8;
    SredniaZBledem wynik;
    wynik.Blad = std::numeric_limits<double>::quiet_NaN();
    if (probki.empty()) {
        wynik.Srednia = std::numeric_limits<double>::quiet_NaN();
        return wynik;
    }
    wynik.Srednia =
        std::accumulate(probki.begin(), probki.end(), 0.0) / static_cast<double>(probki.size());
    std::vector<double> bloki(probki.begin(), probki.end());
    while (bloki.size() >= MinBlokow) {
        const double blad = std::sqrt(Wariancja(bloki) / static_cast<double>(bloki.size() - 1));
        if (std::isnan(wynik.Blad) || blad > wynik.Blad) {
            wynik.Blad = blad;
        }
        for (std::size_t i = 0; i + 1 < bloki.size(); i += 2) {
            bloki[i / 2] = (bloki[i] + bloki[i + 1]) / 2;
        }
        bloki.resize(bloki.size() / 2);
    }
    return wynik;
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
