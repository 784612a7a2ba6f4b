#include "FluktuacjeSerii.h"

#include "DoKonca.h"
#include "Obliczenia.h"
#include "ObserwatorPomiarow.h"
#include "Pomiar.h"
#include "StaleZiarno.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {
FluktuacjaSerii Seria(double lambda, double cv, double blad,
                      Rownowaga stan = Rownowaga::Osiagnieta) {
    return {lambda, {cv, blad}, stan, {}, {}, 0, {}, 0};
}

// A peak between 0.8 and 0.9 on the grid 0.5..1.2.
std::vector<FluktuacjaSerii> Szczyt(double znak, double przesuniecie = 0.0) {
    const std::vector<double> cv{0.2, 0.3, 0.6, 1.4, 1.2, 0.7, 0.4, 0.3};
    std::vector<FluktuacjaSerii> serie;
    for (std::size_t k = 0; k < cv.size(); ++k) {
        serie.push_back(Seria(znak * (0.5 + 0.1 * static_cast<double>(k)),
                              cv[k] + przesuniecie * static_cast<double>(k % 2), 0.05));
    }
    return serie;
}

// The pair count of every sample of every series, as the engine reports it.
struct ParySerii : ObserwatorPomiarow {
    std::array<std::vector<double>, LiczbaWpisowSerii> pary;
    void NowyPomiar(const Pomiar& p) override { pary[p.Seria].push_back(p.LiczbaParAB); }
};

} // namespace

TEST(FluktuacjeSerii, PrzejscieWedlugModuluLambdy) {
    const FluktuacjeSerii porzadkowanie = ObliczFluktuacje(Szczyt(1.0));
    const FluktuacjeSerii klasteryzacja = ObliczFluktuacje(Szczyt(-1.0));
    ASSERT_FALSE(porzadkowanie.Przejscie.NaBrzegu);
    EXPECT_GT(porzadkowanie.Przejscie.Lambda, 0.8);
    EXPECT_LT(porzadkowanie.Przejscie.Lambda, 0.9);
    EXPECT_GT(porzadkowanie.Przejscie.Blad, 0.0);
    EXPECT_EQ(klasteryzacja.Przejscie.Lambda, porzadkowanie.Przejscie.Lambda);
    EXPECT_EQ(klasteryzacja.Przejscie.Blad, porzadkowanie.Przejscie.Blad);
    // The series stay as they ran.
    EXPECT_EQ(klasteryzacja.Serie.front().Lambda, -0.5);
    EXPECT_THROW(ObliczFluktuacje({}), std::invalid_argument);
}

TEST(FluktuacjeSerii, SrednieReplikZBledemZRozrzutu) {
    std::vector<FluktuacjeSerii> repliki;
    for (int r = 0; r < 5; ++r) {
        repliki.push_back(ObliczFluktuacje(Szczyt(1.0, 0.1 * (r % 2))));
    }
    repliki[0].Serie[6].Stan = Rownowaga::Nieosiagnieta;
    repliki[1].Serie[7].Stan = Rownowaga::Nieznana;
    const FluktuacjeSerii srednie = SrednieFluktuacji(repliki);
    ASSERT_EQ(srednie.Serie.size(), 8u);
    EXPECT_DOUBLE_EQ(srednie.Serie[1].CvkN.Srednia, 0.34);
    EXPECT_NEAR(srednie.Serie[1].CvkN.Blad, std::sqrt(0.012 / 4 / 5), 1e-12);
    EXPECT_EQ(srednie.Serie[0].CvkN.Blad, 0.0);
    EXPECT_EQ(srednie.Serie[0].Stan, Rownowaga::Osiagnieta);
    EXPECT_EQ(srednie.Serie[6].Stan, Rownowaga::Nieosiagnieta);
    EXPECT_EQ(srednie.Serie[7].Stan, Rownowaga::Nieznana);

    // The transition of the means, with the scatter of the replicas.
    EXPECT_GT(srednie.Przejscie.Lambda, 0.8);
    EXPECT_LT(srednie.Przejscie.Lambda, 0.9);
    EXPECT_GT(srednie.Przejscie.Blad, 0.0);

    // Fewer than five replicas: means, but no error.
    repliki.resize(2);
    const FluktuacjeSerii dwie = SrednieFluktuacji(repliki);
    EXPECT_TRUE(std::isnan(dwie.Serie[1].CvkN.Blad));
    EXPECT_TRUE(std::isnan(dwie.Przejscie.Blad));
    EXPECT_TRUE(dwie.Przejscie.MaloReplik);

    repliki[1].Serie.pop_back();
    EXPECT_THROW(SrednieFluktuacji(repliki), std::invalid_argument);
    EXPECT_THROW(SrednieFluktuacji({}), std::invalid_argument);
}

// The window reads the stores, the batch runner the reported samples: both
// give the same samples, also after a longer run on a lattice of more
// neighbours has left its entries in the stores.
TEST(FluktuacjeSerii, ZMagazynuJakZPomiarow) {
    StaleZiarno ziarno(77);
    const auto obl = std::make_unique<Obliczenia>(ziarno);
    ParametrySymulacji p;
    p.Rodzaj = RodzajSieci::Trojkatna;
    p.IloscAtomowOsX = p.IloscAtomowOsY = 8;
    p.MaxIloscCykli = 40000;
    p.PozycjaPrzedzialu = 1;
    p.PozycjaLambdy = 5;
    p.PozycjaLambdyKoncowej = 11;
    obl->PrzygotujObliczenia(p);
    DoKonca(*obl);

    ParySerii zapis;
    obl->UstawObserwatora(&zapis);
    obl->UstawSiec();
    p.Rodzaj = RodzajSieci::Kwadratowa;
    p.MaxIloscCykli = 10000;
    p.PozycjaPrzedzialu = 3;
    p.Tryb = Oddzialywanie::Klasteryzacja;
    obl->PrzygotujObliczenia(p);
    DoKonca(*obl);
    obl->UstawObserwatora(nullptr);

    const FluktuacjeSerii f = FluktuacjeZ(*obl);
    ASSERT_EQ(f.Serie.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
        ASSERT_EQ(zapis.pary[k].size(), 10000u / 300 + 2);
        EXPECT_EQ(ParyProbek(obl->Pomiary(), k, 10000, 300, 4), zapis.pary[k]);
        const FluktuacjaSerii z = FluktuacjaZProbek(obl->Stan().LambdaSerii[k], zapis.pary[k], 64);
        const FluktuacjaSerii& s = f.Serie[static_cast<std::size_t>(k - 1)];
        EXPECT_LT(s.Lambda, 0.0);
        EXPECT_EQ(s.Lambda, z.Lambda);
        EXPECT_EQ(s.CvkN.Srednia, z.CvkN.Srednia);
        EXPECT_EQ(s.CvkN.Blad, z.CvkN.Blad);
        EXPECT_EQ(s.Stan, z.Stan);
    }
    EXPECT_THROW(ParyProbek(obl->Pomiary(), 1, 10000, 300, 7), std::invalid_argument);
}
