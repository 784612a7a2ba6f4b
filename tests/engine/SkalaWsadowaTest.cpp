#include "SilnikTestowy.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {
ParametrySymulacji Wsadowe(int s, int e, int k, int iteracje, int przedzial) {
    ParametrySymulacji p = Parametry(RodzajSieci::Kwadratowa, 6, Ulozenie::Przypadkowe);
    p.Skala = SkalaParametrow::Wsadowa;
    p.PozycjaLambdy = s;
    p.PozycjaLambdyKoncowej = e;
    p.PozycjaKroku = k;
    p.MaxIloscCykli = iteracje;
    p.PozycjaPrzedzialu = przedzial;
    return p;
}

bool Przyjete(const ParametrySymulacji& p) {
    SilnikTestowy t;
    try {
        t.obl.PrzygotujObliczenia(p);
    } catch (const std::invalid_argument&) {
        return false;
    }
    return true;
}
} // namespace

TEST(SkalaWsadowa, GraniceZakresow) {
    // Iterations up to 10^9, intervals up to 10^6; the samples of a series and
    // the lambdas of a series only as many as memory holds (past the window's
    // 10 000 and 24 here).
    EXPECT_TRUE(Przyjete(Wsadowe(10, 240, 10, 1000000000, 10000)));
    EXPECT_FALSE(Przyjete(Wsadowe(10, 240, 10, 1000000001, 10000)));
    EXPECT_FALSE(Przyjete(Wsadowe(10, 240, 10, 1000000, 10001)));
    EXPECT_TRUE(Przyjete(Wsadowe(10, 240, 10, 1000099, 1)));
    EXPECT_TRUE(Przyjete(Wsadowe(10, 240, 10, 1000100, 1)));
    EXPECT_TRUE(Przyjete(Wsadowe(10, 240, 10, 1000000000, 1000)));
    EXPECT_TRUE(Przyjete(Wsadowe(10, 240, 10, 1000000000, 999)));
    // Lambda in hundredths over 0.10..2.40, the step at most one tenth past the end.
    EXPECT_FALSE(Przyjete(Wsadowe(9, 240, 10, 10000, 10)));
    EXPECT_FALSE(Przyjete(Wsadowe(10, 241, 10, 10000, 10)));
    EXPECT_TRUE(Przyjete(Wsadowe(80, 103, 1, 10000, 10)));
    EXPECT_TRUE(Przyjete(Wsadowe(80, 104, 1, 10000, 10)));
    EXPECT_TRUE(Przyjete(Wsadowe(10, 240, 240, 10000, 10)));
    EXPECT_FALSE(Przyjete(Wsadowe(10, 240, 241, 10000, 10)));
    // The window's scale keeps the settings page's ranges.
    ParametrySymulacji okno = Wsadowe(1, 24, 3, 1000000, 10);
    okno.Skala = SkalaParametrow::Okna;
    EXPECT_TRUE(Przyjete(okno));
    okno.MaxIloscCykli = 1000001;
    EXPECT_FALSE(Przyjete(okno));
    okno.MaxIloscCykli = 10000;
    okno.PozycjaLambdyKoncowej = 30;
    EXPECT_FALSE(Przyjete(okno));
}

TEST(SkalaWsadowa, SetneDziesiatychDajaTeSameBity) {
    // The same run on both scales: every lambda, sigma and stored sample alike.
    SilnikTestowy okno(777);
    SilnikTestowy wsadowy(777);
    ParametrySymulacji p = Wsadowe(3, 15, 4, 10000, 5);
    p.Skala = SkalaParametrow::Okna;
    p.Tryb = Oddzialywanie::Klasteryzacja;
    okno.obl.PrzygotujObliczenia(p);
    DoKonca(okno.obl);
    p = Wsadowe(30, 150, 40, 10000, 5);
    p.Tryb = Oddzialywanie::Klasteryzacja;
    wsadowy.obl.PrzygotujObliczenia(p);
    DoKonca(wsadowy.obl);
    const StanObliczen& a = okno.obl.Stan();
    const StanObliczen& b = wsadowy.obl.Stan();
    ASSERT_EQ(a.NrSerii, 4);
    ASSERT_EQ(b.NrSerii, 4);
    EXPECT_EQ(a.LambdaSerii, b.LambdaSerii);
    EXPECT_EQ(a.SigmaSerii, b.SigmaSerii);
    for (int seria = 1; seria <= 4; ++seria) {
        for (int i = 0; i <= 10500; i += 500) {
            EXPECT_EQ(okno.obl.Pomiary().SigmaCykli(seria, i),
                      wsadowy.obl.Pomiary().SigmaCykli(seria, i));
        }
    }
    EXPECT_EQ(okno.obl.Postep().SeriaSymulacjiMax, wsadowy.obl.Postep().SeriaSymulacjiMax);
}

TEST(SkalaWsadowa, SiatkaCoSetnaIJejMiejsca) {
    SilnikTestowy t;
    const ParametrySymulacji p = Wsadowe(80, 100, 1, 10000, 20);
    t.obl.PrzygotujObliczenia(p);
    DoKonca(t.obl);
    ASSERT_EQ(t.obl.Stan().NrSerii, 21);
    for (int k = 1; k <= 21; ++k) {
        EXPECT_NEAR(t.obl.Stan().LambdaSerii[k], 0.79 + 0.01 * k, 1e-12) << k;
    }
    EXPECT_EQ(t.obl.Stan().LambdaSerii[21], 1.0) << "the end is reached exactly";
    EXPECT_EQ(MiejscaLambdy(p), 2);
    EXPECT_EQ(MiejscaLambdy(Wsadowe(80, 100, 10, 10000, 20)), 1);
    EXPECT_EQ(MiejscaLambdy(Wsadowe(80, 105, 10, 10000, 20)), 2);
    ParametrySymulacji pojedyncza = Wsadowe(85, 100, 10, 10000, 20);
    pojedyncza.Seria = false;
    EXPECT_EQ(MiejscaLambdy(pojedyncza), 2);
    pojedyncza.PozycjaLambdy = 90;
    pojedyncza.PozycjaLambdyKoncowej = 95;
    EXPECT_EQ(MiejscaLambdy(pojedyncza), 1) << "a single run has no end or step";
    EXPECT_EQ(MiejscaLambdy(ParametrySymulacji{}), 1);
}

TEST(SkalaWsadowa, DlugiPrzedzialZapisujeKazdyPomiar) {
    // Samples every 10^6 iterations: 0, 1, 2 and 3 million and the chunk past
    // the end, each in its own place of the store.
    SilnikTestowy t;
    ZapisObserwatora zapis;
    t.obl.UstawObserwatora(&zapis);
    ParametrySymulacji p = Wsadowe(50, 50, 10, 3000000, 10000);
    p.Seria = false;
    t.obl.PrzygotujObliczenia(p);
    DoKonca(t.obl);
    t.obl.UstawObserwatora(nullptr);
    ASSERT_EQ(zapis.iteracjeEnergii, (std::vector<int>{0, 1000000, 2000000, 3000000, 4000000}));
    for (std::size_t i = 0; i < zapis.sigmy.size(); ++i) {
        EXPECT_EQ(t.obl.Pomiary().SigmaCykli(1, static_cast<int>(i) * 1000000), zapis.sigmy[i]);
    }
    const Pomiar& ostatni = zapis.pomiary.back();
    EXPECT_DOUBLE_EQ(ostatni.Energia, -0.5 * ostatni.LiczbaParAB);
    EXPECT_EQ(t.obl.Postep().SeriaSymulacji, 3000000);
}

TEST(SkalaWsadowa, PostepPonadZakresInt) {
    // 24 series of 10^9 iterations: the gauge's total does not wrap.
    SilnikTestowy t;
    t.obl.PrzygotujObliczenia(Wsadowe(10, 240, 10, 1000000000, 1000));
    EXPECT_EQ(t.obl.Postep().SeriaSymulacjiMax, 24LL * 1000000000LL);
}
