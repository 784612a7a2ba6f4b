#include "DoKonca.h"
#include "FluktuacjeSerii.h"
#include "Obliczenia.h"
#include "StaleZiarno.h"
#include "StatystykaProbek.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
// The exact transition of the square lattice at c_B = 1/2: the alloy is the
// Ising model with K = lambda / 2, so lambda_c = ln(1 + sqrt 2).
constexpr double LambdaKrytyczna = 0.88137358701954302;

FluktuacjeSerii SeriaKwadratowa20(std::uint32_t ziarno) {
    StaleZiarno zrodlo(ziarno);
    const auto obl = std::make_unique<Obliczenia>(zrodlo);
    ParametrySymulacji p;
    p.Rodzaj = RodzajSieci::Kwadratowa;
    p.IloscAtomowOsX = p.IloscAtomowOsY = 20;
    p.Uklad = Ulozenie::Uporzadkowane;
    p.PozycjaLambdy = 1;
    p.PozycjaLambdyKoncowej = 24;
    p.PozycjaKroku = 1;
    p.MaxIloscCykli = 1000000;
    obl->PrzygotujObliczenia(p);
    DoKonca(*obl);
    return FluktuacjeZ(*obl);
}
} // namespace

// Twenty independent series of 24 lambdas: the estimate finds the transition,
// and the error it states for one series matches the scatter between series.
TEST(FluktuacjeFizyka, PrzejscieSieciKwadratowej20x20) {
    std::vector<double> polozenia;
    std::vector<double> kwadratyBledow;
    for (std::uint32_t ziarno = 1; ziarno <= 20; ++ziarno) {
        const FluktuacjeSerii f = SeriaKwadratowa20(ziarno);
        ASSERT_FALSE(f.Przejscie.NaBrzegu) << ziarno;
        polozenia.push_back(f.Przejscie.Lambda);
        kwadratyBledow.push_back(f.Przejscie.Blad * f.Przejscie.Blad);
    }
    const double srednia = SredniaNiezaleznych(polozenia).Srednia;
    const double rozrzut = std::sqrt(Wariancja(polozenia) * 20 / 19);
    const double podanyBlad = std::sqrt(SredniaNiezaleznych(kwadratyBledow).Srednia);
    RecordProperty("srednia", std::to_string(srednia));
    RecordProperty("rozrzut", std::to_string(rozrzut));
    RecordProperty("podany_blad", std::to_string(podanyBlad));
    EXPECT_NEAR(srednia, LambdaKrytyczna, 0.1);
    EXPECT_GT(podanyBlad, 0.5 * rozrzut) << srednia;
    EXPECT_LT(podanyBlad, 2.0 * rozrzut) << srednia;
}
