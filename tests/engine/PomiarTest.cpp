#include "SilnikTestowy.h"
#include "WygladzanieSigmy.h"

#include <gtest/gtest.h>

TEST(Pomiar, WygladzanieSigmy) {
    int licznik = 0;
    EXPECT_DOUBLE_EQ(WygladzSigme(0.5, 0.9, licznik), 0.7);
    EXPECT_EQ(licznik, 0);
    EXPECT_EQ(WygladzSigme(0.5, 0.505, licznik), 0.505);
    EXPECT_EQ(licznik, 1);
    // 0.51 as a double lies just above 0.5 + 0.01, so the change is large and halved.
    EXPECT_EQ(WygladzSigme(0.5, 0.51, licznik), 0.505);
    EXPECT_EQ(licznik, 1);
    licznik = 4;
    EXPECT_EQ(WygladzSigme(0.3, 0.305, licznik), 0.3)
        << "the fifth small change keeps the previous";
    EXPECT_EQ(WygladzSigme(0.3, 0.305, licznik), 0.305);
    EXPECT_EQ(licznik, 6);
}

TEST(Pomiar, HistogramSlupkiDoLiczbySasiadow) {
    const struct {
        RodzajSieci rodzaj;
        int n;
        double pary;
        int slupek;
    } przypadki[] = {{RodzajSieci::Kwadratowa, 6, 72, 4},
                     {RodzajSieci::Heksagonalna, 6, 54, 3},
                     {RodzajSieci::Kubiczna3D, 10, 3000, 6}};
    for (const auto& p : przypadki) {
        SilnikTestowy t;
        ZapisObserwatora zapis;
        t.obl.UstawObserwatora(&zapis);
        t.obl.PrzygotujObliczenia(Parametry(p.rodzaj, p.n, Ulozenie::Uporzadkowane));
        const int atomy = t.obl.Stan().IloscAtomow;
        EXPECT_EQ(t.obl.Stan().LiczbaParAB, p.pary);
        EXPECT_EQ(t.obl.Stan().Sigma, 1.0);
        ASSERT_EQ(zapis.histogramy.size(), 1u);
        for (int n = 0; n < 7; ++n) {
            EXPECT_EQ(zapis.histogramy[0][n], n == p.slupek ? atomy : 0);
            EXPECT_EQ(t.obl.Pomiary().HistogramCykli(1, 0, n), n == p.slupek ? atomy : 0);
        }
    }
}

TEST(Pomiar, MagazynPodajeOstatniPomiarDoIteracji) {
    MagazynPomiarow m;
    m.UstawPrzedzial(1000);
    m.ZapiszSigme(3, 0, 0.25);
    m.ZapiszSigme(3, 1000, 0.5);
    m.ZapiszSigme(3, 2000, 0.75);
    m.ZapiszSlupek(3, 2000, 4, 17);
    EXPECT_EQ(m.SigmaCykli(3, 1000), 0.5);
    EXPECT_EQ(m.SigmaCykli(3, 1999), 0.5);
    EXPECT_EQ(m.SigmaCykli(3, 2500), 0.75);
    EXPECT_EQ(m.HistogramCykli(3, 2999, 4), 17);
    EXPECT_EQ(m.SigmaCykli(4, 1000), 0.0);
    EXPECT_THROW(m.SigmaCykli(26, 0), std::out_of_range);
}

TEST(Pomiar, PrzebiegMilionaIteracjiCo100ZachowujeKazdyPomiar) {
    SilnikTestowy t;
    ParametrySymulacji p = Parametry(RodzajSieci::Kwadratowa, 6, Ulozenie::Przypadkowe);
    p.Seria = false;
    p.MaxIloscCykli = 1000000;
    p.PozycjaPrzedzialu = 1;
    t.obl.PrzygotujObliczenia(p);
    std::vector<double> sigmy{t.obl.Stan().Sigma};
    while (t.obl.KrokSymulacji() != StanKroku::Koniec) {
        sigmy.push_back(t.obl.Stan().Sigma);
    }
    sigmy.push_back(t.obl.Stan().Sigma);
    ASSERT_EQ(sigmy.size(), 10002u); // samples at 0, 100, ..., 1000100
    for (std::size_t i = 0; i < sigmy.size(); i += 997) {
        EXPECT_EQ(t.obl.Pomiary().SigmaCykli(1, static_cast<int>(i) * 100), sigmy[i]);
    }
    EXPECT_EQ(t.obl.Pomiary().SigmaCykli(1, 1000100), sigmy.back());
    EXPECT_EQ(t.obl.Pomiary().SigmaCykli(1, 500050), sigmy[5000]);
}
