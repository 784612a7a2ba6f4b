#include "BlokadaWyjsc.h"
#include "TestWsadowy.h"
#include "ZestawPlikow.h"

#include <chrono>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
class ZestawWyjsc : public TestWsadowy {
protected:
    // The names in the folder, hidden ones included.
    std::vector<std::string> Nazwy() const {
        std::vector<std::string> nazwy;
        for (const auto& wpis : fs::directory_iterator(folder_)) {
            nazwy.push_back(wpis.path().filename().string());
        }
        std::sort(nazwy.begin(), nazwy.end());
        return nazwy;
    }
    void Postarz(const std::string& nazwa) {
        fs::last_write_time(Plik(nazwa),
                            fs::file_time_type::clock::now() - std::chrono::minutes(2));
    }
};
} // namespace

TEST_F(ZestawWyjsc, JedenNieudanyToZadenZmieniony) {
    std::ofstream(Plik("a.txt")) << "stare a";
    std::ofstream(Plik("b.txt")) << "stare b";
    ZestawPlikow zestaw;
    zestaw.Dodaj(Plik("a.txt"), "nowe a");
    zestaw.Dodaj(Plik("brak/b.txt"), "nowe b");
    zestaw.Dodaj(Plik("b.txt"), "nowe b");
    EXPECT_FALSE(zestaw.Gotowy());
    ASSERT_EQ(zestaw.Bledy().size(), 1u);
    EXPECT_TRUE(zestaw.Zatwierdz().empty());
    EXPECT_EQ(Czytaj(Plik("a.txt")), "stare a");
    EXPECT_EQ(Czytaj(Plik("b.txt")), "stare b");
    EXPECT_EQ(Nazwy(), (std::vector<std::string>{"a.txt", "b.txt"})) << "temporary files removed";

    ZestawPlikow dobry;
    dobry.Dodaj(Plik("a.txt"), "nowe a");
    dobry.Dodaj("/dev/null", "do urządzenia");
    dobry.Dodaj(Plik("b.txt"), "nowe b");
    EXPECT_EQ(Czytaj(Plik("a.txt")), "stare a") << "nothing in place before the commit";
    EXPECT_TRUE(dobry.Zatwierdz().empty());
    EXPECT_TRUE(dobry.ZapiszWprost().empty());
    EXPECT_EQ(Czytaj(Plik("a.txt")), "nowe a");
    EXPECT_EQ(Czytaj(Plik("b.txt")), "nowe b");
}

TEST_F(ZestawWyjsc, DrugiPrzebiegNaTychSamychPlikachOdrzucony) {
    const std::string wyniki = Plik("w.csv");
    {
        BlokadaWyjsc pierwszy;
        ASSERT_FALSE(pierwszy.Zablokuj({{wyniki, "--wyjscie"}, {"/dev/null", "--przebieg"}}));
        ZegarMilisekundy zegar(3);
        // Another name of the same file is the same file.
        fs::create_symlink("w.csv", Plik("link.csv"));
        for (const std::string& nazwa : {wyniki, Plik("link.csv")}) {
            const auto drugi = Uruchom(
                Z(MalaSeriaZZiarnem, {"--przebieg", Plik("p.csv"), "--wyjscie", nazwa}), zegar);
            EXPECT_EQ(drugi.status, 1);
            EXPECT_EQ(drugi.bledy, "Plik " + nazwa +
                                       " (--wyjscie) zapisuje teraz inny przebieg fazolab-batch; "
                                       "poczekaj na jego koniec albo podaj inną nazwę.\n");
        }
        EXPECT_EQ(zegar.odczyty, 0) << "refused before the run";
        const auto scal = Uruchom({"--scal", Plik("brak.txt"), "--wyjscie", wyniki});
        EXPECT_EQ(scal.status, 2) << "the parts are read first";
    }
    const auto po =
        Uruchom(Z(MalaSeriaZZiarnem, {"--przebieg", Plik("p.csv"), "--wyjscie", wyniki}));
    EXPECT_EQ(po.status, 0) << po.bledy;
    EXPECT_EQ(Nazwy(), (std::vector<std::string>{"link.csv", "p.csv", "w.csv"}))
        << "the locks are gone with the run";
}

TEST_F(ZestawWyjsc, NazwyTymczasoweLosoweAPorzuconeUsuniete) {
    // What runs under one process id (every run under Node has 42) left
    // behind, and what a killed run of this version left.
    for (int k = 0; k < 100; ++k) {
        std::ofstream(Plik(".w.csv.zapis42." + std::to_string(k))) << "stary";
    }
    std::ofstream(Plik(".w.csv.zapis0123456789abcdef")) << "porzucony";
    std::ofstream(Plik(".w.csv.zapis0123456789abcdee")) << "świeży, może czyjś zapis";
    std::ofstream(Plik("cenny.txt")) << "cenny";
    fs::create_symlink("cenny.txt", Plik(".w.csv.zapis0123456789abcded"));
    std::ofstream(Plik(".w.csv.zapisany")) << "nie nasza nazwa";
    std::ofstream(Plik(".inny.csv.zapis0123456789abcdef")) << "innego pliku";
    for (int k = 0; k < 50; ++k) {
        Postarz(".w.csv.zapis42." + std::to_string(k));
    }
    for (const char* nazwa :
         {".w.csv.zapis0123456789abcdef", ".w.csv.zapisany", ".inny.csv.zapis0123456789abcdef"}) {
        Postarz(nazwa);
    }

    const auto w = Uruchom(Z(MalaSeriaZZiarnem, {"--wyjscie", Plik("w.csv")}));
    ASSERT_EQ(w.status, 0) << w.bledy;
    std::vector<std::string> zostaly;
    for (const std::string& nazwa : Nazwy()) {
        if (nazwa.starts_with(".w.csv.zapis42.")) {
            EXPECT_GE(std::stoi(nazwa.substr(15)), 50) << nazwa << ": old enough to go";
        } else {
            zostaly.push_back(nazwa);
        }
    }
    EXPECT_EQ(zostaly, (std::vector<std::string>{".inny.csv.zapis0123456789abcdef",
                                                 ".w.csv.zapis0123456789abcded",
                                                 ".w.csv.zapis0123456789abcdee", ".w.csv.zapisany",
                                                 "cenny.txt", "w.csv"}));
    EXPECT_EQ(Czytaj(Plik("cenny.txt")), "cenny");
}

TEST_F(ZestawWyjsc, NiezapisywalneOdrzuconeZanimCokolwiekPoliczy) {
    const long najdluzsza = ::pathconf(folder_.c_str(), _PC_NAME_MAX);
    ASSERT_GT(najdluzsza, 30);
    const auto dlugosc = static_cast<std::size_t>(najdluzsza);
    fs::create_symlink("petla1", Plik("petla2"));
    fs::create_symlink("petla2", Plik("petla1"));
    fs::create_directory(Plik("folder"));
    const std::vector<std::pair<std::string, std::string>> przypadki = {
        // Legal for the system, but the temporary file's name would not be.
        {Plik(std::string(dlugosc - 10, 'a')), "Nazwa pliku jest za długa."},
        {Plik("petla1"), "Dowiązania symboliczne tworzą pętlę."},
        {Plik("brak/w.csv"), "Folder docelowy nie istnieje."},
        {Plik("folder"), "Pod tą nazwą istnieje folder."},
    };
    for (const auto& [sciezka, powod] : przypadki) {
        for (const char* opcja : {"--wyjscie", "--przebieg", "--powtorzenia-plik"}) {
            ZegarMilisekundy zegar(9);
            const auto w =
                Uruchom({"--osie", "6", "--lambda", "0.3:1.5:0.4", opcja, sciezka}, zegar);
            EXPECT_EQ(w.status, 1) << opcja;
            EXPECT_EQ(w.bledy, "Nie można zapisać pliku: " + sciezka + " " + powod + "\n");
            EXPECT_EQ(zegar.odczyty, 0) << "refused before the run";
        }
    }
    // The longest name whose temporary file still fits is written.
    const std::string najdluzszy = Plik(std::string(dlugosc - 23, 'b'));
    const auto w = Uruchom(Z(MalaSeriaZZiarnem, {"--wyjscie", najdluzszy}));
    EXPECT_EQ(w.status, 0) << w.bledy;
    EXPECT_TRUE(fs::exists(najdluzszy));
}
