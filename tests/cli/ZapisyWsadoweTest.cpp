#include "DostepneProcesory.h"
#include "LimitRozmiaru.h"
#include "TestWsadowy.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <streambuf>

namespace fs = std::filesystem;

namespace {
class ZapisyWsadowe : public TestWsadowy {
protected:
    static int Linii(const std::string& tekst) {
        return static_cast<int>(std::count(tekst.begin(), tekst.end(), '\n'));
    }
};

// Standard output on a full disk: every write fails.
class PelnyBufor : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

const std::vector<std::string> BezZiarna(MalaSeriaZZiarnem.begin(), MalaSeriaZZiarnem.end() - 2);
} // namespace

// A trace that does not fit must not cost the results file, the summary or
// the seed that repeats the run.
TEST_F(ZapisyWsadowe, NieudanyPrzebiegNieZabieraWynikowAniZiarna) {
    ZegarMilisekundy zegar(777);
    Wynik w;
    {
        const LimitRozmiaru limit(2000); // the results file fits, no trace does
        w = Uruchom(Z(BezZiarna, {"--powtorzenia", "3", "--przebieg", Plik("p.csv"), "--wyjscie",
                                  Plik("w.csv")}),
                    zegar);
    }
    EXPECT_EQ(w.status, 1);
    EXPECT_EQ(Linii(w.bledy), 3) << w.bledy;
    EXPECT_NE(w.bledy.find("Plik przekracza dopuszczalny rozmiar."), std::string::npos);
    for (const std::string k : {"0", "1", "2"}) {
        EXPECT_NE(w.bledy.find(Plik("p." + k + ".csv")), std::string::npos) << w.bledy;
    }

    const auto dobry = Uruchom(
        Z(BezZiarna, {"--powtorzenia", "3", "--ziarno", "777", "--wyjscie", Plik("dobry.csv")}));
    ASSERT_EQ(dobry.status, 0) << dobry.bledy;
    EXPECT_EQ(w.wyjscie, "ziarno 777\n" + dobry.wyjscie);
    EXPECT_EQ(Czytaj(Plik("w.csv")), Czytaj(Plik("dobry.csv")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2)
        << "no temporary file is left";
}

TEST_F(ZapisyWsadowe, PelnyDyskLubPelneWyjscieToStatus1ZPodsumowaniem) {
    const auto dobry = Uruchom(MalaSeriaZZiarnem);
    ASSERT_EQ(dobry.status, 0);

    const auto pelny = Uruchom(Z(MalaSeriaZZiarnem, {"--wyjscie", "/dev/full"}));
    EXPECT_EQ(pelny.status, 1);
    EXPECT_EQ(pelny.bledy, "Nie można zapisać pliku: /dev/full Brak miejsca na dysku.\n");
    EXPECT_EQ(pelny.wyjscie, dobry.wyjscie);

    PelnyBufor bufor;
    std::ostream wyjscie(&bufor);
    std::ostringstream bledy;
    ZegarMilisekundy zegar(1);
    EXPECT_EQ(UruchomWsadowo(MalaSeriaZZiarnem, zegar, wyjscie, bledy, false), 1);
    const std::string komunikat = bledy.str();
    const std::size_t koniecLinii = komunikat.find('\n');
    EXPECT_NE(komunikat.find("standardowe wyjście"), std::string::npos);
    EXPECT_EQ(komunikat.substr(koniecLinii + 1), dobry.wyjscie) << "the summary is not lost";

    std::ostream pomoc(&bufor);
    EXPECT_EQ(UruchomWsadowo({"--pomoc"}, zegar, pomoc, bledy, false), 1);
}

TEST_F(ZapisyWsadowe, DwaWyjsciaWJednymPlikuOdrzuconeZanimCokolwiekRuszy) {
    fs::create_directory(Plik("d"));
    fs::create_symlink(Plik("w.csv"), Plik("link.csv"));
    const std::vector<std::vector<std::string>> kolizje = {
        {"--przebieg", Plik("p.csv"), "--wyjscie", Plik("p.csv")},
        {"--przebieg", Plik("q.csv"), "--powtorzenia", "3", "--wyjscie", Plik("q.1.csv")},
        {"--wyjscie", Plik("w.csv"), "--przebieg", Plik("link.csv")},
        {"--wyjscie", Plik("d/../w.csv"), "--powtorzenia-plik", Plik("w.csv")},
    };
    for (const auto& argumenty : kolizje) {
        ZegarMilisekundy zegar(5);
        std::vector<std::string> a = BezZiarna;
        a.insert(a.end(), argumenty.begin(), argumenty.end());
        const auto k = Uruchom(a, zegar);
        EXPECT_EQ(k.status, 2) << argumenty[1];
        EXPECT_EQ(Linii(k.bledy), 1) << k.bledy;
        EXPECT_NE(k.bledy.find("wskazują ten sam plik"), std::string::npos) << k.bledy;
        EXPECT_TRUE(k.wyjscie.empty());
        EXPECT_EQ(zegar.odczyty, 0) << "refused before the clock is read";
    }
    EXPECT_FALSE(fs::exists(Plik("w.csv")));
    EXPECT_FALSE(fs::exists(Plik("p.csv")));

    // A device takes any number of outputs.
    const auto null =
        Uruchom(Z(MalaSeriaZZiarnem, {"--przebieg", "/dev/null", "--wyjscie", "/dev/null"}));
    EXPECT_EQ(null.status, 0) << null.bledy;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(ZapisyWsadowe, WiszaceDowiazanieZapisanePrzezDoCelu) {
    fs::create_directory(Plik("wyniki"));
    fs::create_symlink("wyniki/seria.csv", Plik("ostatnia.csv"));
    const auto w = Uruchom(Z(MalaSeriaZZiarnem, {"--wyjscie", Plik("ostatnia.csv")}));
    ASSERT_EQ(w.status, 0) << w.bledy;
    EXPECT_TRUE(fs::is_symlink(Plik("ostatnia.csv")));
    EXPECT_FALSE(Czytaj(Plik("wyniki/seria.csv")).empty());
}

TEST_F(ZapisyWsadowe, WatkiPonadProcesorOgraniczoneBezZmianyWyniku) {
    const int sprzetowe = DostepneProcesory();
    if (sprzetowe >= 64) {
        GTEST_SKIP() << "64 processors or more are available";
    }
    const auto duzo = Uruchom(Z(MalaSeriaZZiarnem, {"--powtorzenia", "4", "--watki", "64"}));
    const auto jeden = Uruchom(Z(MalaSeriaZZiarnem, {"--powtorzenia", "4", "--watki", "1"}));
    ASSERT_EQ(duzo.status, 0);
    EXPECT_EQ(duzo.bledy, "Opcja --watki: 64 ograniczono do " + std::to_string(sprzetowe) +
                              " (tyle procesorów ma do dyspozycji; wynik jest ten sam).\n");
    EXPECT_TRUE(jeden.bledy.empty());
    EXPECT_EQ(duzo.wyjscie, jeden.wyjscie);
}
