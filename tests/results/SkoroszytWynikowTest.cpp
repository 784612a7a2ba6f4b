#include "SkoroszytWynikow.h"

#include "CzytnikSkoroszytu.h"
#include "LiczbyDziesietne.h"
#include "LimitRozmiaru.h"
#include "OpisSieci.h"
#include "PlikWynikow.h"
#include "ZapiszWyniki.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iconv.h>
#include <optional>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
TekstyWynikow Seria() {
    TekstyWynikow t;
    // The hexagonal description carries quotation marks, the others Polish letters.
    t.MOpisSieci = OpisSieci({RodzajSieci::Heksagonalna, 1, 7, 50, 200, 10, 10, 1});
    t.MLambda = {"-0.1", "-0.4", "-0.7", "2"};
    t.MSigma = {"0.0512", "-0.1234", "-0.0000", "1.0000"};
    t.MCvkN = {"0.021", "12.567", "0.000", "1000.000"};
    t.ELambdaTc = "-0.37";
    t.ECvkNTc = "12.567";
    return t;
}

std::string ZWindows1250(const std::string& bajty) {
    iconv_t cd = iconv_open("UTF-8", "WINDOWS-1250");
    std::string wynik(bajty.size() * 3, '\0');
    std::string wejscie = bajty;
    char* we = wejscie.data();
    char* wy = wynik.data();
    std::size_t zostaloWe = wejscie.size();
    std::size_t zostaloWy = wynik.size();
    iconv(cd, &we, &zostaloWe, &wy, &zostaloWy);
    iconv_close(cd);
    wynik.resize(wynik.size() - zostaloWy);
    return wynik;
}

// The CSV as a spreadsheet splits it: lines at CR LF, fields at the commas.
std::vector<std::vector<std::string>> PolaCsv(const std::string& csv) {
    std::vector<std::vector<std::string>> linie;
    const std::string tekst = ZWindows1250(csv);
    for (std::size_t poczatek = 0; poczatek < tekst.size();) {
        const std::size_t koniec = tekst.find("\r\n", poczatek);
        const std::string linia = tekst.substr(poczatek, koniec - poczatek);
        std::vector<std::string> pola;
        for (std::size_t p = 0;;) {
            const std::size_t przecinek = linia.find(',', p);
            pola.push_back(linia.substr(p, przecinek - p));
            if (przecinek == std::string::npos) {
                break;
            }
            p = przecinek + 1;
        }
        linie.push_back(pola);
        poczatek = koniec + 2;
    }
    return linie;
}

class SkoroszytWynikowTest : public testing::Test {
protected:
    void SetUp() override {
        std::string wzor = (fs::temp_directory_path() / "fazolab-skoroszyt-XXXXXX").string();
        ASSERT_NE(::mkdtemp(wzor.data()), nullptr);
        katalog_ = wzor;
        const char* tmp = std::getenv("TMPDIR");
        staryTmp_ = tmp ? std::optional<std::string>(tmp) : std::nullopt;
        fs::create_directory(katalog_ / "tmp");
        ::setenv("TMPDIR", (katalog_ / "tmp").c_str(), 1);
    }
    void TearDown() override {
        if (staryTmp_) {
            ::setenv("TMPDIR", staryTmp_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
        fs::permissions(katalog_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(katalog_);
    }

    std::string Sciezka(const std::string& nazwa) const { return (katalog_ / nazwa).string(); }
    static std::string Czytaj(const std::string& sciezka) {
        std::ifstream plik(sciezka, std::ios::binary);
        return {std::istreambuf_iterator<char>(plik), {}};
    }
    static void Utworz(const std::string& sciezka, const std::string& tresc) {
        std::ofstream(sciezka, std::ios::binary) << tresc;
    }
    std::size_t LiczbaPlikow(const fs::path& folder) const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    // Every field of the CSV stands in the cell of its line and place; the
    // workbook has no other cell.
    void OczekujTegoCoCsv(const TekstyWynikow& teksty, const PolaWynikow& pola) {
        const std::string plik = Sciezka("wyniki.xlsx");
        std::ofstream(plik, std::ios::binary) << TrescSkoroszytuWynikow(teksty, pola);
        const CzytnikSkoroszytu::Komorki komorki = CzytnikSkoroszytu::Czytaj(plik);
        const auto linie = PolaCsv(TrescPlikuWynikow(teksty, pola, SeparatorCsv));
        std::size_t niepuste = 0;
        for (std::size_t w = 0; w < linie.size(); ++w) {
            for (std::size_t k = 0; k < linie[w].size(); ++k) {
                const std::string& pole = linie[w][k];
                const auto miejsce = komorki.find({static_cast<int>(w), static_cast<int>(k)});
                if (pole.empty()) {
                    EXPECT_EQ(miejsce, komorki.end()) << "wiersz " << w << " kolumna " << k;
                    continue;
                }
                ++niepuste;
                ASSERT_NE(miejsce, komorki.end()) << pole;
                const CzytnikSkoroszytu::Komorka& c = miejsce->second;
                const std::size_t kropka = pole.find('.');
                const std::optional<double> liczba = RzeczywistaZ(pole);
                if (liczba) {
                    EXPECT_TRUE(c.Liczba) << pole;
                    EXPECT_EQ(c.Wartosc, *liczba) << pole;
                    const std::size_t miejsca =
                        kropka == std::string::npos ? 0 : pole.size() - kropka - 1;
                    EXPECT_EQ(c.Format, miejsca ? "0." + std::string(miejsca, '0') : "0") << pole;
                } else {
                    EXPECT_FALSE(c.Liczba) << pole;
                    EXPECT_EQ(c.Tekst, pole);
                }
            }
        }
        EXPECT_EQ(komorki.size(), niepuste);
    }

    fs::path katalog_;
    std::optional<std::string> staryTmp_;
};
} // namespace

TEST_F(SkoroszytWynikowTest, MaKomorkiCsvZLiczbamiJakoLiczby) {
    OczekujTegoCoCsv(Seria(), PolaWynikow{});
    // Nothing of the workbook's making is left in the temporary folder.
    EXPECT_EQ(LiczbaPlikow(katalog_ / "tmp"), 0u);
}

TEST_F(SkoroszytWynikowTest, SluchaPolWyboruJakCsv) {
    OczekujTegoCoCsv(Seria(), PolaWynikow{false, false, true, false, false, false});
    OczekujTegoCoCsv(Seria(), PolaWynikow{true, false, false, true, false, true});
    OczekujTegoCoCsv(Seria(), PolaWynikow{false, false, false, false, false, false});

    TekstyWynikow zFluktuacjami = Seria();
    zFluktuacjami.Fluktuacje.MCvkN = {"0.0051", "0.4512", "0.0833", "1.0000"};
    zFluktuacjami.Fluktuacje.MBlad = {"0.0004", "0.0311", "", "0.1000"};
    zFluktuacjami.Fluktuacje.PolaPrzejscia = {"Lambda (fluktuacje)=", "0.45", "±", "0.02", ""};
    OczekujTegoCoCsv(zFluktuacjami, PolaWynikow{true, true, true, true, true, true, true});
    OczekujTegoCoCsv(zFluktuacjami, PolaWynikow{false, false, false, false, false, false, true});
}

TEST_F(SkoroszytWynikowTest, TylkoZwyklyZapisStaloprzecinkowyJestLiczba) {
    TekstyWynikow t;
    t.MLambda = {"0.1", "nan", "1.", ".5", "1e3", "-", "+1.0", "0.1 "};
    t.MSigma.assign(t.MLambda.size(), "0.5");
    t.MCvkN.assign(t.MLambda.size(), "7");
    const std::string plik = Sciezka("liczby.xlsx");
    std::ofstream(plik, std::ios::binary) << TrescSkoroszytuWynikow(t, PolaWynikow{});
    const CzytnikSkoroszytu::Komorki k = CzytnikSkoroszytu::Czytaj(plik);
    // Rows: the empty line, the headings, then the series from row 2.
    EXPECT_TRUE(k.at({2, 0}).Liczba);
    for (int w = 3; w < 10; ++w) {
        EXPECT_FALSE(k.at({w, 0}).Liczba) << w;
        EXPECT_EQ(k.at({w, 0}).Tekst, t.MLambda[static_cast<std::size_t>(w - 2)]);
        EXPECT_EQ(k.at({w, 2}).Wartosc, 7.0);
        EXPECT_EQ(k.at({w, 2}).Format, "0");
    }
}

TEST_F(SkoroszytWynikowTest, ZapisWybieraPiszacegoWedlugTypuPliku) {
    const TekstyWynikow t = Seria();
    std::vector<std::string> zapamietane;
    const auto zapamietaj = [&](const std::string& k) { zapamietane.push_back(k); };
    ASSERT_TRUE(
        ZapiszWyniki(Sciezka("a.csv"), t, PolaWynikow{}, TypPlikuWynikow::Csv, zapamietaj).Udany());
    ASSERT_TRUE(
        ZapiszWyniki(Sciezka("a.txt"), t, PolaWynikow{}, TypPlikuWynikow::Txt, zapamietaj).Udany());
    // The type, not the name, decides.
    ASSERT_TRUE(
        ZapiszWyniki(Sciezka("a.csv.xlsx"), t, PolaWynikow{}, TypPlikuWynikow::Xlsx, zapamietaj)
            .Udany());
    EXPECT_EQ(Czytaj(Sciezka("a.csv")), TrescPlikuWynikow(t, PolaWynikow{}, ','));
    EXPECT_EQ(Czytaj(Sciezka("a.txt")), TrescPlikuWynikow(t, PolaWynikow{}, '\t'));
    const std::string skoroszyt = Czytaj(Sciezka("a.csv.xlsx"));
    EXPECT_EQ(skoroszyt.substr(0, 2), "PK");
    EXPECT_EQ(CzytnikSkoroszytu::Czytaj(Sciezka("a.csv.xlsx")).at({0, 0}).Tekst,
              t.MOpisSieci.front());
    EXPECT_EQ(zapamietane, std::vector<std::string>(3, katalog_.string()));
    EXPECT_EQ(LiczbaPlikow(katalog_), 4u); // the three files and tmp
}

TEST_F(SkoroszytWynikowTest, NieudanyZapisZglaszaBladIZostawiaStaryPlik) {
    const TekstyWynikow t = Seria();
    bool zapamietany = false;
    const auto zapamietaj = [&](const std::string&) { zapamietany = true; };
    const auto oczekujBledu = [](const WynikZapisu& w) {
        EXPECT_EQ(w.Stan, StanZapisu::Blad);
        EXPECT_EQ(w.Tytul.rfind("Fazolab", 0), 0u);
        EXPECT_EQ(w.Komunikat.rfind("Nie można zapisać pliku:\n", 0), 0u) << w.Komunikat;
    };

    // A folder that is not there.
    oczekujBledu(
        ZapiszWyniki(Sciezka("brak/w.xlsx"), t, PolaWynikow{}, TypPlikuWynikow::Xlsx, zapamietaj));
    EXPECT_FALSE(fs::exists(Sciezka("brak")));

    // No temporary folder for the library: the target is not touched.
    const std::string cel = Sciezka("w.xlsx");
    Utworz(cel, "poprzednie wyniki");
    ::setenv("TMPDIR", Sciezka("brak-tmp").c_str(), 1);
    const WynikZapisu bezTmp =
        ZapiszWyniki(cel, t, PolaWynikow{}, TypPlikuWynikow::Xlsx, zapamietaj);
    oczekujBledu(bezTmp);
    EXPECT_NE(bezTmp.Komunikat.find("skoroszytu"), std::string::npos);
    ::setenv("TMPDIR", Sciezka("tmp").c_str(), 1);
    EXPECT_EQ(Czytaj(cel), "poprzednie wyniki");

    // A folder without write permission.
    if (::geteuid() != 0) {
        fs::permissions(katalog_, fs::perms::owner_read | fs::perms::owner_exec);
        oczekujBledu(ZapiszWyniki(cel, t, PolaWynikow{}, TypPlikuWynikow::Xlsx, zapamietaj));
        EXPECT_NE(ZapiszWyniki(cel, t, PolaWynikow{}, TypPlikuWynikow::Xlsx, zapamietaj)
                      .Komunikat.find("Brak uprawnień"),
                  std::string::npos);
        fs::permissions(katalog_, fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(Czytaj(cel), "poprzednie wyniki");
    }
    EXPECT_FALSE(zapamietany);
    EXPECT_EQ(LiczbaPlikow(katalog_), 2u); // the old file and tmp
    EXPECT_EQ(LiczbaPlikow(katalog_ / "tmp"), 0u);
}

TEST_F(SkoroszytWynikowTest, BladBibliotekiNieTrafiaNaStandardoweWyjscieBledow) {
    // The library's own files outgrow the limit long before a message does.
    testing::internal::CaptureStderr();
    bool zgloszony = false;
    {
        const LimitRozmiaru limit(2048);
        try {
            TrescSkoroszytuWynikow(Seria(), PolaWynikow{});
        } catch (const std::runtime_error&) {
            zgloszony = true;
        }
    }
    EXPECT_TRUE(zgloszony);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
