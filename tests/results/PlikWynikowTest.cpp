#include "PlikWynikow.h"

#include "OpisSieci.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {
TekstyWynikow TrzySerie() {
    TekstyWynikow t;
    t.MOpisSieci = OpisSieci({RodzajSieci::Kubiczna3D, 1, 7, 50, 1000, 10, 10, 10});
    t.MLambda = {"0.1", "0.4", "0.7"};
    t.MSigma = {"0.0512", "0.1234", "0.3001"};
    t.MCvkN = {"0.021", "0.567", "0.000"};
    t.ELambdaTc = "0.37";
    t.ECvkNTc = "0.567";
    return t;
}

// The description in Windows-1250 ("ą" B9, "ń" F1, "Ś"-free, "ś" 9C, "ł" B3,
// "ó" F3), each line with its trailing separator.
std::string Opis(char s) {
    return std::string("Siec: 3D Kubiczna prosta") + s + "\r\n" +
           "Lambda pocz\xB9tkowa: 0.1;   Lambda ko\xF1"
           "cowa: 0.7" +
           s + "\r\n" + "Ilo\x9C\xE6 atom\xF3w w sieci: 1000;   Koncentracja atom\xF3w: 0.50" + s +
           "\r\n" +
           "Ilo\x9C\xE6 atom\xF3w na osi X: 10;   Ilo\x9C\xE6 atom\xF3w na osi Y: 10;   "
           "Ilo\x9C\xE6 atom\xF3w na osi Z: 10" +
           s + "\r\n";
}
} // namespace

TEST(PlikWynikow, CsvZeWszystkimiPolami) {
    const std::string oczekiwane = Opis(',') + "\r\n"
                                               "Lambda:,Sigma:,Cv/kN:\r\n"
                                               "0.1,0.0512,0.021\r\n"
                                               "0.4,0.1234,0.567\r\n"
                                               "0.7,0.3001,0.000\r\n"
                                               "\r\n"
                                               "Przej\x9C"
                                               "cie fazowe dla\r\n"
                                               "Lambda=,0.37,\r\n"
                                               "Cv/kN=,0.567,\r\n";
    EXPECT_EQ(TrescPlikuWynikow(TrzySerie(), PolaWynikow{}, SeparatorTypu(1)), oczekiwane);
}

TEST(PlikWynikow, TxtZeWszystkimiPolamiMaTabulatoryZamiastPrzecinkow) {
    const std::string oczekiwane = Opis('\t') + "\r\n"
                                                "Lambda:\tSigma:\tCv/kN:\r\n"
                                                "0.1\t0.0512\t0.021\r\n"
                                                "0.4\t0.1234\t0.567\r\n"
                                                "0.7\t0.3001\t0.000\r\n"
                                                "\r\n"
                                                "Przej\x9C"
                                                "cie fazowe dla\r\n"
                                                "Lambda=\t0.37\t\r\n"
                                                "Cv/kN=\t0.567\t\r\n";
    EXPECT_EQ(TrescPlikuWynikow(TrzySerie(), PolaWynikow{}, SeparatorTypu(2)), oczekiwane);
}

TEST(PlikWynikow, SamaSigmaZaczynaKazdaLinieSeparatorem) {
    PolaWynikow pola{false, false, true, false, false, false};
    EXPECT_EQ(TrescPlikuWynikow(TrzySerie(), pola, '\t'),
              "\r\n\tSigma:\r\n\t0.0512\r\n\t0.1234\r\n\t0.3001\r\n\r\n");
}

TEST(PlikWynikow, BezPolPrzejsciaKonczySiePustaLiniaPoTabeli) {
    PolaWynikow pola;
    pola.LambdaTc = false;
    pola.CvkNTc = false;
    const std::string tresc = TrescPlikuWynikow(TrzySerie(), pola, ',');
    EXPECT_EQ(tresc, Opis(',') + "\r\nLambda:,Sigma:,Cv/kN:\r\n0.1,0.0512,0.021\r\n"
                                 "0.4,0.1234,0.567\r\n0.7,0.3001,0.000\r\n\r\n");
}

TEST(PlikWynikow, BezKolumnNadalLiniaNaSerieISamoCvkNPrzejscia) {
    PolaWynikow pola{false, false, false, false, false, true};
    EXPECT_EQ(TrescPlikuWynikow(TrzySerie(), pola, ','), "\r\n\r\n\r\n\r\n\r\n\r\nPrzej\x9C"
                                                         "cie fazowe dla\r\nCv/kN=,0.567,\r\n");
}

// The estimate from the fluctuations, asked for: its two columns after the
// Cv/kN column and its line after the transition lines ("±" is B1).
TEST(PlikWynikow, KolumnyILiniaFluktuacji) {
    TekstyWynikow t = TrzySerie();
    t.Fluktuacje.MCvkN = {"0.0051", "0.4512", "0.0833"};
    t.Fluktuacje.MBlad = {"0.0004", "0.0311", ""};
    t.Fluktuacje.PolaPrzejscia = {"Lambda (fluktuacje)=", "0.45", "±", "0.02", ""};
    PolaWynikow pola;
    pola.Fluktuacje = true;
    EXPECT_EQ(TrescPlikuWynikow(t, pola, '\t'),
              Opis('\t') + "\r\n"
                           "Lambda:\tSigma:\tCv/kN:\tCv/kN (fluktuacje):\tB\xB3\xB9"
                           "d std.:\r\n"
                           "0.1\t0.0512\t0.021\t0.0051\t0.0004\r\n"
                           "0.4\t0.1234\t0.567\t0.4512\t0.0311\r\n"
                           "0.7\t0.3001\t0.000\t0.0833\t\r\n"
                           "\r\n"
                           "Przej\x9C"
                           "cie fazowe dla\r\n"
                           "Lambda=\t0.37\t\r\n"
                           "Cv/kN=\t0.567\t\r\n"
                           "Lambda (fluktuacje)=\t0.45\t\xB1\t0.02\t\r\n");

    // Alone, it still keeps a line per series starting with the separator.
    const PolaWynikow tylko{false, false, false, false, false, false, true};
    EXPECT_EQ(TrescPlikuWynikow(t, tylko, ','),
              "\r\n,Cv/kN (fluktuacje):,B\xB3\xB9"
              "d std.:\r\n,0.0051,0.0004\r\n,0.4512,0.0311\r\n,0.0833,\r\n\r\n"
              "Przej\x9C"
              "cie fazowe dla\r\nLambda (fluktuacje)=,0.45,\xB1,0.02,\r\n");
}

// Words that hold the separator stay one cell: quoted in a CSV file, their
// quotes doubled; the tab-separated file has no comma to fear.
TEST(PlikWynikow, SlowaZSeparatoremWJednejKomorce) {
    TekstyWynikow t = TrzySerie();
    t.Fluktuacje.PolaPrzejscia = {
        "Lambda (fluktuacje)=", "nie wyznaczono, przy \"maksimum\" za mało serii", ""};
    const PolaWynikow tylko{false, false, false, false, false, false, true};
    const std::string csv = TrescPlikuWynikow(t, tylko, ',');
    EXPECT_EQ(
        csv.substr(csv.rfind("\r\n", csv.size() - 3) + 2),
        "Lambda (fluktuacje)=,\"nie wyznaczono, przy \"\"maksimum\"\" za ma\xB3o serii\",\r\n");
    const std::string txt = TrescPlikuWynikow(t, tylko, '\t');
    EXPECT_EQ(txt.substr(txt.rfind("\r\n", txt.size() - 3) + 2),
              "Lambda (fluktuacje)=\tnie wyznaczono, przy \"maksimum\" za ma\xB3o serii\t\r\n");
}

TEST(PlikWynikow, OdrzucaTekstSpozaWindows1250) {
    TekstyWynikow t = TrzySerie();
    t.ELambdaTc = "\xE4\xB8\xAD"; // a CJK character
    EXPECT_THROW(TrescPlikuWynikow(t, PolaWynikow{}, ','), std::invalid_argument);
}

TEST(PlikWynikow, ProponowaneNazwyISeparatory) {
    EXPECT_EQ(DomyslnaNazwaPliku(RodzajSieci::Kubiczna3D), "3DKubiczna");
    EXPECT_EQ(DomyslnaNazwaPliku(RodzajSieci::Kwadratowa), "2DKwadratowa");
    EXPECT_EQ(DomyslnaNazwaPliku(RodzajSieci::Trojkatna), "2DTrojkatna");
    EXPECT_EQ(DomyslnaNazwaPliku(RodzajSieci::Heksagonalna), "2DHeksagonalna");
    EXPECT_EQ(SeparatorTypu(1), ',');
    EXPECT_EQ(SeparatorTypu(2), '\t');
}

TEST(PlikWynikow, ZapamietanyFolderMaSeparatorTylkoWKorzeniu) {
    EXPECT_EQ(KatalogPliku("/home/ala/Wyniki/a.csv"), "/home/ala/Wyniki");
    EXPECT_EQ(KatalogPliku("/a.csv"), "/");
    EXPECT_EQ(KatalogPliku("D:\\Wyniki\\a.csv"), "D:\\Wyniki");
    EXPECT_EQ(KatalogPliku("D:\\a.csv"), "D:\\");
    EXPECT_EQ(KatalogPliku("/home/ala/a\\b.csv"), "/home/ala");
    EXPECT_EQ(KatalogPliku("a.csv"), "");
}
