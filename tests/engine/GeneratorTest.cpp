#include "Generator.h"

#include "StaleZiarno.h"
#include "ZegarDoby.h"

#include <gtest/gtest.h>

TEST(Generator, WzorKongruencji) {
    StaleZiarno ziarno(12345);
    Generator g(ziarno);
    g.Przelosuj();
    // s1 = 12345 * 134775813 + 1 mod 2^32 = 1655067934; floor(s1 * 10 / 2^32) = 3
    EXPECT_EQ(g.Losuj(10), 3);
    EXPECT_EQ(g.Stan(), 1655067934u);
    EXPECT_EQ(g.Losuj(10), 2);
    EXPECT_EQ(g.Losuj(1), 0);
    EXPECT_DOUBLE_EQ(g.LosujRzeczywista(), 2377737157.0 / 4294967296.0);
}

TEST(Generator, StaleZiarnoCiagnieJedenStrumien) {
    StaleZiarno ziarno(7);
    Generator g(ziarno);
    g.Przelosuj();
    g.Nastepny();
    const auto stan = g.Stan();
    g.Przelosuj();
    EXPECT_EQ(g.Stan(), stan);
}

TEST(Generator, ZegarDajeMilisekundyOdPolnocy) {
    ZegarDoby zegar;
    const auto ms = zegar.Ziarno();
    ASSERT_TRUE(ms.has_value());
    EXPECT_LT(*ms, 24u * 3600u * 1000u);
}

TEST(Generator, SkokDajeStanPoTyluLosowaniach) {
    // The jumps the exchange loop draws its tries by: one multiplication must
    // land where k draws one after another do, for every k it may use.
    StaleZiarno ziarno(3141592653u);
    Generator g(ziarno);
    g.Przelosuj();
    const std::uint32_t start = g.Stan();
    for (int k = 0; k < 64; ++k) {
        ASSERT_EQ(Generator::StanPo(start, k), g.Stan()) << k << " draws";
        const std::uint32_t przed = g.Stan();
        EXPECT_EQ(Generator::Calkowita(Generator::StanPo(przed, 1), 97), g.Losuj(97));
    }
}
