#include "UruchomRepliki.h"

#include "FluktuacjeSerii.h"
#include "MalaSiec.h"
#include "ObliczWyniki.h"
#include "Obliczenia.h"
#include "PasekPostepu.h"
#include "PlikWynikow.h"
#include "StaleZiarno.h"
#include "StatystykaProbek.h"
#include "TestWsadowy.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>

namespace fs = std::filesystem;

namespace {
class Powtorzenia : public TestWsadowy {};

// MalaSeria without its seed.
const std::vector<std::string> MalaSeria(MalaSeriaZZiarnem.begin(), MalaSeriaZZiarnem.end() - 2);

std::vector<std::string> Linie(const std::string& tekst) {
    std::vector<std::string> linie;
    std::istringstream strumien(tekst);
    for (std::string linia; std::getline(strumien, linia);) {
        linie.push_back(linia);
    }
    return linie;
}

std::vector<std::string> Pola(const std::string& linia) {
    std::vector<std::string> pola;
    std::istringstream strumien(linia);
    for (std::string pole; strumien >> pole;) {
        pola.push_back(pole);
    }
    return pola;
}

std::string Cztery(double x) {
    char bufor[32];
    std::snprintf(bufor, sizeof bufor, "%.4f", x);
    return bufor;
}

} // namespace

TEST_F(Powtorzenia, LiczbaWatkowNieZmieniaBajtow) {
    std::map<std::string, std::vector<std::string>> pliki;
    for (const std::string watki : {"1", "2", "2"}) {
        const std::string w = Plik("w" + watki + ".csv");
        const auto a =
            Uruchom(Z(MalaSeria, {"--ziarno", "4242", "--powtorzenia", "5", "--watki", watki,
                                  "--wyjscie", w, "--przebieg", Plik("p" + watki + ".csv")}));
        ASSERT_EQ(a.status, 0) << a.bledy;
        std::vector<std::string> bajty{a.wyjscie, Czytaj(w)};
        for (int k = 0; k < 5; ++k) {
            bajty.push_back(Czytaj(Plik("p" + watki + "." + std::to_string(k) + ".csv")));
            ASSERT_FALSE(bajty.back().empty());
        }
        if (pliki.count(watki)) {
            EXPECT_EQ(bajty, pliki[watki]) << "two runs on two threads";
        }
        pliki[watki] = bajty;
    }
    EXPECT_EQ(pliki["1"], pliki["2"]);
    EXPECT_FALSE(fs::exists(Plik("p1.csv")));
}

TEST_F(Powtorzenia, ReplikaKToZwyklyPrzebiegZZiarnemPlusK) {
    // One thread: its engine runs the three replicas one after another. The
    // window's generator: replica k is the window's run with seed Z + k.
    const auto r = Uruchom(
        Z(MalaSeria, {"--generator", "okna", "--ziarno", "4242", "--powtorzenia", "3", "--watki",
                      "1", "--wyjscie", Plik("w.txt"), "--przebieg", Plik("p.csv")}));
    ASSERT_EQ(r.status, 0) << r.bledy;
    std::vector<std::unique_ptr<StaleZiarno>> ziarna;
    std::vector<std::unique_ptr<Obliczenia>> silniki;
    for (int k = 0; k < 3; ++k) {
        const std::string ziarno = std::to_string(4242 + k);
        ASSERT_EQ(Uruchom(Z(MalaSeria, {"--generator", "okna", "--ziarno", ziarno, "--przebieg",
                                        Plik("z.csv")}))
                      .status,
                  0);
        EXPECT_EQ(Czytaj(Plik("p." + std::to_string(k) + ".csv")), Czytaj(Plik("z.csv"))) << k;
        ziarna.push_back(std::make_unique<StaleZiarno>(4242 + k));
        silniki.push_back(SilnikMalejSerii(*ziarna.back()));
    }

    // The results file: the fit of the replica means of the stored sigmas,
    // with the offset J of the first replica's stream.
    DaneWynikow dane = DaneWynikowZ(*silniki[0], std::nullopt, silniki[0]->LosujPrzesuniecieTc());
    const std::vector<std::string> linie = Linie(r.wyjscie);
    // The table, the line that three replicas give no error, the peak, what
    // one size's peak is not and the infinite lattice's lambda_c.
    ASSERT_EQ(linie.size(), 1 + 4 + 4u);
    EXPECT_EQ(linie[5], "błędy z rozrzutu powtórzeń wymagają co najmniej 5 powtórzeń");
    for (int k = 1; k <= 4; ++k) {
        std::vector<double> sigmy;
        for (const auto& s : silniki) {
            sigmy.push_back(s->Stan().SigmaSerii[k]);
        }
        dane.SigmaSerii[k] = (sigmy[0] + sigmy[1] + sigmy[2]) / 3;
        const SredniaZBledem sigma = SredniaNiezaleznych(sigmy);
        const std::vector<std::string> pola = Pola(linie[k]);
        // tau_int and the independent samples, then the verdict.
        ASSERT_EQ(pola.size(), 15u) << linie[k];
        EXPECT_EQ(pola[11] + " " + pola[12] + " " + pola[13] + " " + pola[14],
                  "0/3 za mało pomiarów")
            << "seven samples are too few to tell the equilibrium";
        EXPECT_EQ(pola[1], Cztery(silniki[0]->Stan().LambdaSerii[k]));
        EXPECT_EQ(pola[2], Cztery(sigma.Srednia));
        EXPECT_EQ(pola[3], "-") << "three replicas: no error from their spread";
    }
    const WynikiSerii wyniki = ObliczWyniki(dane);
    EXPECT_EQ(Czytaj(Plik("w.txt")), TrescPlikuWynikow(wyniki.Teksty, PolaWynikow{}, '\t'));
    EXPECT_EQ(Pola(linie[2])[8], wyniki.Teksty.MCvkN[1])
        << "the fitted Cv/kN as the results show it";

    // With --fluktuacje: the means over the replicas of what the window's
    // results core makes of each engine's stores.
    ASSERT_EQ(Uruchom(Z(MalaSeria, {"--generator", "okna", "--ziarno", "4242", "--powtorzenia", "3",
                                    "--wyjscie", Plik("f.txt"), "--fluktuacje"}))
                  .status,
              0);
    std::vector<FluktuacjeSerii> fluktuacje;
    for (const auto& silnik : silniki) {
        fluktuacje.push_back(FluktuacjeZ(*silnik));
    }
    TekstyWynikow teksty = wyniki.Teksty;
    teksty.Fluktuacje = TekstyFluktuacjiZ(SrednieFluktuacji(fluktuacje), 1);
    PolaWynikow pola;
    pola.Fluktuacje = true;
    EXPECT_EQ(Czytaj(Plik("f.txt")), TrescPlikuWynikow(teksty, pola, '\t'));

    // The seeds wrap around past the largest one.
    ASSERT_EQ(Uruchom(Z(MalaSeria, {"--generator", "okna", "--ziarno", "4294967295",
                                    "--powtorzenia", "2", "--przebieg", Plik("g.csv")}))
                  .status,
              0);
    ASSERT_EQ(
        Uruchom(Z(MalaSeria, {"--generator", "okna", "--ziarno", "0", "--przebieg", Plik("z.csv")}))
            .status,
        0);
    EXPECT_EQ(Czytaj(Plik("g.1.csv")), Czytaj(Plik("z.csv")));
}

TEST_F(Powtorzenia, JedenOdczytZegaraDlaWszystkichReplik) {
    ZegarMilisekundy zegar(51234567);
    const auto a = Uruchom(Z(MalaSeria, {"--powtorzenia", "3"}), zegar);
    ASSERT_EQ(a.status, 0) << a.bledy;
    EXPECT_EQ(zegar.odczyty, 1);
    const std::string pierwsza = "ziarno 51234567\n";
    ASSERT_EQ(a.wyjscie.substr(0, pierwsza.size()), pierwsza);
    const auto b = Uruchom(Z(MalaSeria, {"--powtorzenia", "3", "--ziarno", "51234567"}));
    EXPECT_EQ(a.wyjscie.substr(pierwsza.size()), b.wyjscie);
}

TEST_F(Powtorzenia, BledneOpcjeNicNieZapisuja) {
    const std::vector<std::vector<std::string>> zle = {
        {"--powtorzenia", "0"}, {"--powtorzenia", "65"}, {"--powtorzenia", "2.5"},
        {"--powtorzenia", ""},  {"--watki", "0"},        {"--watki", "65"},
        {"--watki", "-2"},      {"--watki", "dwa"},
    };
    for (const auto& argumenty : zle) {
        const auto w = Uruchom(Z(Z(MalaSeria, {"--przebieg", Plik("p.csv"), "--wyjscie",
                                               Plik("w.csv"), "--powtorzenia", "2"}),
                                 {argumenty[0], argumenty[1]}));
        EXPECT_EQ(w.status, 2) << argumenty[0] << " " << argumenty[1];
        EXPECT_EQ(std::count(w.bledy.begin(), w.bledy.end(), '\n'), 1) << w.bledy;
        EXPECT_NE(w.bledy.find(argumenty[0]), std::string::npos) << w.bledy;
        EXPECT_TRUE(w.wyjscie.empty());
        EXPECT_TRUE(fs::is_empty(folder_));
    }

    // A replica's trace name taken by a folder: refused before anything runs.
    fs::create_directory(Plik("p.1.csv"));
    const auto w = Uruchom(Z(MalaSeria, {"--powtorzenia", "3", "--przebieg", Plik("p.csv"),
                                         "--wyjscie", Plik("w.csv")}));
    EXPECT_EQ(w.status, 1);
    EXPECT_NE(w.bledy.find("p.1.csv"), std::string::npos) << w.bledy;
    EXPECT_FALSE(fs::exists(Plik("p.0.csv")));
    EXPECT_FALSE(fs::exists(Plik("w.csv")));
}

// Replica k of the 64-bit generator is the engine on stream k of the study's
// seed, so that studies on the neighbouring seeds Z and Z + 1 share no
// replica; on the window's generator replica 1 of Z is replica 0 of Z + 1.
TEST_F(Powtorzenia, ReplikaKToStrumienKZiarna) {
    const auto przebiegi = [&](const std::string& ziarno, const std::string& generator) {
        const std::string plik = Plik(ziarno + generator + ".csv");
        const auto w = Uruchom(Z(MalaSeria, {"--ziarno", ziarno, "--powtorzenia", "2",
                                             "--generator", generator, "--przebieg", plik}));
        EXPECT_EQ(w.status, 0) << w.bledy;
        return std::vector<std::string>{Czytaj(Plik(ziarno + generator + ".0.csv")),
                                        Czytaj(Plik(ziarno + generator + ".1.csv"))};
    };
    const auto okna103 = przebiegi("103", "okna");
    const auto okna104 = przebiegi("104", "okna");
    EXPECT_EQ(okna103[1], okna104[0]);
    const auto x103 = przebiegi("103", "xoshiro");
    const auto x104 = przebiegi("104", "xoshiro");
    for (const auto& a : {x103[0], x103[1]}) {
        for (const auto& b : {x104[0], x104[1]}) {
            EXPECT_NE(a, b);
        }
    }
    EXPECT_NE(x103[0], x103[1]);

    // The engine itself on stream 1 of seed 103 gives replica 1's trace.
    const auto w = Uruchom(Z(MalaSeria, {"--ziarno", "103", "--powtorzenia", "2", "--wyjscie",
                                         Plik("w.txt"), "--watki", "1"}));
    ASSERT_EQ(w.status, 0) << w.bledy;
    StaleZiarno ziarno(103);
    Obliczenia obl(ziarno);
    obl.UstawGenerator(RodzajGeneratora::Xoshiro, 1);
    obl.PrzygotujObliczenia(mala::ParametrySerii());
    DoKonca(obl);
    int wierszy = 0;
    std::istringstream przebieg(x103[1]);
    std::string linia;
    std::getline(przebieg, linia);
    while (std::getline(przebieg, linia)) {
        std::vector<std::string> pola;
        std::stringstream s(linia);
        for (std::string pole; std::getline(s, pole, ',');) {
            pola.push_back(pole);
        }
        ASSERT_EQ(std::stod(pola[4]),
                  obl.Pomiary().SigmaCykli(std::stoi(pola[0]), std::stoi(pola[2])))
            << linia;
        ++wierszy;
    }
    EXPECT_EQ(wierszy, 4 * 7);
}

TEST_F(Powtorzenia, NazwyPlikowPrzebiegu) {
    EXPECT_EQ(NazwaPrzebiegu("a/b.c/przebieg.csv", 3, 8), "a/b.c/przebieg.3.csv");
    EXPECT_EQ(NazwaPrzebiegu("przebieg", 0, 2), "przebieg.0");
    EXPECT_EQ(NazwaPrzebiegu("a/przebieg.csv", 0, 1), "a/przebieg.csv");
}

TEST_F(Powtorzenia, PojedynczaSymulacjaIKlasteryzacja) {
    // One lambda of too few samples: no series to take the peak from.
    const auto jedna = Uruchom({"--lambda", "1.2", "--osie", "6", "--iteracje", "10000", "--ziarno",
                                "3", "--powtorzenia", "2"});
    ASSERT_EQ(jedna.status, 0) << jedna.bledy;
    const std::vector<std::string> linie = Linie(jedna.wyjscie);
    ASSERT_EQ(linie.size(), 6u);
    EXPECT_EQ(Pola(linie[1])[8], "-") << "no fit without a series";
    EXPECT_EQ(linie[3], "maksimum Cv/kN (fluktuacje): lambda_max dla tej sieci (6 × 6) = nie "
                        "wyznaczono, przy maksimum za mało serii bez dryfu: zwiększ ilość iteracji")
        << "too few samples to tell the equilibrium";

    // Clustering tells the transition by |lambda|.
    const auto k =
        Uruchom(Z(MalaSeria, {"--tryb", "klasteryzacja", "--ziarno", "5", "--powtorzenia", "4"}));
    ASSERT_EQ(k.status, 0) << k.bledy;
    EXPECT_TRUE(std::regex_search(
        k.wyjscie,
        std::regex("\nmaksimum Cv/kN \\(fluktuacje\\): lambda_max dla tej sieci \\(6 × 6\\) = .+")))
        << k.wyjscie;
}

TEST_F(Powtorzenia, PrzejscieKwadratowejSieciBliskoDokladnego) {
    // 12 x 12, ordered start, 5 replicas of some 14 000 attempts per atom per
    // lambda, and the pooled reweighted peak of the fluctuation Cv/kN lies
    // within its error of the exact finite-lattice peak at fixed composition
    // (0.8460 at L = 10, 0.8637 at L = 20; about 0.852 at 12).
    const auto w =
        Uruchom({"--osie", "12", "--uklad", "uporzadkowane", "--lambda", "0.70:1.00:0.05",
                 "--iteracje", "2000000", "--co", "1000", "--ziarno", "1", "--powtorzenia", "5"});
    ASSERT_EQ(w.status, 0) << w.bledy;
    std::smatch dopasowanie;
    // The peak's line, then the note on the finite lattice and the infinite
    // lattice's lambda_c.
    const std::string ostatnia = Linie(w.wyjscie).end()[-3];
    EXPECT_EQ(Linie(w.wyjscie).back(), "λ_c sieci nieskończonej (c = 0.5): 0.8814 (dokładnie)");
    ASSERT_TRUE(std::regex_search(ostatnia, dopasowanie,
                                  std::regex("lambda_max dla tej sieci \\(12 × 12\\) = ([0-9.]+) ± "
                                             "([0-9.]+) \\(przeważanie histogramów")))
        << w.wyjscie;
    const double blad = std::stod(dopasowanie[2]);
    EXPECT_GT(blad, 0.0);
    EXPECT_LT(blad, 0.05);
    EXPECT_NEAR(std::stod(dopasowanie[1]), 0.852, 4 * blad + 0.004);
}

TEST_F(Powtorzenia, PasekPostepuKonczySiePelnymStanem) {
    std::ostringstream wyjscie, bledy;
    ZegarMilisekundy zegar(1);
    ASSERT_EQ(UruchomWsadowo(Z(MalaSeria, {"--ziarno", "1", "--powtorzenia", "3", "--watki", "2"}),
                             zegar, wyjscie, bledy, true),
              0);
    const std::string pasek = bledy.str();
    const std::size_t ostatni = pasek.rfind('\r');
    ASSERT_NE(ostatni, std::string::npos) << pasek;
    EXPECT_TRUE(std::regex_match(pasek.substr(ostatni + 1),
                                 std::regex("powtórzenia 3/3 \\[#{30}\\] [0-9.]+ mln prób/s \n")))
        << pasek;
}

// While the second start of the two-start check runs the series again, the
// line says so, lest the series count starting over look like a restart.
TEST(PasekPostepu, DrugiStartNazwanyWLinii) {
    std::ostringstream wyjscie;
    PasekPostepu pasek(wyjscie, true);
    pasek.Pokaz(3, 11, 500, 1000, 100, false, true);
    EXPECT_NE(wyjscie.str().find("\rdrugi start, seria 3/11 [###############"), std::string::npos)
        << wyjscie.str();
    pasek.Pokaz(11, 11, 1000, 1000, 200, true, false);
    EXPECT_NE(wyjscie.str().find("\rseria 11/11 [#"), std::string::npos) << wyjscie.str();
}
