// The engine against known answers of statistical physics. On the square
// lattice at c = 0.5 the alloy is the two-dimensional Ising model at zero
// magnetisation: with s = +1 for A and -1 for B, an unlike pair is
// (1 - s s') / 2, so the weight exp(lambda x pairs) is that of the Ising
// model with coupling K = |lambda| / 2 (antiferromagnetic for ordering,
// ferromagnetic for clustering; the square lattice maps one onto the other).
// Sigma computed from the pairs is then -<s s'>, whose magnitude is the exact
// nearest-neighbour correlation of the model. The fixed composition (zero
// magnetisation) of a finite lattice shifts it by about 1 / N, 0.0006 on
// 40 x 40: below one standard error of these runs.
#include "CalkaEliptyczna.h"
#include "SilnikTestowy.h"
#include "StatystykaProbek.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {
// The nearest-neighbour correlation of the 2D Ising model on the square
// lattice at coupling K (Onsager): the energy per site is -2 <s s'>.
double KorelacjaIsinga(double k) {
    const double t = std::tanh(2 * k);
    const double modul = 2 * std::sinh(2 * k) / (std::cosh(2 * k) * std::cosh(2 * k));
    return 0.5 / t * (1 + 2 / std::numbers::pi * (2 * t * t - 1) * CalkaEliptycznaK(modul));
}

// Sigma of every sample, from the pair count alone (not the smoothed sigma).
struct SigmyZPar : ObserwatorPomiarow {
    double atomy = 0;
    std::vector<double> sigmy;
    void NowyPomiar(const Pomiar& p) override {
        const double losowe = p.LiczbaSasiadow * atomy / 4; // z N c_B (1 - c_B)
        sigmy.push_back((p.LiczbaParAB - losowe) / losowe);
    }
};

std::vector<double> Sigmy(int pozycjaLambdy, Oddzialywanie tryb, Ulozenie uklad, int iteracje,
                          std::uint32_t ziarno,
                          RodzajGeneratora generator = RodzajGeneratora::Okna) {
    SilnikTestowy t(ziarno);
    t.obl.UstawGenerator(generator, 5);
    SigmyZPar sigmy;
    sigmy.atomy = 40 * 40;
    t.obl.UstawObserwatora(&sigmy);
    ParametrySymulacji p = Parametry(RodzajSieci::Kwadratowa, 40, uklad);
    p.Seria = false;
    p.Tryb = tryb;
    p.PozycjaLambdy = pozycjaLambdy;
    p.MaxIloscCykli = iteracje;
    p.PozycjaPrzedzialu = 20; // about one sweep of the 1600 atoms between samples
    t.obl.PrzygotujObliczenia(p);
    DoKonca(t.obl);
    return sigmy.sigmy;
}
} // namespace

TEST(Fizyka, KorelacjaIsingaZnaneWartosci) {
    // The high-temperature series tanh K + 2 tanh^3 K + ..., and 1 / sqrt 2
    // beside the critical point (where the formula itself is 0 x infinity).
    const double t = std::tanh(0.01);
    EXPECT_NEAR(KorelacjaIsinga(0.01), t + 2 * t * t * t, 1e-9);
    const double krytyczne = std::log(1 + std::sqrt(2.0)) / 2;
    EXPECT_NEAR(KorelacjaIsinga(krytyczne - 1e-7), std::sqrt(0.5), 1e-4);
    EXPECT_NEAR(KorelacjaIsinga(krytyczne + 1e-7), std::sqrt(0.5), 1e-4);
}

// Each case with the window's generator and with stream 5 of the 64-bit one.
class WysokaTemperatura
    : public testing::TestWithParam<
          std::tuple<std::tuple<int, Oddzialywanie, std::uint32_t>, RodzajGeneratora>> {};

std::string NazwaPrzypadku(const testing::TestParamInfo<WysokaTemperatura::ParamType>& info) {
    const auto& [przypadek, generator] = info.param;
    const bool porzadkowanie = std::get<1>(przypadek) == Oddzialywanie::Porzadkowanie;
    return std::string(porzadkowanie ? "Porzadkowanie" : "Klasteryzacja") + "Lambda0" +
           std::to_string(std::get<0>(przypadek)) +
           (generator == RodzajGeneratora::Okna ? "Okna" : "Xoshiro");
}

TEST_P(WysokaTemperatura, SigmaZParToKorelacjaIsinga) {
    const auto& [przypadek, generator] = GetParam();
    const auto [pozycja, tryb, ziarno] = przypadek;
    const std::vector<double> sigmy =
        Sigmy(pozycja, tryb, Ulozenie::Przypadkowe, 1000000, ziarno, generator);
    ASSERT_EQ(sigmy.size(), 502u); // samples 0, 2000, ..., 1002000
    // The first tenth lets the random start settle.
    const SredniaZBledem s = SredniaBlokowa(std::span(sigmy).subspan(50));
    ASSERT_FALSE(std::isnan(s.Blad));
    const double oczekiwana = KorelacjaIsinga(pozycja / 20.0);
    const double znak = tryb == Oddzialywanie::Porzadkowanie ? 1.0 : -1.0;
    EXPECT_NEAR(znak * s.Srednia, oczekiwana, 4 * s.Blad)
        << "lambda " << pozycja / 10.0 << ": " << s.Srednia << " +- " << s.Blad << " expected "
        << oczekiwana;
    EXPECT_LT(s.Blad, 0.01 * oczekiwana + 0.002) << "the estimate is informative";
}

INSTANTIATE_TEST_SUITE_P(
    Lambdy, WysokaTemperatura,
    testing::Combine(testing::Values(std::make_tuple(1, Oddzialywanie::Porzadkowanie, 11u),
                                     std::make_tuple(3, Oddzialywanie::Porzadkowanie, 12u),
                                     std::make_tuple(1, Oddzialywanie::Klasteryzacja, 13u),
                                     std::make_tuple(3, Oddzialywanie::Klasteryzacja, 14u)),
                     testing::Values(RodzajGeneratora::Okna, RodzajGeneratora::Xoshiro)),
    NazwaPrzypadku);

TEST(Fizyka, UporzadkowanaSiecZostajeUporzadkowanaPrzyLambdzie24) {
    const std::vector<double> sigmy =
        Sigmy(24, Oddzialywanie::Porzadkowanie, Ulozenie::Uporzadkowane, 200000, 15);
    ASSERT_EQ(sigmy.front(), 1.0);
    for (std::size_t i = 0; i < sigmy.size(); ++i) {
        ASSERT_NEAR(sigmy[i], 1.0, 0.01) << "sample " << i;
    }
}

// The integral the exact answer needs, against the standard library's where
// it has one, and against values known to many digits everywhere.
TEST(Fizyka, CalkaEliptycznaPierwszegoRodzaju) {
    EXPECT_DOUBLE_EQ(CalkaEliptycznaK(0.0), std::numbers::pi / 2);
    EXPECT_NEAR(CalkaEliptycznaK(0.5), 1.685750354812596, 1e-15);
    EXPECT_NEAR(CalkaEliptycznaK(0.99), 3.356600523361192, 1e-14);
#if defined(__cpp_lib_math_special_functions)
    for (double k = -0.999; k < 1.0; k += 0.037) {
        EXPECT_NEAR(CalkaEliptycznaK(k), std::comp_ellint_1(k), 4e-15 * std::comp_ellint_1(k)) << k;
    }
#endif
}
