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
                FluktuacjaZProbek(lambda, Probki(4002, wariancja, 0.8, ziarno), Atomow);
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

TEST(FluktuacjaSerii, RozbiegZCzasuAutokorelacji) {
    // The burn-in: twenty autocorrelation times, within a quarter and a half.
    EXPECT_EQ(ProbkiRozbiegu(1000, 0.5), 250);
    EXPECT_EQ(ProbkiRozbiegu(1000, 15.0), 300);
    EXPECT_EQ(ProbkiRozbiegu(1000, 100.0), 500);
    EXPECT_EQ(ProbkiRozbiegu(1000, std::nan("")), 500);
    // The samples of the burn-in (the relaxation from the start) play no part.
    std::vector<double> x = Probki(2000, 16.0, 0.5, 3);
    const int rozbieg = FluktuacjaZProbek(1.2, x, Atomow).Odrzucone;
    ASSERT_GE(rozbieg, 500);
    ASSERT_LE(rozbieg, 1000);
    std::vector<double> zPoczatkiem = x;
    for (std::size_t i = 0; i < 400; ++i) {
        zPoczatkiem[i] = 800.0 + 50.0 * (i % 2);
    }
    const FluktuacjaSerii f = FluktuacjaZProbek(1.2, zPoczatkiem, Atomow);
    EXPECT_EQ(f.Odrzucone, rozbieg);
    EXPECT_EQ(f.CvkN.Srednia, FluktuacjaZProbek(1.2, x, Atomow).CvkN.Srednia);
    EXPECT_EQ(f.Pary.size(), x.size() - static_cast<std::size_t>(rozbieg));
    // Clustering: the negative lambda squared.
    EXPECT_EQ(FluktuacjaZProbek(-1.2, x, Atomow).CvkN.Srednia,
              FluktuacjaZProbek(1.2, x, Atomow).CvkN.Srednia);
}

// The false alarms of a stationary series stay below one in a hundred, with
// independent samples and with a correlation time of nine samples (phi = 0.8);
// a drift of four standard deviations of a sample over the second half is
// always flagged.
TEST(FluktuacjaSerii, DryfWykrytyAStacjonarnaRzadkoOznaczona) {
    constexpr std::uint32_t Serii = 1000;
    for (const double phi : {0.0, 0.8}) {
        int oznaczone = 0;
        int nieznane = 0;
        for (std::uint32_t ziarno = 1; ziarno <= Serii; ++ziarno) {
            const FluktuacjaSerii f =
                FluktuacjaZProbek(0.5, Probki(4002, 100.0, phi, ziarno), Atomow);
            nieznane += f.Stan == Rownowaga::Nieznana;
            oznaczone += f.Stan == Rownowaga::Nieosiagnieta;
        }
        EXPECT_LE(oznaczone, 0.01 * Serii) << phi;
        EXPECT_LE(nieznane, 0.02 * Serii) << phi;
    }
    for (std::uint32_t ziarno = 1; ziarno <= 200; ++ziarno) {
        const FluktuacjaSerii f =
            FluktuacjaZProbek(0.5, Probki(4002, 100.0, 0.8, ziarno, 40.0 / 2001), Atomow);
        EXPECT_EQ(f.Stan, Rownowaga::Nieosiagnieta) << ziarno;
    }
}

TEST(FluktuacjaSerii, ZaMaloProbekISkrajneSerie) {
    // Fewer than sixteen samples kept after the burn-in: neither an error nor
    // a verdict; enough independent ones give both.
    const FluktuacjaSerii krotka = FluktuacjaZProbek(0.5, Probki(20, 9.0, 0.0, 1), Atomow);
    EXPECT_EQ(krotka.Stan, Rownowaga::Nieznana);
    EXPECT_TRUE(std::isnan(krotka.CvkN.Blad));
    EXPECT_GT(krotka.CvkN.Srednia, 0.0);
    const FluktuacjaSerii dosc = FluktuacjaZProbek(0.5, Probki(400, 9.0, 0.0, 1), Atomow);
    EXPECT_NE(dosc.Stan, Rownowaga::Nieznana);
    EXPECT_FALSE(std::isnan(dosc.CvkN.Blad));

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
