#include "AnalizaRozmiarow.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {
PunktRozmiaru Punkt(int l, double lambda, double blad, double cv, double bladCv) {
    PunktRozmiaru p;
    p.L = l;
    p.Maksimum.Sposob = SposobMaksimum::Przewazanie;
    p.Maksimum.Lambda = lambda;
    p.Maksimum.Blad = blad;
    p.Maksimum.CvkN = cv;
    p.Maksimum.BladCvkN = bladCv;
    return p;
}
} // namespace

// Peaks drawn about lambda_c + a L^-1 with their stated errors: the
// intercept covers lambda_c as a standard error should, and the height
// growing as ln L is a transition.
TEST(AnalizaRozmiarow, GranicaWPokryciuIWzrost) {
    std::mt19937 los(3);
    std::normal_distribution<double> normalny(0.0, 1.0);
    int pokryte = 0;
    constexpr int Prob = 400;
    for (int proba = 0; proba < Prob; ++proba) {
        std::vector<PunktRozmiaru> punkty;
        for (const int l : {12, 16, 24, 32}) {
            const double blad = 0.002 * l / 12.0;
            punkty.push_back(Punkt(l, 0.8814 - 0.25 / l + blad * normalny(los), blad,
                                   0.5 * std::log(l) + 0.02 * normalny(los), 0.02));
        }
        const WynikRozmiarow w = AnalizujRozmiary(punkty, 1.0);
        ASSERT_EQ(w.Rodzaj, Przejscie::Jest);
        ASSERT_EQ(w.UzyteRozmiary, 4);
        pokryte += std::fabs(w.LambdaC - 0.8814) < w.BladLambdaC;
    }
    EXPECT_GT(pokryte, 0.60 * Prob);
    EXPECT_LT(pokryte, 0.80 * Prob);
}

// A height that falls or stays within its errors is no transition, and then
// no lambda_c; a position at an edge or in words takes no part in the line.
TEST(AnalizaRozmiarow, BrakWzrostuIPunktyBezLiczby) {
    const std::vector<PunktRozmiaru> malejace{Punkt(12, 1.6, 0.01, 0.225, 0.003),
                                              Punkt(24, 1.6, 0.01, 0.218, 0.003),
                                              Punkt(48, 1.6, 0.01, 0.214, 0.003)};
    const WynikRozmiarow brak = AnalizujRozmiary(malejace, 1.0);
    EXPECT_EQ(brak.Rodzaj, Przejscie::Brak);
    EXPECT_TRUE(std::isnan(brak.LambdaC));
    // A peak growing some 7 % over 8..12 within two of its errors: a
    // transition of the three-dimensional class would grow it about so much,
    // so the sizes can neither claim nor deny one.
    const std::vector<PunktRozmiaru> slabe{Punkt(8, 0.46, 0.004, 1.00, 0.03),
                                           Punkt(10, 0.455, 0.004, 1.035, 0.03),
                                           Punkt(12, 0.452, 0.004, 1.07, 0.03)};
    EXPECT_EQ(AnalizujRozmiary(slabe, 0.63, {}, 0.17).Rodzaj, Przejscie::Nieznane);
    // Crossing cumulants tell a transition whatever the heights.
    PrzeciecieBindera przeciecie;
    przeciecie.Jest = true;
    przeciecie.Lambda = 0.4433;
    EXPECT_EQ(AnalizujRozmiary(slabe, 0.63, {przeciecie}, 0.17).Rodzaj, Przejscie::Jest);

    std::vector<PunktRozmiaru> punkty{Punkt(8, 0.40, 0.004, 1.0, 0.01),
                                      Punkt(10, 0.41, 0.004, 1.2, 0.01),
                                      Punkt(12, 0.42, 0.004, 1.4, 0.01)};
    punkty[0].Maksimum.NaBrzegu = true;
    const WynikRozmiarow dwa = AnalizujRozmiary(punkty, 0.63);
    EXPECT_EQ(dwa.Rodzaj, Przejscie::Jest);
    EXPECT_EQ(dwa.UzyteRozmiary, 2);
    // Two points: the line through them, exactly.
    const double x1 = std::pow(10.0, -1 / 0.63);
    const double x2 = std::pow(12.0, -1 / 0.63);
    EXPECT_NEAR(dwa.LambdaC, 0.41 - (0.42 - 0.41) / (x2 - x1) * x1, 1e-12);

    punkty[1].Maksimum.Sposob = SposobMaksimum::BrakSerii;
    punkty[2].Maksimum.BladCvkN = std::nan("");
    EXPECT_EQ(AnalizujRozmiary(punkty, 0.63).Rodzaj, Przejscie::Nieznane);
}
