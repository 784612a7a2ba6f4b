#include "Odtwarzanie.h"

#include "MagazynPomiarow.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {
// Samples of series 2 at every multiple of P up to N + P, as a run records
// them: sigma = t / 1e6 and bar m = t + m.
std::unique_ptr<MagazynPomiarow> Magazyn(int n, int przedzial) {
    auto magazyn = std::make_unique<MagazynPomiarow>();
    magazyn->UstawPrzedzial(przedzial);
    for (int t = 0; t <= n + przedzial; t += przedzial) {
        magazyn->ZapiszSigme(2, t, t / 1e6);
        for (int m = 0; m < LiczbaSlupkow; ++m) {
            magazyn->ZapiszSlupek(2, t, m, t + m);
        }
    }
    return magazyn;
}
} // namespace

TEST(HistoriaSigmy, PomiaryDoNBezTegoZaN) {
    struct Przypadek {
        int n, p;
        std::size_t punkty;
        double ostatniX;
    };
    for (const auto& [n, p, punkty, ostatniX] :
         {Przypadek{100000, 2000, 51, 100000}, Przypadek{10000, 300, 34, 9900}}) {
        const auto magazyn = Magazyn(n, p);
        const auto historia = HistoriaSigmy(*magazyn, 2, n, p);
        ASSERT_EQ(historia.size(), punkty);
        EXPECT_EQ(historia.front().X, 0.0);
        EXPECT_EQ(historia.back().X, ostatniX);
        EXPECT_DOUBLE_EQ(historia.back().Y, ostatniX / 1e6);
    }
    const auto magazyn = Magazyn(10000, 300);
    EXPECT_THROW(HistoriaSigmy(*magazyn, 2, 10000, 0), std::invalid_argument);
}

TEST(SlupkiHistogramu, SlupekNaLiczbeSasiadowIOstatniPomiarDlaCykluBezPomiaru) {
    const auto magazyn = Magazyn(10000, 300);
    EXPECT_EQ(SlupkiHistogramu(*magazyn, 2, 300, 3), (std::vector<double>{300, 301, 302, 303}));
    EXPECT_EQ(SlupkiHistogramu(*magazyn, 2, 0, 4).size(), 5u);
    // 10000 was not sampled: the sample at 9900 stands for it.
    EXPECT_EQ(SlupkiHistogramu(*magazyn, 2, 10000, 6),
              (std::vector<double>{9900, 9901, 9902, 9903, 9904, 9905, 9906}));
    EXPECT_THROW(SlupkiHistogramu(*magazyn, 2, 0, 7), std::invalid_argument);
}
