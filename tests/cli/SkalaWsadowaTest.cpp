#include "ParserOpcji.h"
#include "TestWsadowy.h"
#include "Windows1250.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
class SkalaWsadowa : public TestWsadowy {};

const OpcjeWsadowe* Przeczytane(const std::variant<OpcjeWsadowe, BladOpcji>& wynik) {
    return std::get_if<OpcjeWsadowe>(&wynik);
}
} // namespace

TEST_F(SkalaWsadowa, GranicePrzyjete) {
    const auto najdluzszy = CzytajOpcje({"--iteracje", "1000000000", "--co", "1000000"});
    ASSERT_NE(Przeczytane(najdluzszy), nullptr);
    EXPECT_EQ(Przeczytane(najdluzszy)->Parametry.MaxIloscCykli, 1000000000);
    EXPECT_EQ(Przeczytane(najdluzszy)->Parametry.PozycjaPrzedzialu, 10000);
    EXPECT_EQ(Przeczytane(najdluzszy)->Parametry.Skala, SkalaParametrow::Wsadowa);
    // 10 000 samples per series, at the shortest and at the longest interval.
    EXPECT_NE(Przeczytane(CzytajOpcje({"--co", "100", "--iteracje", "1000099"})), nullptr);
    EXPECT_NE(Przeczytane(CzytajOpcje({"--iteracje", "1000000000", "--co", "100000"})), nullptr);
    // 24 lambdas in hundredths; a step up to a tenth past the end, as the window allows.
    const auto siatka = CzytajOpcje({"--lambda", "0,80:1.03:0.01"});
    ASSERT_NE(Przeczytane(siatka), nullptr);
    const ParametrySymulacji& p = Przeczytane(siatka)->Parametry;
    EXPECT_EQ(p.PozycjaLambdy, 80);
    EXPECT_EQ(p.PozycjaLambdyKoncowej, 103);
    EXPECT_EQ(p.PozycjaKroku, 1);
    EXPECT_NE(Przeczytane(CzytajOpcje({"--lambda", "0.1:2.4:2.4"})), nullptr);
    EXPECT_NE(Przeczytane(CzytajOpcje({"--lambda", "2.40"})), nullptr);
    // The defaults are the window's series, moved to hundredths.
    const auto domyslne = CzytajOpcje({});
    ASSERT_NE(Przeczytane(domyslne), nullptr);
    EXPECT_EQ(Przeczytane(domyslne)->Parametry.PozycjaLambdy, 10);
    EXPECT_EQ(Przeczytane(domyslne)->Parametry.PozycjaLambdyKoncowej, 240);
    EXPECT_EQ(Przeczytane(domyslne)->Parametry.PozycjaKroku, 30);
}

TEST_F(SkalaWsadowa, PonadGraniceOdrzuconeJednaLinia) {
    const std::vector<std::vector<std::string>> zle = {
        {"--iteracje", "1000000001", "--co", "1000000"},
        {"--co", "1000100"},
        {"--co", "100000", "--iteracje", "1000100000"},
        {"--lambda", "0.09"},
        {"--lambda", "2.41"},
        {"--lambda", "0.5:1.0:0.61"},
        {"--lambda", "0.8:0.9:0"},
        {"--lambda", "0.86:0.87:0.0000001"},
        {"--lambda", "0.86,0.8637,"},
    };
    for (const auto& argumenty : zle) {
        const auto w = Uruchom(Z(argumenty, {"--przebieg", Plik("p.csv")}));
        EXPECT_EQ(w.status, 2) << argumenty[1];
        EXPECT_EQ(std::count(w.bledy.begin(), w.bledy.end(), '\n'), 1) << w.bledy;
        EXPECT_TRUE(w.wyjscie.empty());
        EXPECT_FALSE(std::filesystem::exists(Plik("p.csv")));
    }
}

TEST_F(SkalaWsadowa, SiatkaCoSetnaZDwomaMiejscami) {
    const auto w = Uruchom({"--osie", "6", "--iteracje", "10000", "--co", "2000", "--lambda",
                            "0.80:0.85:0.01", "--ziarno", "5", "--wyjscie", Plik("w.csv")});
    ASSERT_EQ(w.status, 0) << w.bledy;
    for (const char* lambda : {"0.8000", "0.8100", "0.8200", "0.8300", "0.8400", "0.8500"}) {
        EXPECT_NE(w.wyjscie.find(lambda), std::string::npos) << lambda;
    }
    const std::string plik = Czytaj(Plik("w.csv"));
    EXPECT_NE(plik.find(NaWindows1250("Lambda początkowa: 0.80;   Lambda końcowa: 0.85")),
              std::string::npos)
        << plik;
    std::size_t wiersze = 0;
    for (const char* lambda : {"\n0.80,", "\n0.81,", "\n0.82,", "\n0.83,", "\n0.84,", "\n0.85,"}) {
        wiersze += plik.find(lambda) != std::string::npos;
    }
    EXPECT_EQ(wiersze, 6u) << plik;

    // A grid on tenths keeps one decimal, as the window writes it.
    ASSERT_EQ(Uruchom({"--osie", "6", "--iteracje", "10000", "--co", "2000", "--lambda",
                       "0.80:1.00:0.10", "--ziarno", "5", "--wyjscie", Plik("d.csv")})
                  .status,
              0);
    const std::string dziesiate = Czytaj(Plik("d.csv"));
    EXPECT_NE(dziesiate.find("\n0.8,"), std::string::npos) << dziesiate;
    EXPECT_EQ(dziesiate.find("\n0.80,"), std::string::npos) << dziesiate;
}
