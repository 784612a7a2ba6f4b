#include "SilnikTestowy.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// Unlike pairs counted from the neighbour rule with explicit wrap-around,
// independently of the border copies.
int ParyZeZawinieciem(const Siec& s) {
    const auto zawin = [](int c, int n) { return c < 1 ? c + n : (c > n ? c - n : c); };
    int podwojne = 0;
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= s.Ny(); ++y) {
            for (int x = 1; x <= s.Nx(); ++x) {
                const Siec::Sasiedzi sas = s.SasiedziWezla(x, y, z);
                for (int i = 0; i < s.LiczbaSasiadow(); ++i) {
                    const int v = s.Wartosc(zawin(sas[i].x, s.Nx()), zawin(sas[i].y, s.Ny()),
                                            JestPlaska(s.Rodzaj()) ? 1 : zawin(sas[i].z, s.Nz()));
                    podwojne += v != s.Wartosc(x, y, z);
                }
            }
        }
    }
    return podwojne / 2;
}

struct Sprawdzajacy : ObserwatorPomiarow {
    std::array<double, LiczbaSlupkow> slupki{};
    void NowyPomiar(const Pomiar& p) override { slupki = p.Histogram; }
};
} // namespace

class Niezmienniki
    : public testing::TestWithParam<std::tuple<RodzajSieci, Oddzialywanie, Ulozenie>> {};

std::string NazwaPrzypadku(const testing::TestParamInfo<Niezmienniki::ParamType>& info) {
    const auto [rodzaj, tryb, uklad] = info.param;
    const char* uklady[] = {"Przypadkowe", "Uporzadkowane", "Wydzielenie"};
    return std::string(KluczRodzaju(rodzaj)) +
           (tryb == Oddzialywanie::Porzadkowanie ? "Porzadkowanie" : "Klasteryzacja") +
           uklady[static_cast<int>(uklad)];
}

TEST_P(Niezmienniki, EnergiaParyIHistogramZgodnePoKazdymKawalku) {
    const auto [rodzaj, tryb, uklad] = GetParam();
    SilnikTestowy t(2024);
    Sprawdzajacy obs;
    t.obl.UstawObserwatora(&obs);
    ParametrySymulacji p = Parametry(rodzaj, rodzaj == RodzajSieci::Kubiczna3D ? 6 : 10, uklad, 30);
    p.Tryb = tryb;
    p.Seria = false;
    p.PozycjaLambdy = 6;
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
        if (kawalki % 250 == 0) {
            ASSERT_EQ(s.LiczbaParAB, ParyZeZawinieciem(t.obl.SiecAtomow()));
        }
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
                                     Ulozenie::UporzadkowaneWydzielenie)),
    NazwaPrzypadku);
