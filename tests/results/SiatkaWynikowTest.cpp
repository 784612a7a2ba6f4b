#include "DoKonca.h"
#include "ObliczWyniki.h"
#include "Obliczenia.h"
#include "PlikWynikow.h"
#include "StaleZiarno.h"

#include <gtest/gtest.h>
#include <string>

namespace {
// A series on `siatka` from `od` to `doPozycji` in steps of `krok` positions,
// its sigma an exact polynomial through the origin (so every fit of degree
// four reproduces it, whatever the points); c_B = 0.5 and z = 4.
DaneWynikow Seria(const SiatkaLambdy& siatka, int od, int doPozycji, int krok, double j) {
    DaneWynikow dane;
    dane.KoncentracjaB = 0.5;
    dane.LiczbaSasiadow = 4;
    dane.J = j;
    dane.Opis.Siatka = siatka;
    for (int poz = od; poz <= doPozycji; poz += krok) {
        const double l = siatka.Lambda(poz);
        ++dane.NrSerii;
        dane.LambdaSerii[dane.NrSerii] = l;
        dane.SigmaSerii[dane.NrSerii] = 0.9 * l - 0.5 * l * l + 0.08 * l * l * l;
    }
    return dane;
}

ParametrySymulacji Wsadowe(int od, int doPozycji, int krok) {
    ParametrySymulacji p;
    p.Skala = SkalaParametrow::Wsadowa;
    p.PozycjaLambdy = od;
    p.PozycjaLambdyKoncowej = doPozycji;
    p.PozycjaKroku = krok;
    p.MaxIloscCykli = 20000;
    return p;
}
} // namespace

TEST(SiatkaWynikow, CvkNTaSamaWielkoscNaObuSiatkach) {
    // Cv/kN is a derivative per unit of lambda: the grid a series ran on
    // must not scale it. 0.1..2.4 on tenths against 0.80..1.03 on hundredths.
    const WynikiSerii zgrubna = ObliczWyniki(Seria(SiatkaOkna, 1, 24, 1, 0.0));
    const WynikiSerii drobna = ObliczWyniki(Seria(SiatkaWsadowa, 80, 103, 1, 0.0));
    for (int k : {8, 9, 10}) { // lambda 0.8, 0.9, 1.0
        const int kDrobnej = (k - 8) * 10 + 1;
        ASSERT_NEAR(zgrubna.Series9[k - 1].X, drobna.Series9[kDrobnej - 1].X, 1e-12);
        EXPECT_NEAR(drobna.CvkN[kDrobnej], zgrubna.CvkN[k], 1e-6 * std::abs(zgrubna.CvkN[k]))
            << "lambda " << zgrubna.Series9[k - 1].X;
    }
}

TEST(SiatkaWynikow, PrzesuniecieKrotszeNizKrokSiatki) {
    // The same stream on both grids: the offset is one draw divided by the
    // unit of the run's lambdas, so a run on tenths keeps its bits on either
    // grid and a run between tenths stays below 0.01.
    for (unsigned ziarno = 1; ziarno <= 8; ++ziarno) {
        StaleZiarno z1(ziarno);
        StaleZiarno z2(ziarno);
        StaleZiarno z3(ziarno);
        Obliczenia okno(z1);
        Obliczenia wsadowe(z2);
        Obliczenia naDziesiatych(z3);
        ParametrySymulacji p = Wsadowe(8, 10, 1);
        p.Skala = SkalaParametrow::Okna;
        okno.PrzygotujObliczenia(p);
        wsadowe.PrzygotujObliczenia(Wsadowe(80, 100, 1));
        naDziesiatych.PrzygotujObliczenia(Wsadowe(80, 100, 10));
        const double jOkna = okno.LosujPrzesuniecieTc();
        EXPECT_EQ(naDziesiatych.LosujPrzesuniecieTc(), jOkna);
        const double jWsadowe = wsadowe.LosujPrzesuniecieTc();
        EXPECT_GE(jWsadowe, 0.0);
        EXPECT_LT(jWsadowe, 0.01);
        EXPECT_LT(jOkna, 0.1);
        EXPECT_NEAR(jWsadowe * 10, jOkna, 1e-15);
    }
}

TEST(SiatkaWynikow, PrzejscieNaDrobnejSiatceWZakresieZUwaga) {
    // A real run on hundredths, 0.80..1.00: the transition lies within the
    // scanned range (at most one position below its start), and a maximum at
    // an end of the range says so beside Cv/kN, in the results file too.
    for (unsigned ziarno = 1; ziarno <= 6; ++ziarno) {
        StaleZiarno z(ziarno);
        Obliczenia obl(z);
        obl.PrzygotujObliczenia(Wsadowe(80, 100, 1));
        DoKonca(obl);
        const WynikiSerii w = ObliczWyniki(obl, std::nullopt, obl.LosujPrzesuniecieTc());
        const double lambda = std::stod(w.Teksty.ELambdaTc);
        EXPECT_GE(lambda, 0.79) << ziarno;
        EXPECT_LE(lambda, 1.0) << ziarno;
        const int p = w.IndeksPrzejscia;
        const bool naBrzegu = !w.Spadek || p == 1;
        if (w.CvkN[p] < 0) {
            EXPECT_EQ(w.Teksty.UwagaCvkNTc, UwagaCvkNUjemne);
        } else {
            EXPECT_EQ(w.Teksty.UwagaCvkNTc, naBrzegu ? UwagaMaksimumNaBrzegu : "") << ziarno;
        }
        const std::string plik = TrescPlikuWynikow(w.Teksty, PolaWynikow{}, ',');
        EXPECT_NE(plik.find("Cv/kN=," + w.Teksty.ECvkNTc + "," + w.Teksty.UwagaCvkNTc + "\r\n"),
                  std::string::npos);
    }
}

TEST(SiatkaWynikow, UwagaTylkoGdyCvkNNiefizyczne) {
    // A peak inside the range: no words. Falling from the first series on: at
    // the edge. Sigma falling everywhere: a negative Cv/kN.
    DaneWynikow szczyt = Seria(SiatkaOkna, 1, 24, 1, 0.05);
    EXPECT_EQ(ObliczWyniki(szczyt).Teksty.UwagaCvkNTc, "");
    DaneWynikow rosnaca = Seria(SiatkaOkna, 1, 5, 1, 0.05);
    EXPECT_EQ(ObliczWyniki(rosnaca).Teksty.UwagaCvkNTc, UwagaMaksimumNaBrzegu);
    DaneWynikow ujemna = rosnaca;
    for (int k = 1; k <= ujemna.NrSerii; ++k) {
        ujemna.SigmaSerii[k] = -ujemna.SigmaSerii[k];
    }
    EXPECT_EQ(ObliczWyniki(ujemna).Teksty.UwagaCvkNTc, UwagaCvkNUjemne);
}
