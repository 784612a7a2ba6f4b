#include "MalaSiec.h"
#include "PetlaPrzeskokow.h"
#include "SilnikTestowy.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>
#include <type_traits>

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
    return mala::Siec6(RodzajSieci::Kwadratowa, [&](int x, int y, int) {
        return std::none_of(b.begin(), b.end(),
                            [&](const Wezel& w) { return w.x == x && w.y == y; });
    });
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

TEST(Przeskoki, TablicaPrzyjmujeKorzystnaZmianePrzyKazdymStanie) {
    // The loop asks the table about every change, favoured ones too, and
    // only then chooses whether a real was drawn.
    for (const double lambda : {-2.4, -0.1, 0.0, 0.1, 2.4}) {
        for (const bool porzadkowanie : {true, false}) {
            TablicaAkceptacji t;
            t.Zbuduj(lambda, porzadkowanie);
            for (int zmiana = -12; zmiana <= 14; zmiana += 2) {
                if (porzadkowanie ? zmiana >= 0 : zmiana <= 0) {
                    EXPECT_TRUE(t.Akceptuj(zmiana, 0xFFFFFFFFu)) << lambda << " " << zmiana;
                }
            }
        }
    }
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

namespace {
struct Wynik {
    long long suma = 0;
    std::uint64_t stan = 0; // the window generator's state, or the 64-bit one's next draw
    OstatniaProba ostatnia;
    std::vector<int> rodzaje;
};

std::vector<int> Rodzaje(const Siec& s) {
    std::vector<int> r;
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= s.Ny(); ++y) {
            for (int x = 1; x <= s.Nx(); ++x) {
                r.push_back(s.Wartosc(x, y, z));
            }
        }
    }
    return r;
}

// The window's generator, or stream 2 of the 64-bit one, on a seed, drawn
// from one number after another as the attempts are defined: a site is
// three draws of the window's generator (x, y, z) or the digits of one
// 64-bit draw in the radices nx, ny, nz; a real is a 32-bit draw or the
// upper half of a 64-bit one.
// The exact product of a draw and a count, independent of the loop's own
// 64-bit arithmetic.
__extension__ typedef unsigned __int128 Iloczyn;

template <class G> struct ZrodloProb {
    static constexpr bool Okna = std::is_same_v<G, Generator>;
    StaleZiarno ziarno;
    G g;
    explicit ZrodloProb(std::uint32_t z) : ziarno(z), g(ziarno) {
        if constexpr (!Okna) {
            g.UstawStrumien(2);
        }
        g.Przelosuj();
    }
    Wezel Losuj(const Siec& s) {
        if constexpr (Okna) {
            return Wezel{g.Losuj(s.Nx()) + 1, g.Losuj(s.Ny()) + 1, g.Losuj(s.Nz()) + 1};
        } else {
            std::uint64_t r = g.Nastepny();
            std::array<int, 3> xyz{};
            const std::array<int, 3> n{s.Nx(), s.Ny(), s.Nz()};
            for (std::size_t i = 0; i < 3; ++i) {
                const auto ni = static_cast<std::uint32_t>(n[i]);
                const Iloczyn iloczyn = static_cast<Iloczyn>(r) * ni;
                xyz[i] = static_cast<int>(iloczyn >> 64) + 1;
                r = static_cast<std::uint64_t>(iloczyn);
            }
            return Wezel{xyz[0], xyz[1], xyz[2]};
        }
    }
    std::uint32_t Rzeczywista() {
        if constexpr (Okna) {
            return g.Nastepny();
        } else {
            return static_cast<std::uint32_t>(g.Nastepny() >> 32);
        }
    }
    std::uint64_t Stan() {
        if constexpr (Okna) {
            return g.Stan();
        } else {
            return g.Nastepny();
        }
    }
};

// The attempts as they read when drawn one number after another, the change
// of pairs counted from the kinds around the two sites.
template <class G>
Wynik ProbyPoKolei(Siec s, std::uint32_t ziarno, const TablicaAkceptacji& tablica,
                   bool porzadkowanie, int proby) {
    ZrodloProb<G> z(ziarno);
    Wynik w;
    const auto losuj = [&] { return z.Losuj(s); };
    for (int i = 0; i < proby; ++i) {
        const Wezel a = losuj();
        const int rodzajA = s.Wartosc(a.x, a.y, a.z);
        Wezel b = losuj();
        while (s.Wartosc(b.x, b.y, b.z) == rodzajA) {
            b = losuj();
        }
        const Wezel& wA = rodzajA == 1 ? a : b;
        const Wezel& wB = rodzajA == 1 ? b : a;
        const int bB = s.IloscSasiadowB(wB.x, wB.y, wB.z, 0);
        const int bA = s.IloscSasiadowB(wA.x, wA.y, wA.z, 1);
        bool sasiednie = false;
        const auto zawin = [](int v, int n) { return v == 0 ? n : (v == n + 1 ? 1 : v); };
        const Siec::Sasiedzi obok = s.SasiedziWezla(a.x, a.y, a.z);
        for (int j = 0; j < s.LiczbaSasiadow(); ++j) {
            const Wezel w{zawin(obok[j].x, s.Nx()), zawin(obok[j].y, s.Ny()),
                          zawin(obok[j].z, s.Nz())};
            sasiednie = sasiednie || w == b;
        }
        const int zmiana = 2 * (bB - bA + (sasiednie ? 1 : 0));
        bool akceptuj = porzadkowanie ? zmiana >= 0 : zmiana <= 0;
        if (!akceptuj) {
            const std::uint32_t r = z.Rzeczywista();
            w.ostatnia.liczbaLosowa = r / 4294967296.0;
            akceptuj = tablica.Akceptuj(zmiana, r);
        }
        w.ostatnia.x1 = a.x, w.ostatnia.y1 = a.y, w.ostatnia.z1 = a.z;
        w.ostatnia.x2 = b.x, w.ostatnia.y2 = b.y, w.ostatnia.z2 = b.z;
        w.ostatnia.sasiedziBWezlaB = bB;
        w.ostatnia.sasiedziBWezlaA = bA;
        if (akceptuj) {
            s.Ustaw(a.x, a.y, a.z, 1 - rodzajA);
            s.Ustaw(b.x, b.y, b.z, rodzajA);
            s.PoliczOdNowa();
            w.suma += zmiana;
        }
    }
    w.stan = z.Stan();
    w.rodzaje = Rodzaje(s);
    return w;
}

template <RodzajSieci R, SposobLiczenia S, class G>
Wynik Petla(Siec s, std::uint32_t ziarno, const TablicaAkceptacji& tablica, bool porzadkowanie,
            int proby) {
    ZrodloProb<G> z(ziarno);
    Wynik w;
    w.suma = PetlaPrzeskokow<R, S>(s, z.g, tablica, porzadkowanie, proby, w.ostatnia);
    w.stan = z.Stan();
    w.rodzaje = Rodzaje(s);
    return w;
}

template <RodzajSieci R, class G>
void PorownajZPetla(const Siec& s, std::uint32_t ziarno, double lambda, bool porzadkowanie) {
    constexpr int Proby = 3000;
    TablicaAkceptacji tablica;
    tablica.Zbuduj(porzadkowanie ? lambda : -lambda, porzadkowanie); // as a run builds it
    const Wynik wzor = ProbyPoKolei<G>(s, ziarno, tablica, porzadkowanie, Proby);
    for (const Wynik& w :
         {Petla<R, SposobLiczenia::NaBiezaco, G>(s, ziarno, tablica, porzadkowanie, Proby),
          Petla<R, SposobLiczenia::PrzyPomiarze, G>(s, ziarno, tablica, porzadkowanie, Proby)}) {
        EXPECT_EQ(w.stan, wzor.stan) << "the stream";
        EXPECT_EQ(w.suma, wzor.suma);
        EXPECT_EQ(w.rodzaje, wzor.rodzaje);
        const OstatniaProba& a = wzor.ostatnia;
        const OstatniaProba& b = w.ostatnia;
        EXPECT_EQ(
            std::tie(b.x1, b.y1, b.z1, b.x2, b.y2, b.z2, b.sasiedziBWezlaB, b.sasiedziBWezlaA),
            std::tie(a.x1, a.y1, a.z1, a.x2, a.y2, a.z2, a.sasiedziBWezlaB, a.sasiedziBWezlaA));
        EXPECT_EQ(b.liczbaLosowa, a.liczbaLosowa);
    }
}
} // namespace

class ProbyJakPoKolei
    : public testing::TestWithParam<std::tuple<RodzajSieci, int, double, Oddzialywanie>> {};

// The loop draws the second site's tries several at a time; at a concentration
// of 0.1 most attempts need more tries than one such round holds. With the
// 64-bit generator the 3000 attempts refill its buffer many times, also in
// the middle of an attempt's tries.
TEST_P(ProbyJakPoKolei, TaSamaSiecStrumienIOstatniaProba) {
    const auto [rodzaj, koncentracja, lambda, tryb] = GetParam();
    SilnikTestowy t(4242);
    ParametrySymulacji p = Parametry(rodzaj, 6, Ulozenie::Przypadkowe, koncentracja);
    p.IloscAtomowOsY = 8;
    p.IloscAtomowOsZ = 10;
    t.obl.PrzygotujObliczenia(p);
    const Siec& s = t.obl.SiecAtomow();
    const bool porzadkowanie = tryb == Oddzialywanie::Porzadkowanie;
    switch (rodzaj) {
    case RodzajSieci::Kubiczna3D:
        PorownajZPetla<RodzajSieci::Kubiczna3D, Generator>(s, 99, lambda, porzadkowanie);
        return PorownajZPetla<RodzajSieci::Kubiczna3D, Generator64>(s, 99, lambda, porzadkowanie);
    case RodzajSieci::Kwadratowa:
        PorownajZPetla<RodzajSieci::Kwadratowa, Generator>(s, 99, lambda, porzadkowanie);
        return PorownajZPetla<RodzajSieci::Kwadratowa, Generator64>(s, 99, lambda, porzadkowanie);
    case RodzajSieci::Trojkatna:
        PorownajZPetla<RodzajSieci::Trojkatna, Generator>(s, 99, lambda, porzadkowanie);
        return PorownajZPetla<RodzajSieci::Trojkatna, Generator64>(s, 99, lambda, porzadkowanie);
    case RodzajSieci::Heksagonalna:
        PorownajZPetla<RodzajSieci::Heksagonalna, Generator>(s, 99, lambda, porzadkowanie);
        return PorownajZPetla<RodzajSieci::Heksagonalna, Generator64>(s, 99, lambda, porzadkowanie);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sieci, ProbyJakPoKolei,
    testing::Combine(testing::Values(RodzajSieci::Kubiczna3D, RodzajSieci::Kwadratowa,
                                     RodzajSieci::Trojkatna, RodzajSieci::Heksagonalna),
                     testing::Values(10, 50), testing::Values(0.1, 2.4),
                     testing::Values(Oddzialywanie::Porzadkowanie, Oddzialywanie::Klasteryzacja)));

// The 64-bit generator's draws come through a buffer that outlives a chunk:
// a run split into chunks takes the same draws as one chunk of all its
// attempts, whatever the split.
TEST(Przeskoki, PodzialNaKawalkiNieZmieniaStrumienia64) {
    SilnikTestowy t(4242);
    t.obl.PrzygotujObliczenia(Parametry(RodzajSieci::Kubiczna3D, 6, Ulozenie::Przypadkowe, 30));
    TablicaAkceptacji tablica;
    tablica.Zbuduj(0.7, true);
    const auto przebieg = [&](std::initializer_list<int> kawalki) {
        ZrodloProb<Generator64> z(77);
        Siec s = t.obl.SiecAtomow();
        OstatniaProba ostatnia;
        long long suma = 0;
        for (const int proby : kawalki) {
            suma +=
                PetlaPrzeskokow<RodzajSieci::Kubiczna3D>(s, z.g, tablica, true, proby, ostatnia);
        }
        return std::make_tuple(suma, Rodzaje(s), z.Stan());
    };
    const auto caly = przebieg({1000});
    EXPECT_EQ(przebieg({1, 2, 997}), caly);
    EXPECT_EQ(przebieg({333, 333, 334}), caly);
    EXPECT_NE(std::get<0>(caly), 0);
}
