#include "LiczbyDziesietne.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {
// Reals that test rounding: ties in binary, values just off them, the
// extremes of the file's numbers, and random bit patterns.
std::vector<double> Probki() {
    std::vector<double> v = {
        0.0,  -0.0,  0.5,    1.5,     2.5,           0.125,  0.375,  -0.125,
        0.1,  0.2,   0.3,    1e-7,    123456789.125, 1e21,   1e300,  -1e300,
        4.35, 2.675, 1.0005, 0.00005, 999.95,        1e-320, 5e-324, 1.7976931348623157e308};
    std::mt19937_64 los(7);
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t bity = los();
        double d = 0.0;
        std::memcpy(&d, &bity, sizeof d);
        if (std::isfinite(d)) {
            v.push_back(d);
        }
        v.push_back(std::ldexp(static_cast<double>(los() >> 11), -static_cast<int>(los() % 60)));
    }
    return v;
}
} // namespace

// Both ways of writing, wherever the standard library has the charconv way,
// give the same digits at every number of decimals the program uses.
TEST(LiczbyDziesietne, ZapisZBibliotekiCJakStandardowy) {
    for (const double v : Probki()) {
        for (int miejsca = 0; miejsca <= 20; miejsca += 1) {
            const std::string c = ZBibliotekiC::ZnakiStale(v, miejsca);
            ASSERT_EQ(ZnakiStale(v, miejsca), c) << v << " " << miejsca;
#if defined(__cpp_lib_to_chars)
            std::array<char, 400> bufor{};
            const auto wynik = std::to_chars(bufor.data(), bufor.data() + bufor.size(), v,
                                             std::chars_format::fixed, miejsca);
            ASSERT_EQ(std::string(bufor.data(), wynik.ptr), c) << v << " " << miejsca;
#endif
        }
    }
    EXPECT_EQ(ZBibliotekiC::ZnakiStale(2.5, 0), "2");
    EXPECT_EQ(ZBibliotekiC::ZnakiStale(0.125, 2), "0.12");
    EXPECT_EQ(ZBibliotekiC::ZnakiStale(-1.0 / 3, 4), "-0.3333");
}

// Every written number reads back to the same bits both ways, and both ways
// refuse the same texts.
TEST(LiczbyDziesietne, OdczytZBibliotekiCJakStandardowy) {
    for (const double v : Probki()) {
        char bufor[40];
        std::snprintf(bufor, sizeof bufor, "%.17g", v);
        const auto c = ZBibliotekiC::RzeczywistaZ(bufor);
        ASSERT_TRUE(c.has_value()) << bufor;
        EXPECT_EQ(*c, v) << bufor;
        EXPECT_EQ(RzeczywistaZ(bufor), c) << bufor;
    }
    for (const char* dobre :
         {"0", "-0.5", "1.", ".5", "1e3", "1E-3", "2.5e+2", "inf", "-Infinity"}) {
        EXPECT_TRUE(ZBibliotekiC::RzeczywistaZ(dobre).has_value()) << dobre;
        EXPECT_EQ(RzeczywistaZ(dobre), ZBibliotekiC::RzeczywistaZ(dobre)) << dobre;
    }
    EXPECT_TRUE(std::isnan(*ZBibliotekiC::RzeczywistaZ("nan")));
    for (const char* zle : {"", "-", "+1", " 1", "1 ", "0,5", "0x10", "1e", "1e+", "e5", ".",
                            "1.2.3", "1e400", "abc"}) {
        EXPECT_FALSE(ZBibliotekiC::RzeczywistaZ(zle).has_value()) << zle;
        EXPECT_FALSE(RzeczywistaZ(zle).has_value()) << zle;
    }
}
