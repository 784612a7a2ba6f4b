#include "RegulyUstawien.h"

#include "PoprawnoscParametrow.h"

#include <gtest/gtest.h>
#include <random>

// The page a freshly set-up lattice shows: lambda 0.1 to 2.4 by 0.3, a sample
// every 1000 attempts, half the atoms A, 10 atoms on every axis, and a run
// the engine takes as it stands.
TEST(RegulyUstawien, DomyslneKazdegoRodzaju) {
    for (const OpisRodzajuSieci& opis : RodzajeSieci) {
        const StanUstawien stan = DomyslneUstawienia(opis.Rodzaj);
        EXPECT_EQ(NiepoprawnyParametr(stan.Parametry), nullptr) << opis.Klucz;
        const WidokUstawien w = Widok(stan);
        EXPECT_TRUE(w.Seria);
        EXPECT_FALSE(w.OsieYZDostepne);
        EXPECT_EQ(w.OsZWidoczna, opis.Wymiary == 3) << opis.Klucz;
        EXPECT_EQ(w.IloscAtomow, opis.Wymiary == 3 ? 1000 : 100) << opis.Klucz;
        EXPECT_DOUBLE_EQ(w.WartoscLambdy, 0.1);
        EXPECT_DOUBLE_EQ(w.WartoscLambdyKoncowej, 2.4);
        EXPECT_DOUBLE_EQ(w.WartoscKroku, 0.3);
        EXPECT_DOUBLE_EQ(w.WartoscMaxKroku, 2.4);
        EXPECT_DOUBLE_EQ(w.WartoscKoncentracji, 0.5);
        EXPECT_EQ(w.IteracjePrzedzialu, 1000);
        EXPECT_EQ(stan.Parametry.MaxIloscCykli, 100000);
    }
}

// A series from 0.5 to 1.5 offers steps up to 1.1; a start moved past the end
// takes the end along and leaves one step, 0.1.
TEST(RegulyUstawien, KoniecIKrokSeriiZaPoczatkiem) {
    StanUstawien stan = DomyslneUstawienia(RodzajSieci::Kwadratowa);
    stan.Parametry.PozycjaLambdy = 5;
    stan.Parametry.PozycjaLambdyKoncowej = 15;
    WidokUstawien w = Widok(stan);
    EXPECT_EQ(w.MinLambdyKoncowej, 5);
    EXPECT_DOUBLE_EQ(w.WartoscMinLambdyKoncowej, 0.5);
    EXPECT_EQ(w.MaxKroku, 11);
    EXPECT_DOUBLE_EQ(w.WartoscMaxKroku, 1.1);
    EXPECT_EQ(w.Krok, 3);

    stan.Parametry.PozycjaLambdy = 24;
    stan.Parametry.PozycjaKroku = 7;
    w = Widok(stan);
    EXPECT_EQ(w.LambdaKoncowa, 24);
    EXPECT_DOUBLE_EQ(w.WartoscLambdyKoncowej, 2.4);
    EXPECT_EQ(w.MaxKroku, 1);
    EXPECT_EQ(w.Krok, 1);
    EXPECT_DOUBLE_EQ(w.WartoscKroku, 0.1);
}

// A single run takes no end and no step: their bounds stay where the last
// series left them, whatever the start does.
TEST(RegulyUstawien, PojedynczaZostawiaKoniecIKrok) {
    StanUstawien stan = DomyslneUstawienia(RodzajSieci::Trojkatna);
    stan.Parametry.Seria = false;
    stan.MinLambdyKoncowej = 4;
    stan.Parametry.PozycjaLambdy = 20;
    stan.Parametry.PozycjaLambdyKoncowej = 10;
    stan.Parametry.PozycjaKroku = 5;
    const WidokUstawien w = Widok(stan);
    EXPECT_FALSE(w.Seria);
    EXPECT_EQ(w.MinLambdyKoncowej, 4);
    EXPECT_EQ(w.LambdaKoncowa, 10);
    EXPECT_EQ(w.MaxKroku, 7);
    EXPECT_EQ(w.Krok, 5);
    EXPECT_DOUBLE_EQ(w.WartoscLambdy, 2.0);
}

// Equal axes take X's count; unequal ones their own, and the lattice counts
// its atoms over the axes it has.
TEST(RegulyUstawien, OsieRowneLubWlasne) {
    StanUstawien stan = DomyslneUstawienia(RodzajSieci::Kubiczna3D);
    stan.Parametry.IloscAtomowOsX = 20;
    stan.Parametry.IloscAtomowOsY = 8;
    stan.Parametry.IloscAtomowOsZ = 6;
    WidokUstawien w = Widok(stan);
    EXPECT_EQ(w.OsY, 20);
    EXPECT_EQ(w.OsZ, 20);
    EXPECT_EQ(w.IloscAtomow, 8000);

    stan.RowneOsie = false;
    w = Widok(stan);
    EXPECT_TRUE(w.OsieYZDostepne);
    EXPECT_EQ(w.IloscAtomow, 20 * 8 * 6);
    stan.Parametry.Rodzaj = RodzajSieci::Heksagonalna;
    EXPECT_EQ(Widok(stan).IloscAtomow, 20 * 8);
    EXPECT_FALSE(Widok(stan).OsZWidoczna);
}

// Whatever the user sets within the controls' ranges, the run the page then
// holds is one the engine takes: the rules never offer an invalid series.
TEST(RegulyUstawien, KazdyStanToPoprawnyPrzebieg) {
    std::mt19937 los(8);
    const ZakresParametru lambdy = SiatkaOkna.Zakres();
    const auto w = [&](int od, int doW) { return std::uniform_int_distribution(od, doW)(los); };
    StanUstawien stan = DomyslneUstawienia(RodzajSieci::Kwadratowa);
    for (int i = 0; i < 5000; ++i) {
        ParametrySymulacji& p = stan.Parametry;
        p.Seria = w(0, 3) != 0;
        p.PozycjaLambdy = w(lambdy.Min, lambdy.Max);
        p.PozycjaLambdyKoncowej = w(stan.MinLambdyKoncowej, lambdy.Max);
        p.PozycjaKroku = w(1, lambdy.Max);
        p.PozycjaKoncentracji = w(ZakresKoncentracji.Min, ZakresKoncentracji.Max);
        p.PozycjaPrzedzialu = w(ZakresPrzedzialu.Min, ZakresPrzedzialu.Max);
        const WidokUstawien v = Widok(stan);
        // What the page's controls then hold.
        p.PozycjaLambdyKoncowej = v.LambdaKoncowa;
        p.PozycjaKroku = v.Krok;
        stan.MinLambdyKoncowej = v.MinLambdyKoncowej;
        ASSERT_EQ(NiepoprawnyParametr(p), nullptr)
            << i << ": " << p.PozycjaLambdy << ".." << p.PozycjaLambdyKoncowej << " co "
            << p.PozycjaKroku << (p.Seria ? " seria" : " pojedyncza");
    }
}
