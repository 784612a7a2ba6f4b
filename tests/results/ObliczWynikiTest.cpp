#include "ObliczWyniki.h"

#include "DoKonca.h"
#include "Fixed.h"
#include "Obliczenia.h"
#include "PrzejscieFazowe.h"
#include "StaleZiarno.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
// A series whose sigma follows s(lambda) exactly; c_B = 0.5 and z = 4 make
// c_B^2 z = 1, so Cv/kN = 10 lambda^2 s'(lambda) wherever the fit is exact.
DaneWynikow Seria(std::initializer_list<double> lambdy, const std::function<double(double)>& s,
                  double j = 0.03) {
    DaneWynikow dane;
    dane.KoncentracjaB = 0.5;
    dane.LiczbaSasiadow = 4;
    dane.J = j;
    for (double lambda : lambdy) {
        ++dane.NrSerii;
        dane.LambdaSerii[dane.NrSerii] = lambda;
        dane.SigmaSerii[dane.NrSerii] = s(lambda);
    }
    return dane;
}

std::vector<std::string> Teksty(std::initializer_list<const char*> t) {
    return {t.begin(), t.end()};
}
} // namespace

TEST(ObliczWyniki, JednaSeriaDopasowujeSredniaBezSpadku) {
    auto dane = Seria(
        {0.4}, [](double) { return 0.3; }, 0.05);
    const WynikiSerii w = ObliczWyniki(dane);
    EXPECT_EQ(w.Stopien, 0);
    EXPECT_DOUBLE_EQ(w.Series10.at(0).Y, 0.15);
    // 5 c_B^2 z u_1 y_1.
    EXPECT_NEAR(w.CvkN[1], 0.6, 1e-12);
    EXPECT_FALSE(w.Spadek);
    EXPECT_EQ(w.IndeksPrzejscia, 1);
    EXPECT_EQ(w.Teksty.MLambda, Teksty({"0.4"}));
    EXPECT_EQ(w.Teksty.MSigma, Teksty({"0.3000"}));
    EXPECT_EQ(w.Teksty.MCvkN, Teksty({"0.600"}));
    EXPECT_EQ(w.Teksty.ELambdaTc, "0.40"); // no offset without a fall
    EXPECT_TRUE(w.UstawCvkNTc);
    EXPECT_EQ(w.Teksty.ECvkNTc, "0.600");
    EXPECT_DOUBLE_EQ(w.Series5.at(0).X, 0.4);
}

TEST(ObliczWyniki, StopienAutomatycznyNMinusJedenPonizejCzterechSeriiPotemCztery) {
    const auto s = [](double l) { return 0.3 * l - 0.05 * l * l; };
    EXPECT_EQ(ObliczWyniki(Seria({0.1, 0.4}, s)).Stopien, 1);
    EXPECT_EQ(ObliczWyniki(Seria({0.1, 0.4, 0.7}, s)).Stopien, 2);
    const WynikiSerii cztery = ObliczWyniki(Seria({0.1, 0.4, 0.7, 1.0}, [](double l) {
        return l < 0.5 ? l : 0.9 - l * l; // no polynomial of degree < 4
    }));
    EXPECT_EQ(cztery.Stopien, 4);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(cztery.Series10[k].Y, cztery.Series9[k].Y, 1e-10) << "k = " << k;
    }
    EXPECT_EQ(ObliczWyniki(Seria({0.1, 0.4, 0.7, 1.0, 1.3, 1.6}, s)).Stopien, 4);
}

TEST(ObliczWyniki, WybranyStopienPonadNDajeWynikiStopniaN) {
    auto dane = Seria({0.3, 0.6, 0.9}, [](double l) { return l < 0.5 ? 0.2 : 0.5 - l * 0.1; });
    dane.Stopien = 7;
    const WynikiSerii wysoki = ObliczWyniki(dane);
    dane.Stopien = 3;
    const WynikiSerii rowny = ObliczWyniki(dane);
    EXPECT_EQ(wysoki.Stopien, 7);
    EXPECT_EQ(wysoki.CvkN, rowny.CvkN);
    EXPECT_EQ(wysoki.Teksty.MSigma, rowny.Teksty.MSigma);
    EXPECT_EQ(wysoki.Teksty.MCvkN, rowny.Teksty.MCvkN);
    EXPECT_EQ(wysoki.Teksty.ELambdaTc, rowny.Teksty.ELambdaTc);
}

TEST(ObliczWyniki, WzrostDoMaksimumPotemSpadekDajeZeraIPrzesunietaLambde) {
    // Cv/kN = 3 l^2 - l^3: 0.625, 2, 3.375, 4 (the maximum at 2.0), 3.125, 0, -6.125.
    const WynikiSerii w = ObliczWyniki(Seria({0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 3.5},
                                             [](double l) { return 0.1 * (3 * l - l * l / 2); }));
    EXPECT_TRUE(w.Spadek);
    EXPECT_EQ(w.IndeksPrzejscia, 4);
    EXPECT_EQ(w.Teksty.MCvkN,
              Teksty({"0.625", "2.000", "3.375", "4.000", "0.000", "0.000", "0.000"}));
    EXPECT_EQ(w.Teksty.ELambdaTc, "1.97");
    EXPECT_EQ(w.Teksty.ECvkNTc, "4.000");
    ASSERT_EQ(w.Series5.size(), 7u);
    EXPECT_DOUBLE_EQ(w.Series5[3].X, 2.0 - 0.03);
    EXPECT_DOUBLE_EQ(w.Series5[2].X, 1.5);
    EXPECT_DOUBLE_EQ(w.Series5[6].X, 3.5);
    EXPECT_EQ(w.Series5[6].Y, 0.0);
    // Ordering lists the recorded sigma, not the fitted one.
    EXPECT_EQ(w.Teksty.MSigma[0], "0.1375");
}

TEST(ObliczWyniki, WszystkoPoPierwszymSpadkuZeremNawetGdyZnowRosnie) {
    // Cv/kN = l^2 (l - 2)^2: rises, falls to 0 at 2.0, then rises to 9 at 3.0.
    const WynikiSerii w = ObliczWyniki(Seria({0.5, 1.0, 1.5, 2.0, 2.5, 3.0}, [](double l) {
        return 0.1 * ((l - 2) * (l - 2) * (l - 2) + 8) / 3;
    }));
    EXPECT_EQ(w.IndeksPrzejscia, 2);
    EXPECT_GT(w.CvkN[6], w.CvkN[5]);
    for (int k = 2; k < 6; ++k) {
        EXPECT_EQ(w.Teksty.MCvkN[k], "0.000") << "k = " << k;
        EXPECT_EQ(w.Series5[k].Y, 0.0) << "k = " << k;
    }
}

TEST(ObliczWyniki, CiaglyWzrostKonczySieNaOstatniejLambdzieBezPrzesuniecia) {
    // Cv/kN = 2 l^3.
    const WynikiSerii w = ObliczWyniki(Seria(
        {0.5, 1.0, 1.5}, [](double l) { return 0.1 * l * l; }, 0.07));
    EXPECT_FALSE(w.Spadek);
    EXPECT_EQ(w.Teksty.MCvkN, Teksty({"0.250", "2.000", "6.750"}));
    EXPECT_EQ(w.Teksty.ELambdaTc, "1.50");
    EXPECT_EQ(w.Teksty.ECvkNTc, "6.750");
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(w.Series5[k].X, w.Series9[k].X);
    }
}

TEST(ObliczWyniki, SpadekPonizejWartownikaZostawiaPoprzedniTekstCvkN) {
    // C_1 = 5 u_1 y_1 = -1500 lies below C_0 = -1000: p = 0.
    const WynikiSerii w = ObliczWyniki(Seria(
        {1.0}, [](double) { return -300.0; }, 0.03));
    EXPECT_TRUE(w.Spadek);
    EXPECT_EQ(w.IndeksPrzejscia, 0);
    EXPECT_FALSE(w.UstawCvkNTc);
    EXPECT_EQ(w.Teksty.ECvkNTc, "");
    EXPECT_EQ(w.Teksty.MCvkN, Teksty({"0.000"}));
    EXPECT_DOUBLE_EQ(w.Series5.at(0).X, 1.0);
    EXPECT_EQ(w.Teksty.ELambdaTc, "-0.03");
}

TEST(ObliczWyniki, KlasteryzacjaOdbiciemPorzadkowaniaZDopasowanaSigma) {
    auto klasteryzacja =
        Seria({-0.5, -0.9, -1.3}, [](double l) { return l < -1 ? 0.6 : -l * 0.5; });
    klasteryzacja.Tryb = Oddzialywanie::Klasteryzacja;
    auto porzadkowanie = klasteryzacja;
    porzadkowanie.Tryb = Oddzialywanie::Porzadkowanie;
    for (int k = 1; k <= 3; ++k) {
        porzadkowanie.LambdaSerii[k] = -klasteryzacja.LambdaSerii[k];
        porzadkowanie.SigmaSerii[k] = -klasteryzacja.SigmaSerii[k];
    }
    const WynikiSerii k = ObliczWyniki(klasteryzacja);
    const WynikiSerii p = ObliczWyniki(porzadkowanie);

    EXPECT_EQ(k.Teksty.MLambda, Teksty({"-0.5", "-0.9", "-1.3"}));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_LT(k.Series9[i].X, 0.0);
        EXPECT_LT(k.Series10[i].X, 0.0);
        EXPECT_EQ(k.Teksty.MSigma[i], fixed(k.Series10[i].Y, 4));
        EXPECT_NEAR(k.CvkN[i + 1], p.CvkN[i + 1], 1e-12);
        EXPECT_NEAR(k.Series5[i].X, p.Series5[i].X, 1e-15);
    }
    EXPECT_NE(k.Teksty.MSigma[0], fixed(k.Series9[0].Y, 4));
    EXPECT_GT(k.Series5[0].X, 0.0);
    EXPECT_EQ(k.Teksty.ELambdaTc, p.Teksty.ELambdaTc);
    EXPECT_NE(k.Teksty.ELambdaTc.front(), '-');
}

TEST(ObliczWyniki, OdrzucaLiczbySeriiIStopniePozaTablicami) {
    auto dane = Seria({0.4}, [](double) { return 0.3; });
    dane.NrSerii = 0;
    EXPECT_THROW(ObliczWyniki(dane), std::invalid_argument);
    dane.NrSerii = 26;
    EXPECT_THROW(ObliczWyniki(dane), std::invalid_argument);
    dane.NrSerii = 1;
    dane.Stopien = 26;
    EXPECT_THROW(ObliczWyniki(dane), std::invalid_argument);
}

TEST(ZnajdzPrzejscie, DecydujePierwszySpadekRowneWartosciToNieSpadek) {
    struct Przypadek {
        TablicaPunktow c;
        int n;
        int indeks;
        bool spadek;
    };
    const Przypadek przypadki[] = {
        {{-1000, 1, 2, 3, 3, 2}, 5, 4, true}, // C_3 = C_4 > C_5
        {{-1000, 1, 2, 1, 5, 0}, 5, 2, true}, // falls, rises, falls
        {{-1000, 1, 2, 3}, 3, 3, false},      // rising throughout
        {{-1000, -1001, 2}, 2, 0, true},      // below the sentinel
        {{-1000, 4, 4, 4}, 3, 3, false},      // flat
    };
    for (const auto& p : przypadki) {
        const PrzejscieFazowe wynik = ZnajdzPrzejscie(p.c, p.n);
        EXPECT_EQ(wynik.Indeks, p.indeks);
        EXPECT_EQ(wynik.Spadek, p.spadek);
    }
}

TEST(ObliczWyniki, DaneZSilnika) {
    StaleZiarno ziarno(12345);
    Obliczenia obliczenia(ziarno);
    ParametrySymulacji parametry;
    parametry.Rodzaj = RodzajSieci::Heksagonalna;
    parametry.PozycjaLambdy = 2;
    parametry.PozycjaLambdyKoncowej = 6;
    parametry.PozycjaKroku = 2;
    parametry.MaxIloscCykli = 10000;
    obliczenia.UstawSiec();
    obliczenia.PrzygotujObliczenia(parametry);
    DoKonca(obliczenia);

    const DaneWynikow dane = DaneWynikowZ(obliczenia, std::nullopt, 0.0625);
    EXPECT_EQ(dane.NrSerii, 3);
    EXPECT_DOUBLE_EQ(dane.LambdaSerii[3], 0.6);
    EXPECT_EQ(dane.LiczbaSasiadow, 3);
    EXPECT_EQ(dane.J, 0.0625);

    const WynikiSerii w = ObliczWyniki(dane);
    EXPECT_EQ(w.Teksty.MOpisSieci,
              Teksty({"Siec: 2D Heksagonalna - \"plaster miodu\"",
                      "Lambda początkowa: 0.2;   Lambda końcowa: 0.6",
                      "Ilość atomów w sieci: 100;   Koncentracja atomów: 0.50",
                      "Ilość atomów na osi X: 10;   Ilość atomów na osi Y: 10;   Ilość atomów na "
                      "osi Z: 1"}));
    EXPECT_EQ(w.Teksty.MLambda, Teksty({"0.2", "0.4", "0.6"}));
}

TEST(ObliczWyniki, SiatkaCoSetnaPiszeDwaMiejsca) {
    // The batch scale: hundredths of lambda, written with the decimals the grid needs.
    StaleZiarno ziarno(12345);
    Obliczenia obliczenia(ziarno);
    ParametrySymulacji parametry;
    parametry.Skala = SkalaParametrow::Wsadowa;
    parametry.PozycjaLambdy = 85;
    parametry.PozycjaLambdyKoncowej = 91;
    parametry.PozycjaKroku = 3;
    parametry.MaxIloscCykli = 10000;
    parametry.PozycjaPrzedzialu = 20;
    obliczenia.PrzygotujObliczenia(parametry);
    DoKonca(obliczenia);
    const WynikiSerii w = ObliczWyniki(DaneWynikowZ(obliczenia, std::nullopt, 0.0));
    EXPECT_EQ(w.Teksty.MOpisSieci[1], "Lambda początkowa: 0.85;   Lambda końcowa: 0.91");
    EXPECT_EQ(w.Teksty.MLambda, Teksty({"0.85", "0.88", "0.91"}));
}
