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
    // Worked by hand: four values 1..4 have the error sqrt(5/3) / 2. Eight
    // samples are too few for the blocking to find a level of sixteen blocks.
    const std::vector<double> osiem{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_TRUE(std::isnan(SredniaBlokowa(osiem).Blad));
    const std::vector<double> cztery{1, 2, 3, 4};
    EXPECT_NEAR(SredniaNiezaleznych(cztery).Blad, std::sqrt(5.0 / 3) / 2, 1e-12);
}

// Runs of 64 equal values: the levels below 64 understate the error, the
// largest over those of eight blocks or more finds it (within the spread of
// 16 block means); too few samples for eight blocks give none.
TEST(StatystykaProbek, NajwiekszyBladPoziomowBezPlateau) {
    std::mt19937 los(5);
    std::normal_distribution<double> normalny(0.0, 1.0);
    std::vector<double> x;
    for (int blok = 0; blok < 16; ++blok) {
        x.insert(x.end(), 64, normalny(los));
    }
    const BladBlokowy w = NajwiekszyBladPoziomow(x, 8);
    EXPECT_NEAR(w.Wynik.Blad, 0.25, 0.1);
    EXPECT_GE(w.Blokow, 8);
    EXPECT_LE(w.Blokow, 16);
    EXPECT_GT(w.Wynik.Blad, 3 * std::sqrt(Wariancja(x) / (x.size() - 1)));
    EXPECT_TRUE(std::isnan(NajwiekszyBladPoziomow(std::vector<double>(7, 1.0), 8).Wynik.Blad));
    EXPECT_EQ(NajwiekszyBladPoziomow(std::vector<double>(8, 1.0), 8).Wynik.Blad, 0.0);
}

// Worked by hand on 32 samples 4 4 2 2 4 4 2 2 ...: mean 3, variance 1, a
// lag-one autocovariance of 1/32, so the relative correlation of the samples
// is (31/1024 + 1/32) = 63/1024. The pairs' means 4 2 4 2 ... are strongly
// anticorrelated (-225/256), every coarser level constant; the chi-square
// statistic 16 (225/256)^2 + 32 (63/1024)^2 = 12.48 is below the 99 % point
// of five levels (15.09), so the samples' own level is taken: the error is
// sqrt(1/31 (1 + 63/1024) / (1 - 63/1024)) from 32 blocks. Dividing by n
// instead of n - 1 moves it by 1.6 %.
TEST(StatystykaProbek, BladBlokowyLiczonyRecznie) {
    std::vector<double> x;
    for (int i = 0; i < 32; ++i) {
        x.push_back(i % 4 < 2 ? 4.0 : 2.0);
    }
    const BladBlokowy w = SredniaBlokowaZBlokami(x);
    EXPECT_EQ(w.Wynik.Srednia, 3.0);
    EXPECT_NEAR(w.Wynik.Blad, std::sqrt(1087.0 / (31.0 * 961.0)), 1e-12);
    EXPECT_EQ(w.Blokow, 32);

    // The largest naive error over levels of two blocks or more: the pairs'
    // level, variance 1 over 16 - 1 blocks; the samples' own gives sqrt(1/31).
    const BladBlokowy najwiekszy = NajwiekszyBladPoziomow(x, 2);
    EXPECT_NEAR(najwiekszy.Wynik.Blad, std::sqrt(1.0 / 15), 1e-12);
    EXPECT_EQ(najwiekszy.Blokow, 16);
    EXPECT_NEAR(NajwiekszyBladPoziomow(x, 32).Wynik.Blad, std::sqrt(1.0 / 31), 1e-12);
}

// The spread of bootstrap estimates: 1 2 3 4 have squared deviations summing
// to 5, over n - 1 = 3.
TEST(StatystykaProbek, OdchylenieProbyLiczoneRecznie) {
    EXPECT_NEAR(OdchylenieProby({1, 2, 3, 4}), std::sqrt(5.0 / 3), 1e-15);
    EXPECT_TRUE(std::isnan(OdchylenieProby({2})));
}
