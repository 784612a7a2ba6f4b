#include "GeometriaSieci.h"

#include "Sasiedztwo.h"
#include "Siec.h"

#include <gtest/gtest.h>

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
