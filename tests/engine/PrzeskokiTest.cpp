#include "PetlaPrzeskokow.h"
#include "SilnikTestowy.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
// The generator state after `ile` draws from `ziarno`.
std::uint32_t StanPo(std::uint32_t ziarno, int ile) {
    for (int i = 0; i < ile; ++i) {
        ziarno = ziarno * 134775813u + 1u;
    }
    return ziarno;
}

// A seed whose first two draws of three land on sites a and b of an n x n flat lattice.
std::uint32_t ZiarnoDlaPary(int n, Wezel a, Wezel b) {
    for (std::uint32_t z = 1;; ++z) {
        StaleZiarno zrodlo(z);
        Generator g(zrodlo);
        g.Przelosuj();
        const Wezel w1{g.Losuj(n) + 1, g.Losuj(n) + 1, g.Losuj(1) + 1};
        const Wezel w2{g.Losuj(n) + 1, g.Losuj(n) + 1, g.Losuj(1) + 1};
        if (w1 == a && w2 == b) {
            return z;
        }
    }
}

struct JednaProba {
    long long suma = 0;
    OstatniaProba ostatnia;
    std::uint32_t stanGeneratora = 0;
};

JednaProba Proba(Siec& siec, std::uint32_t ziarno, double lambda, bool porzadkowanie) {
    StaleZiarno zrodlo(ziarno);
    Generator g(zrodlo);
    g.Przelosuj();
    TablicaAkceptacji tablica;
    tablica.Zbuduj(lambda, porzadkowanie);
    JednaProba wynik;
    wynik.suma = PetlaPrzeskokow<RodzajSieci::Kwadratowa>(siec, g, tablica, porzadkowanie, 1,
                                                          wynik.ostatnia);
    wynik.stanGeneratora = g.Stan();
    return wynik;
}

// A 6 x 6 square lattice of A atoms with B at the given sites, border and counts current.
Siec SiecZAtomamiB(std::initializer_list<Wezel> b) {
    Siec s;
    s.UstawRozmiar(RodzajSieci::Kwadratowa, 6, 6, 1);
    for (int y = 1; y <= 6; ++y) {
        for (int x = 1; x <= 6; ++x) {
            s.Ustaw(x, y, 1, 1);
        }
    }
    for (const Wezel& w : b) {
        s.Ustaw(w.x, w.y, 1, 0);
    }
    s.PoliczOdNowa();
    return s;
}
} // namespace

TEST(Przeskoki, KolejnoscLosowanIPierwszaProbaZZiarna) {
    // Ordered 10 x 10: seed 12345 draws the first site (4, 3) (A), the second
    // (6, 7) (A again, drawn anew), then (5, 1) (B); B there has no B
    // neighbours, A four: the change is -8, and the tenth draw r = 0.9231 is
    // above exp(-0.8) = 0.4493, so the exchange is rejected.
    SilnikTestowy t;
    t.obl.PrzygotujObliczenia(Parametry(RodzajSieci::Kwadratowa, 10, Ulozenie::Uporzadkowane));
    Siec s = t.obl.SiecAtomow();
    const JednaProba p = Proba(s, 12345, 0.1, true);
    EXPECT_EQ(p.ostatnia.x1, 4);
    EXPECT_EQ(p.ostatnia.y1, 3);
    EXPECT_EQ(p.ostatnia.x2, 5);
    EXPECT_EQ(p.ostatnia.y2, 1);
    EXPECT_EQ(p.ostatnia.sasiedziBWezlaB, 0);
    EXPECT_EQ(p.ostatnia.sasiedziBWezlaA, 4);
    EXPECT_EQ(p.stanGeneratora, StanPo(12345, 10));
    EXPECT_NEAR(p.ostatnia.liczbaLosowa, 0.9231, 1e-4);
    EXPECT_EQ(p.suma, 0);
    EXPECT_EQ(s.Wartosc(4, 3, 1), 1);
    EXPECT_EQ(s.Wartosc(5, 1, 1), 0);
}

TEST(Przeskoki, ZmianaParDlaSasiadujacejPary) {
    // B at (3, 3) with B at (2, 3), (3, 2), (3, 4); A at (4, 3) among A atoms.
    Siec s = SiecZAtomamiB({{3, 3}, {2, 3}, {3, 2}, {3, 4}});
    const std::uint32_t ziarno = ZiarnoDlaPary(6, {4, 3}, {3, 3});
    const JednaProba p = Proba(s, ziarno, 0.1, true);
    EXPECT_EQ(p.ostatnia.sasiedziBWezlaB, 3);
    EXPECT_EQ(p.ostatnia.sasiedziBWezlaA, 1);
    EXPECT_EQ(p.suma, 6);
    EXPECT_EQ(p.stanGeneratora, StanPo(ziarno, 6)) << "an accepted rise draws no real";
}

TEST(Przeskoki, ParaPrzezBrzegJestSasiednia) {
    Siec s = SiecZAtomamiB({{1, 5}});
    const std::uint32_t ziarno = ZiarnoDlaPary(6, {6, 5}, {1, 5});
    const JednaProba p = Proba(s, ziarno, 0.1, true);
    // B with no B neighbours, A with one (the B itself): 2 x (0 - 1 + 1) = 0.
    EXPECT_EQ(p.suma, 0);
    EXPECT_EQ(s.Wartosc(1, 5, 1), 1);
    EXPECT_EQ(s.Wartosc(6, 5, 1), 0);
    EXPECT_EQ(s.Wartosc(0, 5, 1), 0);
    EXPECT_EQ(s.Wartosc(7, 5, 1), 1);
}

TEST(Przeskoki, KlasteryzacjaPrzyjmujeSpadekBezLosowania) {
    // An isolated B in A with an isolated A in B: -8, accepted at once for clustering.
    Siec s = SiecZAtomamiB({{1, 1}, {4, 3}, {3, 4}, {5, 4}, {4, 5}});
    const std::uint32_t ziarno = ZiarnoDlaPary(6, {1, 1}, {4, 4});
    const JednaProba p = Proba(s, ziarno, -0.1, false);
    EXPECT_EQ(p.ostatnia.sasiedziBWezlaA, 4);
    EXPECT_EQ(p.suma, -8);
    EXPECT_EQ(p.stanGeneratora, StanPo(ziarno, 6));
}

TEST(Przeskoki, TablicaDecydujeJakWzor) {
    // Around each bound the table must agree with exp(change * lambda) compared with s / 2^32.
    for (int poz = 1; poz <= 24; ++poz) {
        for (const bool porzadkowanie : {true, false}) {
            const double lambda = (porzadkowanie ? poz : -poz) / 10.0;
            TablicaAkceptacji t;
            t.Zbuduj(lambda, porzadkowanie);
            for (int zmiana = -12; zmiana <= 14; zmiana += 2) {
                const long double p = std::exp(static_cast<long double>(zmiana) * lambda);
                const long double srodek = std::min(p, 1.0L) * 4294967296.0L;
                for (long long d = -2; d <= 2; ++d) {
                    const long long s = static_cast<long long>(srodek) + d;
                    if (s < 0 || s > 0xFFFFFFFFLL) {
                        continue;
                    }
                    const long double r = static_cast<double>(s) / 4294967296.0;
                    const bool wzor = porzadkowanie ? p >= r : p > r;
                    EXPECT_EQ(t.Akceptuj(zmiana, static_cast<std::uint32_t>(s)), wzor)
                        << lambda << " " << zmiana << " " << s;
                }
            }
        }
    }
}
