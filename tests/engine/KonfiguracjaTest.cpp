#include "SilnikTestowy.h"

#include <gtest/gtest.h>

namespace {
int NiepodobniSasiedzi(const Siec& s, int x, int y, int z) {
    const int v = s.Wartosc(x, y, z);
    return v == 1 ? s.IloscSasiadowB(x, y, z, 1)
                  : s.LiczbaSasiadow() - s.IloscSasiadowB(x, y, z, 0);
}
} // namespace

TEST(Konfiguracja, PrzypadkowaLiczbaAtomowAZIloczynuRozszerzonego) {
    SilnikTestowy t;
    t.obl.PrzygotujObliczenia(Parametry(RodzajSieci::Kwadratowa, 10, Ulozenie::Przypadkowe, 30));
    EXPECT_EQ(t.obl.Stan().IloscAtomowA, 29);
    EXPECT_EQ(t.obl.Stan().IloscAtomowB, 71);
    EXPECT_DOUBLE_EQ(t.obl.Stan().KoncentracjaB, 0.71);

    t.obl.PrzygotujObliczenia(Parametry(RodzajSieci::Kwadratowa, 10, Ulozenie::Przypadkowe, 50));
    EXPECT_EQ(t.obl.Stan().IloscAtomowA, 50);
    t.obl.PrzygotujObliczenia(Parametry(RodzajSieci::Kubiczna3D, 10, Ulozenie::Przypadkowe, 29));
    EXPECT_EQ(t.obl.Stan().IloscAtomowA, 289);
}

TEST(Konfiguracja, PrzypadkoweMiejscaZKolejnychLosowan) {
    // Seed 12345: the draws R(10) run 3, 2, 0, 5, 6, 3, 4, 0, 0, ... so the first
    // sites are (4, 3), (6, 7), (5, 1) (every third draw is the z draw R(1)).
    SilnikTestowy t(12345);
    t.obl.PrzygotujObliczenia(Parametry(RodzajSieci::Kwadratowa, 10, Ulozenie::Przypadkowe, 10));
    const Siec& s = t.obl.SiecAtomow();
    const Wezel oczekiwane[] = {{4, 3}, {6, 7}, {5, 1}, {10, 10}, {3, 8},
                                {5, 9}, {8, 9}, {1, 8}, {2, 8},   {3, 5}};
    for (const Wezel& w : oczekiwane) {
        EXPECT_EQ(s.Wartosc(w.x, w.y, 1), 1) << w.x << "," << w.y;
    }
    EXPECT_EQ(t.obl.Stan().IloscAtomowA, 10);
}

TEST(Konfiguracja, UporzadkowanaSzachownica) {
    SilnikTestowy t;
    t.obl.PrzygotujObliczenia(Parametry(RodzajSieci::Kwadratowa, 6, Ulozenie::Uporzadkowane));
    const Siec& s = t.obl.SiecAtomow();
    for (int x = 1; x <= 6; ++x) {
        EXPECT_EQ(s.Wartosc(x, 1, 1), x % 2 == 0 ? 1 : 0); // B A B A B A
        EXPECT_EQ(s.Wartosc(x, 2, 1), x % 2 == 1 ? 1 : 0); // A B A B A B
    }
    EXPECT_EQ(t.obl.Stan().LiczbaParAB, 72);
    EXPECT_EQ(t.obl.Stan().Sigma, 1.0);

    t.obl.PrzygotujObliczenia(Parametry(RodzajSieci::Kubiczna3D, 6, Ulozenie::Uporzadkowane));
    EXPECT_EQ(t.obl.SiecAtomow().Wartosc(1, 1, 1), 0);
    EXPECT_EQ(t.obl.SiecAtomow().Wartosc(2, 1, 1), 1);
    EXPECT_EQ(t.obl.Stan().IloscAtomowA, 108);
    EXPECT_EQ(t.obl.Stan().IloscAtomowB, 108);
}

TEST(Konfiguracja, UporzadkowanaDajeStalaLiczbeNiepodobnychSasiadow) {
    const struct {
        RodzajSieci rodzaj;
        int niepodobni;
    } przypadki[] = {{RodzajSieci::Kubiczna3D, 6},
                     {RodzajSieci::Kwadratowa, 4},
                     {RodzajSieci::Trojkatna, 4},
                     {RodzajSieci::Heksagonalna, 3}};
    for (const auto& p : przypadki) {
        SilnikTestowy t;
        t.obl.PrzygotujObliczenia(Parametry(p.rodzaj, 6, Ulozenie::Uporzadkowane));
        const Siec& s = t.obl.SiecAtomow();
        for (int z = 1; z <= s.Nz(); ++z) {
            for (int y = 1; y <= 6; ++y) {
                for (int x = 1; x <= 6; ++x) {
                    ASSERT_EQ(NiepodobniSasiedzi(s, x, y, z), p.niepodobni)
                        << KluczRodzaju(p.rodzaj) << " " << x << "," << y << "," << z;
                }
            }
        }
    }
}

TEST(Konfiguracja, WydzielenieDwaPlastry) {
    SilnikTestowy t;
    t.obl.PrzygotujObliczenia(
        Parametry(RodzajSieci::Kubiczna3D, 10, Ulozenie::UporzadkowaneWydzielenie, 20));
    EXPECT_EQ(t.obl.SiecAtomow().Wartosc(3, 3, 5), 0);
    EXPECT_EQ(t.obl.SiecAtomow().Wartosc(3, 3, 6), 1);
    EXPECT_EQ(t.obl.Stan().KoncentracjaB, 0.5);
    EXPECT_EQ(t.obl.Stan().LiczbaParAB, 200);

    ZapisObserwatora zapis;
    t.obl.UstawObserwatora(&zapis);
    t.obl.PrzygotujObliczenia(
        Parametry(RodzajSieci::Kwadratowa, 10, Ulozenie::UporzadkowaneWydzielenie));
    EXPECT_EQ(t.obl.SiecAtomow().Wartosc(7, 5, 1), 0);
    EXPECT_EQ(t.obl.SiecAtomow().Wartosc(7, 6, 1), 1);
    EXPECT_EQ(t.obl.Stan().LiczbaParAB, 20);
    EXPECT_DOUBLE_EQ(t.obl.Stan().Sigma, -0.8);
    ASSERT_EQ(zapis.histogramy.size(), 1u);
    EXPECT_EQ(zapis.histogramy[0][0], 60);
    EXPECT_EQ(zapis.histogramy[0][1], 40);
    EXPECT_EQ(zapis.energie, std::vector<double>{-2.0}); // -lambda x pairs at lambda 0.1
    EXPECT_EQ(zapis.iteracjeEnergii, std::vector<int>{0});
}
