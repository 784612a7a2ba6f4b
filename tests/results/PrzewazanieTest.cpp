#include "Przewazanie.h"

#include "FluktuacjaSerii.h"
#include "PrzejscieFluktuacji.h"
#include "StatystykaProbek.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <vector>

namespace {
// Every arrangement of 8 A and 8 B atoms on the periodic 4 x 4 square
// lattice, counted by its number of unlike pairs (32 bonds).
std::map<int, double> Stopnie() {
    std::map<int, double> g;
    for (unsigned uklad = 0; uklad < (1u << 16); ++uklad) {
        if (std::popcount(uklad) != 8) {
            continue;
        }
        int pary = 0;
        for (int x = 0; x < 4; ++x) {
            for (int y = 0; y < 4; ++y) {
                const unsigned a = (uklad >> (4 * y + x)) & 1u;
                pary += a != ((uklad >> (4 * y + (x + 1) % 4)) & 1u);
                pary += a != ((uklad >> (4 * ((y + 1) % 4) + x)) & 1u);
            }
        }
        g[pary] += 1.0;
    }
    return g;
}

const std::map<int, double>& G() {
    static const std::map<int, double> g = Stopnie();
    return g;
}

constexpr int Atomow = 16;

// The exact distribution of P at lambda (weight exp(lambda P)).
std::vector<std::pair<int, double>> Rozklad(double lambda) {
    std::vector<std::pair<int, double>> r;
    double z = 0.0;
    for (const auto& [p, g] : G()) {
        r.emplace_back(p, g * std::exp(lambda * (p - 16)));
        z += r.back().second;
    }
    for (auto& [p, w] : r) {
        w /= z;
    }
    return r;
}

double DokladneCv(double lambda) {
    double m1 = 0.0;
    double m2 = 0.0;
    for (const auto& [p, w] : Rozklad(lambda)) {
        m1 += w * p;
        m2 += w * p * p;
    }
    return lambda * lambda * (m2 - m1 * m1) / Atomow;
}

std::vector<double> Losuj(double lambda, int ile, std::uint32_t ziarno) {
    const auto r = Rozklad(lambda);
    std::mt19937 los(ziarno);
    std::vector<double> probki;
    for (int i = 0; i < ile; ++i) {
        double u = (los() + 0.5) / 4294967296.0;
        std::size_t k = 0;
        while (k + 1 < r.size() && u > r[k].second) {
            u -= r[k].second;
            ++k;
        }
        probki.push_back(r[k].first);
    }
    return probki;
}

// The exact histogram as samples: each P as often as a million times its probability.
std::vector<double> Dokladne(double lambda) {
    std::vector<double> probki;
    for (const auto& [p, w] : Rozklad(lambda)) {
        probki.insert(probki.end(), static_cast<std::size_t>(std::lround(w * 1e6)), p);
    }
    return probki;
}
} // namespace

TEST(Przewazanie, DokladnyHistogramDajeDokladneCv) {
    double uklady = 0.0;
    for (const auto& [p, g] : G()) {
        uklady += g;
    }
    ASSERT_EQ(uklady, 12870.0);
    const std::vector<double> a = Dokladne(0.6);
    const std::vector<double> b = Dokladne(1.0);
    const std::vector<ProbkiPar> obie{{0.6, a}, {1.0, b}};
    for (const double lambda : {0.6, 0.7, 0.8, 0.9, 1.0}) {
        const CvPrzewazone w = PrzewazCv(obie, lambda, Atomow);
        EXPECT_NEAR(w.CvkN, DokladneCv(lambda), 2e-4 * DokladneCv(lambda)) << lambda;
        EXPECT_TRUE(PrzewazanieSiega(w)) << lambda;
    }
    const std::vector<ProbkiPar> jedna{{0.6, a}};
    EXPECT_NEAR(PrzewazCv(jedna, 0.65, Atomow).CvkN, DokladneCv(0.65), 2e-4);
    // Clustering: the same arrangements with the weight exp(-|lambda| P).
    const std::vector<double> c = Dokladne(-0.8);
    const std::vector<ProbkiPar> klaster{{-0.8, c}};
    EXPECT_NEAR(PrzewazCv(klaster, -0.8, Atomow).CvkN, DokladneCv(-0.8), 2e-4);
    EXPECT_THROW(PrzewazCv({}, 0.5, Atomow), std::invalid_argument);
}

// Samples drawn from the exact distributions on a coarse grid: the
// reweighted curve follows the exact one between the points, and its peak
// lies within its stated error (jackknife over blocks) of the exact peak.
TEST(Przewazanie, KrzywaIMaksimumJakDokladne) {
    std::vector<FluktuacjaSerii> serie;
    for (int k = 1; k <= 12; ++k) {
        const double lambda = 0.2 * k;
        FluktuacjaSerii s;
        s.Lambda = lambda;
        s.Stan = Rownowaga::Osiagnieta;
        s.Pary = Losuj(lambda, 20000, 100 + static_cast<std::uint32_t>(k));
        s.IloscAtomow = Atomow;
        serie.push_back(std::move(s));
    }
    std::vector<double> lambdy;
    std::vector<std::span<const double>> pary;
    for (const FluktuacjaSerii& s : serie) {
        lambdy.push_back(s.Lambda);
        pary.emplace_back(s.Pary);
    }
    const KrzywaCv krzywa = KrzywaPrzewazona(lambdy, pary, std::vector<bool>(12, true), Atomow, 10);
    ASSERT_EQ(krzywa.Lambdy.size(), 111u);
    for (std::size_t i = 0; i < krzywa.Lambdy.size(); ++i) {
        ASSERT_FALSE(std::isnan(krzywa.CvkN[i])) << krzywa.Lambdy[i];
        EXPECT_NEAR(krzywa.CvkN[i], DokladneCv(krzywa.Lambdy[i]), 0.03) << krzywa.Lambdy[i];
    }
    double szczyt = 0.0;
    for (double l = 0.2; l <= 2.4; l += 1e-4) {
        szczyt = DokladneCv(l) > DokladneCv(szczyt) ? l : szczyt;
    }
    const MaksimumFluktuacji m = ZnajdzPrzejscie({serie});
    EXPECT_EQ(m.Sposob, SposobMaksimum::Przewazanie);
    ASSERT_FALSE(std::isnan(m.Blad));
    EXPECT_GT(m.Blad, 0.0);
    EXPECT_NEAR(m.Lambda, szczyt, 4 * m.Blad + 0.005);
    EXPECT_NEAR(m.CvkN, DokladneCv(szczyt), 0.03);

    // Five replicas: the error from the spread of their own peaks.
    std::vector<std::vector<FluktuacjaSerii>> repliki(5, serie);
    for (std::size_t r = 1; r < repliki.size(); ++r) {
        for (FluktuacjaSerii& s : repliki[r]) {
            s.Pary = Losuj(s.Lambda, 20000,
                           1000 * static_cast<std::uint32_t>(r) +
                               static_cast<std::uint32_t>(s.Lambda * 10));
        }
    }
    const MaksimumFluktuacji p = ZnajdzPrzejscie(repliki);
    EXPECT_EQ(p.Sposob, SposobMaksimum::Przewazanie);
    EXPECT_GT(p.Blad, 0.0);
    EXPECT_LT(p.Blad, 0.05);
    EXPECT_NEAR(p.Lambda, szczyt, 4 * p.Blad);
    EXPECT_GT(p.BladCvkN, 0.0);
}

// A flagged series takes no part; a gap no reweighting crosses hands the
// peak to the parabola, which says so; two to four replicas give no error;
// nothing usable gives no position.
TEST(Przewazanie, BezNakladaniaParabolaIReplikiBezBledu) {
    // Three series whose pair counts lie far apart: nothing between them is
    // reached, and the largest value sits between two unreached steps.
    std::vector<FluktuacjaSerii> serie;
    std::mt19937 los(5);
    for (int k = 0; k < 3; ++k) {
        FluktuacjaSerii s;
        s.Lambda = 0.8 + 0.1 * k;
        s.Stan = Rownowaga::Osiagnieta;
        const int szerokosc = k == 1 ? 6 : 3;
        for (int i = 0; i < 2000; ++i) {
            s.Pary.push_back(100.0 * (k + 1) + static_cast<int>(los() % (2 * szerokosc + 1)) -
                             szerokosc);
        }
        s.IloscAtomow = 100;
        s.CvkN = {s.Lambda * s.Lambda * Wariancja(s.Pary) / 100, 0.001};
        serie.push_back(std::move(s));
    }
    const MaksimumFluktuacji m = ZnajdzPrzejscie({serie});
    EXPECT_EQ(m.Sposob, SposobMaksimum::Parabola);
    EXPECT_TRUE(m.PrzewazanieNieSiega);
    EXPECT_TRUE(m.Waskie);

    std::vector<std::vector<FluktuacjaSerii>> trzy(3, serie);
    const MaksimumFluktuacji t = ZnajdzPrzejscie(trzy);
    EXPECT_TRUE(t.MaloReplik);
    EXPECT_TRUE(std::isnan(t.Blad));

    // The largest used value beside a series left out: not told.
    serie[1].Stan = Rownowaga::Nieosiagnieta;
    EXPECT_EQ(ZnajdzPrzejscie({serie}).Sposob, SposobMaksimum::BrakSerii);
    serie[1].Stan = Rownowaga::Osiagnieta;
    serie[2].Stan = Rownowaga::Nieznana;
    EXPECT_EQ(ZnajdzPrzejscie({serie}).Sposob, SposobMaksimum::BrakSerii);
    for (FluktuacjaSerii& s : serie) {
        s.Stan = Rownowaga::Nieznana;
    }
    EXPECT_EQ(ZnajdzPrzejscie({serie}).Sposob, SposobMaksimum::BrakSerii);
}
