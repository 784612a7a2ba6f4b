#include "StatystykaProbek.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

TEST(StatystykaProbek, NiezalezneProbkiDajaBladSigmaPrzezPierwiastekN) {
    std::mt19937 los(7);
    std::normal_distribution<double> normalny(2.0, 3.0);
    std::vector<double> x(4096);
    for (double& v : x) {
        v = normalny(los);
    }
    const SredniaZBledem w = SredniaBlokowa(x);
    EXPECT_NEAR(w.Srednia, 2.0, 4 * 3.0 / 64);
    EXPECT_NEAR(w.Blad, 3.0 / 64, 0.3 * 3.0 / 64);
    EXPECT_NEAR(Wariancja(x), 9.0, 0.6);
}

TEST(StatystykaProbek, SkorelowaneProbkiMajaWiekszyBlad) {
    // Runs of 32 equal values: the naive error understates by about sqrt(32).
    std::mt19937 los(11);
    std::normal_distribution<double> normalny(0.0, 1.0);
    std::vector<double> x;
    for (int blok = 0; blok < 128; ++blok) {
        x.insert(x.end(), 32, normalny(los));
    }
    const double naiwny = std::sqrt(Wariancja(x) / (x.size() - 1));
    EXPECT_GT(SredniaBlokowa(x).Blad, 4 * naiwny);
}

TEST(StatystykaProbek, ZaMaloProbekToBrakBledu) {
    const std::vector<double> x{1.0, 2.0, 3.0};
    EXPECT_EQ(SredniaBlokowa(x).Srednia, 2.0);
    EXPECT_TRUE(std::isnan(SredniaBlokowa(x).Blad));
    EXPECT_EQ(SredniaBlokowa(std::vector<double>(16, 0.5)).Blad, 0.0);
}

TEST(StatystykaProbek, SredniaNiezaleznychZBledemZRozrzutu) {
    const std::vector<double> x{1.0, 2.0, 3.0, 4.0};
    const SredniaZBledem w = SredniaNiezaleznych(x);
    EXPECT_EQ(w.Srednia, 2.5);
    EXPECT_NEAR(w.Blad, std::sqrt(5.0 / 3.0 / 4.0), 1e-15);
    EXPECT_EQ(SredniaNiezaleznych(std::vector<double>{0.7}).Srednia, 0.7);
    EXPECT_TRUE(std::isnan(SredniaNiezaleznych(std::vector<double>{0.7}).Blad));
    EXPECT_TRUE(std::isnan(SredniaNiezaleznych({}).Srednia));
}

TEST(StatystykaProbek, BladZWariancjiProbyNMinusJeden) {
    // Worked by hand: 1..8 has the sample variance 6 (divided by n - 1), so
    // the error of the mean of eight independent values is sqrt(6 / 8); four
    // values 1..4: sqrt(5/3) / 2.
    const std::vector<double> osiem{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_NEAR(SredniaBlokowa(osiem).Blad, std::sqrt(6.0 / 8), 1e-12);
    const std::vector<double> cztery{1, 2, 3, 4};
    EXPECT_NEAR(SredniaNiezaleznych(cztery).Blad, std::sqrt(5.0 / 3) / 2, 1e-12);
}
