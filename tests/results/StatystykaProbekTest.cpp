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
