#include "SilnikTestowy.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
// The unlike neighbours of every atom, from the neighbour rule with explicit
// wrap-around, independently of the border copies and of the kept counts.
template <class Cialo> void ZaKazdaPara(const Siec& s, Cialo&& cialo) {
    const auto zawin = [](int c, int n) { return c < 1 ? c + n : (c > n ? c - n : c); };
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= s.Ny(); ++y) {
            for (int x = 1; x <= s.Nx(); ++x) {
                const Siec::Sasiedzi sas = s.SasiedziWezla(x, y, z);
                int niepodobne = 0;
                for (int i = 0; i < s.LiczbaSasiadow(); ++i) {
                    const int v = s.Wartosc(zawin(sas[i].x, s.Nx()), zawin(sas[i].y, s.Ny()),
                                            JestPlaska(s.Rodzaj()) ? 1 : zawin(sas[i].z, s.Nz()));
                    niepodobne += v != s.Wartosc(x, y, z);
                }
                cialo(niepodobne);
            }
        }
    }
}

int ParyZeZawinieciem(const Siec& s) {
    int podwojne = 0;
    ZaKazdaPara(s, [&](int niepodobne) { podwojne += niepodobne; });
    return podwojne / 2;
}

std::array<double, LiczbaSlupkow> HistogramZeZawinieciem(const Siec& s) {
    std::array<double, LiczbaSlupkow> h{};
    ZaKazdaPara(s, [&](int niepodobne) { ++h[niepodobne]; });
    return h;
}

struct Sprawdzajacy : ObserwatorPomiarow {
    std::array<double, LiczbaSlupkow> slupki{};
    void NowyPomiar(const Pomiar& p) override { slupki = p.Histogram; }
};
} // namespace

class Niezmienniki
    : public testing::TestWithParam<std::tuple<RodzajSieci, Oddzialywanie, Ulozenie, int>> {};

std::string NazwaPrzypadku(const testing::TestParamInfo<Niezmienniki::ParamType>& info) {
    const auto [rodzaj, tryb, uklad, lambda] = info.param;
    const char* uklady[] = {"Przypadkowe", "Uporzadkowane", "Wydzielenie"};
    return std::string(KluczRodzaju(rodzaj)) +
           (tryb == Oddzialywanie::Porzadkowanie ? "Porzadkowanie" : "Klasteryzacja") +
           uklady[static_cast<int>(uklad)] + "Lambda" + std::to_string(lambda);
}

TEST_P(Niezmienniki, EnergiaParyIHistogramZgodnePoKazdymKawalku) {
    const auto [rodzaj, tryb, uklad, lambda] = GetParam();
    SilnikTestowy t(2024);
    Sprawdzajacy obs;
    t.obl.UstawObserwatora(&obs);
    ParametrySymulacji p = Parametry(rodzaj, rodzaj == RodzajSieci::Kubiczna3D ? 6 : 10, uklad, 30);
    p.Tryb = tryb;
    p.Seria = false;
    p.PozycjaLambdy = lambda;
    p.MaxIloscCykli = 200000;
    p.PozycjaPrzedzialu = 1;
    t.obl.PrzygotujObliczenia(p);
    int kawalki = 0;
    for (StanKroku krok = StanKroku::Trwa;; krok = t.obl.KrokSymulacji()) {
        const StanObliczen& s = t.obl.Stan();
        ASSERT_NEAR(s.Energia, -s.Lambda * s.LiczbaParAB, 1e-9 * (1 + std::fabs(s.Energia)))
            << "chunk " << kawalki;
        double suma = 0;
        double wazona = 0;
        for (int n = 0; n < 7; ++n) {
            suma += obs.slupki[n];
            wazona += n * obs.slupki[n];
        }
        ASSERT_EQ(suma, s.IloscAtomow);
        ASSERT_EQ(wazona, 2 * s.LiczbaParAB);
        // The counts kept through the exchanges against a full recount.
        const Siec& siec = t.obl.SiecAtomow();
        ASSERT_EQ(s.LiczbaParAB, ParyZeZawinieciem(siec)) << "chunk " << kawalki;
        ASSERT_EQ(obs.slupki, HistogramZeZawinieciem(siec)) << "chunk " << kawalki;
        ASSERT_EQ(siec.Liczniki().ParyAB, siec.PoliczParyAB()) << "the border is current";
        ASSERT_EQ(siec.Liczniki().Histogram, siec.HistogramSasiadow());
        ++kawalki;
        if (krok == StanKroku::Koniec) {
            break;
        }
    }
    EXPECT_EQ(kawalki, 2002); // the configuration and 2001 chunks
}

INSTANTIATE_TEST_SUITE_P(
    WszystkieSieci, Niezmienniki,
    testing::Combine(testing::Values(RodzajSieci::Kubiczna3D, RodzajSieci::Kwadratowa,
                                     RodzajSieci::Trojkatna, RodzajSieci::Heksagonalna),
                     testing::Values(Oddzialywanie::Porzadkowanie, Oddzialywanie::Klasteryzacja),
                     testing::Values(Ulozenie::Przypadkowe, Ulozenie::Uporzadkowane,
                                     Ulozenie::UporzadkowaneWydzielenie),
                     testing::Values(1, 6, 24)),
    NazwaPrzypadku);
