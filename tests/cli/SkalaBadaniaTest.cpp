// A study's scale from the command line: lists and fine ranges of lambda,
// series of more lambdas than the window's, large lattices, and a study that
// cannot fit in memory refused before it starts.
#include "PamiecBadania.h"
#include "ParserOpcji.h"
#include "TestWsadowy.h"
#include "Windows1250.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {
class SkalaBadania : public TestWsadowy {};

std::vector<int> Lista(const std::vector<std::string>& argumenty) {
    const auto wynik = CzytajOpcje(argumenty);
    const auto* opcje = std::get_if<OpcjeWsadowe>(&wynik);
    return opcje ? opcje->Parametry.ListaLambd : std::vector<int>{-1};
}

// The lambdas of a trace's lines, as read back.
std::vector<double> LambdyPrzebiegu(const std::string& przebieg) {
    std::vector<double> lambdy;
    std::istringstream linie(przebieg);
    std::string linia;
    std::getline(linie, linia);
    while (std::getline(linie, linia)) {
        const std::size_t przecinek = linia.find(',');
        const double lambda = std::strtod(linia.c_str() + przecinek + 1, nullptr);
        if (lambdy.empty() || lambdy.back() != lambda) {
            lambdy.push_back(lambda);
        }
    }
    return lambdy;
}
} // namespace

TEST_F(SkalaBadania, ListyIZakresyLambdyWMilionowych) {
    EXPECT_EQ(Lista({"--lambda", "0.86,0.8637,0.87"}), (std::vector<int>{860000, 863700, 870000}));
    EXPECT_EQ(Lista({"--lambda", "0.87,0.86"}), (std::vector<int>{860000, 870000})) << "sorted";
    EXPECT_EQ(Lista({"--lambda", "0.86:0.87:0.0025"}),
              (std::vector<int>{860000, 862500, 865000, 867500, 870000}));
    EXPECT_EQ(Lista({"--lambda", "0.86:0.87:0.003"}),
              (std::vector<int>{860000, 863000, 866000, 869000, 870000}))
        << "the last at the end, as a series in hundredths";
    EXPECT_EQ(Lista({"--lambda", "0.8637"}), (std::vector<int>{863700}));
    EXPECT_EQ(Lista({"--lambda", "0,8637"}), (std::vector<int>{863700}));
    // On the hundredths nothing changes: no list, the same positions as before.
    const auto setne = CzytajOpcje({"--lambda", "0.80:1.00:0.01"});
    ASSERT_TRUE(std::holds_alternative<OpcjeWsadowe>(setne));
    EXPECT_TRUE(std::get<OpcjeWsadowe>(setne).Parametry.ListaLambd.empty());
    EXPECT_EQ(Lista({"--lambda", "1,2"}), std::vector<int>{}) << "one decimal with a comma";
    for (const char* zla : {"0.86,0.86", "0.86,,0.87", "0.09,0.5", "0.5,2.400001", "0.86:0.87:0",
                            "0.1234567", "0.86;0.87"}) {
        EXPECT_EQ(Lista({"--lambda", zla}), std::vector<int>{-1}) << zla;
    }
}

TEST_F(SkalaBadania, OsieBadania) {
    for (const auto& [argumenty, dobre] : std::vector<std::pair<std::vector<std::string>, bool>>{
             {{"--osie", "512"}, true},
             {{"--osie", "512x6"}, true},
             {{"--osie", "514"}, false},
             {{"--siec", "3DR", "--osie", "128"}, true},
             {{"--siec", "3DR", "--osie", "128x128x130"}, false},
             {{"--osie", "64,128,256,512", "--lambda", "0.8:0.9:0.05"}, true},
             {{"--siec", "3DR", "--osie", "32,64,128", "--lambda", "0.3:0.4:0.05"}, true},
             {{"--siec", "3DR", "--osie", "64,130", "--lambda", "0.3:0.4:0.05"}, false}}) {
        EXPECT_EQ(std::holds_alternative<OpcjeWsadowe>(CzytajOpcje(argumenty)), dobre)
            << argumenty[1] << " " << argumenty.back();
    }
}

TEST_F(SkalaBadania, ListaLambdDajeTeLambdyWeWszystkichWyjsciach) {
    const auto w = Uruchom({"--osie", "8", "--iteracje", "10000", "--co", "1000", "--lambda",
                            "0.86,0.8637,0.87", "--ziarno", "5", "--wyjscie", Plik("w.csv"),
                            "--przebieg", Plik("p.csv")});
    ASSERT_EQ(w.status, 0) << w.bledy;
    EXPECT_EQ(LambdyPrzebiegu(Czytaj(Plik("p.csv"))), (std::vector<double>{0.86, 0.8637, 0.87}));
    const std::string plik = Czytaj(Plik("w.csv"));
    EXPECT_NE(plik.find(NaWindows1250("Lambda początkowa: 0.8600;   Lambda końcowa: 0.8700")),
              std::string::npos)
        << plik;
    for (const char* wiersz : {"\n0.8600,", "\n0.8637,", "\n0.8700,"}) {
        EXPECT_NE(plik.find(wiersz), std::string::npos) << wiersz << plik;
    }
    for (const char* lambda : {"0.8600", "0.8637", "0.8700"}) {
        EXPECT_NE(w.wyjscie.find(lambda), std::string::npos) << lambda << w.wyjscie;
    }
}

TEST_F(SkalaBadania, SeriaPonadOknoWCzesciachScalonaTaSama) {
    // 30 lambdas of 10 100 samples each, more than the window's 24 and 10 000;
    // two parts merged give the bytes of one process, the list's file as well.
    for (const std::string lambda : {"0.10:0.39:0.01", "0.5,0.5001,0.5002"}) {
        const std::vector<std::string> badanie = {"--osie",   "6",   "--iteracje",    "1200000",
                                                  "--co",     "100", "--lambda",      lambda,
                                                  "--ziarno", "9",   "--powtorzenia", "2"};
        const auto caly = Uruchom(Z(badanie, {"--wyjscie", Plik("caly.csv")}));
        ASSERT_EQ(caly.status, 0) << caly.bledy;
        for (const char* czesc : {"0/2", "1/2"}) {
            const std::string nazwa = Plik(std::string("c") + czesc[0] + ".txt");
            ASSERT_EQ(Uruchom(Z(badanie, {"--czesc", czesc, "--powtorzenia-plik", nazwa})).status,
                      0);
        }
        const auto scalony =
            Uruchom({"--scal", Plik("c0.txt"), Plik("c1.txt"), "--wyjscie", Plik("scalony.csv")});
        ASSERT_EQ(scalony.status, 0) << scalony.bledy;
        EXPECT_EQ(Czytaj(Plik("caly.csv")), Czytaj(Plik("scalony.csv"))) << lambda;
        EXPECT_EQ(caly.wyjscie, scalony.wyjscie) << lambda;
    }
    const std::string plik = Czytaj(Plik("caly.csv"));
    EXPECT_NE(plik.find("\n0.5001,"), std::string::npos) << plik;
}

TEST_F(SkalaBadania, DuzaSiecKrotkiPrzebieg) {
    const auto w = Uruchom({"--osie", "256", "--iteracje", "20000", "--co", "10000", "--lambda",
                            "0.9", "--ziarno", "3", "--generator", "xoshiro"});
    ASSERT_EQ(w.status, 0) << w.bledy;
    EXPECT_NE(w.wyjscie.find("0.90"), std::string::npos) << w.wyjscie;
}

TEST_F(SkalaBadania, ZaDuzeBadanieOdrzuconeZanimRuszy) {
    // 23 001 lambdas of 10^7 samples: terabytes on any machine.
    const auto w = Uruchom({"--lambda", "0.1:2.4:0.0001", "--iteracje", "1000000000", "--co", "100",
                            "--przebieg", Plik("p.csv")});
    EXPECT_EQ(w.status, 1);
    EXPECT_EQ(std::count(w.bledy.begin(), w.bledy.end(), '\n'), 1) << w.bledy;
    EXPECT_TRUE(w.bledy.starts_with("Za mało pamięci na to badanie: potrzebuje około ")) << w.bledy;
    EXPECT_NE(w.bledy.find(" GB, a komputer ma "), std::string::npos) << w.bledy;
    EXPECT_TRUE(w.wyjscie.empty());
    EXPECT_FALSE(std::filesystem::exists(Plik("p.csv")));
}

TEST_F(SkalaBadania, OszacowaniePamieci) {
    const auto przeczytaj = [](const std::vector<std::string>& argumenty) {
        return std::get<OpcjeWsadowe>(CzytajOpcje(argumenty));
    };
    // The defaults: one replica, so one engine of the window's stores, about 17 MB.
    const OpcjeWsadowe domyslne = przeczytaj({});
    EXPECT_GT(PamiecBadania(domyslne, 2), 16.6e6);
    EXPECT_LT(PamiecBadania(domyslne, 2), 18e6);
    EXPECT_FALSE(OdmowaPamieci(domyslne, 2, 1e9));
    // 100 lambdas of 10^6 samples: per engine 102 rows x 8 reals, 100 x 3
    // kept per sample, and half the samples of each of 4 replicas kept.
    const OpcjeWsadowe duze = przeczytaj({"--lambda", "0.5:0.599:0.001", "--iteracje", "100000000",
                                          "--co", "100", "--powtorzenia", "4"});
    const double pomiarow = 1000002;
    const double oczekiwana =
        2 * (102 * pomiarow * 64 + 100 * pomiarow * 24) + 4 * 100 * pomiarow / 2 * 8;
    EXPECT_NEAR(PamiecBadania(duze, 2), oczekiwana, 2e7);
    EXPECT_NEAR(PamiecBadania(duze, 8),
                oczekiwana + 2 * 102 * pomiarow * 64 + 2 * 100 * pomiarow * 24, 4e7)
        << "at most one engine a replica";
    const auto odmowa = OdmowaPamieci(duze, 2, 8e9);
    ASSERT_TRUE(odmowa);
    EXPECT_EQ(*odmowa, "Za mało pamięci na to badanie: potrzebuje około " +
                           TekstBajtow(PamiecBadania(duze, 2)) +
                           ", a komputer ma 8.0 GB, z czego badanie może zająć najwyżej 80 % "
                           "(zwiększ --co, zmniejsz --iteracje, liczbę wartości --lambda, "
                           "--watki lub --powtorzenia); nic nie zostało uruchomione.");
    EXPECT_FALSE(OdmowaPamieci(duze, 2, PamiecBadania(duze, 2) / 0.8 + 1));
    EXPECT_TRUE(OdmowaPamieci(duze, 2, PamiecBadania(duze, 2) / 0.8 - 1e6));
    EXPECT_EQ(TekstBajtow(850e6), "850 MB");
    EXPECT_EQ(TekstBajtow(12.34e9), "12.3 GB");
    EXPECT_FALSE(OdmowaPamieci(duze, 2, 0)) << "a machine that does not tell";
}
