#include "MiaraPorzadku.h"

#include "ParametrPorzadku.h"
#include "Siec.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {
// Half A, half B at random, or the perfect order of the sublattices.
void Wypelnij(Siec& s, std::mt19937& los, bool uporzadkowana) {
    std::bernoulli_distribution pol;
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= s.Ny(); ++y) {
            for (int x = 1; x <= s.Nx(); ++x) {
                s.Ustaw(x, y, z, uporzadkowana ? (x + y + z) & 1 : pol(los));
            }
        }
    }
    s.PoliczOdNowa();
}
} // namespace

// The masks over the frame give the row-by-row definition's value, bit for
// bit, on every kind and size, with the border's copies never counted.
TEST(MiaraPorzadku, JakDefinicjaNaKazdejSieci) {
    std::mt19937 los(7);
    struct Przypadek {
        RodzajSieci rodzaj;
        int nx, ny, nz;
    };
    for (const Przypadek p : {Przypadek{RodzajSieci::Kwadratowa, 6, 6, 1},
                              Przypadek{RodzajSieci::Kwadratowa, 10, 16, 1},
                              Przypadek{RodzajSieci::Heksagonalna, 8, 12, 1},
                              Przypadek{RodzajSieci::Kubiczna3D, 6, 8, 10},
                              Przypadek{RodzajSieci::Trojkatna, 8, 8, 1}}) {
        Siec s;
        s.UstawRozmiar(p.rodzaj, p.nx, p.ny, p.nz);
        for (const bool porzadkowanie : {true, false}) {
            MiaraPorzadku miara;
            miara.Przygotuj(s, porzadkowanie);
            for (int i = 0; i < 5; ++i) {
                Wypelnij(s, los, false);
                const double definicja = ParametrPorzadku(s, porzadkowanie);
                const double zmierzona = miara.Zmierz(s);
                if (std::isnan(definicja)) {
                    EXPECT_TRUE(std::isnan(zmierzona));
                } else {
                    EXPECT_EQ(zmierzona, definicja) << p.nx << ' ' << p.ny << ' ' << p.nz;
                }
            }
        }
        MiaraPorzadku miara;
        miara.Przygotuj(s, true);
        Wypelnij(s, los, true);
        if (p.rodzaj == RodzajSieci::Trojkatna) {
            EXPECT_TRUE(std::isnan(miara.Zmierz(s)));
        } else {
            EXPECT_EQ(std::abs(miara.Zmierz(s)), 1.0);
        }
    }
}
