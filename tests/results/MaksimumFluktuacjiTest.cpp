#include "MaksimumFluktuacji.h"

#include "StatystykaProbek.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <vector>

namespace {
double Parabola(double x) {
    return 2.0 - 3.0 * (x - 0.88) * (x - 0.88);
}

// Replicas of a peak at 0.88 on the grid 0.5, 0.6, ..., 1.3, with independent
// noise of the given size on every point.
std::vector<std::vector<double>> Repliki(int liczba, double szum, std::mt19937& los) {
    std::normal_distribution<double> normalny(0.0, szum);
    std::vector<std::vector<double>> cv(static_cast<std::size_t>(liczba));
    for (std::vector<double>& wiersz : cv) {
        for (int k = 0; k < 9; ++k) {
            wiersz.push_back(Parabola(0.5 + 0.1 * k) + normalny(los));
        }
    }
    return cv;
}

const std::vector<double> Siatka{0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.3};
} // namespace

TEST(WierzcholekParaboli, DokladnyNaNierownejSiatce) {
    // The last step of a series may be shorter than the others.
    const std::vector<double> x{2.1, 2.2, 2.4};
    const std::vector<double> y{Parabola(2.1 - 1.25), Parabola(2.2 - 1.25), Parabola(2.4 - 1.25)};
    EXPECT_NEAR(WierzcholekParaboli(x, y, 1), 0.88 + 1.25, 1e-12);

    const std::vector<double> rowna{0.7, 0.8, 0.9};
    const std::vector<double> symetryczna{1.0, 3.0, 1.0};
    EXPECT_DOUBLE_EQ(WierzcholekParaboli(rowna, symetryczna, 1), 0.8);
}

TEST(WierzcholekParaboli, PlaskiWierzcholek) {
    // Two equal largest values: the vertex lies midway between them.
    const std::vector<double> x{0.1, 0.2, 0.3, 0.4};
    const std::vector<double> dwa{1.0, 4.0, 4.0, 1.0};
    EXPECT_NEAR(WierzcholekParaboli(x, dwa, 1), 0.25, 1e-12);
    // Three equal values have no vertex: the middle point stays.
    const std::vector<double> trzy{4.0, 4.0, 4.0, 1.0};
    EXPECT_EQ(WierzcholekParaboli(x, trzy, 1), 0.2);
}

TEST(MaksimumFluktuacji, ZnanyWierzcholekIBladBootstrapu) {
    std::mt19937 los(3);
    const auto cv = Repliki(8, 0.05, los);
    const MaksimumFluktuacji m = ZnajdzMaksimumFluktuacji(Siatka, cv);
    ASSERT_FALSE(m.NaBrzegu);
    EXPECT_GT(m.Blad, 0.0);
    EXPECT_NEAR(m.Lambda, 0.88, 3 * m.Blad);

    // The bootstrap error matches the scatter of the estimate over independent
    // sets of replicas.
    std::vector<double> polozenia;
    for (int zestaw = 0; zestaw < 200; ++zestaw) {
        polozenia.push_back(ZnajdzMaksimumFluktuacji(Siatka, Repliki(8, 0.05, los), 2).Lambda);
    }
    const double rozrzut = std::sqrt(Wariancja(polozenia));
    EXPECT_GT(m.Blad, 0.5 * rozrzut);
    EXPECT_LT(m.Blad, 2.0 * rozrzut);
}

TEST(MaksimumFluktuacji, BladPowtarzalnyIZerowyDlaRownychReplik) {
    std::mt19937 los(5);
    const auto cv = Repliki(6, 0.05, los);
    const MaksimumFluktuacji a = ZnajdzMaksimumFluktuacji(Siatka, cv);
    const MaksimumFluktuacji b = ZnajdzMaksimumFluktuacji(Siatka, cv);
    EXPECT_EQ(a.Lambda, b.Lambda);
    EXPECT_EQ(a.Blad, b.Blad);

    // One replica: the position without an error; four copies of it: the
    // same position, and every resample agrees.
    const MaksimumFluktuacji jedna = ZnajdzMaksimumFluktuacji(Siatka, {cv.front()});
    ASSERT_FALSE(jedna.NaBrzegu);
    EXPECT_TRUE(std::isnan(jedna.Blad));
    const MaksimumFluktuacji kopie =
        ZnajdzMaksimumFluktuacji(Siatka, std::vector<std::vector<double>>(4, cv.front()));
    EXPECT_NEAR(kopie.Lambda, jedna.Lambda, 1e-12);
    EXPECT_LT(kopie.Blad, 1e-12);
}

TEST(MaksimumFluktuacji, MaksimumNaBrzeguBezDopasowania) {
    const std::vector<std::vector<double>> rosnace{{1, 2, 3, 4, 5, 6, 7, 8, 9},
                                                   {1, 2, 3, 4, 5, 6, 7, 8, 10}};
    const MaksimumFluktuacji gora = ZnajdzMaksimumFluktuacji(Siatka, rosnace);
    EXPECT_TRUE(gora.NaBrzegu);
    EXPECT_EQ(gora.Lambda, 1.3);
    EXPECT_TRUE(std::isnan(gora.Blad));

    const std::vector<std::vector<double>> malejace{{9, 8, 7, 6, 5, 4, 3, 2, 1}};
    const MaksimumFluktuacji dol = ZnajdzMaksimumFluktuacji(Siatka, malejace);
    EXPECT_TRUE(dol.NaBrzegu);
    EXPECT_EQ(dol.Lambda, 0.5);

    // Equal means everywhere: the first point, an edge.
    EXPECT_TRUE(ZnajdzMaksimumFluktuacji(Siatka, {std::vector<double>(9, 1.0)}).NaBrzegu);
    // Fewer than three points: always an edge.
    EXPECT_TRUE(ZnajdzMaksimumFluktuacji(std::vector<double>{1.2}, {{0.3}}).NaBrzegu);
}

TEST(MaksimumFluktuacji, PlaskiWierzcholekSrednich) {
    // Two replicas whose means tie at 0.8 and 0.9: the peak lies between them.
    const std::vector<std::vector<double>> cv{{1, 2, 3, 5, 4, 3, 2, 1, 0},
                                              {1, 2, 3, 4, 5, 3, 2, 1, 0}};
    const MaksimumFluktuacji m = ZnajdzMaksimumFluktuacji(Siatka, cv);
    ASSERT_FALSE(m.NaBrzegu);
    EXPECT_NEAR(m.Lambda, 0.85, 1e-12);
    EXPECT_GT(m.Blad, 0.0);
}

TEST(MaksimumFluktuacji, ZleDaneOdrzucone) {
    EXPECT_THROW(ZnajdzMaksimumFluktuacji(Siatka, {}), std::invalid_argument);
    EXPECT_THROW(ZnajdzMaksimumFluktuacji(Siatka, {{1.0, 2.0}}), std::invalid_argument);
}

// The estimate from one series per lambda shares the vertex and the edge with
// that of the replicas: one replica's row and the same values with their
// errors give the same position.
TEST(MaksimumZBledami, TenSamWierzcholekIBrzegCoRepliki) {
    std::vector<double> parabola;
    for (const double x : Siatka) {
        parabola.push_back(Parabola(x));
    }
    const std::vector<std::vector<double>> wiersze{
        parabola,
        {1, 2, 3, 5, 5, 3, 2, 1, 0},
        {1, 2, 3, 4, 5, 6, 7, 8, 9},
        {9, 8, 7, 6, 5, 4, 3, 2, 1},
        std::vector<double>(9, 1.0),
    };
    const std::vector<double> zera(9, 0.0);
    for (const std::vector<double>& wiersz : wiersze) {
        const MaksimumFluktuacji repliki = ZnajdzMaksimumFluktuacji(Siatka, {wiersz});
        const MaksimumFluktuacji serie = ZnajdzMaksimumZBledami(Siatka, wiersz, zera);
        EXPECT_EQ(serie.Lambda, repliki.Lambda) << wiersz[3];
        EXPECT_EQ(serie.NaBrzegu, repliki.NaBrzegu) << wiersz[3];
        if (serie.NaBrzegu) {
            EXPECT_TRUE(std::isnan(serie.Blad)) << "an edge is not refined";
        } else {
            EXPECT_EQ(serie.Blad, 0.0) << "exact values move nowhere";
        }
    }
    EXPECT_NEAR(ZnajdzMaksimumZBledami(Siatka, parabola, zera).Lambda, 0.88, 1e-12);
    const std::vector<double> dwa{1.0, 1.5};
    EXPECT_TRUE(ZnajdzMaksimumZBledami(dwa, dwa, dwa).NaBrzegu);
}

TEST(MaksimumZBledami, BladZLosowaniaPasujeDoRozrzutu) {
    // Values of one series each, with the noise their errors state.
    std::mt19937 los(9);
    std::normal_distribution<double> normalny(0.0, 0.05);
    const auto zSzumem = [&] {
        std::vector<double> y;
        for (const double x : Siatka) {
            y.push_back(Parabola(x) + normalny(los));
        }
        return y;
    };
    const std::vector<double> bledy(9, 0.05);
    const std::vector<double> y = zSzumem();
    const MaksimumFluktuacji m = ZnajdzMaksimumZBledami(Siatka, y, bledy);
    ASSERT_FALSE(m.NaBrzegu);
    EXPECT_NEAR(m.Lambda, 0.88, 3 * m.Blad);
    // Reproducible: the resampling starts from a fixed seed.
    EXPECT_EQ(ZnajdzMaksimumZBledami(Siatka, y, bledy).Blad, m.Blad);

    std::vector<double> polozenia;
    for (int zestaw = 0; zestaw < 200; ++zestaw) {
        polozenia.push_back(ZnajdzMaksimumZBledami(Siatka, zSzumem(), bledy, 2).Lambda);
    }
    const double rozrzut = std::sqrt(Wariancja(polozenia));
    EXPECT_GT(m.Blad, 0.5 * rozrzut);
    EXPECT_LT(m.Blad, 2.0 * rozrzut);

    const std::vector<double> dwa{0.1, 0.1};
    std::vector<double> nieznany = bledy;
    nieznany[0] = std::nan("");
    EXPECT_TRUE(std::isnan(ZnajdzMaksimumZBledami(Siatka, y, nieznany).Blad));
    EXPECT_THROW(ZnajdzMaksimumZBledami(Siatka, y, dwa), std::invalid_argument);
    EXPECT_THROW(ZnajdzMaksimumZBledami({}, {}, {}), std::invalid_argument);
}
