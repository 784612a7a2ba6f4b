#include "Autokorelacja.h"

#include <cmath>
#include <cstddef>
#include <numeric>
#include <vector>

namespace {
constexpr double StalaOkna = 6.0;
constexpr double MinDlugosci = 50.0;
constexpr std::size_t MinProbek = 4;
} // namespace

CzasAutokorelacji CzasAutokorelacjiSokala(std::span<const double> probki) {
    CzasAutokorelacji wynik;
    const std::size_t n = probki.size();
    if (n < MinProbek) {
        return wynik;
    }
    const double srednia =
        std::accumulate(probki.begin(), probki.end(), 0.0) / static_cast<double>(n);
    std::vector<double> x(probki.begin(), probki.end());
    for (double& v : x) {
        v -= srednia;
    }
    const auto Kowariancja = [&](std::size_t t) {
        double suma = 0.0;
        for (std::size_t i = 0; i + t < n; ++i) {
            suma += x[i] * x[i + t];
        }
        return suma / static_cast<double>(n);
    };
    const double c0 = Kowariancja(0);
    wynik.Okno = 0;
    wynik.Tau = 0.5;
    if (c0 <= 0.0) {
        wynik.Blad = 0.0;
        wynik.Wiarygodny = true;
        return wynik;
    }
    // The window grows one lag at a time, so the cost is n times the window
    // it settles at, not n^2.
    double tau = 0.5;
    std::size_t w = 1;
    for (; w < n; ++w) {
        tau += Kowariancja(w) / c0;
        if (static_cast<double>(w) >= StalaOkna * tau) {
            break;
        }
    }
    // A sum that turned negative is noise about a time well under one sample.
    wynik.Tau = std::max(tau, 0.5);
    wynik.Okno = static_cast<int>(std::min(w, n - 1));
    wynik.Blad = wynik.Tau * std::sqrt(2.0 * (2.0 * wynik.Okno + 1.0) / static_cast<double>(n));
    wynik.Wiarygodny = w < n && static_cast<double>(n) >= MinDlugosci * wynik.Tau;
    return wynik;
}

double NiezalezneProbki(double probek, const CzasAutokorelacji& tau) {
    return std::isfinite(tau.Tau) && tau.Tau > 0.0 ? probek / (2.0 * tau.Tau) : probek;
}
