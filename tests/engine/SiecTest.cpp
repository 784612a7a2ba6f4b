#include "Siec.h"

#include "PrzestawianieAtomow.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<Wezel> Sasiedzi(const Siec& s, int x, int y, int z = 1) {
    const Siec::Sasiedzi w = s.SasiedziWezla(x, y, z);
    std::vector<Wezel> v(w.begin(), w.begin() + s.LiczbaSasiadow());
    std::sort(v.begin(), v.end(), [](const Wezel& a, const Wezel& b) {
        return std::tie(a.x, a.y, a.z) < std::tie(b.x, b.y, b.z);
    });
    return v;
}
} // namespace

TEST(Siec, RegulySasiedztwaKazdegoRodzaju) {
    Siec s;
    s.UstawRozmiar(RodzajSieci::Kwadratowa, 6, 6, 1);
    EXPECT_EQ(Sasiedzi(s, 1, 1), (std::vector<Wezel>{{0, 1, 1}, {1, 0, 1}, {1, 2, 1}, {2, 1, 1}}));

    s.UstawRozmiar(RodzajSieci::Trojkatna, 40, 40, 1);
    EXPECT_EQ(
        Sasiedzi(s, 3, 3),
        (std::vector<Wezel>{{2, 2, 1}, {2, 3, 1}, {2, 4, 1}, {3, 2, 1}, {3, 4, 1}, {4, 3, 1}}));
    EXPECT_EQ(
        Sasiedzi(s, 3, 4),
        (std::vector<Wezel>{{2, 4, 1}, {3, 3, 1}, {3, 5, 1}, {4, 3, 1}, {4, 4, 1}, {4, 5, 1}}));
    EXPECT_EQ(Sasiedzi(s, 10, 21),
              (std::vector<Wezel>{
                  {9, 20, 1}, {9, 21, 1}, {9, 22, 1}, {10, 20, 1}, {10, 22, 1}, {11, 21, 1}}));

    s.UstawRozmiar(RodzajSieci::Heksagonalna, 8, 8, 1);
    EXPECT_EQ(Sasiedzi(s, 1, 1), (std::vector<Wezel>{{1, 0, 1}, {1, 2, 1}, {2, 1, 1}}));
    EXPECT_EQ(Sasiedzi(s, 2, 1), (std::vector<Wezel>{{1, 1, 1}, {2, 0, 1}, {2, 2, 1}}));
    EXPECT_EQ(Sasiedzi(s, 8, 2), (std::vector<Wezel>{{8, 1, 1}, {8, 3, 1}, {9, 2, 1}}));
    EXPECT_EQ(Sasiedzi(s, 1, 2), (std::vector<Wezel>{{0, 2, 1}, {1, 1, 1}, {1, 3, 1}}));

    s.UstawRozmiar(RodzajSieci::Kubiczna3D, 6, 6, 6);
    EXPECT_EQ(
        Sasiedzi(s, 1, 6, 3),
        (std::vector<Wezel>{{0, 6, 3}, {1, 5, 3}, {1, 6, 2}, {1, 6, 4}, {1, 7, 3}, {2, 6, 3}}));
}

TEST(Siec, SasiedztwoObejmujeParyPrzezBrzeg) {
    struct Przypadek {
        RodzajSieci rodzaj;
        Wezel a, b;
        bool sasiednie;
    };
    const Przypadek przypadki[] = {
        {RodzajSieci::Kwadratowa, {1, 5}, {10, 5}, true}, // only through the border
        {RodzajSieci::Kwadratowa, {1, 5}, {9, 5}, false},
        {RodzajSieci::Kwadratowa, {4, 1}, {4, 10}, true},
        {RodzajSieci::Trojkatna, {3, 3}, {2, 4}, true},
        {RodzajSieci::Trojkatna, {3, 3}, {4, 4}, false},
        {RodzajSieci::Trojkatna, {3, 4}, {4, 5}, true},
        {RodzajSieci::Trojkatna, {10, 10}, {1, 1}, true}, // the corner pair
        {RodzajSieci::Heksagonalna, {1, 1}, {2, 1}, true},
        {RodzajSieci::Heksagonalna, {2, 1}, {3, 1}, false},
        {RodzajSieci::Heksagonalna, {1, 1}, {1, 2}, true},
        {RodzajSieci::Heksagonalna, {10, 2}, {1, 2}, true},
        {RodzajSieci::Kubiczna3D, {2, 2, 1}, {2, 2, 10}, true},
        {RodzajSieci::Kubiczna3D, {2, 2, 1}, {3, 3, 1}, false},
    };
    Siec s;
    for (const Przypadek& p : przypadki) {
        s.UstawRozmiar(p.rodzaj, 10, 10, 10);
        const Wezel a{p.a.x, p.a.y, p.rodzaj == RodzajSieci::Kubiczna3D ? p.a.z : 1};
        const Wezel b{p.b.x, p.b.y, p.rodzaj == RodzajSieci::Kubiczna3D ? p.b.z : 1};
        EXPECT_EQ(s.Sasiednie(a, b), p.sasiednie)
            << KluczRodzaju(p.rodzaj) << " " << a.x << "," << a.y << " " << b.x << "," << b.y;
        EXPECT_EQ(s.Sasiednie(b, a), p.sasiednie);
    }
}

TEST(Siec, BrzegTrzymaKopieTakzeNaroznikowTrojkatnej) {
    Siec s;
    s.UstawRozmiar(RodzajSieci::Trojkatna, 6, 6, 1);
    s.WyczyscRamke();
    s.Ustaw(6, 6, 1, 1);
    s.Ustaw(1, 1, 1, 1);
    s.Ustaw(6, 3, 1, 1);
    s.OdswiezBrzegi();
    EXPECT_EQ(s.Wartosc(0, 0, 1), 1);
    EXPECT_EQ(s.Wartosc(7, 7, 1), 1);
    EXPECT_EQ(s.Wartosc(0, 3, 1), 1);
    EXPECT_EQ(s.Wartosc(0, 6, 1), 1);
    EXPECT_EQ(s.Wartosc(6, 0, 1), 1);
    EXPECT_EQ(s.Wartosc(7, 0, 1), 0); // other edge and corner cells stay B

    // An exchange during a chunk keeps every copy current.
    s.PoliczOdNowa();
    PrzestawianieAtomow<RodzajSieci::Trojkatna> trojkatna(s);
    trojkatna.Przestaw(s.Indeks(1, 1, 1), 1, 1, 1);
    EXPECT_EQ(s.Wartosc(7, 1, 1), 0);
    EXPECT_EQ(s.Wartosc(1, 7, 1), 0);
    EXPECT_EQ(s.Wartosc(7, 7, 1), 0);
    trojkatna.Przestaw(s.Indeks(6, 6, 1), 6, 6, 1);
    EXPECT_EQ(s.Wartosc(0, 0, 1), 0);

    s.UstawRozmiar(RodzajSieci::Kubiczna3D, 6, 6, 6);
    s.WyczyscRamke();
    s.PoliczOdNowa();
    PrzestawianieAtomow<RodzajSieci::Kubiczna3D> kubiczna(s);
    kubiczna.Przestaw(s.Indeks(1, 6, 6), 1, 6, 6);
    EXPECT_EQ(s.Wartosc(7, 6, 6), 1);
    EXPECT_EQ(s.Wartosc(1, 0, 6), 1);
    EXPECT_EQ(s.Wartosc(1, 6, 0), 1);
    EXPECT_EQ(s.Wartosc(0, 6, 6), 0) << "an atom on no other face writes no other copy";
}

TEST(Siec, IloscSasiadowBTylkoDlaWymaganegoRodzaju) {
    Siec s;
    s.UstawRozmiar(RodzajSieci::Kwadratowa, 6, 6, 1);
    s.WyczyscRamke();
    s.Ustaw(3, 3, 1, 1);
    s.Ustaw(4, 3, 1, 1);
    s.OdswiezBrzegi();
    EXPECT_EQ(s.IloscSasiadowB(3, 3, 1, 0), 0); // holds A, B required
    EXPECT_EQ(s.IloscSasiadowB(3, 3, 1, 1), 3);
    EXPECT_EQ(s.IloscSasiadowB(3, 3, 7, 1), 3); // flat kinds use z = 1 whatever is given
    EXPECT_EQ(s.IloscSasiadowB(2, 3, 1, 0), 3);
}
