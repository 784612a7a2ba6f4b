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
        if (wynik.ostatni == StanKroku::SeriaZakonczona) {
            t.obl.RozpocznijNastepnaSerie();
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

TEST(Przebieg, KoniecSeriiCzekaNaNastepneUlozenie) {
    SilnikTestowy t;
    ZapisObserwatora zapis;
    t.obl.UstawObserwatora(&zapis);
    t.obl.PrzygotujObliczenia(Seria(3, 7, 4));
    StanKroku krok = StanKroku::Trwa;
    while ((krok = t.obl.KrokSymulacji()) == StanKroku::Trwa) {
    }
    ASSERT_EQ(krok, StanKroku::SeriaZakonczona);
    // The finished series' last state is still there to be drawn.
    const std::size_t probek = zapis.pomiary.size();
    EXPECT_EQ(zapis.pomiary.back().Seria, 1);
    EXPECT_EQ(zapis.pomiary.back().Iteracja, 12000);
    EXPECT_EQ(t.obl.Stan().NrSerii, 1);
    EXPECT_EQ(t.obl.Stan().LiczbaSerii, 1);
    EXPECT_EQ(zapis.lambdySerii, std::vector<double>{0.3});
    EXPECT_EQ(zapis.zerowania, 0);
    EXPECT_EQ(t.obl.KrokSymulacji(), StanKroku::SeriaZakonczona) << "nothing runs meanwhile";
    EXPECT_EQ(zapis.pomiary.size(), probek);

    t.obl.RozpocznijNastepnaSerie();
    EXPECT_EQ(zapis.zerowania, 1);
    ASSERT_EQ(zapis.pomiary.size(), probek + 1);
    EXPECT_EQ(zapis.pomiary.back().Seria, 2);
    EXPECT_EQ(zapis.pomiary.back().Iteracja, 0);
    EXPECT_EQ(zapis.pomiary.back().Lambda, 0.7);
    EXPECT_EQ(t.obl.Stan().NrSerii, 2);
    EXPECT_EQ(t.obl.Stan().ObliczoneSerie, 1);
    EXPECT_EQ(t.obl.Stan().NrCyklu, 2000);
    EXPECT_EQ(t.obl.Postep().PojedynczaSymulacja, t.obl.Postep().PojedynczaSymulacjaMax);
    t.obl.RozpocznijNastepnaSerie();
    EXPECT_EQ(zapis.pomiary.size(), probek + 1) << "only a waiting series is started";

    while ((krok = t.obl.KrokSymulacji()) == StanKroku::Trwa) {
    }
    EXPECT_EQ(krok, StanKroku::Koniec);
    EXPECT_TRUE(t.obl.Zakonczone());
}

TEST(Przebieg, PomiarOpisujeProbkeJakMagazyn) {
    SilnikTestowy t;
    ZapisObserwatora zapis;
    t.obl.UstawObserwatora(&zapis);
    t.obl.PrzygotujObliczenia(Seria(3, 7, 4));
    DoKonca(t.obl);
    ASSERT_EQ(zapis.pomiary.size(), 2u * 7u); // samples 0, 2000, ..., 12000 of two series
    for (const Pomiar& p : zapis.pomiary) {
        EXPECT_EQ(p.Sigma, t.obl.Pomiary().SigmaCykli(p.Seria, p.Iteracja));
        EXPECT_NEAR(p.Energia, -p.Lambda * p.LiczbaParAB, 1e-9);
        EXPECT_EQ(p.LiczbaSasiadow, 4);
        double atomy = 0;
        for (int n = 0; n < LiczbaSlupkow; ++n) {
            EXPECT_EQ(p.Histogram[n], t.obl.Pomiary().HistogramCykli(p.Seria, p.Iteracja, n));
            atomy += p.Histogram[n];
        }
        EXPECT_EQ(atomy, 36);
    }
}

TEST(Przebieg, NowePrzygotowanieLiczySerieOdZera) {
    // "Powtórz obliczenia" prepares the stage afresh without setting the window up again.
    SilnikTestowy t;
    t.obl.PrzygotujObliczenia(Seria(1, 24, 12));
    DoKonca(t.obl);
    EXPECT_EQ(t.obl.Stan().ObliczoneSerie, 2);
    t.obl.PrzygotujObliczenia(Seria(1, 24, 12));
    EXPECT_EQ(t.obl.Stan().ObliczoneSerie, 0);
    t.obl.KrokSymulacji();
    EXPECT_EQ(t.obl.Postep().SeriaSymulacji, 2000);
}

TEST(Przebieg, ParametrySpozaZakresowOdrzucone) {
    const auto odrzucone = [](auto zmien) {
        SilnikTestowy t;
        ParametrySymulacji p = Seria(1, 24, 3);
        zmien(p);
        try {
            t.obl.PrzygotujObliczenia(p);
        } catch (const std::invalid_argument&) {
            return true;
        }
        return false;
    };
    EXPECT_TRUE(odrzucone([](ParametrySymulacji& p) { p.IloscAtomowOsX = 7; }));
    EXPECT_TRUE(odrzucone([](ParametrySymulacji& p) { p.IloscAtomowOsY = 102; }));
    EXPECT_TRUE(odrzucone([](ParametrySymulacji& p) { p.IloscAtomowOsX = 4; }));
    EXPECT_FALSE(odrzucone([](ParametrySymulacji& p) { p.IloscAtomowOsX = 100; }));
    EXPECT_TRUE(odrzucone([](ParametrySymulacji& p) { p.PozycjaKoncentracji = 51; }));
    EXPECT_TRUE(odrzucone([](ParametrySymulacji& p) { p.PozycjaLambdy = 0; }));
    EXPECT_TRUE(odrzucone([](ParametrySymulacji& p) { p.PozycjaLambdyKoncowej = 25; }));
    EXPECT_TRUE(odrzucone([](ParametrySymulacji& p) { p.PozycjaPrzedzialu = 21; }));
    EXPECT_TRUE(odrzucone([](ParametrySymulacji& p) { p.MaxIloscCykli = 9999; }));
    EXPECT_FALSE(odrzucone([](ParametrySymulacji& p) { p.MaxIloscCykli = 10500; }))
        << "a typed count between the spinner's steps is taken";
    EXPECT_FALSE(odrzucone([](ParametrySymulacji& p) {
        p.Seria = false;
        p.PozycjaLambdyKoncowej = 99;
    })) << "a single run ignores the end of the sweep";
}

TEST(Przebieg, TablicaRodzajowZgodnaZSiecia) {
    for (const OpisRodzajuSieci& opis : RodzajeSieci) {
        EXPECT_EQ(&OpisRodzaju(opis.Rodzaj), &opis);
        EXPECT_EQ(RodzajZKlucza(opis.Klucz), opis.Rodzaj);
        Siec s;
        s.UstawRozmiar(opis.Rodzaj, 6, 6, 6);
        EXPECT_EQ(s.LiczbaSasiadow(), opis.LiczbaSasiadow);
        EXPECT_EQ(s.Nz(), opis.Wymiary == 3 ? 6 : 1);
    }
    EXPECT_EQ(RodzajZKlucza("3D"), std::nullopt);
}
