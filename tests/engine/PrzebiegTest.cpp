#include "SilnikTestowy.h"

#include <gtest/gtest.h>

namespace {
struct Przebieg {
    int kroki = 0;
    std::vector<double> lambdy;
    std::vector<int> iteracjeEnergii;
    bool postepMalejacy = false;
    int pelnePojedyncze = 0;
    StanKroku ostatni = StanKroku::Trwa;
};

Przebieg Uruchom(SilnikTestowy& t, const ParametrySymulacji& p) {
    ZapisObserwatora zapis;
    t.obl.UstawObserwatora(&zapis);
    t.obl.PrzygotujObliczenia(p);
    Przebieg wynik;
    int poprzedni = 0;
    while ((wynik.ostatni = t.obl.KrokSymulacji()) != StanKroku::Koniec) {
        ++wynik.kroki;
        wynik.postepMalejacy |= t.obl.Postep().SeriaSymulacji < poprzedni;
        poprzedni = t.obl.Postep().SeriaSymulacji;
        if (wynik.ostatni == StanKroku::NastepnaSeria) {
            wynik.pelnePojedyncze +=
                t.obl.Postep().PojedynczaSymulacja == t.obl.Postep().PojedynczaSymulacjaMax;
        }
    }
    ++wynik.kroki;
    wynik.lambdy = zapis.lambdySerii;
    wynik.iteracjeEnergii = zapis.iteracjeEnergii;
    t.obl.UstawObserwatora(nullptr);
    return wynik;
}

ParametrySymulacji Seria(int s, int e, int k, Oddzialywanie tryb = Oddzialywanie::Porzadkowanie) {
    ParametrySymulacji p = Parametry(RodzajSieci::Kwadratowa, 6, Ulozenie::Przypadkowe);
    p.PozycjaLambdy = s;
    p.PozycjaLambdyKoncowej = e;
    p.PozycjaKroku = k;
    p.Tryb = tryb;
    p.MaxIloscCykli = 10000;
    p.PozycjaPrzedzialu = 20;
    return p;
}
} // namespace

TEST(Przebieg, LiczbaSerii) {
    EXPECT_EQ(Obliczenia::LiczbaSeriiDla(1, 24, 3), 9);
    EXPECT_EQ(Obliczenia::LiczbaSeriiDla(1, 24, 24), 2);
    EXPECT_EQ(Obliczenia::LiczbaSeriiDla(1, 24, 1), 24);
    EXPECT_EQ(Obliczenia::LiczbaSeriiDla(7, 7, 1), 1);
    EXPECT_EQ(Obliczenia::LiczbaSeriiDla(5, 15, 4), 4);
}

TEST(Przebieg, LambdySeriiNarastajaZaokragleniem) {
    SilnikTestowy t;
    const Przebieg domyslna = Uruchom(t, Seria(1, 24, 3));
    ASSERT_EQ(domyslna.lambdy.size(), 9u);
    EXPECT_EQ(domyslna.lambdy.front(), 0.1);
    EXPECT_NEAR(domyslna.lambdy[7], 2.2, 1e-12);
    EXPECT_EQ(domyslna.lambdy.back(), 2.4);

    const Przebieg co01 = Uruchom(t, Seria(1, 24, 1));
    ASSERT_EQ(co01.lambdy.size(), 24u);
    EXPECT_EQ(co01.lambdy[3], 0.39999999999999997);
    EXPECT_EQ(co01.lambdy[14], 1.5000000000000002);
    EXPECT_EQ(co01.lambdy[22], 2.3000000000000007);
    EXPECT_EQ(co01.lambdy[23], 2.4);
    for (int i = 1; i <= 24; ++i) {
        EXPECT_EQ(t.obl.Stan().LambdaSerii[i], co01.lambdy[i - 1]);
    }

    const Przebieg dwie = Uruchom(t, Seria(1, 24, 24));
    EXPECT_EQ(dwie.lambdy, (std::vector<double>{0.1, 2.4}));

    const Przebieg klaster = Uruchom(t, Seria(5, 15, 4, Oddzialywanie::Klasteryzacja));
    ASSERT_EQ(klaster.lambdy.size(), 4u);
    EXPECT_EQ(klaster.lambdy[0], -0.5);
    EXPECT_NEAR(klaster.lambdy[1], -0.9, 1e-12);
    EXPECT_NEAR(klaster.lambdy[2], -1.3, 1e-12);
    EXPECT_EQ(klaster.lambdy[3], -1.5);
}

TEST(Przebieg, LiczbaKawalkowIOstatniPomiar) {
    const struct {
        int iteracje, pozycjaPrzedzialu, kroki, ostatniPomiar;
    } przypadki[] = {{100000, 20, 51, 102000},
                     {100000, 1, 1001, 100100},
                     {10500, 10, 11, 11000},
                     {100000, 10, 101, 101000}};
    for (const auto& p : przypadki) {
        SilnikTestowy t;
        ParametrySymulacji par = Parametry(RodzajSieci::Kwadratowa, 6, Ulozenie::Przypadkowe);
        par.Seria = false;
        par.MaxIloscCykli = p.iteracje;
        par.PozycjaPrzedzialu = p.pozycjaPrzedzialu;
        const Przebieg w = Uruchom(t, par);
        EXPECT_EQ(w.kroki, p.kroki);
        EXPECT_EQ(w.iteracjeEnergii.back(), p.ostatniPomiar);
        EXPECT_EQ(t.obl.Stan().LiczbaSerii, 0);
        EXPECT_EQ(t.obl.KrokSymulacji(), StanKroku::Koniec) << "a finished run cannot resume";
        EXPECT_EQ(w.iteracjeEnergii.back(), p.ostatniPomiar);
    }
}

TEST(Przebieg, PostepSeriiNieCofaSieAPojedynczyPelnyMiedzySeriami) {
    SilnikTestowy t;
    const Przebieg w = Uruchom(t, Seria(1, 24, 3));
    EXPECT_FALSE(w.postepMalejacy);
    EXPECT_EQ(w.pelnePojedyncze, 8);
    EXPECT_EQ(t.obl.Stan().NrSerii, 9);
    EXPECT_EQ(t.obl.Postep().SeriaSymulacji, t.obl.Postep().SeriaSymulacjiMax);
}

TEST(Przebieg, TeSameZiarnoTeSamePomiary) {
    SilnikTestowy a(99), b(99);
    const ParametrySymulacji p = Seria(3, 12, 3);
    Uruchom(a, p);
    Uruchom(b, p);
    for (int seria = 1; seria <= 4; ++seria) {
        for (int i = 0; i <= 12000; i += 2000) {
            EXPECT_EQ(a.obl.Pomiary().SigmaCykli(seria, i), b.obl.Pomiary().SigmaCykli(seria, i));
        }
    }
    EXPECT_EQ(a.obl.Stan().Energia, b.obl.Stan().Energia);
}
