#include "Wielohistogram.h"

#include "FluktuacjaSerii.h"
#include "ProbkiBadania.h"
#include "PrzejscieFluktuacji.h"
#include "Siec4x4.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace siec4x4;

namespace {
FluktuacjaSerii Seria(double lambda, const Probki& p, Rownowaga stan = Rownowaga::Osiagnieta) {
    FluktuacjaSerii s;
    s.Lambda = lambda;
    s.Stan = stan;
    s.Pary = p.Pary;
    s.Rzad = p.Rzad;
    s.IloscAtomow = Atomow;
    s.Tau.Tau = 0.5; // independent samples
    return s;
}

// One study: `replik` replicas of series at 0.2, 0.4, .., 2.4, each of
// `probek` independent samples.
std::vector<std::vector<FluktuacjaSerii>> Badanie(int replik, int probek, std::uint32_t ziarno) {
    std::vector<std::vector<FluktuacjaSerii>> repliki(static_cast<std::size_t>(replik));
    for (int r = 0; r < replik; ++r) {
        for (int k = 1; k <= 12; ++k) {
            const double lambda = 0.2 * k;
            repliki[static_cast<std::size_t>(r)].push_back(Seria(
                lambda, Losuj(lambda, probek, ziarno + 1000u * r + static_cast<unsigned>(k))));
        }
    }
    return repliki;
}
} // namespace

// The exact distributions at two lambdas give the exact moments everywhere
// between them, of the energy and of the order parameter, for ordering and
// clustering alike.
TEST(Wielohistogram, DokladneHistogramyDajaDokladneMomenty) {
    const std::vector<std::vector<FluktuacjaSerii>> badanie{
        {Seria(0.6, Dokladne(0.6)), Seria(1.0, Dokladne(1.0))}};
    const ProbkiBadania dane(badanie);
    const Wielohistogram w(dane.Wszystkie(), Atomow);
    for (const double lambda : {0.6, 0.7, 0.8, 0.9, 1.0}) {
        const ChwilaPrzewazona c = w.Chwila(lambda);
        EXPECT_NEAR(c.CvkN, DokladneCv(lambda), 2e-4 * DokladneCv(lambda)) << lambda;
        EXPECT_NEAR(c.M2, DokladnyMoment(lambda, 2), 1e-4) << lambda;
        EXPECT_NEAR(c.M4, DokladnyMoment(lambda, 4), 1e-4) << lambda;
        EXPECT_NEAR(c.M1, DokladnyMoment(lambda, 1), 1e-4) << lambda;
    }
    const std::vector<std::vector<FluktuacjaSerii>> klaster{{Seria(-0.8, Dokladne(-0.8))}};
    const Wielohistogram k(ProbkiBadania(klaster).Wszystkie(), Atomow);
    EXPECT_NEAR(k.Chwila(-0.8).CvkN, DokladneCv(-0.8), 2e-4);
    EXPECT_NEAR(k.Chwila(-0.7).CvkN, DokladneCv(-0.7), 2e-2);
}

// The pooled peak of sampled studies against the exact one: its stated error
// covers it about as often as a standard error should, and it is no longer
// drawn to the grid's points.
TEST(Wielohistogram, SzczytPokrywaDokladny) {
    const double szczyt = DokladnySzczyt();
    int wJednym = 0;
    int wDwoch = 0;
    const int badan = 20;
    for (int b = 0; b < badan; ++b) {
        const MaksimumFluktuacji m = ZnajdzPrzejscie(Badanie(5, 4000, 7000u * b + 1));
        ASSERT_EQ(m.Sposob, SposobMaksimum::Przewazanie);
        ASSERT_TRUE(std::isfinite(m.Blad)) << b;
        EXPECT_LT(m.Blad, 0.05);
        wJednym += std::fabs(m.Lambda - szczyt) <= m.Blad;
        wDwoch += std::fabs(m.Lambda - szczyt) <= 2 * m.Blad;
        EXPECT_NEAR(m.CvkN, DokladneCv(szczyt), 4 * m.BladCvkN + 1e-3);
    }
    EXPECT_GE(wJednym, 9);
    EXPECT_GE(wDwoch, 16);
}

// Verdicts weigh, they do not veto: a replica's series that drifted is left
// out and counted, one that could not be judged keeps its samples, and one
// replica alone still gets an error from stretches of its series.
TEST(Wielohistogram, WerdyktyNieWstrzymujaOdpowiedzi) {
    auto badanie = Badanie(5, 4000, 99);
    badanie[2][4].Stan = Rownowaga::Nieosiagnieta;
    badanie[3][5].Stan = Rownowaga::Nieosiagnieta;
    badanie[1][4].Stan = Rownowaga::Nieznana;
    const MaksimumFluktuacji m = ZnajdzPrzejscie(badanie);
    EXPECT_EQ(m.Sposob, SposobMaksimum::Przewazanie);
    EXPECT_EQ(m.Pominiete, 2);
    EXPECT_TRUE(std::isfinite(m.Blad));
    const MaksimumFluktuacji jedna = ZnajdzPrzejscie(Badanie(1, 20000, 5));
    EXPECT_TRUE(std::isfinite(jedna.Blad));
    EXPECT_FALSE(jedna.MaloReplik);
    EXPECT_NEAR(jedna.Lambda, DokladnySzczyt(), 4 * jedna.Blad);
}

// No position where the data cannot place the peak: at the range's edge, or
// beside a step the reweighting cannot cross.
TEST(Wielohistogram, BezPolozeniaGdzieDaneGoNieWyznaczaja) {
    auto badanie = Badanie(5, 2000, 3);
    for (auto& r : badanie) {
        r.resize(3); // 0.2 .. 0.6: Cv/kN still rising
    }
    EXPECT_TRUE(ZnajdzPrzejscie(badanie).NaBrzegu);
    // Series far apart: nothing in the middle is reached.
    std::vector<FluktuacjaSerii> daleko;
    for (const double lambda : {0.3, 1.0, 2.4}) {
        daleko.push_back(Seria(lambda, Losuj(lambda, 3000, 11)));
        for (double& p : daleko.back().Pary) {
            p += 100.0 * lambda;
        }
    }
    const MaksimumFluktuacji m = ZnajdzPrzejscie({daleko});
    EXPECT_TRUE(m.NaBrzegu || m.PrzewazanieNieSiega);
    EXPECT_EQ(m.Sposob, SposobMaksimum::Przewazanie);
}
