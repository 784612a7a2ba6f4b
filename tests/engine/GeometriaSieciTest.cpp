#include "GeometriaSieci.h"

#include "PrzestawianieAtomow.h"
#include "Sasiedztwo.h"
#include "Siec.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

namespace {
// Every bond seen from both ends: a step from (x, y) has its reverse among the
// steps of the neighbour's parity class, and the neighbours listed by the
// lattice are exactly the atoms adjacency accepts, through the border too.
template <RodzajSieci R> void SprawdzRodzaj() {
    using G = GeometriaSieci<R>;
    constexpr int n = 8;
    Siec siec;
    siec.UstawRozmiar(R, n, n, n);
    const int nz = JestPlaska(R) ? 1 : n;
    const auto zawin = [](int v) { return (v + n - 1) % n + 1; };
    for (int z = 1; z <= nz; ++z) {
        for (int y = 1; y <= n; ++y) {
            for (int x = 1; x <= n; ++x) {
                int sasiednich = 0;
                for (const Krok& k : G::Sasiedzi[G::Parzystosc(x, y)]) {
                    const int x2 = zawin(x + k.dx);
                    const int y2 = zawin(y + k.dy);
                    const int z2 = JestPlaska(R) ? 1 : zawin(z + k.dz);
                    bool odwrotny = false;
                    for (const Krok& w : G::Sasiedzi[G::Parzystosc(x2, y2)]) {
                        odwrotny = odwrotny || (w.dx == -k.dx && w.dy == -k.dy && w.dz == -k.dz);
                    }
                    EXPECT_TRUE(odwrotny) << x << "," << y << "," << z;
                    EXPECT_TRUE(siec.Sasiednie({x, y, z}, {x2, y2, z2}));
                }
                for (int y2 = 1; y2 <= n; ++y2) {
                    for (int x2 = 1; x2 <= n; ++x2) {
                        sasiednich += siec.Sasiednie({x, y, z}, {x2, y2, z});
                    }
                }
                // In its own plane: all but the two of the cubic lattice's z axis.
                EXPECT_EQ(sasiednich, LiczbaSasiadowRodzaju(R) - (JestPlaska(R) ? 0 : 2));
            }
        }
    }
}
} // namespace

TEST(GeometriaSieci, WiazaniaWidzianeZObuKoncow) {
    SprawdzRodzaj<RodzajSieci::Kubiczna3D>();
    SprawdzRodzaj<RodzajSieci::Kwadratowa>();
    SprawdzRodzaj<RodzajSieci::Trojkatna>();
    SprawdzRodzaj<RodzajSieci::Heksagonalna>();
}

TEST(GeometriaSieci, SkosyTylkoTrojkatnej) {
    EXPECT_FALSE(MaSkosy<RodzajSieci::Kubiczna3D>());
    EXPECT_FALSE(MaSkosy<RodzajSieci::Kwadratowa>());
    EXPECT_TRUE(MaSkosy<RodzajSieci::Trojkatna>());
    EXPECT_FALSE(MaSkosy<RodzajSieci::Heksagonalna>());
}

namespace {
// Every step of every atom, taken as a cell offset without wrapping, reads
// the atom the periodic lattice puts there: the border holds each copy the
// steps reach (the corners too), after a refresh and after exchanges during
// a chunk. Read from the steps alone, so any change to them is checked.
template <RodzajSieci R> void SprawdzBrzeg(const Siec& s, const char* kiedy) {
    using G = GeometriaSieci<R>;
    const auto zawin = [](int v, int n) { return (v + n - 1) % n + 1; };
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= s.Ny(); ++y) {
            for (int x = 1; x <= s.Nx(); ++x) {
                for (const Krok& k : G::Sasiedzi[G::Parzystosc(x, y)]) {
                    const int z2 = JestPlaska(R) ? 1 : z + k.dz;
                    const int zw = JestPlaska(R) ? 1 : zawin(z2, s.Nz());
                    ASSERT_EQ(s.Wartosc(x + k.dx, y + k.dy, z2),
                              s.Wartosc(zawin(x + k.dx, s.Nx()), zawin(y + k.dy, s.Ny()), zw))
                        << kiedy << ": " << x << "," << y << "," << z << " krok " << k.dx << ","
                        << k.dy << "," << k.dz;
                }
            }
        }
    }
}

template <RodzajSieci R> void BrzegTrzymaKazdaCzytanaKopie(int nx, int ny) {
    Siec s;
    s.UstawRozmiar(R, nx, ny, 6);
    s.WyczyscRamke();
    std::mt19937 los(3);
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= ny; ++y) {
            for (int x = 1; x <= nx; ++x) {
                s.Ustaw(x, y, z, static_cast<int>(los() & 1u));
            }
        }
    }
    s.PoliczOdNowa();
    SprawdzBrzeg<R>(s, "po odświeżeniu");
    // Every corner atom changed, then atoms at random.
    PrzestawianieAtomow<R> atomy(s);
    for (const int y : {1, ny}) {
        for (const int x : {1, nx}) {
            atomy.Przestaw(s.Indeks(x, y, 1), x, y, 1);
        }
    }
    for (int i = 0; i < 400; ++i) {
        const int x = static_cast<int>(los() % static_cast<unsigned>(nx)) + 1;
        const int y = static_cast<int>(los() % static_cast<unsigned>(ny)) + 1;
        const int z = static_cast<int>(los() % static_cast<unsigned>(s.Nz())) + 1;
        atomy.Przestaw(s.Indeks(x, y, z), x, y, z);
    }
    atomy.Zakoncz();
    SprawdzBrzeg<R>(s, "po wymianach");
}
} // namespace

TEST(GeometriaSieci, BrzegTrzymaKazdaKopieCzytanaPrzezKroki) {
    BrzegTrzymaKazdaCzytanaKopie<RodzajSieci::Kubiczna3D>(6, 8);
    BrzegTrzymaKazdaCzytanaKopie<RodzajSieci::Kwadratowa>(6, 8);
    BrzegTrzymaKazdaCzytanaKopie<RodzajSieci::Trojkatna>(6, 8);
    BrzegTrzymaKazdaCzytanaKopie<RodzajSieci::Trojkatna>(8, 6);
    BrzegTrzymaKazdaCzytanaKopie<RodzajSieci::Heksagonalna>(6, 8);
}

// The triangular lattice's rows (even ones step to x + 1, odd ones to x - 1)
// read two corners: (nx + 1, ny + 1) holds (1, 1), (0, 0) holds (nx, ny).
TEST(GeometriaSieci, RogiTrojkatnejZKrokow) {
    EXPECT_EQ(KopieRogow<RodzajSieci::Trojkatna>(6, 8), 0b1001u);
    const RogBloku lewyDolny = Rog(0, 6, 8);
    EXPECT_EQ((std::array{lewyDolny.X, lewyDolny.Y, lewyDolny.KopiaX, lewyDolny.KopiaY}),
              (std::array{1, 1, 7, 9}));
    const RogBloku prawyGorny = Rog(3, 6, 8);
    EXPECT_EQ((std::array{prawyGorny.X, prawyGorny.Y, prawyGorny.KopiaX, prawyGorny.KopiaY}),
              (std::array{6, 8, 0, 0}));
    EXPECT_EQ(KopieRogow<RodzajSieci::Kwadratowa>(6, 8), 0u);
    EXPECT_EQ(KopieRogow<RodzajSieci::Heksagonalna>(6, 8), 0u);
    EXPECT_EQ(KopieRogow<RodzajSieci::Kubiczna3D>(6, 8), 0u);
}
