#include "ZakresyUstawien.h"

#include "RegulyUstawien.h"

#include <gtest/gtest.h>
#include <string>

namespace {
double Liczba(std::string_view napis) {
    std::string tekst(napis);
    for (char& c : tekst) {
        c = c == ',' ? '.' : c;
    }
    return std::stod(tekst);
}
} // namespace

// The captions under a track bar's ends read, with a point or a comma, as the
// values its range's ends stand for.
TEST(ZakresyUstawien, NapisyKoncowToWartosciZakresu) {
    const ZakresyUstawien z = ZakresyStronyUstawien();
    const struct {
        const char* nazwa;
        const ZakresKontrolki& k;
    } suwaki[] = {{"koncentracja", z.Koncentracja},
                  {"lambda", z.Lambda},
                  {"przedział", z.Przedzial},
                  {"krok", z.Krok}};
    for (const auto& [nazwa, k] : suwaki) {
        EXPECT_DOUBLE_EQ(Liczba(k.NapisMin), k.Zakres.Min * k.Jednostka) << nazwa;
        EXPECT_DOUBLE_EQ(Liczba(k.NapisMax), k.Zakres.Max * k.Jednostka) << nazwa;
    }
    // The values the labels show: 0.1 to 2.4 of lambda, 100 to 2000 attempts.
    EXPECT_DOUBLE_EQ(z.Lambda.Jednostka, 0.1);
    EXPECT_EQ(z.Przedzial.Zakres.Max * z.Przedzial.Jednostka, 2000);
}

// Every default of every lattice kind is a position its control can hold.
TEST(ZakresyUstawien, DomyslneWZakresach) {
    const ZakresyUstawien z = ZakresyStronyUstawien();
    for (const OpisRodzajuSieci& opis : RodzajeSieci) {
        const ParametrySymulacji p = DomyslneUstawienia(opis.Rodzaj).Parametry;
        for (const int os : {p.IloscAtomowOsX, p.IloscAtomowOsY, p.IloscAtomowOsZ}) {
            EXPECT_TRUE(NaSkaliZakresu(z.Os.Zakres, os)) << opis.Klucz;
        }
        EXPECT_TRUE(NaSkaliZakresu(z.Iteracje.Zakres, p.MaxIloscCykli));
        EXPECT_TRUE(NaSkaliZakresu(z.Koncentracja.Zakres, p.PozycjaKoncentracji));
        EXPECT_TRUE(NaSkaliZakresu(z.Lambda.Zakres, p.PozycjaLambdy));
        EXPECT_TRUE(NaSkaliZakresu(z.Lambda.Zakres, p.PozycjaLambdyKoncowej));
        EXPECT_TRUE(NaSkaliZakresu(z.Przedzial.Zakres, p.PozycjaPrzedzialu));
        EXPECT_TRUE(NaSkaliZakresu(z.Krok.Zakres, p.PozycjaKroku));
    }
}
