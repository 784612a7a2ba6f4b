#include "PrzestawianieAtomow.h"

#include "Generator.h"
#include "MalaSiec.h"
#include "StaleZiarno.h"

#include <gtest/gtest.h>

namespace {
// Every atom of an nx x ny (x 6) lattice changed in turn, from a random
// arrangement, and after each change everything kept (the kinds of the atoms
// and of the border, the whole bytes of the atoms, the histogram) equal to a
// lattice counted afresh. The turn order reaches every face, edge and corner atom, and
// neighbours changed one after another. In the way PrzyPomiarze the sample's
// count from the bytes comes between the change and the comparison.
template <RodzajSieci R, SposobLiczenia S = SposobLiczenia::NaBiezaco>
void KazdaZmianaJakPoliczonaOdNowa(int nx = 6, int ny = 6) {
    Siec s;
    const int n = 6;
    s.UstawRozmiar(R, nx, ny, n);
    s.WyczyscRamke();
    StaleZiarno ziarno(99);
    Generator g(ziarno);
    g.Przelosuj();
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= ny; ++y) {
            for (int x = 1; x <= nx; ++x) {
                s.Ustaw(x, y, z, g.Losuj(2));
            }
        }
    }
    s.PoliczOdNowa();
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= ny; ++y) {
            for (int x = 1; x <= nx; ++x) {
                PrzestawianieAtomow<R, S> atomy(s);
                atomy.Przestaw(s.Indeks(x, y, z), x, y, z);
                atomy.Zakoncz();
                if (S == SposobLiczenia::PrzyPomiarze) {
                    s.UzupelnijLiczniki();
                }
                Siec wzor = s;
                wzor.PoliczOdNowa();
                const std::size_t komorek = s.Indeks(nx + 1, ny + 1, JestPlaska(R) ? 1 : n + 1) + 1;
                for (std::size_t i = 0; i < komorek; ++i) {
                    ASSERT_EQ(s.Dane()[i] & 1, wzor.Dane()[i] & 1)
                        << "cell " << i << " after " << x << ", " << y << ", " << z;
                }
                for (int zz = 1; zz <= s.Nz(); ++zz) {
                    for (int yy = 1; yy <= ny; ++yy) {
                        for (int xx = 1; xx <= nx; ++xx) {
                            const std::size_t i = s.Indeks(xx, yy, zz);
                            ASSERT_EQ(s.Dane()[i], wzor.Dane()[i])
                                << xx << ", " << yy << ", " << zz << " after " << x << ", " << y
                                << ", " << z;
                        }
                    }
                }
                ASSERT_EQ(s.Liczniki().Histogram, wzor.Liczniki().Histogram)
                    << "after " << x << ", " << y << ", " << z;
            }
        }
    }
}
} // namespace

TEST(PrzestawianieAtomow, KazdaZmianaJakPoliczonaOdNowa) {
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Kubiczna3D>();
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Kwadratowa>();
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Trojkatna>();
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Heksagonalna>();
}

TEST(PrzestawianieAtomow, PrzyPomiarzeKazdaZmianaJakPoliczonaOdNowa) {
    constexpr SposobLiczenia S = SposobLiczenia::PrzyPomiarze;
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Kubiczna3D, S>();
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Kwadratowa, S>();
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Trojkatna, S>();
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Heksagonalna, S>();
}

TEST(PrzestawianieAtomow, PrzyPomiarzeHistogramIBrzegCzekajaNaPomiar) {
    // The ordered 6 x 6 square lattice with (1, 1) changed: the bytes follow
    // at once, the border copy of (1, 1) and the histogram only at the count.
    Siec s = mala::Szachownica();
    PrzestawianieAtomow<RodzajSieci::Kwadratowa, SposobLiczenia::PrzyPomiarze> atomy(s);
    atomy.Przestaw(s.Indeks(1, 1, 1), 1, 1, 1);
    atomy.Zakoncz();
    EXPECT_EQ(s.Dane()[s.Indeks(6, 1, 1)], 0 | 3 << 1);
    EXPECT_EQ(s.Wartosc(7, 1, 1), 1) << "the border keeps the old kind until the count";
    EXPECT_EQ(s.Liczniki().Histogram[4], 36);
    s.UzupelnijLiczniki();
    EXPECT_EQ(s.Wartosc(7, 1, 1), 0);
    EXPECT_EQ(s.Liczniki().Histogram, (std::array<int, LiczbaSlupkow>{1, 0, 0, 4, 31, 0, 0}));
}

TEST(PrzestawianieAtomow, HistogramCzekaNaZakonczenie) {
    // Ordered 6 x 6 square lattice: every atom has 4 unlike neighbours. One
    // atom changed: it has 0, its four neighbours 3 each.
    Siec s = mala::Szachownica();
    PrzestawianieAtomow<RodzajSieci::Kwadratowa> atomy(s);
    atomy.Przestaw(s.Indeks(1, 1, 1), 1, 1, 1);
    EXPECT_EQ(s.Liczniki().Histogram[4], 36) << "the lattice's histogram moves at the end only";
    atomy.Zakoncz();
    EXPECT_EQ(s.Liczniki().Histogram, (std::array<int, LiczbaSlupkow>{1, 0, 0, 4, 31, 0, 0}));
    EXPECT_EQ(s.Dane()[s.Indeks(6, 1, 1)], 0 | 3 << 1)
        << "B at (6, 1) lost (1, 1) through the border: three A neighbours left";
}

// The flat lattices take fixed offsets for atoms away from the faces in the
// way PrzyPomiarze: unequal axes catch a face told by the wrong one.
TEST(PrzestawianieAtomow, PrzyPomiarzeNierowneOsie) {
    constexpr SposobLiczenia S = SposobLiczenia::PrzyPomiarze;
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Kwadratowa, S>(10, 6);
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Kwadratowa, S>(6, 10);
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Trojkatna, S>(10, 6);
    KazdaZmianaJakPoliczonaOdNowa<RodzajSieci::Trojkatna, S>(6, 10);
}
