#include "BadanieRozmiarow.h"
#include "CzytnikSkoroszytu.h"
#include "DoKonca.h"
#include "FluktuacjeSerii.h"
#include "MalaSiec.h"
#include "ObliczWyniki.h"
#include "Obliczenia.h"
#include "OpisyOpcji.h"
#include "ParserOpcji.h"
#include "PlikWynikow.h"
#include "StaleZiarno.h"
#include "TestWsadowy.h"
#include "WypiszPodsumowanie.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {
class PrzebiegWsadowy : public TestWsadowy {};

const std::vector<std::string>& MalaSeria = MalaSeriaZZiarnem;

} // namespace

TEST_F(PrzebiegWsadowy, TeSameZiarnoDajeTeSameBajty) {
    const auto a = Uruchom(Z(MalaSeria, {"--wyjscie", Plik("a.csv"), "--przebieg", Plik("a.trc")}));
    const auto b = Uruchom(Z(MalaSeria, {"--wyjscie", Plik("b.csv"), "--przebieg", Plik("b.trc")}));
    ASSERT_EQ(a.status, 0) << a.bledy;
    EXPECT_EQ(a.wyjscie, b.wyjscie);
    EXPECT_EQ(Czytaj(Plik("a.csv")), Czytaj(Plik("b.csv")));
    EXPECT_EQ(Czytaj(Plik("a.trc")), Czytaj(Plik("b.trc")));
    EXPECT_NE(a.wyjscie.find("Cv/kN (fluktuacje)"), std::string::npos);
}

TEST_F(PrzebiegWsadowy, PlikWynikowIPrzebiegJakZSilnikaOkna) {
    ASSERT_EQ(Uruchom(Z(MalaSeria, {"--generator", "okna", "--wyjscie", Plik("w.txt"), "--przebieg",
                                    Plik("p.csv")}))
                  .status,
              0);

    // The window's engine on the same seed and parameters.
    StaleZiarno ziarno(4242);
    const std::unique_ptr<Obliczenia> silnik = SilnikMalejSerii(ziarno);
    Obliczenia& obl = *silnik;
    const WynikiSerii wyniki = ObliczWyniki(obl, std::nullopt, obl.LosujPrzesuniecieTc());
    EXPECT_EQ(Czytaj(Plik("w.txt")), TrescPlikuWynikow(wyniki.Teksty, PolaWynikow{}, '\t'));

    std::ifstream przebieg(Plik("p.csv"));
    std::string linia;
    std::getline(przebieg, linia);
    EXPECT_EQ(linia, "seria,lambda,iteracja,energia,sigma,pary_ab,h0,h1,h2,h3,h4,h5,h6");
    int wierszy = 0;
    while (std::getline(przebieg, linia)) {
        std::vector<std::string> pola;
        std::stringstream s(linia);
        for (std::string pole; std::getline(s, pole, ',');) {
            pola.push_back(pole);
        }
        pola.resize(13);
        const int seria = std::stoi(pola[0]);
        const double lambda = std::stod(pola[1]);
        const int iteracja = std::stoi(pola[2]);
        const double energia = std::stod(pola[3]);
        const double pary = std::stod(pola[5]);
        ASSERT_EQ(std::stod(pola[4]), obl.Pomiary().SigmaCykli(seria, iteracja)) << linia;
        ASSERT_NEAR(energia, -lambda * pary, 1e-9) << linia;
        double atomy = 0, konce = 0;
        for (int n = 0; n <= 4; ++n) {
            atomy += std::stod(pola[6 + n]);
            konce += n * std::stod(pola[6 + n]);
        }
        ASSERT_EQ(atomy, 36) << linia;
        ASSERT_EQ(konce, 2 * pary) << linia;
        ASSERT_TRUE(pola[11].empty() && pola[12].empty()) << linia;
        ++wierszy;
    }
    EXPECT_EQ(wierszy, 4 * 7); // four series of seven samples (0, 2000, ..., 12000)
}

TEST_F(PrzebiegWsadowy, WyjscieXlsxToSkoroszyt) {
    ASSERT_EQ(Uruchom(Z(MalaSeria, {"--wyjscie", Plik("w.XLSX")})).status, 0);
    int liczby = 0;
    for (const auto& [miejsce, komorka] : CzytnikSkoroszytu::Czytaj(Plik("w.XLSX"))) {
        liczby += komorka.Liczba;
    }
    EXPECT_EQ(liczby, 3 * 4 + 2); // three columns of four series, the transition
    EXPECT_NE(TekstPomocy().find(".xlsx"), std::string::npos);
}

TEST_F(PrzebiegWsadowy, BledneOpcjeOdrzuconeZanimCokolwiekRuszy) {
    const std::vector<std::vector<std::string>> zle = {
        {"--siec", "3D"},
        {"--osie", "7"},
        {"--osie", "514"},
        {"--siec", "3DR", "--osie", "130"},
        {"--siec", "3DR", "--osie", "10x10"},
        {"--siec", "2DTrojkat", "--osie", "10x10x10"},
        {"--tryb", "porzadek"},
        {"--lambda", "0.1555555"},
        {"--lambda", "0.86,0.87,0.86"},
        {"--lambda", "0.86,0.87,2.41"},
        {"--lambda", "2.5"},
        {"--lambda", "1.0:0.5:0.1"},
        {"--lambda", "0.5:1.0:0.7"},
        {"--lambda", "0.5:1.0"},
        {"--koncentracja", "0.55"},
        {"--koncentracja", "0.105"},
        {"--iteracje", "9999"},
        {"--iteracje", "1e5"},
        {"--co", "150"},
        {"--uklad", "losowe"},
        {"--ziarno", "-1"},
        {"--generator", "pcg64"},
        {"--generator", "OKNA"},
        {"--stopien", "25"},
        {"--lambda", "0.5", "--wyjscie", "x.csv"},
        {"--fluktuacje=tak", "--wyjscie", "x.csv"},
        {"--dwa-starty=tak"},
        {"--dwa-starty", "--koncentracja", "0.40"},
        {"--nieznana"},
        {"--co"},
    };
    for (const auto& argumenty : zle) {
        const auto w = Uruchom(Z(argumenty, {"--przebieg", Plik("p.csv")}));
        EXPECT_EQ(w.status, 2) << argumenty[0];
        EXPECT_FALSE(w.bledy.empty());
        EXPECT_EQ(std::count(w.bledy.begin(), w.bledy.end(), '\n'), 1) << w.bledy;
        EXPECT_FALSE(fs::exists(Plik("p.csv")));
    }
}

TEST_F(PrzebiegWsadowy, NiezapisywalnyPlikToStatus1IBezSladu) {
    const auto w = Uruchom(Z(MalaSeria, {"--wyjscie", Plik("brak/w.csv")}));
    EXPECT_EQ(w.status, 1);
    EXPECT_NE(w.bledy.find("Nie można zapisać pliku"), std::string::npos);
    EXPECT_TRUE(w.wyjscie.empty());
    EXPECT_FALSE(fs::exists(Plik("brak")));

    fs::create_directory(Plik("folder.csv"));
    EXPECT_EQ(Uruchom(Z(MalaSeria, {"--wyjscie", Plik("folder.csv")})).status, 1);
}

TEST_F(PrzebiegWsadowy, PojedynczaSymulacjaBezPlikuWynikow) {
    const auto w = Uruchom({"--lambda", "1,2", "--osie", "6", "--iteracje", "10000", "--ziarno",
                            "3", "--siec", "2DHeksagonalna"});
    ASSERT_EQ(w.status, 0) << w.bledy;
    EXPECT_NE(w.wyjscie.find("1.2000"), std::string::npos);
    EXPECT_EQ(std::count(w.wyjscie.begin(), w.wyjscie.end(), '\n'), 2); // head and one series
}

TEST_F(PrzebiegWsadowy, BezZiarnaJedenOdczytZegaraIZiarnoWPodsumowaniu) {
    const std::vector<std::string> bezZiarna(MalaSeria.begin(), MalaSeria.end() - 2);
    ZegarMilisekundy zegar(51234567);
    const auto a =
        Uruchom(Z(bezZiarna, {"--wyjscie", Plik("a.csv"), "--przebieg", Plik("a.trc")}), zegar);
    ASSERT_EQ(a.status, 0) << a.bledy;
    EXPECT_EQ(zegar.odczyty, 1) << "every series of the run continues one stream";
    const std::string pierwsza = "ziarno 51234567\n";
    ASSERT_EQ(a.wyjscie.substr(0, pierwsza.size()), pierwsza);

    // The printed seed repeats the run.
    const auto b = Uruchom(Z(bezZiarna, {"--ziarno", "51234567", "--wyjscie", Plik("b.csv"),
                                         "--przebieg", Plik("b.trc")}));
    ASSERT_EQ(b.status, 0) << b.bledy;
    EXPECT_EQ(a.wyjscie.substr(pierwsza.size()), b.wyjscie);
    EXPECT_EQ(Czytaj(Plik("a.csv")), Czytaj(Plik("b.csv")));
    EXPECT_EQ(Czytaj(Plik("a.trc")), Czytaj(Plik("b.trc")));
    EXPECT_EQ(b.wyjscie.find("ziarno"), std::string::npos) << "a given seed is not repeated";
}

// --fluktuacje adds to the results file what the window's results core makes
// of the samples its engine stores; the file without it stays as it was.
TEST_F(PrzebiegWsadowy, FluktuacjeWPlikuJakZSilnikaOkna) {
    const ParametrySymulacji p = mala::ParametrySerii(40000, 100);
    const std::vector<std::string> dluzsza =
        Z(mala::Opcje(p), {"--ziarno", "4242", "--generator", "okna"});
    ASSERT_EQ(Uruchom(Z(dluzsza, {"--wyjscie", Plik("f.csv"), "--fluktuacje"})).status, 0);
    ASSERT_EQ(Uruchom(Z(dluzsza, {"--wyjscie", Plik("z.csv")})).status, 0);

    StaleZiarno ziarno(4242);
    Obliczenia obl(ziarno);
    obl.PrzygotujObliczenia(p);
    DoKonca(obl);
    WynikiSerii wyniki = ObliczWyniki(obl, std::nullopt, obl.LosujPrzesuniecieTc());
    EXPECT_EQ(Czytaj(Plik("z.csv")), TrescPlikuWynikow(wyniki.Teksty, PolaWynikow{}, ','));
    const FluktuacjeSerii fluktuacje = FluktuacjeZ(obl);
    ASSERT_FALSE(std::isnan(fluktuacje.Serie[0].CvkN.Blad));
    wyniki.Teksty.Fluktuacje = TekstyFluktuacjiZ(fluktuacje, 1);
    PolaWynikow pola;
    pola.Fluktuacje = true;
    EXPECT_EQ(Czytaj(Plik("f.csv")), TrescPlikuWynikow(wyniki.Teksty, pola, ','));

    const auto bezPliku = Uruchom(Z(dluzsza, {"--fluktuacje"}));
    EXPECT_EQ(bezPliku.status, 2);
    EXPECT_NE(bezPliku.bledy.find("--wyjscie"), std::string::npos);
    EXPECT_NE(TekstPomocy().find("--fluktuacje"), std::string::npos);
}

// The summary's last column, in words that claim no more than the drift test
// shows: a lattice still ordering is flagged, a small one at a high
// temperature passes, and a hundred samples of a large lattice that moved
// one attempt per atom cannot tell. The verdicts are those of this seed's
// stream of the window's generator.
TEST_F(PrzebiegWsadowy, KolumnaRownowagi) {
    const auto kolumna = [&](const std::vector<std::string>& argumenty) {
        const auto w = Uruchom(Z(argumenty, {"--ziarno", "8", "--generator", "okna"}));
        EXPECT_EQ(w.status, 0) << w.bledy;
        EXPECT_NE(w.wyjscie.find("  równowaga\n"), std::string::npos);
        const std::string linia = w.wyjscie.substr(w.wyjscie.find('\n') + 1);
        return linia.substr(linia.rfind("  ") + 2);
    };
    EXPECT_EQ(kolumna({"--lambda", "2.4", "--osie", "40", "--iteracje", "1000000", "--co", "1000"}),
              "nie osiągnęła równowagi\n");
    EXPECT_EQ(kolumna({"--lambda", "0.1", "--osie", "10", "--iteracje", "100000", "--co", "100"}),
              "nie wykryto dryfu\n");
    EXPECT_EQ(kolumna({"--lambda", "2.4", "--osie", "100", "--iteracje", "10000", "--co", "100"}),
              "za mało pomiarów\n");
}

// A 100 x 100 lattice at 1.2 started at random sits in domains for all of its
// thousand attempts per atom: the drift test alone cannot flag it, yet it is
// far from what the same seed reaches from the ordered start, which the
// two-start check tells. The check judges the reported start: the same two
// runs with the ordered start reported find the random one lagging, and pass
// the ordered one. The first start's figures stay those printed. A small
// lattice in the disordered phase passes both, whatever the threads; the
// replica file keeps the check, so the merge prints the same summary. The
// stuck series is this seed's of the window's generator.
TEST_F(PrzebiegWsadowy, DwaStartyWykrywajaUtknietaSerie) {
    const std::vector<std::string> utknieta = {"--osie",      "100",      "--lambda", "1.2",
                                               "--iteracje",  "10000000", "--ziarno", "500",
                                               "--generator", "okna"};
    const auto jeden = Uruchom(utknieta);
    const auto dwa = Uruchom(Z(utknieta, {"--dwa-starty"}));
    ASSERT_EQ(dwa.status, 0) << dwa.bledy;
    EXPECT_EQ(jeden.wyjscie.find("  nie osiągnęła równowagi\n"), std::string::npos)
        << jeden.wyjscie;
    const std::string wiersz = jeden.wyjscie.substr(0, jeden.wyjscie.rfind("  ") + 2);
    EXPECT_EQ(dwa.wyjscie.substr(0, wiersz.size()), wiersz);
    EXPECT_EQ(dwa.wyjscie.substr(wiersz.size()),
              "nie osiągnęła równowagi\n" + std::string(UwagaDwochStartow) + "\n");
    const auto odwrotnie = Uruchom(Z(utknieta, {"--dwa-starty", "--uklad", "uporzadkowane"}));
    EXPECT_NE(odwrotnie.wyjscie.find("    1    1.2000    0.95"), std::string::npos)
        << odwrotnie.wyjscie;
    EXPECT_EQ(odwrotnie.wyjscie.find("  nie osiągnęła równowagi\n"), std::string::npos)
        << odwrotnie.wyjscie;

    const std::vector<std::string> rownowaga = {
        "--osie", "20",       "--lambda", "0.5",           "--iteracje", "1000000",     "--co",
        "100",    "--ziarno", "500",      "--powtorzenia", "3",          "--dwa-starty"};
    const auto watek = Uruchom(Z(rownowaga, {"--watki", "1", "--powtorzenia-plik", Plik("p.txt")}));
    const auto watki = Uruchom(Z(rownowaga, {"--watki", "2"}));
    ASSERT_EQ(watek.status, 0) << watek.bledy;
    EXPECT_NE(watek.wyjscie.find("  3/3 nie wykryto dryfu\n"), std::string::npos) << watek.wyjscie;
    EXPECT_EQ(watek.wyjscie, watki.wyjscie);
    EXPECT_NE(
        Czytaj(Plik("p.txt")).find("\npowtorzenia 3\ngenerator xoshiro\nstarty 2\nreplika 0\n"),
        std::string::npos);
    EXPECT_EQ(Uruchom({"--scal", Plik("p.txt")}).wyjscie, watek.wyjscie);
    EXPECT_EQ(Uruchom({"--scal", Plik("p.txt"), "--dwa-starty"}).status, 2);
}

// The sizes of a finite-size study: a list of increasing even sizes, with a
// series, and a summary only; each size keeps the first one's samples, its
// attempts per atom growing as L^2.
TEST_F(PrzebiegWsadowy, BadanieRozmiarowOpcjeIIteracje) {
    const auto o = CzytajOpcje({"--osie", "12,16,24", "--lambda", "0.5:1.0:0.1"});
    ASSERT_TRUE(std::holds_alternative<OpcjeWsadowe>(o));
    EXPECT_EQ(std::get<OpcjeWsadowe>(o).Rozmiary, (std::vector<int>{12, 16, 24}));
    EXPECT_EQ(std::get<OpcjeWsadowe>(o).Parametry.IloscAtomowOsX, 12);
    for (const std::vector<std::string>& zle :
         {std::vector<std::string>{"--osie", "16,12", "--lambda", "0.5:1.0:0.1"},
          {"--osie", "12,13", "--lambda", "0.5:1.0:0.1"},
          {"--osie", "12,16", "--lambda", "0.5"},
          {"--osie", "12,16", "--lambda", "0.5:1.0:0.1", "--wyjscie", "w.csv"}}) {
        EXPECT_TRUE(std::holds_alternative<BladOpcji>(CzytajOpcje(zle))) << zle[1];
    }
    const IteracjeRozmiaru r = IteracjeDla(300000, 1000, 144, 1024, 12, 32);
    EXPECT_EQ(r.Co, 50600);
    EXPECT_EQ(r.Iteracje, 300 * 50600);
    EXPECT_EQ(IteracjeDla(300000, 1000, 144, 144, 12, 12).Iteracje, 300000);
}

TEST_F(PrzebiegWsadowy, BadanieRozmiarowWypisujeTabele) {
    const auto w = Uruchom({"--osie", "6,8", "--lambda", "0.6:1.2:0.2", "--iteracje", "20000",
                            "--co", "100", "--ziarno", "2", "--powtorzenia", "2", "--watki", "1"});
    ASSERT_EQ(w.status, 0) << w.bledy;
    EXPECT_NE(
        w.wyjscie.find("badanie skończonych rozmiarów: sieć 2DKwadrat, 2 powtórzenia na rozmiar"),
        std::string::npos)
        << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("\n     6        20000 "), std::string::npos) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("\n     8        60000 "), std::string::npos) << w.wyjscie;
}
