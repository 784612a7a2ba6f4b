#include "PlikPowtorzen.h"
#include "TestWsadowy.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace fs = std::filesystem;

namespace {
class ScalPowtorzen : public TestWsadowy {
protected:
    // The parts K/M of a study as separate processes, each with its file.
    std::vector<std::string> Czesci(const std::vector<std::string>& badanie, int m) {
        std::vector<std::string> pliki;
        for (int k = 0; k < m; ++k) {
            pliki.push_back(Plik("cz" + std::to_string(k) + ".txt"));
            const std::string czesc = std::to_string(k) + "/" + std::to_string(m);
            const auto w =
                Uruchom(Z(badanie, {"--czesc", czesc, "--powtorzenia-plik", pliki.back()}));
            EXPECT_EQ(w.status, 0) << w.bledy;
        }
        return pliki;
    }
    Wynik Scal(const std::vector<std::string>& pliki, std::vector<std::string> dalej = {}) {
        std::vector<std::string> argumenty{"--scal"};
        argumenty.insert(argumenty.end(), pliki.begin(), pliki.end());
        argumenty.insert(argumenty.end(), dalej.begin(), dalej.end());
        return Uruchom(argumenty);
    }
};

const std::vector<std::string> Badanie =
    Z(MalaSeriaZZiarnem, {"--powtorzenia", "5", "--siec", "2DTrojkat", "--stopien", "3"});
} // namespace

TEST_F(ScalPowtorzen, CzesciScaloneDajaBajtyJednegoProcesu) {
    const auto jeden = Uruchom(Z(Badanie, {"--wyjscie", Plik("jeden.csv")}));
    ASSERT_EQ(jeden.status, 0) << jeden.bledy;

    // Uneven blocks (1, 2, 2 replicas), merged in any order of the files.
    std::vector<std::string> pliki = Czesci(Badanie, 3);
    std::swap(pliki[0], pliki[2]);
    const auto scalone = Scal(pliki, {"--wyjscie", Plik("scalone.csv")});
    ASSERT_EQ(scalone.status, 0) << scalone.bledy;
    EXPECT_EQ(scalone.wyjscie, jeden.wyjscie);
    EXPECT_EQ(Czytaj(Plik("scalone.csv")), Czytaj(Plik("jeden.csv")));

    // One part of one replica, and a single run: the one-replica summary.
    const std::vector<std::string> pojedyncza = {
        "--osie", "6",        "--iteracje", "10000",  "--lambda",
        "0.9",    "--ziarno", "12",         "--tryb", "klasteryzacja"};
    const auto sama = Uruchom(pojedyncza);
    const auto scalonaSama = Scal(Czesci(pojedyncza, 1));
    ASSERT_EQ(scalonaSama.status, 0) << scalonaSama.bledy;
    EXPECT_EQ(scalonaSama.wyjscie, sama.wyjscie);
    EXPECT_EQ(Scal({Plik("cz0.txt")}, {"--wyjscie", Plik("w.csv")}).status, 2)
        << "a single run has no results file";
}

// Long enough series for the fluctuation's error and for the equilibrium to
// be told: the merged summary's "równowaga" column (m/N passed, verdict) and the
// --fluktuacje columns of the results file are those of one process. The
// verdicts are those of this seed on the window's generator.
TEST_F(ScalPowtorzen, FluktuacjeIRownowagaScaloneJakZJednegoProcesu) {
    const std::vector<std::string> dlugie = {"--osie",     "10",     "--lambda",      "0.4:2.4:0.4",
                                             "--iteracje", "200000", "--co",          "100",
                                             "--ziarno",   "5",      "--powtorzenia", "4",
                                             "--watki",    "1",      "--generator",   "okna"};
    const auto jeden = Uruchom(Z(dlugie, {"--wyjscie", Plik("jeden.csv"), "--fluktuacje"}));
    ASSERT_EQ(jeden.status, 0) << jeden.bledy;
    EXPECT_NE(jeden.wyjscie.find(" 4/4 nie wykryto dryfu\n"), std::string::npos) << jeden.wyjscie;
    EXPECT_NE(jeden.wyjscie.find("/4 nie osiągnęła równowagi\n"), std::string::npos)
        << jeden.wyjscie;

    const std::vector<std::string> pliki = Czesci(dlugie, 3);
    const auto scalone = Scal(pliki, {"--fluktuacje", "--wyjscie", Plik("scalone.csv")});
    ASSERT_EQ(scalone.status, 0) << scalone.bledy;
    EXPECT_EQ(scalone.wyjscie, jeden.wyjscie);
    const std::string plik = Czytaj(Plik("jeden.csv"));
    EXPECT_NE(plik.find("fluktuacje"), std::string::npos);
    EXPECT_EQ(Czytaj(Plik("scalone.csv")), plik);

    // Without the switch the merge writes the plain results file.
    ASSERT_EQ(Uruchom(Z(dlugie, {"--wyjscie", Plik("zwykly.csv")})).status, 0);
    ASSERT_EQ(Scal(pliki, {"--wyjscie", Plik("zwykle-scalone.csv")}).status, 0);
    EXPECT_EQ(Czytaj(Plik("zwykle-scalone.csv")), Czytaj(Plik("zwykly.csv")));
}

TEST_F(ScalPowtorzen, ZiarnoZZegaraWypisaneJakPrzezJedenProces) {
    std::vector<std::string> argumenty;
    for (std::size_t i = 0; i < Badanie.size(); ++i) {
        if (Badanie[i] == "--ziarno") {
            ++i;
        } else {
            argumenty.push_back(Badanie[i]);
        }
    }
    ZegarMilisekundy zegar(90210);
    const auto jeden = Uruchom(Z(argumenty, {"--powtorzenia-plik", Plik("p.txt")}), zegar);
    ASSERT_EQ(jeden.status, 0) << jeden.bledy;
    ASSERT_EQ(jeden.wyjscie.rfind("ziarno 90210\n", 0), 0u);
    EXPECT_EQ(Scal({Plik("p.txt")}).wyjscie, jeden.wyjscie);
}

// The parts name their generator: the 64-bit one by a header line, the
// window's by none, as the files of the version before the choice, so that
// parts of the window's generator merge with those whatever version wrote
// them. The results file names a generator other than the window's and keeps
// the window's bytes otherwise.
TEST_F(ScalPowtorzen, GeneratorZapisanyWCzesciachIWynikach) {
    const std::vector<std::string> okna = Z(Badanie, {"--generator", "okna"});
    const auto jeden = Uruchom(Z(okna, {"--wyjscie", Plik("jeden.csv")}));
    ASSERT_EQ(jeden.status, 0) << jeden.bledy;
    const std::vector<std::string> pliki = Czesci(okna, 2);
    EXPECT_EQ(Czytaj(pliki[0]).find("generator"), std::string::npos);
    const auto scalone = Scal(pliki, {"--wyjscie", Plik("scalone.csv")});
    ASSERT_EQ(scalone.status, 0) << scalone.bledy;
    EXPECT_EQ(scalone.wyjscie, jeden.wyjscie);
    EXPECT_EQ(Czytaj(Plik("scalone.csv")), Czytaj(Plik("jeden.csv")));
    EXPECT_EQ(Czytaj(Plik("jeden.csv")).find("Generator"), std::string::npos);

    ASSERT_EQ(Uruchom(Z(Badanie, {"--czesc", "0/1", "--powtorzenia-plik", Plik("x.txt"),
                                  "--wyjscie", Plik("x.csv")}))
                  .status,
              0);
    const std::string czesc = Czytaj(Plik("x.txt"));
    EXPECT_NE(czesc.find("\npowtorzenia 5\ngenerator xoshiro\nreplika 0\n"), std::string::npos)
        << czesc;
    const std::string wyniki = Czytaj(Plik("x.csv"));
    EXPECT_NE(wyniki.find("\r\nGenerator liczb losowych: xoshiro256++ (64-bitowy),\r\n"),
              std::string::npos)
        << wyniki;
    auto przeczytane = CzytajPlikPowtorzen(czesc);
    ASSERT_TRUE(std::holds_alternative<BadaniePowtorzen>(przeczytane));
    EXPECT_EQ(std::get<BadaniePowtorzen>(przeczytane).Generator, RodzajGeneratora::Xoshiro);
}

TEST_F(ScalPowtorzen, SiatkaCoSetnaScalonaJakZJednegoProcesu) {
    // Lambda in hundredths reaches the merged description and column as it
    // reaches one process's.
    const std::vector<std::string> badanie = {
        "--osie",        "8", "--iteracje", "10000", "--co", "100", "--lambda", "0.80:0.95:0.05",
        "--powtorzenia", "2", "--ziarno",   "31"};
    const auto jeden = Uruchom(Z(badanie, {"--wyjscie", Plik("jeden.csv")}));
    ASSERT_EQ(jeden.status, 0) << jeden.bledy;
    const auto scalone = Scal(Czesci(badanie, 2), {"--wyjscie", Plik("scalone.csv")});
    ASSERT_EQ(scalone.status, 0) << scalone.bledy;
    EXPECT_EQ(scalone.wyjscie, jeden.wyjscie);
    EXPECT_EQ(Czytaj(Plik("scalone.csv")), Czytaj(Plik("jeden.csv")));
    EXPECT_NE(Czytaj(Plik("scalone.csv")).find("0.85"), std::string::npos);
}

TEST_F(ScalPowtorzen, PlikOddajeKazdaLiczbeDoBitu) {
    BadaniePowtorzen b;
    // The batch runner's scale: lambda positions in hundredths; one series
    // of clustering at 0.30, six samples in each half.
    b.Parametry.Skala = SkalaParametrow::Wsadowa;
    b.Parametry.PozycjaLambdy = 30;
    b.Parametry.PozycjaLambdyKoncowej = 30;
    b.Parametry.PozycjaKroku = 10;
    b.Parametry.MaxIloscCykli = 10000;
    b.Parametry.Tryb = Oddzialywanie::Klasteryzacja;
    b.Ziarno = 4294967295u;
    b.Powtorzenia = 64;
    WynikRepliki& r = b.Repliki.emplace_back();
    r.Nr = 63;
    r.Dane.NrSerii = 1;
    r.Dane.J = 0.09999999999999999;
    r.Dane.KoncentracjaB = 0.5;
    r.Dane.LiczbaSasiadow = 4;
    r.Dane.Opis.IloscAtomow = 100;
    r.Dane.Opis.IloscAtomowOsX = r.Dane.Opis.IloscAtomowOsY = 10;
    r.Dane.Opis.IloscAtomowOsZ = 1;
    r.Dane.LambdaSerii[1] = -0.30000000000000004;
    r.Dane.SigmaSerii[1] = 1.0 / 3.0;
    r.Dane.SigmaSerii[2] = std::numeric_limits<double>::denorm_min();
    r.Dane.SigmaSerii[25] = -0.0;
    r.Serie.push_back(
        {-0.30000000000000004,
         1.0 / 3.0,
         {2.0 / 3.0, std::nan("")},
         FluktuacjaSerii{
             -0.3, {1e-300, 0.1}, Rownowaga::Nieosiagnieta, {0, 200, 7, 8, 9, 10}, {}, 0, {}, 0}});

    const std::string tresc = TrescPlikuPowtorzen(b);
    auto przeczytane = CzytajPlikPowtorzen(tresc);
    ASSERT_TRUE(std::holds_alternative<BadaniePowtorzen>(przeczytane))
        << std::get<std::string>(przeczytane);
    const BadaniePowtorzen& c = std::get<BadaniePowtorzen>(przeczytane);
    EXPECT_EQ(TrescPlikuPowtorzen(c), tresc);
    const WynikRepliki& s = c.Repliki.at(0);
    EXPECT_EQ(s.Nr, 63);
    EXPECT_EQ(c.Ziarno, 4294967295u);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(s.Dane.J), std::bit_cast<std::uint64_t>(r.Dane.J));
    EXPECT_EQ(s.Dane.SigmaSerii[2], std::numeric_limits<double>::denorm_min());
    EXPECT_TRUE(std::signbit(s.Dane.SigmaSerii[25]));
    EXPECT_TRUE(std::isnan(s.Serie.at(0).SigmaSrednia.Blad));
    EXPECT_EQ(s.Serie.at(0).Sigma, 1.0 / 3.0);
    const FluktuacjaSerii& f = s.Serie.at(0).Fluktuacje;
    EXPECT_EQ(f.Lambda, -0.30000000000000004);
    EXPECT_EQ(f.CvkN.Srednia, 1e-300);
    EXPECT_EQ(f.CvkN.Blad, 0.1);
    EXPECT_EQ(f.Stan, Rownowaga::Nieosiagnieta);
    EXPECT_EQ(f.Pary, (std::vector<double>{0, 200, 7, 8, 9, 10}));

    // The same file through an editor that ends its lines in CR LF.
    std::string crlf;
    for (const char znak : tresc) {
        crlf += znak == '\n' ? std::string("\r\n") : std::string(1, znak);
    }
    auto zCrlf = CzytajPlikPowtorzen(crlf);
    ASSERT_TRUE(std::holds_alternative<BadaniePowtorzen>(zCrlf)) << std::get<std::string>(zCrlf);
    EXPECT_EQ(TrescPlikuPowtorzen(std::get<BadaniePowtorzen>(zCrlf)), tresc);
}

TEST_F(ScalPowtorzen, CzesciInnegoBadaniaLubNiepelneOdrzucone) {
    const std::vector<std::string> pliki = Czesci(Badanie, 3);
    const auto inneZiarno = Uruchom(
        Z(Badanie, {"--ziarno", "1", "--czesc", "1/3", "--powtorzenia-plik", Plik("inne.txt")}));
    ASSERT_EQ(inneZiarno.status, 0);
    std::ofstream(Plik("obcy.txt")) << "seria,lambda\n1,0.1\n";
    const std::string dobry = Czytaj(pliki[1]);
    std::ofstream(Plik("uciety.txt")) << dobry.substr(0, dobry.size() / 2);
    std::ofstream(Plik("wersja.txt")) << "fazolab-batch powtorzenia 4\n";
    // The same part checked by two starts, which the others were not: in
    // either order, not one study.
    const auto dwaStarty = Uruchom(
        Z(Badanie, {"--czesc", "1/3", "--dwa-starty", "--powtorzenia-plik", Plik("starty.txt")}));
    ASSERT_EQ(dwaStarty.status, 0) << dwaStarty.bledy;
    std::string trzyStarty = Czytaj(Plik("starty.txt"));
    trzyStarty.replace(trzyStarty.find("\nstarty 2\n"), 10, "\nstarty 3\n");
    std::ofstream(Plik("starty3.txt")) << trzyStarty;
    // A part written by the version before the fluctuation's error and the
    // equilibrium were kept.
    std::ofstream(Plik("wersja1.txt"))
        << "fazolab-batch powtorzenia 1" << dobry.substr(dobry.find('\n'));
    // The same part drawn from the window's generator, and a generator line
    // no version writes.
    const auto okna = Uruchom(Z(Badanie, {"--czesc", "1/3", "--generator", "okna",
                                          "--powtorzenia-plik", Plik("okna.txt")}));
    ASSERT_EQ(okna.status, 0) << okna.bledy;
    std::string nieznany = dobry;
    nieznany.replace(nieznany.find("\ngenerator xoshiro\n"), 19, "\ngenerator pcg64\n");
    std::ofstream(Plik("pcg.txt")) << nieznany;

    const std::vector<std::pair<std::vector<std::string>, std::string>> przypadki = {
        {{pliki[0], pliki[2]}, "Brak 2 z 5 powtórzeń badania (nr 1, 2)"},
        {{pliki[0], pliki[1], pliki[1], pliki[2]}, "Powtórzenie 1 występuje dwa razy"},
        {{pliki[0], Plik("inne.txt"), pliki[2]}, "różne „ziarno” (4242 0 i 1 0)"},
        {{pliki[0], Plik("obcy.txt")}, "to nie jest plik powtórzeń"},
        {{Plik("uciety.txt")}, "wiersz "},
        {{Plik("wersja.txt")}, "nieznana wersja"},
        {{pliki[0], Plik("wersja1.txt"), pliki[2]},
         "wersja1.txt: wiersz 1: plik powtórzeń wersji 1"},
        {{Plik("brak.txt")}, "Nie można odczytać pliku powtórzeń: " + Plik("brak.txt")},
        {{pliki[0], Plik("starty.txt"), pliki[2]}, "różne „starty” (brak i 2)"},
        {{Plik("starty.txt"), pliki[0], pliki[2]}, "różne „starty” (2 i brak)"},
        {{Plik("starty3.txt")}, "liczba startów inna niż 2"},
        {{pliki[0], Plik("okna.txt"), pliki[2]},
         "zapisano z różnymi generatorami liczb losowych (xoshiro i okna)"},
        {{Plik("okna.txt"), pliki[0], pliki[2]},
         "zapisano z różnymi generatorami liczb losowych (okna i xoshiro)"},
        {{Plik("pcg.txt")}, "nieznany generator „pcg64”"},
    };
    for (const auto& [zestaw, powod] : przypadki) {
        const auto w = Scal(zestaw, {"--wyjscie", Plik("w.csv")});
        EXPECT_EQ(w.status, 2) << powod;
        EXPECT_NE(w.bledy.find(powod), std::string::npos) << w.bledy;
        EXPECT_EQ(std::count(w.bledy.begin(), w.bledy.end(), '\n'), 1) << w.bledy;
        EXPECT_TRUE(w.wyjscie.empty());
    }
    EXPECT_FALSE(fs::exists(Plik("w.csv")));

    // The results file in the place of one of its parts.
    const auto naCzesci = Scal(pliki, {"--wyjscie", pliki[1]});
    EXPECT_EQ(naCzesci.status, 2);
    EXPECT_NE(naCzesci.bledy.find("wskazują ten sam plik"), std::string::npos) << naCzesci.bledy;
    EXPECT_EQ(Czytaj(pliki[1]), dobry);
}

TEST_F(ScalPowtorzen, OpcjeCzesciIScalaniaSprawdzone) {
    const std::string plik = Plik("p.txt");
    const std::vector<std::pair<std::vector<std::string>, std::string>> zle = {
        {{"--czesc", "0/2", "--powtorzenia-plik", plik}, "--ziarno"},
        {{"--ziarno", "1", "--czesc", "0/2"}, "--powtorzenia-plik"},
        {{"--ziarno", "1", "--czesc", "0/2", "--powtorzenia-plik", plik, "--wyjscie",
          Plik("w.csv")},
         "--scal"},
        {{"--ziarno", "1", "--czesc", "0/6", "--powtorzenia-plik", plik}, "--czesc"},
        {{"--ziarno", "1", "--czesc", "2/2", "--powtorzenia-plik", plik}, "--czesc"},
        {{"--ziarno", "1", "--czesc", "-1/2", "--powtorzenia-plik", plik}, "--czesc"},
        {{"--ziarno", "1", "--czesc", "1", "--powtorzenia-plik", plik}, "--czesc"},
        {{"--ziarno", "1", "--czesc", "0/2", "--powtorzenia-plik", plik, "--fluktuacje"},
         "--fluktuacje nie łączy się z --czesc"},
        {{"--scal", plik, "--osie", "8"}, "--osie nie łączy się z --scal"},
        {{"--scal"}, "Brak wartości opcji --scal"},
        {{"--powtorzenia-plik", ""}, "--powtorzenia-plik"},
    };
    for (const auto& [argumenty, powod] : zle) {
        std::vector<std::string> a = {"--osie", "6", "--powtorzenia", "5"};
        a.insert(a.end(), argumenty.begin(), argumenty.end());
        const auto w = Uruchom(a);
        EXPECT_EQ(w.status, 2) << powod;
        EXPECT_NE(w.bledy.find(powod), std::string::npos) << w.bledy;
    }
    const auto bezWyjscia = Uruchom({"--scal", plik, "--fluktuacje"});
    EXPECT_EQ(bezWyjscia.status, 2);
    EXPECT_NE(bezWyjscia.bledy.find("--fluktuacje dodaje kolumny"), std::string::npos)
        << bezWyjscia.bledy;
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(ScalPowtorzen, CzesciZInnaLiczbaPowtorzenOdrzucone) {
    // Parts of five and of three replicas with one seed: merged, the replicas
    // of the larger study would be written past the smaller one's tables.
    const std::vector<std::string> piec = Czesci(Badanie, 2);
    const std::string trzy = Plik("trzy.txt");
    const auto w =
        Uruchom(Z(MalaSeriaZZiarnem, {"--powtorzenia", "3", "--siec", "2DTrojkat", "--stopien", "3",
                                      "--czesc", "1/2", "--powtorzenia-plik", trzy}));
    ASSERT_EQ(w.status, 0) << w.bledy;
    const auto scalone = Scal({piec[0], trzy}, {"--wyjscie", Plik("w.csv")});
    EXPECT_EQ(scalone.status, 2);
    EXPECT_NE(scalone.bledy.find("różne „powtorzenia”"), std::string::npos) << scalone.bledy;
    EXPECT_FALSE(fs::exists(Plik("w.csv")));
}
