#include "PunktyWidoczne.h"

#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <vector>

namespace {
struct Linia {
    std::vector<double> X;
    std::vector<double> Y;

    std::vector<std::size_t> Widoczne(double xMin, double xMax, int kolumny) const {
        return PunktyWidoczne(
            X.size(), [&](std::size_t i) { return X[i]; }, [&](std::size_t i) { return Y[i]; },
            xMin, xMax, kolumny);
    }
};

// A flat line of n samples 100 iterations apart with a spike of height 5 at
// every index in `kolce`.
Linia ZKolcami(std::size_t n, const std::vector<std::size_t>& kolce) {
    Linia l;
    for (std::size_t i = 0; i < n; ++i) {
        l.X.push_back(100.0 * static_cast<double>(i));
        l.Y.push_back(0.25);
    }
    for (std::size_t k : kolce) {
        l.Y[k] = 5;
    }
    return l;
}
} // namespace

TEST(PunktyWidoczneTest, DlugaLiniaZachowujeKazdyKolecIKonce) {
    const std::vector<std::size_t> kolce = {7,    913,  1800, 2501, 3333, 4999,
                                            5000, 6120, 7777, 9001, 9998};
    const Linia l = ZKolcami(10000, kolce);
    const auto widoczne = l.Widoczne(0, 1000000, 358);
    EXPECT_LE(widoczne.size(), 4u * 360u);
    for (std::size_t k : kolce) {
        EXPECT_NE(std::find(widoczne.begin(), widoczne.end(), k), widoczne.end()) << k;
    }
    EXPECT_EQ(widoczne.front(), 0u);
    EXPECT_EQ(widoczne.back(), 9999u);
    EXPECT_TRUE(std::is_sorted(widoczne.begin(), widoczne.end()));
}

// 28 samples in each of 10 columns: the first, lowest, highest and last of
// each, in their order on the line.
TEST(PunktyWidoczneTest, KolumnaOddajePierwszyNajnizszyNajwyzszyIOstatni) {
    Linia l;
    for (int i = 0; i < 280; ++i) {
        l.X.push_back(i);
        l.Y.push_back(i % 28 == 5 ? -1 : i % 28 == 20 ? 3 : 1);
    }
    const auto widoczne = l.Widoczne(0, 280, 10);
    ASSERT_EQ(widoczne.size(), 40u);
    EXPECT_EQ(std::vector<std::size_t>(widoczne.begin(), widoczne.begin() + 8),
              (std::vector<std::size_t>{0, 5, 20, 27, 28, 33, 48, 55}));
}

TEST(PunktyWidoczneTest, KrotkaLiniaIZlyZakresZostajaCale) {
    const Linia l = ZKolcami(1000, {});
    EXPECT_EQ(l.Widoczne(0, 100000, 358).size(), 1000u);
    const Linia dluga = ZKolcami(5000, {});
    EXPECT_EQ(dluga.Widoczne(5, 5, 358).size(), 5000u);
    EXPECT_EQ(dluga.Widoczne(0, 500000, 0).size(), 5000u);
}
