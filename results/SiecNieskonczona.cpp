#include "SiecNieskonczona.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {
constexpr int PolowaSkladu = 50;

// The complete elliptic integral of the first kind by the arithmetic-geometric
// mean: the standard library's own is missing from some of the platforms the
// core is built for.
double CalkaEliptyczna(double k) {
    double a = 1.0;
    double b = std::sqrt(1.0 - k * k);
    for (int i = 0; i < 64 && std::abs(a - b) > 1e-16 * a; ++i) {
        const double srednia = 0.5 * (a + b);
        b = std::sqrt(a * b);
        a = srednia;
    }
    return std::numbers::pi / (2.0 * a);
}
} // namespace

std::optional<double> LambdaKrytyczna(RodzajSieci rodzaj, Oddzialywanie tryb,
                                      int pozycjaKoncentracji) {
    if (pozycjaKoncentracji != PolowaSkladu) {
        return std::nullopt;
    }
    switch (rodzaj) {
    case RodzajSieci::Kwadratowa:
        return std::log(1.0 + std::numbers::sqrt2);
    case RodzajSieci::Heksagonalna:
        return std::log(2.0 + std::numbers::sqrt3);
    case RodzajSieci::Trojkatna:
        if (tryb == Oddzialywanie::Porzadkowanie) {
            return std::nullopt;
        }
        return std::log(3.0) / 2.0;
    case RodzajSieci::Kubiczna3D:
        return 2.0 * 0.221654626;
    }
    return std::nullopt;
}

bool LambdaKrytycznaDokladna(RodzajSieci rodzaj) {
    return rodzaj != RodzajSieci::Kubiczna3D;
}

double SigmaOnsagera(double lambda) {
    const double podwojoneK = std::abs(lambda);
    if (podwojoneK == 0.0) {
        return 0.0;
    }
    const double t = std::tanh(podwojoneK);
    const double kosinus = std::cosh(podwojoneK);
    // At lambda_c the modulus is 1 and the integral diverges where its factor
    // vanishes: the product's limit is taken there.
    const double k = std::min(1.0, 2.0 * std::sinh(podwojoneK) / (kosinus * kosinus));
    const double czynnik = 2.0 * t * t - 1.0;
    const double calka = k < 1.0 ? czynnik * CalkaEliptyczna(k) : 0.0;
    const double korelacja = 0.5 / t * (1.0 + 2.0 / std::numbers::pi * calka);
    return lambda < 0.0 ? -korelacja : korelacja;
}

std::vector<std::pair<double, double>> KrzywaOnsagera(Oddzialywanie tryb) {
    // Fine enough for the curve's bend at lambda_c to show at a chart's width.
    const double znak = tryb == Oddzialywanie::Klasteryzacja ? -1.0 : 1.0;
    std::vector<std::pair<double, double>> punkty;
    for (int i = 1; i <= 240; ++i) {
        const double lambda = znak * 0.01 * i;
        punkty.emplace_back(lambda, SigmaOnsagera(lambda));
    }
    return punkty;
}

bool MaSigmeOnsagera(RodzajSieci rodzaj, int pozycjaKoncentracji) {
    return rodzaj == RodzajSieci::Kwadratowa && pozycjaKoncentracji == PolowaSkladu;
}

std::string TekstLambdyKrytycznej(RodzajSieci rodzaj, Oddzialywanie tryb, int pozycjaKoncentracji) {
    if (pozycjaKoncentracji != PolowaSkladu) {
        return {};
    }
    const std::optional<double> lambda = LambdaKrytyczna(rodzaj, tryb, pozycjaKoncentracji);
    if (!lambda) {
        return "λ_c sieci nieskończonej (c = 0.5): brak — porządkowanie w sieci trójkątnej "
               "nie ma przejścia fazowego";
    }
    char liczba[16];
    std::snprintf(liczba, sizeof liczba, "%.4f", *lambda);
    return std::string("λ_c sieci nieskończonej (c = 0.5): ") + liczba +
           (LambdaKrytycznaDokladna(rodzaj) ? " (dokładnie)" : " (numerycznie)");
}
