#include "RownowagaSerii.h"

#include "StatystykaProbek.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace {
// x_t = phi x_{t-1} + noise, unit stationary variance, started stationary,
// plus `przesuniecie` (t) on top.
template <class Przesuniecie>
std::vector<double> Autoregresja(int liczba, double phi, std::uint32_t ziarno,
                                 Przesuniecie przesuniecie) {
    std::mt19937 los(ziarno);
    std::normal_distribution<double> normalny(0.0, 1.0);
    double x = normalny(los);
    std::vector<double> probki;
    for (int t = 0; t < liczba; ++t) {
        probki.push_back(x + przesuniecie(t));
        x = phi * x + std::sqrt(1 - phi * phi) * normalny(los);
    }
    return probki;
}

// The true standard error of the mean of n samples of a unit AR(1) series.
double PrawdziwyBlad(int n, double phi) {
    return std::sqrt((1 + phi) / (1 - phi) / n);
}

constexpr int Probek = 4096;
} // namespace

// The blocking error with its plateau covers the mean as often as a standard
// error should (68 % within one error), at correlation times from none to a
// hundred-and-fiftieth of the stretch.
TEST(BladBlokowania, PokrycieNaSzeregachAutoregresyjnych) {
    for (const double phi : {0.0, 0.9, 0.95}) {
        int pokryte = 0;
        int znane = 0;
        double sumaBledow = 0.0;
        for (std::uint32_t ziarno = 1; ziarno <= 400; ++ziarno) {
            const std::vector<double> x =
                Autoregresja(Probek, phi, ziarno, [](int) { return 0.0; });
            const SredniaZBledem w = SredniaBlokowa(x);
            if (std::isnan(w.Blad)) {
                continue;
            }
            ++znane;
            sumaBledow += w.Blad;
            pokryte += std::fabs(w.Srednia) < w.Blad;
        }
        EXPECT_GE(znane, 390) << phi;
        const double pokrycie = static_cast<double>(pokryte) / znane;
        EXPECT_GT(pokrycie, 0.60) << phi;
        EXPECT_LT(pokrycie, 0.76) << phi;
        EXPECT_NEAR(sumaBledow / znane, PrawdziwyBlad(Probek, phi),
                    0.12 * PrawdziwyBlad(Probek, phi))
            << phi;
    }
}

// A correlation time as long as a tenth of the stretch leaves no level of
// uncorrelated blocks with sixteen of them: no error rather than a small one.
TEST(BladBlokowania, BezPlateauBrakBledu) {
    int bezBledu = 0;
    for (std::uint32_t ziarno = 1; ziarno <= 100; ++ziarno) {
        const std::vector<double> x = Autoregresja(1024, 0.995, ziarno, [](int) { return 0.0; });
        bezBledu += std::isnan(SredniaBlokowa(x).Blad);
    }
    EXPECT_GE(bezBledu, 90);
    EXPECT_NEAR(KwantylStudenta(2.5758293, 14), 2.977, 0.005);
    EXPECT_NEAR(KwantylStudenta(2.5758293, 30), 2.750, 0.002);
    EXPECT_NEAR(KwantylStudenta(2.5758293, 100000), 2.576, 0.001);
}

// Equilibrium stretches are flagged at most once in a hundred while they hold
// some forty independent samples or more; at a correlation time of a
// fortieth of the stretch (phi = 0.99, twenty independent samples) most are
// "too few to tell", yet the blocking's error of its error lets through
// somewhat more than one in a hundred.
TEST(TestDryfu, FalszyweAlarmyNaStacjonarnych) {
    constexpr int Serii = 2000;
    for (const auto& [phi, dopuszczalne] : {std::pair{0.0, 0.01}, std::pair{0.8, 0.01},
                                            std::pair{0.95, 0.01}, std::pair{0.99, 0.02}}) {
        int alarmy = 0;
        for (std::uint32_t ziarno = 1; ziarno <= Serii; ++ziarno) {
            alarmy += TestDryfu(Autoregresja(Probek, phi, ziarno, [](int) { return 0.0; })) ==
                      Rownowaga::Nieosiagnieta;
        }
        EXPECT_LE(alarmy, dopuszczalne * Serii) << phi;
    }
    // The fifty samples of a default series' half.
    for (const double phi : {0.0, 0.3}) {
        int alarmy = 0;
        for (std::uint32_t ziarno = 1; ziarno <= Serii; ++ziarno) {
            alarmy += TestDryfu(Autoregresja(50, phi, ziarno, [](int) { return 0.0; })) ==
                      Rownowaga::Nieosiagnieta;
        }
        EXPECT_LE(alarmy, 0.01 * Serii) << phi;
    }
}

// A stretch still relaxing towards equilibrium (an exponential with a decay
// time of a sixth of the stretch), whose mean lies five true errors away from
// the equilibrium value, is not passed in 95 % of the runs or more.
TEST(TestDryfu, MocNaRelaksujacych) {
    constexpr int Serii = 400;
    for (const double phi : {0.0, 0.9, 0.98}) {
        const double czas = Probek / 6.0;
        const double sredniaKsztaltu = czas / Probek * (1 - std::exp(-Probek / czas));
        const double amplituda = 5 * PrawdziwyBlad(Probek, phi) / sredniaKsztaltu;
        int przepuszczone = 0;
        for (std::uint32_t ziarno = 1; ziarno <= Serii; ++ziarno) {
            przepuszczone += TestDryfu(Autoregresja(Probek, phi, ziarno, [&](int t) {
                                 return amplituda * std::exp(-t / czas);
                             })) == Rownowaga::Osiagnieta;
        }
        EXPECT_LE(przepuszczone, 0.05 * Serii) << phi;
    }
    EXPECT_STREQ(SlowaRownowagi(Rownowaga::Osiagnieta), "nie wykryto dryfu");
    EXPECT_STREQ(SlowaRownowagi(Rownowaga::Nieosiagnieta), "nie osiągnęła równowagi");
    EXPECT_STREQ(SlowaRownowagi(Rownowaga::Nieznana), "za mało pomiarów");
}

// Two starts of one series in equilibrium share the mean: they disagree at
// most once in a hundred (its level is one in a thousand; the blocking's
// error of its error adds to that). Two whose means lie six true errors of
// their difference apart are told apart in 95 % of the runs or more while
// each holds some hundred independent samples; at thirty (phi = 0.97),
// Student's t on the few blocks costs some of that.
TEST(TestDwochStartow, FalszyweAlarmyIMoc) {
    constexpr int Par = 1000;
    constexpr int Dlugosc = 2048;
    for (const auto& [phi, moc] :
         {std::pair{0.0, 0.95}, std::pair{0.9, 0.95}, std::pair{0.97, 0.85}}) {
        const double przesuniecie = 6 * std::sqrt(2.0) * PrawdziwyBlad(Dlugosc, phi);
        int alarmy = 0;
        int wykryte = 0;
        int niewinne = 0;
        for (std::uint32_t ziarno = 1; ziarno <= Par; ++ziarno) {
            const auto zero = [](int) { return 0.0; };
            const std::vector<double> a = Autoregresja(Dlugosc, phi, 2 * ziarno, zero);
            const std::vector<double> b = Autoregresja(Dlugosc, phi, 2 * ziarno + 1, zero);
            alarmy += TestDwochStartow(a, b, 1.0) == Rownowaga::Nieosiagnieta;
            const std::vector<double> c =
                Autoregresja(Dlugosc, phi, 2 * ziarno + 1, [&](int) { return przesuniecie; });
            // c lies higher in P, lower in energy at lambda > 0: a is the one
            // caught, and only a is flagged.
            wykryte += TestDwochStartow(a, c, 1.0) == Rownowaga::Nieosiagnieta;
            niewinne += TestDwochStartow(c, a, 1.0) == Rownowaga::Nieosiagnieta;
        }
        EXPECT_LE(alarmy, 0.01 * Par) << phi;
        EXPECT_GE(wykryte, moc * Par) << phi;
        EXPECT_LE(niewinne, 0.01 * Par) << phi;
    }
}

// Halves that span only a few correlation times (5 at phi = 0.9 in 100
// samples, 2.6 in 50, 1.5 at phi = 0.97 in 100) leave the blocking no
// uncorrelated level; two starts of one equilibrium are still told apart at
// most about once in a hundred, twice at the shortest.
TEST(TestDwochStartow, FalszyweAlarmyNaKrotkich) {
    constexpr int Par = 2000;
    for (const auto& [dlugosc, phi, dopuszczalne] :
         {std::tuple{100, 0.9, 0.01}, std::tuple{50, 0.9, 0.01}, std::tuple{100, 0.97, 0.03}}) {
        int alarmy = 0;
        for (std::uint32_t ziarno = 1; ziarno <= Par; ++ziarno) {
            const auto zero = [](int) { return 0.0; };
            alarmy += TestDwochStartow(Autoregresja(dlugosc, phi, 2 * ziarno, zero),
                                       Autoregresja(dlugosc, phi, 2 * ziarno + 1, zero),
                                       1.0) == Rownowaga::Nieosiagnieta;
        }
        EXPECT_LE(alarmy, dopuszczalne * Par) << dlugosc << " " << phi << " " << alarmy;
    }
}

// A start caught far from equilibrium for longer than the run: the samples
// show no uncorrelated level, yet the difference from the other start is far
// beyond the largest error they show, and is told; where the two agree, that
// proves nothing. A frozen start (no change at all) differs from another by
// any amount, or agrees exactly.
TEST(TestDwochStartow, BezPlateauIZamrozone) {
    const std::vector<double> wolny = Autoregresja(1024, 0.995, 3, [](int) { return 0.0; });
    const std::vector<double> daleki = Autoregresja(1024, 0.995, 4, [](int) { return 40.0; });
    const std::vector<double> bliski = Autoregresja(1024, 0.995, 4, [](int) { return 0.0; });
    ASSERT_TRUE(std::isnan(SredniaBlokowa(wolny).Blad));
    EXPECT_EQ(TestDwochStartow(wolny, daleki, 1.0), Rownowaga::Nieosiagnieta);
    EXPECT_EQ(TestDwochStartow(daleki, wolny, 1.0), Rownowaga::Osiagnieta);
    // Clustering: the energy's sign turns, and so does the one caught.
    EXPECT_EQ(TestDwochStartow(daleki, wolny, -1.0), Rownowaga::Nieosiagnieta);
    EXPECT_EQ(TestDwochStartow(wolny, bliski, 1.0), Rownowaga::Nieznana);

    const std::vector<double> zamrozony(64, 19000.0);
    const std::vector<double> idealny(64, 20000.0);
    EXPECT_EQ(TestDwochStartow(zamrozony, idealny, 1.0), Rownowaga::Nieosiagnieta);
    EXPECT_EQ(TestDwochStartow(idealny, idealny, 1.0), Rownowaga::Osiagnieta);
    EXPECT_EQ(TestDwochStartow(std::vector<double>(3, 1.0), idealny, 1.0), Rownowaga::Nieznana);

    // A start still relaxing towards the other is the one that lags, even
    // at the lower energy.
    const std::vector<double> stoi = Autoregresja(2048, 0.5, 7, [](int) { return 0.0; });
    const std::vector<double> opada =
        Autoregresja(2048, 0.5, 8, [](int i) { return 30.0 * std::exp(-i / 600.0); });
    EXPECT_TRUE(PierwszyOpozniony(opada, stoi, 1.0));
    EXPECT_FALSE(PierwszyOpozniony(stoi, opada, 1.0));

    EXPECT_EQ(Gorsza(Rownowaga::Osiagnieta, Rownowaga::Nieosiagnieta), Rownowaga::Nieosiagnieta);
    EXPECT_EQ(Gorsza(Rownowaga::Nieznana, Rownowaga::Nieosiagnieta), Rownowaga::Nieosiagnieta);
    EXPECT_EQ(Gorsza(Rownowaga::Nieznana, Rownowaga::Osiagnieta), Rownowaga::Nieznana);
    EXPECT_EQ(Gorsza(Rownowaga::Osiagnieta, Rownowaga::Nieznana), Rownowaga::Nieznana);
    EXPECT_EQ(Gorsza(Rownowaga::Osiagnieta, Rownowaga::Osiagnieta), Rownowaga::Osiagnieta);
}
