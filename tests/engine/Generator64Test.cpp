#include "Generator64.h"

#include "SilnikTestowy.h"
#include "StaleZiarno.h"
#include "Xoshiro256.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {
// The transition of xoshiro256++'s state as a 256 x 256 matrix over GF(2),
// one row of four words per input bit: the state the definition steps to
// from a state with that bit alone.
using Stan = Xoshiro256::Stan;
using Macierz = std::vector<Stan>;

Stan Razy(const Macierz& m, const Stan& s) {
    Stan wynik{};
    for (std::size_t bit = 0; bit < 256; ++bit) {
        if ((s[bit / 64] >> (bit % 64)) & 1u) {
            for (std::size_t i = 0; i < 4; ++i) {
                wynik[i] ^= m[bit][i];
            }
        }
    }
    return wynik;
}

Macierz Przejscie() {
    Macierz m(256);
    for (std::size_t bit = 0; bit < 256; ++bit) {
        Stan s{};
        s[bit / 64] = std::uint64_t{1} << (bit % 64);
        Xoshiro256 x(s);
        x.Nastepny();
        m[bit] = x.StanSlow();
    }
    return m;
}

// m^2: the row of a bit is the image of m's row for that bit.
Macierz Kwadrat(const Macierz& m) {
    Macierz wynik(256);
    for (std::size_t bit = 0; bit < 256; ++bit) {
        wynik[bit] = Razy(m, m[bit]);
    }
    return wynik;
}

__extension__ typedef unsigned __int128 Iloczyn;
} // namespace

// The definition's first outputs from the state (0, 0, 0, 1): the first is
// rotl(0 + 1, 23) + 0 = 2^23 by hand. Seeding: splitmix64's first output
// from 0 is its published 0xe220a8397b1dcdaf.
TEST(Generator64, XoshiroIZiarnoZDefinicji) {
    Xoshiro256 x({0, 0, 0, 1});
    EXPECT_EQ(x.Nastepny(), 0x800000u);
    EXPECT_EQ(x.Nastepny(), 0x800011u);
    EXPECT_EQ(x.Nastepny(), 0x2200000800011u);
    std::uint64_t z = 0;
    EXPECT_EQ(Xoshiro256::SplitMix64(z), 0xe220a8397b1dcdafu);
    const Stan s = Xoshiro256::ZZiarna(0).StanSlow();
    EXPECT_EQ(s[0], 0xe220a8397b1dcdafu);
}

// A jump lands where 2^128 steps of the definition do: the transition
// matrix squared 128 times, applied to the state. The state one jump from
// (0, 0, 0, 1) is kept as a reference value too.
TEST(Generator64, SkokTo2Do128KrokowDefinicji) {
    Macierz m = Przejscie();
    for (int i = 0; i < 128; ++i) {
        m = Kwadrat(m);
    }
    for (const Stan& start : {Stan{0, 0, 0, 1}, Xoshiro256::ZZiarna(103).StanSlow()}) {
        Xoshiro256 x(start);
        x.Skok();
        EXPECT_EQ(x.StanSlow(), Razy(m, start));
    }
    Xoshiro256 x({0, 0, 0, 1});
    x.Skok();
    EXPECT_EQ(x.StanSlow(), (Stan{0x934D05E8B2076310u, 0xEABDD0BF76A1BE51u, 0x75DD6A992ACCB1E8u,
                                  0xC660C602A7330187u}));
}

// Stream k of seed Z is the seed's state jumped k times, and the streams of
// neighbouring seeds share nothing: among the first 20 000 draws of streams
// 0..4 of seeds 103 and 104 no draw repeats (a chance of 10^-10 for
// independent streams), where the window's seeds Z + k made replica 1 of
// 103 replica 0 of 104.
TEST(Generator64, StrumienieZiarnaISasiednichZiaren) {
    StaleZiarno zrodlo(0);
    Generator64 g(zrodlo);
    g.Zasiej(103, 3);
    Xoshiro256 x = Xoshiro256::ZZiarna(103);
    for (int k = 0; k < 3; ++k) {
        x.Skok();
    }
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(g.Nastepny(), x.Nastepny()) << i;
    }
    std::set<std::uint64_t> widziane;
    std::size_t losowan = 0;
    for (const std::uint32_t ziarno : {103u, 104u}) {
        for (std::uint32_t strumien = 0; strumien < 5; ++strumien) {
            g.Zasiej(ziarno, strumien);
            for (int i = 0; i < 20000; ++i) {
                widziane.insert(g.Nastepny());
                ++losowan;
            }
        }
    }
    EXPECT_EQ(widziane.size(), losowan);
}

// The buffer hands out the core's draws in order, refilled at any point,
// and the source's seed is taken once, as with the window's generator.
TEST(Generator64, BuforIJedenStrumien) {
    StaleZiarno zrodlo(5);
    Generator64 g(zrodlo);
    g.UstawStrumien(1);
    g.Przelosuj();
    Xoshiro256 x = Xoshiro256::ZZiarna(5);
    x.Skok();
    for (int i = 0; i < 500; ++i) {
        if (i % 37 == 0) {
            g.UstawPozycje(g.Uzupelnij(g.Pozycja()));
        }
        ASSERT_EQ(g.Nastepny(), x.Nastepny()) << i;
    }
    g.Przelosuj();
    EXPECT_EQ(g.Nastepny(), x.Nastepny()) << "no second seed: the stream goes on";
    StaleZiarno inne(5);
    Generator64 h(inne);
    h.Przelosuj();
    EXPECT_EQ(h.Nastepny(), Xoshiro256::ZZiarna(5).Nastepny()) << "stream 0 by default";
    // A source that gave its seed to another generator: the 64-bit one draws
    // seed 0's stream, not the zeros of an empty state.
    StaleZiarno wydane(5);
    wydane.Ziarno();
    Generator64 bezZiarna(wydane);
    bezZiarna.Przelosuj();
    const std::uint64_t pierwsza = bezZiarna.Nastepny();
    EXPECT_EQ(pierwsza, Xoshiro256::ZZiarna(0).Nastepny());
    EXPECT_NE(pierwsza, bezZiarna.Nastepny());
}

// floor(r n / 2^64) by 64-bit products (and by the machine's 128-bit one
// where it has it) against the exact product, at the
// ends of the range and for scattered draws; the chained digits of one
// draw are those of floor(r N / 2^64) for N = nx ny nz.
TEST(Generator64, CalkowitaZIloczynu) {
    Xoshiro256 x = Xoshiro256::ZZiarna(9);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t r =
            i < 3 ? std::array<std::uint64_t, 3>{0, ~0ull, 1ull << 63}[i] : x.Nastepny();
        const auto n = static_cast<std::uint32_t>(i < 1000 ? i + 1 : 1 + (r >> 40) % 4294967295u);
        const Iloczyn dokladny = static_cast<Iloczyn>(r) * n;
        ASSERT_EQ(Generator64::Gora(r, n), static_cast<std::uint64_t>(dokladny >> 64))
            << r << " " << n;
        std::uint64_t cyfra = 0;
        ASSERT_EQ(Generator64::Cyfra(r, n, cyfra), static_cast<std::uint64_t>(dokladny));
        ASSERT_EQ(cyfra, Generator64::Gora(r, n));
        const std::uint32_t nx = 6 + i % 95, ny = 100, nz = 8;
        std::uint64_t c = r;
        const std::uint64_t dx = Generator64::Gora(c, nx);
        c *= nx;
        const std::uint64_t dy = Generator64::Gora(c, ny);
        c *= ny;
        const std::uint64_t dz = Generator64::Gora(c, nz);
        const std::uint64_t indeks =
            static_cast<std::uint64_t>((static_cast<Iloczyn>(r) * (nx * ny * nz)) >> 64);
        ASSERT_EQ((dx * ny + dy) * nz + dz, indeks) << r;
    }
}

// The engine on the 64-bit generator: a fixed seed and stream repeat the
// run; another stream or the window's generator give another.
TEST(Generator64, SilnikNaStrumieniu) {
    const auto sigmy = [](RodzajGeneratora rodzaj, std::uint32_t strumien) {
        SilnikTestowy t(31);
        ZapisObserwatora zapis;
        t.obl.UstawObserwatora(&zapis);
        t.obl.UstawGenerator(rodzaj, strumien);
        ParametrySymulacji p = Parametry(RodzajSieci::Trojkatna, 10, Ulozenie::Przypadkowe, 40);
        p.MaxIloscCykli = 20000;
        p.PozycjaKroku = 8;
        t.obl.PrzygotujObliczenia(p);
        DoKonca(t.obl);
        EXPECT_EQ(t.obl.UzywanyGenerator(), rodzaj);
        return zapis.sigmy;
    };
    const auto a = sigmy(RodzajGeneratora::Xoshiro, 2);
    EXPECT_EQ(sigmy(RodzajGeneratora::Xoshiro, 2), a);
    EXPECT_NE(sigmy(RodzajGeneratora::Xoshiro, 3), a);
    EXPECT_NE(sigmy(RodzajGeneratora::Okna, 2), a);
    EXPECT_GT(a.size(), 20u);
}
