#include "Autokorelacja.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {
// x_t = phi x_(t-1) + e_t: rho(t) = phi^t, so tau = (1 + phi) / (2 (1 - phi)).
std::vector<double> Ar1(double phi, int n, std::uint32_t ziarno) {
    std::mt19937 los(ziarno);
    std::normal_distribution<double> szum;
    std::vector<double> x;
    double v = szum(los) / std::sqrt(1 - phi * phi);
    for (int i = 0; i < n; ++i) {
        v = phi * v + szum(los);
        x.push_back(v);
    }
    return x;
}
} // namespace

// Series of known autocorrelation: the measured time covers the exact one
// within its stated error about as often as an error should.
TEST(Autokorelacja, SzeregiOZnanymCzasie) {
    for (const double phi : {0.0, 0.5, 0.9}) {
        const double dokladny = (1 + phi) / (2 * (1 - phi));
        int wDwoch = 0;
        for (std::uint32_t z = 0; z < 40; ++z) {
            const CzasAutokorelacji t = CzasAutokorelacjiSokala(Ar1(phi, 20000, 17 + z));
            ASSERT_TRUE(t.Wiarygodny) << phi;
            wDwoch += std::fabs(t.Tau - dokladny) <= 2 * t.Blad;
        }
        // The window cuts the tail (a bias of about phi^W) and the error is
        // an approximation: most, not all, fall within two errors.
        EXPECT_GE(wDwoch, 34) << phi;
    }
    EXPECT_NEAR(NiezalezneProbki(1e5, CzasAutokorelacjiSokala(Ar1(0.9, 100000, 3))), 1e5 / 19,
                0.1e5 / 19);
}

TEST(Autokorelacja, KrotkieIStaleSerie) {
    EXPECT_TRUE(std::isnan(CzasAutokorelacjiSokala(std::vector<double>{1, 2, 3}).Tau));
    EXPECT_EQ(CzasAutokorelacjiSokala(std::vector<double>(100, 4.0)).Tau, 0.5);
    // A series no longer than its own correlation is no measurement.
    EXPECT_FALSE(CzasAutokorelacjiSokala(Ar1(0.99, 500, 1)).Wiarygodny);
    EXPECT_EQ(NiezalezneProbki(100, CzasAutokorelacji{}), 100);
}
