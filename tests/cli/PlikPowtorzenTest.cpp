#include "PlikPowtorzen.h"

#include "ScalPowtorzenia.h"
#include "TestWsadowy.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
// A part of a study of two replicas (both in this file) beside the part of
// nothing else: the merge of this one file is the whole study.
class PlikPowtorzen : public TestWsadowy {
protected:
    std::string Czesc(std::vector<std::string> badanie, const std::string& nazwa) {
        const auto w = Uruchom(Z(std::move(badanie), {"--powtorzenia-plik", Plik(nazwa)}));
        EXPECT_EQ(w.status, 0) << w.bledy;
        return Czytaj(Plik(nazwa));
    }
    Wynik Scal(const std::string& tresc) {
        std::ofstream(Plik("scalany.txt"), std::ios::binary) << tresc;
        return Uruchom({"--scal", Plik("scalany.txt"), "--wyjscie", Plik("w.csv")});
    }
};

const std::vector<std::string> Badanie = {"--osie",   "6",    "--iteracje",    "10000",
                                          "--co",     "1000", "--lambda",      "0.3:1.5:0.4",
                                          "--ziarno", "77",   "--powtorzenia", "2"};

// The line of `tresc` that begins with `klucz` (the first), replaced by `wiersz`.
std::string Zamien(std::string tresc, const std::string& klucz, const std::string& wiersz) {
    const std::size_t poczatek = tresc.rfind('\n' + klucz, tresc.find('\n' + klucz)) + 1;
    return tresc.replace(poczatek, tresc.find('\n', poczatek) - poczatek, wiersz);
}

// A study of `serii` series in each of `replik` replicas, forged by hand as in
// an attack on the reader: every record well formed, the header not.
std::string Podrobiony(int serii, int replik) {
    std::string t = "fazolab-batch powtorzenia 3\nsiec 2DKwadrat\nosie 10 10 10\nkoncentracja "
                    "50\nlambda 10 240 1\nseria 1\nco 10\niteracje 10000\nuklad przypadkowe\n"
                    "tryb porzadkowanie\nstopien -\nziarno 3 0\npowtorzenia " +
                    std::to_string(replik) + "\n";
    for (int r = 0; r < replik; ++r) {
        t += "replika " + std::to_string(r) + "\ndane " + std::to_string(serii) +
             " 0 0.5 4 100 10 10 1\nlambdy";
        for (int i = 0; i < 2; ++i) {
            for (int k = 0; k < 26; ++k) {
                t += " 0";
            }
            t += i == 0 ? "\nsigmy" : "\n";
        }
        for (int k = 0; k < serii; ++k) {
            t += "wynik 1 0 0 0 0 0 nieznana\npary 1 1 1 1 1 1\n";
        }
    }
    return t;
}
} // namespace

TEST_F(PlikPowtorzen, PodrobionyNaglowekOdrzuconyZanimCokolwiekPoliczy) {
    // 231 series with tables of the window's 26 entries, which have room for
    // 24: the tables must hold every series; with one replica or two.
    for (const int replik : {1, 2}) {
        const auto w = Scal(Podrobiony(231, replik));
        EXPECT_EQ(w.status, 2);
        EXPECT_NE(w.bledy.find("wiersz „lambdy” ma 26 pól zamiast 233"), std::string::npos)
            << w.bledy;
        EXPECT_EQ(std::count(w.bledy.begin(), w.bledy.end(), '\n'), 1) << w.bledy;
        EXPECT_TRUE(w.wyjscie.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(Plik("w.csv")));
}

TEST_F(PlikPowtorzen, SfalszowaneLiczbyOdrzucone) {
    const std::string dobry = Czesc(Badanie, "dobry.txt");
    ASSERT_EQ(Scal(dobry).status, 0);
    std::filesystem::remove(Plik("w.csv"));
    const std::string wynik =
        dobry.substr(dobry.find("\nwynik ") + 1,
                     dobry.find('\n', dobry.find("\nwynik ") + 1) - dobry.find("\nwynik ") - 1);
    const std::string lambda = wynik.substr(6, wynik.find(' ', 6) - 6);
    const std::vector<std::tuple<std::string, std::string, std::string>> przypadki = {
        // The header, by the engine's own check of its parameters.
        {"osie", "osie 7 6 10", "„osie” poza zakresem"},
        {"osie", "osie 6 514 10", "„osie” poza zakresem"},
        {"koncentracja", "koncentracja 60", "„koncentracja” poza zakresem"},
        {"lambda", "lambda 30 150 0", "„lambda” poza zakresem"},
        {"lambda", "lambda 30 250 40", "„lambda” poza zakresem"},
        {"co", "co 0", "„co” poza zakresem"},
        {"co", "co 10001", "„co” poza zakresem"},
        {"iteracje", "iteracje 2000000000", "„iteracje” poza zakresem"},
        {"stopien", "stopien 25", "stopień dopasowania poza zakresem"},
        {"seria", "seria 2", "oczekiwano 0 albo 1"},
        {"ziarno", "ziarno 77 5", "oczekiwano 0 albo 1"},
        {"powtorzenia", "powtorzenia 65", "liczba powtórzeń poza zakresem"},
        // The figures of a replica, against what its parameters allow.
        {"dane", "dane 4 0 0.5 4 36 6 8 1", "sieć lub skład"},
        {"dane", "dane 4 0 0.5 6 36 6 6 1", "sieć lub skład"},
        {"dane", "dane 4 0.25 0.5 4 36 6 6 1", "poza możliwym zakresem"},
        {"dane", "dane 3 0 0.5 4 36 6 6 1", "liczba serii"},
        {"wynik", "wynik 7.5" + wynik.substr(6 + lambda.size()), "lambda lub sigma serii 1"},
        {"wynik", "wynik " + lambda + " inf 0 0 0 0 nieznana", "nie jest liczbą skończoną"},
        {"wynik", "wynik " + lambda + " nan 0 0 0 0 nieznana", "nie jest liczbą skończoną"},
        {"wynik",
         wynik.substr(0, wynik.rfind(' ', wynik.rfind(' ', wynik.rfind(' ') - 1) - 1)) +
             " 1e300 0 nieznana",
         "poza możliwym zakresem"},
        {"wynik", wynik.substr(0, wynik.rfind(' ')) + " inna", "nieznana wartość „inna”"},
        // Of 12 samples the burn-in leaves at most all but one, at least half.
        {"pary", "pary 1 2 3 4 5", "ma 5 pól zamiast 6.."},
        {"pary", "pary 1 2 3 4 5 6 7 8 9 10 11 12", "ma 12 pól zamiast 6.."},
        {"pary", "pary 1 2 3 4 5 6.5", "nie jest całkowita"},
        {"pary", "pary 1 2 3 4 5 73", "poza możliwym zakresem"},
        {"pary", "pary 1 2 3 4 5 -1", "poza możliwym zakresem"},
        {"pary", "pary 1 2 3 4 5  6", "„” nie jest liczbą skończoną"},
    };
    for (const auto& [klucz, wiersz, powod] : przypadki) {
        const auto w = Scal(Zamien(dobry, klucz, wiersz));
        EXPECT_EQ(w.status, 2) << wiersz;
        EXPECT_NE(w.bledy.find(powod), std::string::npos) << wiersz << ": " << w.bledy;
        EXPECT_EQ(std::count(w.bledy.begin(), w.bledy.end(), '\n'), 1) << w.bledy;
    }
    EXPECT_FALSE(std::filesystem::exists(Plik("w.csv")));
}

TEST_F(PlikPowtorzen, UcietyGdziekolwiekOdrzucony) {
    // Cut anywhere, as a full disk or a killed copy leaves it: at a field's
    // boundary, at a line's end, between the replicas.
    const std::string dobry = Czesc(Badanie, "dobry.txt");
    std::ofstream(Plik("dobry.txt"), std::ios::binary) << dobry;
    ASSERT_TRUE(std::holds_alternative<BadaniePowtorzen>(ScalPowtorzenia({Plik("dobry.txt")})));
    for (std::size_t dlugosc = 0; dlugosc < dobry.size(); ++dlugosc) {
        std::ofstream(Plik("uciety.txt"), std::ios::binary) << dobry.substr(0, dlugosc);
        const auto scalone = ScalPowtorzenia({Plik("uciety.txt")});
        ASSERT_TRUE(std::holds_alternative<std::string>(scalone)) << "ucięty po " << dlugosc;
    }
}

TEST_F(PlikPowtorzen, KazdaLiczbaPomiarowCzytanaZPowrotem) {
    // The pair counts of a series are counted from its iterations and
    // interval, divisible or not.
    for (const auto& [iteracje, co] : std::vector<std::pair<std::string, std::string>>{
             {"10000", "300"}, {"12345", "700"}, {"10500", "1000"}, {"20000", "100"}}) {
        const std::string tresc =
            Czesc({"--osie", "6", "--iteracje", iteracje, "--co", co, "--lambda", "0.9", "--ziarno",
                   "5", "--siec", "3DR", "--osie", "6x6x8"},
                  "p.txt");
        const auto przeczytane = CzytajPlikPowtorzen(tresc);
        EXPECT_TRUE(std::holds_alternative<BadaniePowtorzen>(przeczytane))
            << iteracje << "/" << co << ": " << std::get<std::string>(przeczytane);
    }
}

// The check of a study prints the header its replica file will carry (a
// cluster script names the study's folder after it): the same study by
// either generator, the part's own lines included.
TEST_F(PlikPowtorzen, SprawdzenieWypisujeNaglowekPlikuBadania) {
    for (const std::vector<std::string>& generator :
         {std::vector<std::string>{}, std::vector<std::string>{"--generator", "okna"},
          std::vector<std::string>{"--generator", "xoshiro", "--dwa-starty"}}) {
        std::vector<std::string> badanie = Badanie;
        badanie.insert(badanie.end(), generator.begin(), generator.end());
        const std::string plik = Czesc(badanie, std::to_string(badanie.size()).append(".txt"));
        const auto sprawdzenie = Uruchom(Z(badanie, {"--sprawdz"}));
        ASSERT_EQ(sprawdzenie.status, 0) << sprawdzenie.bledy;
        const std::string naglowek =
            sprawdzenie.wyjscie.substr(0, sprawdzenie.wyjscie.rfind("proby "));
        // After the file's version line.
        EXPECT_EQ(plik.substr(plik.find('\n') + 1, naglowek.size()), naglowek)
            << (generator.empty() ? "domyślny" : generator[1]);
    }
}
