#pragma once

#include "Generator.h"
#include "Generator64.h"
#include "Losowania64.h"
#include "LosowaniaOkna.h"
#include "PrzestawianieAtomow.h"
#include "Sasiedztwo.h"
#include "Siec.h"
#include "SposobLiczenia.h"
#include "TablicaAkceptacji.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// The sites, counts and draw of the latest attempt, left for the run state,
// and the number of exchanges the chunk accepted.
struct OstatniaProba {
    int x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
    int sasiedziBWezlaB = 0;
    int sasiedziBWezlaA = 0;
    double liczbaLosowa = 0.0;
    int przyjete = 0;
};

// How many tries of the second site are drawn side by side (see the loop):
// three measured fastest, with two and four a few per cent slower and six
// slower still (more multiplications than the mispredicted branches they save).
inline constexpr int ProbyNaRaz = 3;

// One chunk of exchange attempts on a lattice of kind R with the draws of the
// generator G (the window's Generator or Generator64): returns the sum of the
// accepted changes of unlike pairs. Per attempt: the draws of the first site,
// those of each try of the second until it holds the other kind, then at most
// one real (a site takes three draws of the window's generator, one of the
// 64-bit one). In the way NaBiezaco the lattice's kept counts
// follow every accepted exchange, so a sample only reads them; in the way
// PrzyPomiarze only the pair count and the atoms' bytes do, and the sample
// calls Siec::UzupelnijLiczniki first. Both ways draw the same numbers.
// Allocates nothing.
template <RodzajSieci R, SposobLiczenia S = SposobLiczenia::NaBiezaco, class G = Generator>
long long PetlaPrzeskokow(Siec& siec, G& g, const TablicaAkceptacji& tablica, bool porzadkowanie,
                          int liczbaProb, OstatniaProba& ostatnia) {
    constexpr bool Plaska = JestPlaska(R);
    const int nx = siec.Nx();
    const int ny = siec.Ny();
    const int nz = siec.Nz();
    constexpr int q = LiczbaSasiadowRodzaju(R);
    const std::ptrdiff_t sx = siec.KrokY();
    const std::ptrdiff_t sxy = siec.KrokZ();

    // A copy that stays in registers: the byte stores into the lattice could
    // otherwise alias the table.
    const TablicaAkceptacji tab = tablica;
    const std::size_t poczatek = siec.Indeks(0, 0, Plaska ? 1 : 0);
    const auto indeks = [&](int x, int y, int z) {
        return poczatek + static_cast<std::size_t>(x + y * sx + (Plaska ? 0 : z * sxy));
    };
    PrzestawianieAtomow<R, S> atomy(siec);
    const std::uint8_t* o = siec.Dane(); // kind in bit 0, A neighbours above
    using Losowania = std::conditional_t<std::is_same_v<G, Generator64>, Losowania64<Plaska>,
                                         LosowaniaOkna<Plaska>>;
    const Losowania los(g, nx, ny, nz);
    long long suma = 0;
    int przyjete = 0;
    // What the latest attempt leaves for the run state, kept as few values
    // (the two cells, their bytes before the exchange, the real's state or
    // Brak) so that the loop's own values keep the registers.
    constexpr std::uint64_t Brak = std::uint64_t{1} << 32;
    constexpr int K = ProbyNaRaz;
    std::size_t i1 = 0, i2 = 0;
    int bajty = 0;
    std::uint64_t ostatnieS = Brak;
    typename Losowania::Stan stan = los.Poczatek();
    for (int proba = 0; proba < liczbaProb; ++proba) {
        int x1, y1, z1, x2, y2, z2;
        // Draws at hand for the first site, a round of tries and the real.
        stan = los.Zapewnij(stan, K + 2);
        los.Wezel(stan, 0, x1, y1, z1);
        i1 = indeks(x1, y1, z1);
        const int o1 = o[i1];
        const int v1 = o1 & 1;
        // The second site's tries, K at a time from one state: their kinds
        // are read together and the first of the other kind is taken by its
        // place, not by a branch on each try, which no predictor can guess
        // (half the tries fail). The generator then stands after the taken
        // try, as if the tries had been drawn one by one; the tries after it
        // are dropped unused.
        std::array<std::size_t, K> ik;
        std::array<int, K> xk, yk, zk, bk;
        std::array<typename Losowania::Stan, K> sk; // the state after each try
        // K tries from the state b, the first of them p sites after it; a set
        // bit for each try that holds the other kind.
        const auto proby = [&](typename Losowania::Stan b, auto p) {
            unsigned inne = 0;
            for (int j = 0; j < K; ++j) {
                los.Wezel(b, p + j, xk[j], yk[j], zk[j]);
                ik[j] = indeks(xk[j], yk[j], zk[j]);
                bk[j] = o[ik[j]];
                sk[j] = los.Po(b, p + j + 1);
                inne |= static_cast<unsigned>((bk[j] ^ v1) & 1) << j;
            }
            return inne;
        };
        unsigned inne = proby(stan, std::integral_constant<int, 1>{});
        while (inne == 0) {
            inne = proby(los.Zapewnij(sk[K - 1], K + 1), std::integral_constant<int, 0>{});
        }
        const int t = std::countr_zero(inne);
        stan = sk[t];
        i2 = ik[t];
        x2 = xk[t];
        y2 = yk[t];
        z2 = zk[t];
        const int o2 = bk[t];
        bajty = o1 | o2 << 8;

        // The change of unlike pairs, 2 (bB - bA + 1 for neighbours) with bX
        // the B neighbours of the X site, is that of their A neighbours.
        const int roznica = v1 != 0 ? (o1 >> 1) - (o2 >> 1) : (o2 >> 1) - (o1 >> 1);
        const bool sasiednie = SasiednieOkresowo<R>(x1, y1, z1, x2, y2, z2, nx, ny, nz);
        const int zmiana = 2 * (roznica + (sasiednie ? 1 : 0));

        // A change in the favoured direction is accepted without a draw;
        // otherwise one real is drawn. Which of the two is a coin toss at
        // small lambda, so the state is chosen by a select, not a branch
        // (the table accepts a favoured change at any state).
        const bool korzystna = porzadkowanie ? zmiana >= 0 : zmiana <= 0;
        const std::uint32_t rzeczywista = los.Rzeczywista(stan);
        const bool akceptuj = tab.Akceptuj(zmiana, rzeczywista);
        stan = korzystna ? stan : los.PoRzeczywistej(stan);
        ostatnieS = korzystna ? ostatnieS : rzeczywista;
        if (akceptuj) {
            atomy.Przestaw(i1, x1, y1, z1);
            atomy.Przestaw(i2, x2, y2, z2);
            suma += zmiana;
            ++przyjete;
        }
    }
    atomy.Zakoncz();
    siec.Liczniki().ParyAB += static_cast<int>(suma);
    los.Zakoncz(stan);
    if (liczbaProb > 0) {
        const auto wezel = [&](std::size_t i, int& x, int& y, int& z) {
            const auto d = static_cast<std::ptrdiff_t>(i - poczatek);
            z = Plaska ? 1 : static_cast<int>(d / sxy);
            const std::ptrdiff_t wZ = Plaska ? d : d % sxy;
            y = static_cast<int>(wZ / sx);
            x = static_cast<int>(wZ % sx);
        };
        ostatnia.przyjete = przyjete;
        wezel(i1, ostatnia.x1, ostatnia.y1, ostatnia.z1);
        wezel(i2, ostatnia.x2, ostatnia.y2, ostatnia.z2);
        const int s1 = q - ((bajty & 0xff) >> 1); // B neighbours of each site
        const int s2 = q - (bajty >> 9);
        const bool pierwszyB = (bajty & 1) == 0;
        ostatnia.sasiedziBWezlaB = pierwszyB ? s1 : s2;
        ostatnia.sasiedziBWezlaA = pierwszyB ? s2 : s1;
        if (ostatnieS != Brak) {
            ostatnia.liczbaLosowa = static_cast<double>(ostatnieS) * (1.0 / 4294967296.0);
        }
    }
    return suma;
}
