// One random stream per run: the clock seeds a run once, and no chunk or
// arrangement of the run replays the draws of another, however fast they follow.
#include "SilnikTestowy.h"
#include "ZegarMilisekundy.h"

#include <gtest/gtest.h>
#include <set>

namespace {
ParametrySymulacji SeriaNaMalejSieci() {
    ParametrySymulacji p = Parametry(RodzajSieci::Kwadratowa, 10, Ulozenie::Przypadkowe, 30);
    p.PozycjaLambdy = 4;
    p.PozycjaLambdyKoncowej = 12;
    p.PozycjaKroku = 4;
    p.MaxIloscCykli = 10000;
    p.PozycjaPrzedzialu = 5;
    return p;
}

std::vector<std::uint8_t> Atomy(const Siec& s) {
    std::vector<std::uint8_t> atomy;
    for (int y = 1; y <= s.Ny(); ++y) {
        for (int x = 1; x <= s.Nx(); ++x) {
            atomy.push_back(static_cast<std::uint8_t>(s.Wartosc(x, y, 1)));
        }
    }
    return atomy;
}
} // namespace

TEST(JedenStrumien, ZegarCzytanyRazNaPrzygotowanyPrzebieg) {
    ZegarMilisekundy zegar(41000);
    Obliczenia obl(zegar);
    obl.PrzygotujObliczenia(SeriaNaMalejSieci());
    DoKonca(obl);
    EXPECT_EQ(zegar.odczyty, 1);
    obl.PrzygotujObliczenia(SeriaNaMalejSieci());
    EXPECT_EQ(zegar.odczyty, 2) << "every prepared run takes its own seed";
}

TEST(JedenStrumien, TaSamaMilisekundaDajeToCoStaleZiarno) {
    ZegarMilisekundy zegar(41000);
    Obliczenia zZegara(zegar);
    ZapisObserwatora a;
    zZegara.UstawObserwatora(&a);
    zZegara.PrzygotujObliczenia(SeriaNaMalejSieci());
    DoKonca(zZegara);

    SilnikTestowy stale(41000);
    ZapisObserwatora b;
    stale.obl.UstawObserwatora(&b);
    stale.obl.PrzygotujObliczenia(SeriaNaMalejSieci());
    DoKonca(stale.obl);

    ASSERT_EQ(a.pomiary.size(), b.pomiary.size());
    for (std::size_t i = 0; i < a.pomiary.size(); ++i) {
        ASSERT_EQ(a.pomiary[i].LiczbaParAB, b.pomiary[i].LiczbaParAB) << i;
        ASSERT_EQ(a.pomiary[i].Sigma, b.pomiary[i].Sigma) << i;
    }
}

TEST(JedenStrumien, KawalkiLosujaInneLiczby) {
    ZegarMilisekundy zegar(41000);
    Obliczenia obl(zegar);
    ParametrySymulacji p = SeriaNaMalejSieci();
    p.Seria = false;
    p.PozycjaLambdy = 24; // most attempts need the real draw
    obl.PrzygotujObliczenia(p);
    std::set<double> ostatnieLosowania;
    int kawalki = 0;
    while (obl.KrokSymulacji() == StanKroku::Trwa) {
        ostatnieLosowania.insert(obl.Stan().LiczbaLosowa);
        ++kawalki;
    }
    EXPECT_EQ(static_cast<int>(ostatnieLosowania.size()), kawalki);
}

TEST(JedenStrumien, UlozeniaKolejnychSeriiSaRozne) {
    ZegarMilisekundy zegar(41000);
    Obliczenia obl(zegar);
    obl.PrzygotujObliczenia(SeriaNaMalejSieci());
    std::vector<std::vector<std::uint8_t>> ulozenia{Atomy(obl.SiecAtomow())};
    for (StanKroku krok = StanKroku::Trwa; krok != StanKroku::Koniec;) {
        krok = obl.KrokSymulacji();
        if (krok == StanKroku::SeriaZakonczona) {
            obl.RozpocznijNastepnaSerie();
            ulozenia.push_back(Atomy(obl.SiecAtomow()));
        }
    }
    ASSERT_EQ(ulozenia.size(), 3u);
    EXPECT_NE(ulozenia[0], ulozenia[1]);
    EXPECT_NE(ulozenia[1], ulozenia[2]);
    EXPECT_NE(ulozenia[0], ulozenia[2]);
}

TEST(JedenStrumien, PrzesuniecieTcZTegoSamegoStrumienia) {
    SilnikTestowy a(77), b(77);
    for (SilnikTestowy* t : {&a, &b}) {
        t->obl.PrzygotujObliczenia(SeriaNaMalejSieci());
        DoKonca(t->obl);
    }
    const double j = a.obl.LosujPrzesuniecieTc();
    EXPECT_GE(j, 0.0);
    EXPECT_LT(j, 0.1);
    EXPECT_EQ(b.obl.LosujPrzesuniecieTc(), j) << "the same run leaves the same stream";
    EXPECT_NE(a.obl.LosujPrzesuniecieTc(), j) << "each call is one further draw";
}
