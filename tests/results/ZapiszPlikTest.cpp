#include "ZapiszPlik.h"

#include "LimitRozmiaru.h"
#include "ZapiszWyniki.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
class ZapiszPlikTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string wzor = (fs::temp_directory_path() / "fazolab-zapis-XXXXXX").string();
        ASSERT_NE(::mkdtemp(wzor.data()), nullptr);
        katalog_ = wzor;
    }
    void TearDown() override {
        fs::permissions(katalog_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(katalog_);
    }

    std::string Sciezka(const std::string& nazwa) const { return (katalog_ / nazwa).string(); }
    static std::string Czytaj(const std::string& sciezka) {
        std::ifstream plik(sciezka, std::ios::binary);
        std::ostringstream tresc;
        tresc << plik.rdbuf();
        return tresc.str();
    }
    static void Utworz(const std::string& sciezka, const std::string& tresc) {
        std::ofstream(sciezka, std::ios::binary) << tresc;
    }
    // Only the target (and whatever the test made) may remain in the folder.
    std::size_t LiczbaPlikow() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(katalog_), fs::directory_iterator()));
    }
    static void OczekujBledu(const WynikZapisu& wynik) {
        EXPECT_EQ(wynik.Stan, StanZapisu::Blad);
        EXPECT_EQ(wynik.Komunikat.rfind("Nie można zapisać pliku", 0), 0u) << wynik.Komunikat;
        EXPECT_EQ(wynik.Tytul.rfind("Fazolab", 0), 0u);
    }

    fs::path katalog_;
};

} // namespace

TEST_F(ZapiszPlikTest, ZapisujeNowyPlikIZastepujeStaryZJegoUprawnieniami) {
    const std::string cel = Sciezka("wyniki.csv");
    ASSERT_TRUE(ZapiszPlik(cel, std::string("a,b\r\n\0x", 7)).Udany());
    EXPECT_EQ(Czytaj(cel), std::string("a,b\r\n\0x", 7));

    fs::permissions(cel, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ZapiszPlik(cel, "nowe").Udany());
    EXPECT_EQ(Czytaj(cel), "nowe");
    EXPECT_EQ(fs::status(cel).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(LiczbaPlikow(), 1u);
}

TEST_F(ZapiszPlikTest, NieudanyZapisZostawiaPlikBezZmianIBezPlikuTymczasowego) {
    const std::string cel = Sciezka("wyniki.csv");
    Utworz(cel, "poprzednie wyniki");
    WynikZapisu wynik;
    {
        LimitRozmiaru limit(8);
        wynik = ZapiszPlik(cel, std::string(4096, 'x'));
    }
    OczekujBledu(wynik);
    EXPECT_NE(wynik.Komunikat.find(cel), std::string::npos);
    EXPECT_EQ(Czytaj(cel), "poprzednie wyniki");
    EXPECT_EQ(LiczbaPlikow(), 1u);
}

// A missing folder is told as missing; a folder that is there but takes no
// new files (/proc) is told as such, not as missing.
TEST_F(ZapiszPlikTest, BrakFolderuLubFolderZamiastPlikuZgloszone) {
    const WynikZapisu brak = ZapiszPlik(Sciezka("brak/wyniki.csv"), "x");
    OczekujBledu(brak);
    EXPECT_NE(brak.Komunikat.find("Folder docelowy nie istnieje."), std::string::npos);
    if (fs::is_directory("/proc")) {
        const WynikZapisu proc = ZapiszPlik("/proc/wynik", "x");
        OczekujBledu(proc);
        EXPECT_EQ(proc.Komunikat.find("nie istnieje"), std::string::npos) << proc.Komunikat;
        EXPECT_NE(proc.Komunikat.find("W tym folderze nie można tworzyć plików."),
                  std::string::npos)
            << proc.Komunikat;
    }
    fs::create_directory(Sciezka("folder"));
    const WynikZapisu wynik = ZapiszPlik(Sciezka("folder"), "x");
    OczekujBledu(wynik);
    EXPECT_TRUE(fs::is_directory(Sciezka("folder")));
    EXPECT_TRUE(fs::is_empty(Sciezka("folder")));
}

TEST_F(ZapiszPlikTest, PlikLubFolderTylkoDoOdczytuOdrzuconyIBezZmian) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    const std::string cel = Sciezka("wyniki.csv");
    Utworz(cel, "stare");
    fs::permissions(cel, fs::perms::owner_read);
    OczekujBledu(ZapiszPlik(cel, "nowe"));
    EXPECT_EQ(Czytaj(cel), "stare");
    fs::permissions(cel, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(katalog_, fs::perms::owner_read | fs::perms::owner_exec);
    OczekujBledu(ZapiszPlik(cel, "nowe"));
    EXPECT_EQ(Czytaj(cel), "stare");
}

TEST_F(ZapiszPlikTest, DowiazanieZostajeDowiazaniemDoNowegoPliku) {
    const std::string cel = Sciezka("prawdziwy.csv");
    Utworz(cel, "stare");
    fs::create_symlink(cel, Sciezka("link.csv"));
    ASSERT_TRUE(ZapiszPlik(Sciezka("link.csv"), "nowe").Udany());
    EXPECT_TRUE(fs::is_symlink(Sciezka("link.csv")));
    EXPECT_EQ(Czytaj(cel), "nowe");
}

TEST_F(ZapiszPlikTest, WiszaceDowiazanieZapisanePrzezDoPlikuKtoryWskazuje) {
    fs::create_directory(Sciezka("cel"));
    fs::create_symlink("cel/nowy.csv", Sciezka("link.csv"));
    fs::create_symlink(Sciezka("link.csv"), Sciezka("link2.csv"));
    EXPECT_EQ(CelDowiazania(Sciezka("link2.csv")), Sciezka("cel/nowy.csv"));
    ASSERT_TRUE(ZapiszPlik(Sciezka("link2.csv"), "nowe").Udany());
    EXPECT_TRUE(fs::is_symlink(Sciezka("link.csv")));
    EXPECT_TRUE(fs::is_symlink(Sciezka("link2.csv")));
    EXPECT_EQ(Czytaj(Sciezka("cel/nowy.csv")), "nowe");
    EXPECT_EQ(CelDowiazania(Sciezka("link2.csv")), Sciezka("link2.csv"));
    EXPECT_EQ(CelDowiazania(Sciezka("zwykly")), Sciezka("zwykly"));
}

// Devices and pipes are written as they are: a rename would put a regular file
// in their place (or fail, in /dev).
TEST_F(ZapiszPlikTest, CelInnyNizZwyklyPlikZapisanyWprost) {
    EXPECT_TRUE(ZapiszPlik("/dev/null", "x").Udany());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    const WynikZapisu pelny = ZapiszPlik("/dev/full", "x");
    OczekujBledu(pelny);
    EXPECT_NE(pelny.Komunikat.find("Brak miejsca na dysku."), std::string::npos);
    EXPECT_EQ(pelny.Komunikat.find("Dotychczasowa"), std::string::npos);

    const std::string rura = Sciezka("rura");
    ASSERT_EQ(::mkfifo(rura.c_str(), 0600), 0);
    std::string odebrane;
    std::thread czytelnik([&] { odebrane = Czytaj(rura); });
    const WynikZapisu doRury = ZapiszPlik(rura, "przez rurę");
    czytelnik.join();
    EXPECT_TRUE(doRury.Udany());
    EXPECT_EQ(odebrane, "przez rurę");
    EXPECT_TRUE(fs::is_fifo(rura));
    EXPECT_EQ(LiczbaPlikow(), 1u);
}

TEST_F(ZapiszPlikTest, OdroczonyZapisZmieniaCelDopieroPrzyZatwierdzeniu) {
    const std::string cel = Sciezka("p.0.csv");
    Utworz(cel, "stary");
    {
        ZapisOdroczony porzucony;
        ASSERT_TRUE(porzucony.Przygotuj(cel, "nowy").Udany());
        EXPECT_TRUE(fs::exists(porzucony.Tymczasowy()));
        EXPECT_EQ(Czytaj(cel), "stary");
        ZapisOdroczony przeniesiony = std::move(porzucony);
        EXPECT_EQ(LiczbaPlikow(), 2u);
    }
    EXPECT_EQ(Czytaj(cel), "stary");
    EXPECT_EQ(LiczbaPlikow(), 1u) << "a set never moved into place leaves nothing behind";

    ZapisOdroczony zapis;
    ASSERT_TRUE(zapis.Przygotuj(cel, "nowy").Udany());
    ASSERT_TRUE(zapis.Zatwierdz().Udany());
    EXPECT_EQ(Czytaj(cel), "nowy");
    EXPECT_TRUE(zapis.Zatwierdz().Udany()) << "nothing waits any more";
    EXPECT_EQ(LiczbaPlikow(), 1u);
}

TEST_F(ZapiszPlikTest, FolderZapamietanyTylkoPoUdanymZapisie) {
    std::vector<std::string> zapamietane;
    const auto zapamietaj = [&](const std::string& k) { zapamietane.push_back(k); };
    TekstyWynikow teksty;
    teksty.MLambda = {"0.1"};
    teksty.MSigma = {"0.5000"};
    teksty.MCvkN = {"1.000"};

    EXPECT_FALSE(
        ZapiszWyniki(Sciezka("brak/a.csv"), teksty, PolaWynikow{}, ',', zapamietaj).Udany());
    EXPECT_TRUE(zapamietane.empty());

    ASSERT_TRUE(ZapiszWyniki(Sciezka("a.csv"), teksty, PolaWynikow{}, ',', zapamietaj).Udany());
    EXPECT_EQ(zapamietane, std::vector<std::string>{katalog_.string()});
    EXPECT_EQ(Czytaj(Sciezka("a.csv")).substr(0, 2), "\r\n");
}

TEST(KomunikatPlikWUzyciu, PelnaSciezkaWPierwszejLinii) {
    EXPECT_EQ(KomunikatPlikWUzyciu("D:\\Wyniki\\a.csv"),
              "Plik: D:\\Wyniki\\a.csv\r\njest w użyciu. Zamknij go i sprbój ponownie zapisać "
              "wyniki.");
}

TEST_F(ZapiszPlikTest, NieudanaZamianaNazwyUsuwaPlikTymczasowy) {
    // The folder's entry taken between writing and renaming (another program
    // made a folder of that name): the rename fails, its reason is told, and
    // neither the temporary file nor a changed folder remains.
    const std::string cel = Sciezka("wyniki.csv");
    ZapisOdroczony zapis;
    ASSERT_TRUE(zapis.Przygotuj(cel, "nowe wyniki").Udany());
    fs::create_directory(cel);
    Utworz(cel + "/inny.txt", "cudzy");
    OczekujBledu(zapis.Zatwierdz());
    EXPECT_TRUE(fs::is_directory(cel));
    EXPECT_EQ(Czytaj(cel + "/inny.txt"), "cudzy");
    EXPECT_EQ(LiczbaPlikow(), 1u);
}
