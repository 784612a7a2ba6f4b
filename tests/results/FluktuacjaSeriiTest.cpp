#include "FluktuacjaSerii.h"

#include "StatystykaProbek.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {
// Correlated samples of a pair count with a known variance: an
// autoregressive series x_t = m + phi (x_{t-1} - m) + noise, whose stationary
// variance is `wariancja` whatever phi; started in its stationary state.
std::vector<double> Probki(int liczba, double wariancja, double phi, std::uint32_t ziarno,
                           double dryf = 0.0) {
    std::mt19937 los(ziarno);
    std::normal_distribution<double> normalny(0.0, 1.0);
    const double sigma = std::sqrt(wariancja);
    double odchylenie = sigma * normalny(los);
    std::vector<double> x;
    for (int t = 0; t < liczba; ++t) {
        x.push_back(1000.0 + odchylenie + dryf * t);
        odchylenie = phi * odchylenie + std::sqrt(1 - phi * phi) * sigma * normalny(los);
    }
    return x;
}

constexpr int Atomow = 400;
} // namespace

// Cv/kN = lambda^2 Var / N: over many series of known variance the estimate
// is centred on it and the blocking error states the scatter of the estimate.
TEST(FluktuacjaSerii, ZnanaWariancjaIBladBlokowania) {
    for (const double wariancja : {25.0, 400.0}) {
        const double lambda = 0.9;
        const double oczekiwane = lambda * lambda * wariancja / Atomow;
        std::vector<double> wartosci;
        std::vector<double> kwadratyBledow;
        for (std::uint32_t ziarno = 1; ziarno <= 200; ++ziarno) {
            const FluktuacjaSerii f =
                FluktuacjaZProbek(lambda, Probki(1002, wariancja, 0.8, ziarno), Atomow);
            EXPECT_EQ(f.Lambda, lambda);
            wartosci.push_back(f.CvkN.Srednia);
            kwadratyBledow.push_back(f.CvkN.Blad * f.CvkN.Blad);
        }
        const SredniaZBledem srednia = SredniaNiezaleznych(wartosci);
        EXPECT_NEAR(srednia.Srednia, oczekiwane, 4 * srednia.Blad) << wariancja;
        const double rozrzut = std::sqrt(Wariancja(wartosci));
        const double podany = std::sqrt(SredniaNiezaleznych(kwadratyBledow).Srednia);
        EXPECT_GT(podany, 0.7 * rozrzut) << wariancja;
        EXPECT_LT(podany, 1.4 * rozrzut) << wariancja;
    }
}

TEST(FluktuacjaSerii, TylkoDrugaPolowaProbek) {
    // A first half far from the second (the relaxation from the start) plays no part.
    std::vector<double> x = Probki(200, 16.0, 0.5, 3);
    std::vector<double> zPoczatkiem = x;
    for (std::size_t i = 0; i < 100; ++i) {
        zPoczatkiem[i] = 800.0 + 50.0 * (i % 2);
    }
    EXPECT_EQ(FluktuacjaZProbek(1.2, zPoczatkiem, Atomow).CvkN.Srednia,
              FluktuacjaZProbek(1.2, x, Atomow).CvkN.Srednia);
    // Clustering: the negative lambda squared.
    EXPECT_EQ(FluktuacjaZProbek(-1.2, x, Atomow).CvkN.Srednia,
              FluktuacjaZProbek(1.2, x, Atomow).CvkN.Srednia);
}

// The false alarms of a stationary series: about 0.05 % for independent
// samples and 1.3 % for a correlation time of nine samples (phi = 0.8), with
// 250 samples in a quarter. They grow as the correlation time nears the
// length of a quarter (12 % at phi = 0.95), where the blocking cannot reach
// its plateau; running longer is then the right advice too. A drift of four
// standard deviations of a sample over the second half is always flagged.
TEST(FluktuacjaSerii, DryfWykrytyAStacjonarnaRzadkoOznaczona) {
    constexpr std::uint32_t Serii = 2000;
    for (const auto& [phi, dopuszczalne] : {std::pair{0.0, 0.005}, std::pair{0.8, 0.02}}) {
        int oznaczone = 0;
        for (std::uint32_t ziarno = 1; ziarno <= Serii; ++ziarno) {
            const FluktuacjaSerii f =
                FluktuacjaZProbek(0.5, Probki(1002, 100.0, phi, ziarno), Atomow);
            ASSERT_NE(f.Stan, Rownowaga::Nieznana);
            oznaczone += f.Stan == Rownowaga::Nieosiagnieta;
        }
        EXPECT_LE(oznaczone, dopuszczalne * Serii) << phi;
    }
    for (std::uint32_t ziarno = 1; ziarno <= 200; ++ziarno) {
        const FluktuacjaSerii f =
            FluktuacjaZProbek(0.5, Probki(1002, 100.0, 0.8, ziarno, 40.0 / 501), Atomow);
        EXPECT_EQ(f.Stan, Rownowaga::Nieosiagnieta) << ziarno;
    }
}

TEST(FluktuacjaSerii, ZaMaloProbekISkrajneSerie) {
    // Fewer than eight samples in a quarter: nothing to tell; fewer than
    // eight in the half: no error either.
    const FluktuacjaSerii krotka = FluktuacjaZProbek(0.5, Probki(30, 9.0, 0.0, 1), Atomow);
    EXPECT_EQ(krotka.Stan, Rownowaga::Nieznana);
    EXPECT_FALSE(std::isnan(krotka.CvkN.Blad));
    EXPECT_NE(FluktuacjaZProbek(0.5, Probki(32, 9.0, 0.0, 1), Atomow).Stan, Rownowaga::Nieznana);
    const FluktuacjaSerii najkrotsza = FluktuacjaZProbek(0.5, Probki(14, 9.0, 0.0, 1), Atomow);
    EXPECT_TRUE(std::isnan(najkrotsza.CvkN.Blad));
    EXPECT_GT(najkrotsza.CvkN.Srednia, 0.0);

    // A frozen series: no fluctuation, exactly known, in equilibrium.
    const FluktuacjaSerii zamrozona = FluktuacjaZProbek(2.4, std::vector<double>(100, 800.0), 36);
    EXPECT_EQ(zamrozona.CvkN.Srednia, 0.0);
    EXPECT_EQ(zamrozona.CvkN.Blad, 0.0);
    EXPECT_EQ(zamrozona.Stan, Rownowaga::Osiagnieta);

    const FluktuacjaSerii pusta = FluktuacjaZProbek(2.4, {}, 36);
    EXPECT_TRUE(std::isnan(pusta.CvkN.Srednia));
    EXPECT_EQ(pusta.Stan, Rownowaga::Nieznana);
    EXPECT_THROW(FluktuacjaZProbek(2.4, std::vector<double>(10, 1.0), 0), std::invalid_argument);
}

TEST(FluktuacjaSerii, BladCvkNSkalujeSieJakLambdaDoKwadratu) {
    // The same pair counts read at several lambdas: Cv/kN and its error are
    // both lambda^2 Var / N, so doubling lambda multiplies each by four.
    const std::vector<double> probki = Probki(2002, 100.0, 0.5, 11);
    const FluktuacjaSerii baza = FluktuacjaZProbek(0.3, probki, Atomow);
    ASSERT_GT(baza.CvkN.Blad, 0.0);
    for (const double lambda : {0.6, 0.9, 1.5, -1.2}) {
        const FluktuacjaSerii f = FluktuacjaZProbek(lambda, probki, Atomow);
        const double skala = lambda * lambda / (0.3 * 0.3);
        EXPECT_NEAR(f.CvkN.Srednia, skala * baza.CvkN.Srednia, 1e-9 * f.CvkN.Srednia) << lambda;
        EXPECT_NEAR(f.CvkN.Blad, skala * baza.CvkN.Blad, 1e-9 * f.CvkN.Blad) << lambda;
    }
}
