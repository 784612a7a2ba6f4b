#include "SiecNieskonczona.h"

#include <cmath>
#include <gtest/gtest.h>

// Onsager's curve against what is known of it independently: its value at the
// critical point, the high- and low-temperature series, and the figures of
// long runs on large lattices.
TEST(SiecNieskonczona, SigmaOnsageraZnaneWartosci) {
    const double lambdaC = std::log(1.0 + std::sqrt(2.0));
    EXPECT_NEAR(SigmaOnsagera(lambdaC), std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(SigmaOnsagera(lambdaC - 1e-7), std::sqrt(0.5), 1e-4);
    EXPECT_NEAR(SigmaOnsagera(lambdaC + 1e-7), std::sqrt(0.5), 1e-4);
    const double t = std::tanh(0.05);
    EXPECT_NEAR(SigmaOnsagera(0.1), t + 2 * std::pow(t, 3) + 4 * std::pow(t, 5), 1e-7);
    EXPECT_NEAR(SigmaOnsagera(3.0), 1.0 - 4.0 * std::exp(-12.0) - 12.0 * std::exp(-18.0), 1e-8);
    EXPECT_NEAR(SigmaOnsagera(1.2), 0.9545, 5e-5);
    EXPECT_NEAR(SigmaOnsagera(1.4), 0.9819, 5e-5);
    EXPECT_DOUBLE_EQ(SigmaOnsagera(-1.2), -SigmaOnsagera(1.2));
    EXPECT_EQ(SigmaOnsagera(0.0), 0.0);
    EXPECT_TRUE(MaSigmeOnsagera(RodzajSieci::Kwadratowa, 50));
    EXPECT_FALSE(MaSigmeOnsagera(RodzajSieci::Kwadratowa, 40));
    EXPECT_FALSE(MaSigmeOnsagera(RodzajSieci::Heksagonalna, 50));
}

TEST(SiecNieskonczona, LambdaKrytycznaTylkoGdzieZnana) {
    using enum RodzajSieci;
    const auto lambda = [](RodzajSieci r, Oddzialywanie t) { return LambdaKrytyczna(r, t, 50); };
    for (const Oddzialywanie t : {Oddzialywanie::Porzadkowanie, Oddzialywanie::Klasteryzacja}) {
        EXPECT_NEAR(*lambda(Kwadratowa, t), 0.881374, 1e-6);
        EXPECT_NEAR(*lambda(Heksagonalna, t), 1.316958, 1e-6);
        EXPECT_NEAR(*lambda(Kubiczna3D, t), 0.443309, 1e-6);
    }
    EXPECT_NEAR(*lambda(Trojkatna, Oddzialywanie::Klasteryzacja), 0.549306, 1e-6);
    EXPECT_FALSE(lambda(Trojkatna, Oddzialywanie::Porzadkowanie));
    EXPECT_FALSE(LambdaKrytyczna(Kwadratowa, Oddzialywanie::Porzadkowanie, 30));

    EXPECT_EQ(TekstLambdyKrytycznej(Kwadratowa, Oddzialywanie::Porzadkowanie, 50),
              "λ_c sieci nieskończonej (c = 0.5): 0.8814 (dokładnie)");
    EXPECT_EQ(TekstLambdyKrytycznej(Kubiczna3D, Oddzialywanie::Klasteryzacja, 50),
              "λ_c sieci nieskończonej (c = 0.5): 0.4433 (numerycznie)");
    EXPECT_NE(TekstLambdyKrytycznej(Trojkatna, Oddzialywanie::Porzadkowanie, 50).find("brak"),
              std::string::npos);
    EXPECT_EQ(TekstLambdyKrytycznej(Heksagonalna, Oddzialywanie::Porzadkowanie, 20), "");
}
