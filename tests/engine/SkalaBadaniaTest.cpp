// A study's scale on the batch runner's parameters: lattices to 512 (128 on
// the cubic lattice), lists of lambdas, more series and samples than the
// window's tables hold; the window's ranges stay as they were.
#include "PoprawnoscParametrow.h"
#include "SilnikTestowy.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {
ParametrySymulacji Badanie(RodzajSieci rodzaj, int n) {
    ParametrySymulacji p = Parametry(rodzaj, n, Ulozenie::Przypadkowe);
    p.Skala = SkalaParametrow::Wsadowa;
    p.PozycjaLambdy = 50;
    p.Seria = false;
    p.MaxIloscCykli = 20000;
    p.PozycjaPrzedzialu = 100;
    return p;
}

ParametrySymulacji ZListy(std::vector<int> lista) {
    ParametrySymulacji p = Badanie(RodzajSieci::Kwadratowa, 8);
    p.Seria = true;
    p.PozycjaLambdy = lista.front();
    p.PozycjaLambdyKoncowej = lista.back();
    p.ListaLambd = std::move(lista);
    return p;
}

const char* Niepoprawny(const ParametrySymulacji& p) {
    const char* nazwa = NiepoprawnyParametr(p);
    return nazwa ? nazwa : "";
}
} // namespace

TEST(SkalaBadania, OsieDo512NaPlaskichIDo128NaKubicznej) {
    EXPECT_STREQ(Niepoprawny(Badanie(RodzajSieci::Kwadratowa, 512)), "");
    EXPECT_STREQ(Niepoprawny(Badanie(RodzajSieci::Heksagonalna, 512)), "");
    EXPECT_STREQ(Niepoprawny(Badanie(RodzajSieci::Kwadratowa, 514)), "IloscAtomowOsX");
    EXPECT_STREQ(Niepoprawny(Badanie(RodzajSieci::Trojkatna, 255)), "IloscAtomowOsX");
    EXPECT_STREQ(Niepoprawny(Badanie(RodzajSieci::Kubiczna3D, 128)), "");
    EXPECT_STREQ(Niepoprawny(Badanie(RodzajSieci::Kubiczna3D, 130)), "IloscAtomowOsX");
    // The window keeps its settings page's 6..100.
    ParametrySymulacji okno = Parametry(RodzajSieci::Kwadratowa, 100, Ulozenie::Przypadkowe);
    EXPECT_STREQ(Niepoprawny(okno), "");
    okno.IloscAtomowOsX = okno.IloscAtomowOsY = 102;
    EXPECT_STREQ(Niepoprawny(okno), "IloscAtomowOsX");
    okno = Parametry(RodzajSieci::Kubiczna3D, 100, Ulozenie::Przypadkowe);
    okno.IloscAtomowOsZ = 102;
    EXPECT_STREQ(Niepoprawny(okno), "IloscAtomowOsZ");
    okno.IloscAtomowOsZ = 100;
    okno.PozycjaLambdyKoncowej = 24;
    okno.PozycjaKroku = 1;
    okno.PozycjaLambdy = 1;
    EXPECT_STREQ(Niepoprawny(okno), "") << "24 lambdas";
    okno.PozycjaLambdy = 0;
    EXPECT_STREQ(Niepoprawny(okno), "Lambda");
}

TEST(SkalaBadania, DuzaSiecLiczyIZachowujeNiezmienniki) {
    // A short run on the largest lattices: the lattice grows for them, the
    // kept counts agree with a full count and the energy with the pairs.
    for (const auto& [rodzaj, n] :
         {std::pair{RodzajSieci::Kwadratowa, 512}, std::pair{RodzajSieci::Trojkatna, 256},
          std::pair{RodzajSieci::Kubiczna3D, 128}}) {
        SilnikTestowy t;
        t.obl.UstawGenerator(RodzajGeneratora::Xoshiro, 3);
        const ParametrySymulacji p = Badanie(rodzaj, n);
        t.obl.PrzygotujObliczenia(p);
        DoKonca(t.obl);
        const StanObliczen& s = t.obl.Stan();
        ASSERT_EQ(s.IloscAtomow, IloscAtomow(p)) << KluczRodzaju(rodzaj);
        EXPECT_EQ(t.obl.SiecAtomow().IloscAtomowA(), s.IloscAtomow / 2);
        EXPECT_EQ(t.obl.SiecAtomow().PoliczParyAB(), static_cast<int>(s.LiczbaParAB));
        EXPECT_DOUBLE_EQ(s.Energia, -0.5 * s.LiczbaParAB);
        double suma = 0.0;
        for (int k = 0; k <= s.LiczbaSasiadow; ++k) {
            suma += k * t.obl.Pomiary().HistogramCykli(1, s.NrCyklu, k);
        }
        EXPECT_EQ(suma, 2 * s.LiczbaParAB) << KluczRodzaju(rodzaj);
    }
}

TEST(SkalaBadania, MniejszaSiecPoWiekszejLiczyJakSwieza) {
    // Storage grown for a large lattice and full of its atoms leaves a later
    // small one counted as on a fresh lattice, on every kind.
    for (const RodzajSieci rodzaj : {RodzajSieci::Kwadratowa, RodzajSieci::Trojkatna,
                                     RodzajSieci::Heksagonalna, RodzajSieci::Kubiczna3D}) {
        const int duza = rodzaj == RodzajSieci::Kubiczna3D ? 128 : 512;
        Siec po;
        po.UstawRozmiar(rodzaj, duza, duza, duza);
        for (int z = 1; z <= po.Nz(); ++z) {
            for (int y = 1; y <= duza; ++y) {
                for (int x = 1; x <= duza; ++x) {
                    po.Ustaw(x, y, z, 1);
                }
            }
        }
        po.PoliczOdNowa();
        Siec swieza;
        for (Siec* s : {&po, &swieza}) {
            s->UstawRozmiar(rodzaj, 10, 8, 6);
            s->WyczyscRamke();
            for (int z = 1; z <= s->Nz(); ++z) {
                for (int y = 1; y <= 8; ++y) {
                    for (int x = 1; x <= 10; ++x) {
                        s->Ustaw(x, y, z, (x * 7 + y * 3 + z) % 5 < 2 ? 1 : 0);
                    }
                }
            }
            s->PoliczOdNowa();
        }
        EXPECT_EQ(po.Liczniki().ParyAB, swieza.Liczniki().ParyAB) << KluczRodzaju(rodzaj);
        EXPECT_EQ(po.HistogramSasiadow(), swieza.HistogramSasiadow()) << KluczRodzaju(rodzaj);
    }
}

TEST(SkalaBadania, ListaLambdDajeDokladnieTeLambdy) {
    for (const Oddzialywanie tryb : {Oddzialywanie::Porzadkowanie, Oddzialywanie::Klasteryzacja}) {
        SilnikTestowy t;
        ZapisObserwatora zapis;
        t.obl.UstawObserwatora(&zapis);
        ParametrySymulacji p = ZListy({860000, 863700, 870000, 2400000});
        p.Tryb = tryb;
        t.obl.PrzygotujObliczenia(p);
        DoKonca(t.obl);
        const double znak = tryb == Oddzialywanie::Porzadkowanie ? 1.0 : -1.0;
        const std::vector<double> oczekiwane{znak * 0.86, znak * 0.8637, znak * 0.87, znak * 2.4};
        ASSERT_EQ(t.obl.Stan().NrSerii, 4);
        EXPECT_EQ(zapis.lambdySerii, oczekiwane);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(t.obl.Stan().LambdaSerii[k], oczekiwane[k - 1]) << k;
        }
    }
    const ParametrySymulacji p = ZListy({860000, 863700, 870000});
    EXPECT_EQ(MiejscaLambdy(p), 4);
    EXPECT_EQ(MiejscaLambdy(ZListy({500000, 900000})), 1);
    EXPECT_EQ(LiczbaSerii(p), 3);
    // The transition's offset stays below one unit of the list's last decimal.
    EXPECT_EQ(PrzesuniecieTc(p, 0.5), 0.00005);
    EXPECT_LT(PrzesuniecieTc(p, 0.9999999), 0.0001);
}

TEST(SkalaBadania, ListaNiepoprawnaOdrzucona) {
    EXPECT_STREQ(Niepoprawny(ZListy({860000, 870000})), "");
    EXPECT_STREQ(Niepoprawny(ZListy({870000, 860000})), "Lambda") << "decreasing";
    EXPECT_STREQ(Niepoprawny(ZListy({860000, 860000})), "Lambda") << "twice";
    EXPECT_STREQ(Niepoprawny(ZListy({99999, 860000})), "Lambda") << "below 0.1";
    EXPECT_STREQ(Niepoprawny(ZListy({860000, 2400001})), "Lambda") << "past 2.4";
    ParametrySymulacji okno = ZListy({860000, 870000});
    okno.Skala = SkalaParametrow::Okna;
    EXPECT_STREQ(Niepoprawny(okno), "Lambda") << "the window has no list";
    ParametrySymulacji konce = ZListy({860000, 870000});
    konce.PozycjaLambdyKoncowej = 880000;
    EXPECT_STREQ(Niepoprawny(konce), "Lambda");
}

TEST(SkalaBadania, PonadOknoSeriiIPomiarow) {
    // 40 lambdas of 20 000 samples each: more than the window's 24 and 10 000.
    SilnikTestowy t;
    ZapisObserwatora zapis;
    t.obl.UstawObserwatora(&zapis);
    ParametrySymulacji p = Badanie(RodzajSieci::Kwadratowa, 6);
    p.Seria = true;
    p.PozycjaLambdy = 10;
    p.PozycjaLambdyKoncowej = 49;
    p.PozycjaKroku = 1;
    p.MaxIloscCykli = 2000000;
    p.PozycjaPrzedzialu = 1;
    ASSERT_EQ(PomiarowSerii(p), 20002);
    t.obl.PrzygotujObliczenia(p);
    DoKonca(t.obl);
    ASSERT_EQ(t.obl.Stan().NrSerii, 40);
    ASSERT_EQ(zapis.pomiary.size(), 40U * 20002U);
    // The last series' samples, each in its own place of the store.
    const std::size_t ostatniej = 39U * 20002U;
    for (int i : {0, 12345, 20000, 20001}) {
        const Pomiar& pomiar = zapis.pomiary[ostatniej + static_cast<std::size_t>(i)];
        ASSERT_EQ(pomiar.Seria, 40);
        EXPECT_EQ(t.obl.Pomiary().SigmaCykli(40, pomiar.Iteracja), pomiar.Sigma) << i;
    }
    EXPECT_NEAR(t.obl.Stan().LambdaSerii[40], 0.49, 1e-12);
    // The window's scale refuses both.
    p.Skala = SkalaParametrow::Okna;
    p.PozycjaLambdy = 1;
    p.PozycjaLambdyKoncowej = 24;
    EXPECT_STREQ(Niepoprawny(p), "MaxIloscCykli");
    p.MaxIloscCykli = 1000000;
    EXPECT_STREQ(Niepoprawny(p), "");
    p.PozycjaLambdy = 0;
    EXPECT_STREQ(Niepoprawny(p), "Lambda");
}

TEST(SkalaBadania, PamiecRosnieZPomiaramiISeriami) {
    ParametrySymulacji p = Badanie(RodzajSieci::Kwadratowa, 10);
    const double okna = PamiecObliczen(p);
    // The window's stores: 26 rows of 10 002 samples, 8 reals each.
    EXPECT_GE(okna, 26.0 * 10002 * 8 * 8);
    EXPECT_LT(okna, 26.0 * 10002 * 8 * 8 + 2e6);
    p.MaxIloscCykli = 1000000000;
    p.PozycjaPrzedzialu = 1;
    EXPECT_NEAR(PamiecObliczen(p), 26.0 * 10000002 * 8 * 8, 2e6);
}
