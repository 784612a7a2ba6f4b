// The exchange loop against the exact distribution of a lattice small enough
// to count: on the periodic 4 x 4 square lattice with 8 A and 8 B atoms the
// 12 870 arrangements give the exact probability of every number of unlike
// pairs P at lambda (weight exp(lambda P)). Detailed balance of the loop's
// moves with either generator's draws makes the share of samples at each P
// that probability; a wrong draw (a site not uniform, a real off by a bit
// that matters, a try taken out of order) shows as a share many errors off.
#include "PetlaPrzeskokow.h"
#include "RodzajGeneratora.h"
#include "StaleZiarno.h"
#include "StatystykaProbek.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <span>
#include <tuple>
#include <vector>

namespace {
// P -> the probability of P at lambda.
std::map<int, double> Rozklad(double lambda) {
    std::map<int, double> r;
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
        r[pary] += std::exp(lambda * (pary - 16));
    }
    double z = 0.0;
    for (const auto& [p, w] : r) {
        z += w;
    }
    for (auto& [p, w] : r) {
        w /= z;
    }
    return r;
}

// The pair count after each chunk of 16 attempts from the checkerboard.
template <class G> std::vector<int> Pary(double lambda, std::uint32_t ziarno, int probek) {
    Siec s;
    s.UstawRozmiar(RodzajSieci::Kwadratowa, 4, 4, 1);
    for (int y = 1; y <= 4; ++y) {
        for (int x = 1; x <= 4; ++x) {
            s.Ustaw(x, y, 1, (x + y) % 2);
        }
    }
    s.PoliczOdNowa();
    StaleZiarno zrodlo(ziarno);
    G g(zrodlo);
    g.Przelosuj();
    const bool porzadkowanie = lambda > 0;
    TablicaAkceptacji tablica;
    tablica.Zbuduj(lambda, porzadkowanie);
    OstatniaProba ostatnia;
    std::vector<int> pary;
    for (int i = 0; i < probek + 100; ++i) {
        PetlaPrzeskokow<RodzajSieci::Kwadratowa>(s, g, tablica, porzadkowanie, 16, ostatnia);
        if (i >= 100) {
            pary.push_back(s.Liczniki().ParyAB);
        }
    }
    return pary;
}

class RozkladDokladny4x4 : public testing::TestWithParam<std::tuple<double, RodzajGeneratora>> {};
} // namespace

TEST_P(RozkladDokladny4x4, UdzialKazdejLiczbyParJakDokladny) {
    const auto [lambda, generator] = GetParam();
    const std::vector<int> pary = generator == RodzajGeneratora::Okna
                                      ? Pary<Generator>(lambda, 2718, 300000)
                                      : Pary<Generator64>(lambda, 2718, 300000);
    const std::map<int, double> rozklad = Rozklad(lambda);
    for (const int p : pary) {
        ASSERT_TRUE(rozklad.contains(p)) << "no arrangement has " << p << " unlike pairs";
    }
    // Counts rarer than one sample in a thousand have too few samples for
    // their blocking error.
    int sprawdzone = 0;
    for (const auto& [p, dokladne] : rozklad) {
        if (dokladne < 1e-3) {
            continue;
        }
        std::vector<double> wskaznik(pary.size());
        for (std::size_t i = 0; i < pary.size(); ++i) {
            wskaznik[i] = pary[i] == p ? 1.0 : 0.0;
        }
        const SredniaZBledem udzial = SredniaBlokowa(std::span<const double>(wskaznik));
        ASSERT_FALSE(std::isnan(udzial.Blad)) << p;
        EXPECT_NEAR(udzial.Srednia, dokladne, 4.5 * udzial.Blad)
            << "P = " << p << ": " << udzial.Srednia << " +- " << udzial.Blad;
        ++sprawdzone;
    }
    EXPECT_GE(sprawdzone, 4) << "the distribution is spread over several counts";
}

INSTANTIATE_TEST_SUITE_P(
    Generatory, RozkladDokladny4x4,
    testing::Combine(testing::Values(0.3, 0.9, -0.6),
                     testing::Values(RodzajGeneratora::Okna, RodzajGeneratora::Xoshiro)),
    [](const auto& info) {
        const double l = std::get<0>(info.param);
        return std::string(std::get<1>(info.param) == RodzajGeneratora::Okna ? "Okna" : "Xoshiro") +
               (l < 0 ? "Klasteryzacja" : "Porzadkowanie") +
               std::to_string(static_cast<int>(std::lround(10 * std::abs(l))));
    });
