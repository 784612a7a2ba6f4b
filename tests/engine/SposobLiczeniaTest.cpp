// The ways of counting differ only in cost: on one seed, a run in each way
// reports the same samples, ends on the same lattice and leaves the stream
// where the others leave it.
#include "SilnikTestowy.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {
struct Slad {
    std::vector<std::tuple<int, int, double, double, double>>
        pomiary; // series, iteration, E, pairs, sigma
    std::vector<std::array<double, LiczbaSlupkow>> histogramy;
    std::vector<int> rodzaje; // of every cell of the frame, the border's copies too
    std::vector<int> bajty;   // of the atoms: kind and A neighbours
    StanObliczen stan;
    double przesuniecie = 0.0;
};

struct Zapis : ObserwatorPomiarow {
    Slad* slad = nullptr;
    void NowyPomiar(const Pomiar& p) override {
        slad->pomiary.emplace_back(p.Seria, p.Iteracja, p.Energia, p.LiczbaParAB, p.Sigma);
        slad->histogramy.push_back(p.Histogram);
    }
    void KoniecSerii(double, double) override {}
    void PrzebiegWyzerowany() override {}
};

Slad Przebieg(const ParametrySymulacji& p, SposobLiczenia sposob) {
    SilnikTestowy t(777);
    Slad slad;
    Zapis zapis;
    zapis.slad = &slad;
    t.obl.UstawObserwatora(&zapis);
    t.obl.UstawSposobLiczenia(sposob);
    t.obl.PrzygotujObliczenia(p);
    DoKonca(t.obl);
    const Siec& s = t.obl.SiecAtomow();
    const bool plaska = JestPlaska(s.Rodzaj());
    for (int z = plaska ? 1 : 0; z <= (plaska ? 1 : s.Nz() + 1); ++z) {
        for (int y = 0; y <= s.Ny() + 1; ++y) {
            for (int x = 0; x <= s.Nx() + 1; ++x) {
                slad.rodzaje.push_back(s.Wartosc(x, y, z));
                const bool atom = x >= 1 && x <= s.Nx() && y >= 1 && y <= s.Ny() &&
                                  (plaska || (z >= 1 && z <= s.Nz()));
                if (atom) {
                    slad.bajty.push_back(s.Dane()[s.Indeks(x, y, z)]);
                }
            }
        }
    }
    slad.stan = t.obl.Stan();
    slad.przesuniecie = t.obl.LosujPrzesuniecieTc();
    return slad;
}

void PorownajZ(const Slad& wzor, const Slad& slad, const char* sposob) {
    ASSERT_EQ(slad.pomiary.size(), wzor.pomiary.size()) << sposob;
    EXPECT_EQ(slad.pomiary, wzor.pomiary) << sposob;
    EXPECT_EQ(slad.histogramy, wzor.histogramy) << sposob;
    EXPECT_EQ(slad.rodzaje, wzor.rodzaje) << sposob << ": the kinds, the border's too";
    EXPECT_EQ(slad.bajty, wzor.bajty) << sposob << ": the atoms' bytes";
    EXPECT_EQ(slad.przesuniecie, wzor.przesuniecie) << sposob << ": the stream";
    const StanObliczen& a = wzor.stan;
    const StanObliczen& b = slad.stan;
    EXPECT_EQ(std::tie(b.X1, b.Y1, b.Z1, b.X2, b.Y2, b.Z2),
              std::tie(a.X1, a.Y1, a.Z1, a.X2, a.Y2, a.Z2))
        << sposob << ": the latest attempt";
    EXPECT_EQ(std::tie(b.IloscSasiadowBWezlaB, b.IloscSasiadowBWezlaA, b.LiczbaLosowa),
              std::tie(a.IloscSasiadowBWezlaB, a.IloscSasiadowBWezlaA, a.LiczbaLosowa))
        << sposob;
}
} // namespace

class SposobyLiczenia
    : public testing::TestWithParam<std::tuple<RodzajSieci, Oddzialywanie, int, int>> {};

TEST_P(SposobyLiczenia, TeSamePomiaryKazdymSposobem) {
    const auto [rodzaj, tryb, n, przedzial] = GetParam();
    // A series from 0.1 to 2.4 in three steps: most exchanges accepted in the
    // first, few in the last, so the chosen way changes within the run.
    ParametrySymulacji p = Parametry(rodzaj, n, Ulozenie::Przypadkowe, 40);
    p.Tryb = tryb;
    p.PozycjaLambdy = 1;
    p.PozycjaLambdyKoncowej = 24;
    p.PozycjaKroku = 8;
    p.PozycjaPrzedzialu = przedzial;
    p.MaxIloscCykli = 20000;
    const Slad naBiezaco = Przebieg(p, SposobLiczenia::NaBiezaco);
    ASSERT_GT(naBiezaco.pomiary.size(), 40u);
    PorownajZ(naBiezaco, Przebieg(p, SposobLiczenia::PrzyPomiarze), "PrzyPomiarze");
    PorownajZ(naBiezaco, Przebieg(p, SposobLiczenia::Samoczynny), "Samoczynny");
}

INSTANTIATE_TEST_SUITE_P(
    WszystkieSieci, SposobyLiczenia,
    testing::Values(std::make_tuple(RodzajSieci::Kubiczna3D, Oddzialywanie::Porzadkowanie, 6, 1),
                    std::make_tuple(RodzajSieci::Kubiczna3D, Oddzialywanie::Klasteryzacja, 8, 20),
                    std::make_tuple(RodzajSieci::Kwadratowa, Oddzialywanie::Porzadkowanie, 10, 1),
                    std::make_tuple(RodzajSieci::Kwadratowa, Oddzialywanie::Klasteryzacja, 40, 20),
                    std::make_tuple(RodzajSieci::Trojkatna, Oddzialywanie::Porzadkowanie, 6, 3),
                    std::make_tuple(RodzajSieci::Trojkatna, Oddzialywanie::Klasteryzacja, 20, 20),
                    std::make_tuple(RodzajSieci::Heksagonalna, Oddzialywanie::Porzadkowanie, 10, 1),
                    std::make_tuple(RodzajSieci::Heksagonalna, Oddzialywanie::Klasteryzacja, 30,
                                    20)));
