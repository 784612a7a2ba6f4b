// The engine's extended precision gives the x87 format's bits whatever the
// width of long double: the values below are what an x87 computes.
#include "Rozszerzona.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

namespace {
long double Z64Bitow(std::uint64_t znaczaca, int wykladnik) {
    return std::ldexp(static_cast<long double>(znaczaca), wykladnik);
}
} // namespace

TEST(Rozszerzona, ZaokraglaDo64BitowZnaczacych) {
    // 1/3 and 2/3 with a 64-bit significand, rounded to nearest.
    EXPECT_EQ(Rozszerzona(1.0L / 3), Z64Bitow(0xAAAAAAAAAAAAAAABull, -65));
    EXPECT_EQ(Rozszerzona(-2.0L / 3), -Z64Bitow(0xAAAAAAAAAAAAAAABull, -64));
    EXPECT_EQ(Rozszerzona(0.1L), Z64Bitow(0xCCCCCCCCCCCCCCCDull, -67));
    // What a double holds stays as it is, and so do zero and the infinities.
    for (const double v : {0.0, -0.0, 1.0, 0.1, -2.4, 1e-300, 1e300}) {
        EXPECT_EQ(Rozszerzona(v), static_cast<long double>(v)) << v;
    }
    EXPECT_TRUE(std::isinf(Rozszerzona(HUGE_VALL)));
    // A sum of two doubles keeps 64 bits: 1 + 2^-60 is exact, 1 + 2^-70 is 1.
    EXPECT_EQ(Rozszerzona(1.0L + std::ldexp(1.0L, -60)), 1.0L + std::ldexp(1.0L, -60));
    EXPECT_EQ(Rozszerzona(1.0L + std::ldexp(1.0L, -70)), 1.0L);
}

TEST(Rozszerzona, WykladniczaZDokladnosciaX87) {
    // e^x to the last bit of a 64-bit significand: within one unit there,
    // as the C library's own exponential is not rounded correctly everywhere
    // (an optimised build folds e^-1 at compile time, a debug build asks the
    // library, one unit apart).
    const auto blisko = [](long double w, long double dokladna) {
        return std::fabs(w - dokladna) <= std::ldexp(std::fabs(dokladna), -63);
    };
    EXPECT_TRUE(blisko(WykladniczaRozszerzona(1.0L), 2.718281828459045235360287471352662498L));
    EXPECT_TRUE(blisko(WykladniczaRozszerzona(-1.0L), 0.367879441171442321595523770161460867L));
    EXPECT_TRUE(blisko(WykladniczaRozszerzona(2.0L), 7.389056098930650227230427460575007813L));
    EXPECT_EQ(WykladniczaRozszerzona(0.0L), 1.0L);
    // The acceptance table's range: lambda up to 2.4 times changes up to 12.
    for (int zmiana = -12; zmiana <= 12; ++zmiana) {
        const long double x = zmiana * 2.4L;
        const long double w = WykladniczaRozszerzona(x);
        EXPECT_EQ(Rozszerzona(w), w);
        EXPECT_NEAR(static_cast<double>(w * WykladniczaRozszerzona(-x)), 1.0, 1e-18) << zmiana;
    }
}
