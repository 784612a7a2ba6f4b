#include "DopasujWielomian.h"
#include "Pochodna.h"
#include "Potega.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {
TablicaPunktow Tablica(std::initializer_list<double> wartosci) {
    TablicaPunktow t{};
    std::copy(wartosci.begin(), wartosci.end(), t.begin());
    return t;
}

double Wielomian(const TablicaPunktow& a, int d, double x) {
    double f = 0.0;
    for (int j = d; j >= 0; --j) {
        f = f * x + a[j];
    }
    return f;
}
} // namespace

TEST(DopasujWielomian, StopienZeroToSredniaPunktowZPoczatkiem) {
    const auto a = DopasujWielomian(3, 0, Tablica({0, 1, 2, 3}), Tablica({0, 2, 3, 7}));
    EXPECT_DOUBLE_EQ(a[0], 3.0);
    EXPECT_EQ(a[1], 0.0);
}

TEST(DopasujWielomian, StopienNPrzechodziPrzezKazdyPunkt) {
    const auto x = Tablica({0, 0.5, 1.2, 2.0, 2.7});
    TablicaPunktow y{};
    for (int i = 0; i <= 4; ++i) {
        y[i] = 0.3 - 2 * x[i] + 0.5 * x[i] * x[i] + x[i] * x[i] * x[i] -
               0.2 * x[i] * x[i] * x[i] * x[i];
    }
    const auto a = DopasujWielomian(4, 4, x, y);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_NEAR(Wielomian(a, 4, x[i]), y[i], 1e-9) << "x = " << x[i];
    }
    EXPECT_NEAR(a[0], 0.3, 1e-9);
    EXPECT_NEAR(a[4], -0.2, 1e-9);
}

TEST(DopasujWielomian, StopienPonadNDajeZeraPowyzejIDopasowanieStopniaN) {
    const auto x = Tablica({0, 0.4, 0.9});
    const auto y = Tablica({0, 0.8, 0.3});
    const auto stopienN = DopasujWielomian(2, 2, x, y);
    const auto wyzszy = DopasujWielomian(2, 7, x, y);
    for (int j = 0; j <= 2; ++j) {
        EXPECT_EQ(wyzszy[j], stopienN[j]) << "j = " << j;
    }
    for (int j = 3; j < RozmiarTablicyPunktow; ++j) {
        EXPECT_EQ(wyzszy[j], 0.0) << "j = " << j;
    }
}

TEST(DopasujWielomian, NajmniejszeKwadratyOdtwarzajaProsta) {
    const auto x = Tablica({0, 0.1, 0.4, 0.7, 1.0, 1.3});
    TablicaPunktow y{};
    for (int i = 0; i <= 5; ++i) {
        y[i] = 0.25 - 1.5 * x[i];
    }
    for (int d : {1, 3}) {
        const auto a = DopasujWielomian(5, d, x, y);
        EXPECT_NEAR(a[0], 0.25, 1e-9) << "d = " << d;
        EXPECT_NEAR(a[1], -1.5, 1e-9) << "d = " << d;
        for (int j = 2; j <= d; ++j) {
            EXPECT_NEAR(a[j], 0.0, 1e-8) << "d = " << d << ", j = " << j;
        }
    }
}

TEST(DopasujWielomian, OdrzucaRozmiaryPozaTablicami) {
    const TablicaPunktow t{};
    EXPECT_THROW(DopasujWielomian(26, 2, t, t), std::invalid_argument);
    EXPECT_THROW(DopasujWielomian(3, 26, t, t), std::invalid_argument);
    EXPECT_THROW(DopasujWielomian(-1, 0, t, t), std::invalid_argument);
}

TEST(Potega, MnozyJRazyAZerowaPotegaToJeden) {
    EXPECT_EQ(Potega(0.0L, 0), 1.0L);
    EXPECT_EQ(Potega(-3.5L, 0), 1.0L);
    EXPECT_EQ(Potega(2.0L, 10), 1024.0L);
    EXPECT_EQ(Potega(-0.5L, 3), -0.125L);
}

TEST(Pochodna, DwaPunktyDajaNachylenieWszedzie) {
    int blad = -1;
    for (double t : {0.0, 1.0, 7.5}) {
        EXPECT_NEAR(static_cast<double>(Pochodna(1, Tablica({0, 2}), Tablica({0, 10}), blad, t)),
                    5.0, 1e-15);
        EXPECT_EQ(blad, PochodnaBezBledu);
    }
}

TEST(Pochodna, TrzyPunktyNaParabolaDajaDwaT) {
    int blad = -1;
    const auto x = Tablica({0, 1, 3});
    const auto y = Tablica({0, 1, 9});
    for (double t : {-1.0, 0.5, 2.0}) {
        EXPECT_NEAR(static_cast<double>(Pochodna(2, x, y, blad, t)), 2 * t, 1e-14) << "t = " << t;
    }
}

TEST(Pochodna, ZglaszaDwaBledyINicNieLiczy) {
    int blad = 0;
    EXPECT_EQ(Pochodna(0, Tablica({0}), Tablica({1}), blad, 1.0), 0.0L);
    EXPECT_EQ(blad, PochodnaZaMaloPunktow);
    EXPECT_EQ(Pochodna(2, Tablica({1, 2, 1}), Tablica({0, 1, 2}), blad, 1.0), 0.0L);
    EXPECT_EQ(blad, PochodnaRowneOdciete);
    const TablicaPunktow t{};
    EXPECT_THROW(Pochodna(26, t, t, blad, 0.0), std::invalid_argument);
}
