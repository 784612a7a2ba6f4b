#pragma once

#include "Generator.h"
#include "PrzestawianieAtomow.h"
#include "Sasiedztwo.h"
#include "Siec.h"
#include "SposobLiczenia.h"
#include "TablicaAkceptacji.h"

#include <cstddef>
#include <cstdint>

// The sites, counts and draw of the latest attempt, left for the run state,
// and the number of exchanges the chunk accepted.
struct OstatniaProba {
    int x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
    int sasiedziBWezlaB = 0;
    int sasiedziBWezlaA = 0;
    double liczbaLosowa = 0.0;
    int przyjete = 0;
};

// One chunk of exchange attempts on a lattice of kind R: returns the sum of
// the accepted changes of unlike pairs. Per attempt: three integer draws for
// the first site, three per try for the second until it holds the other kind,
// then at most one real. In the way NaBiezaco the lattice's kept counts
// follow every accepted exchange, so a sample only reads them; in the way
// PrzyPomiarze only the pair count and the atoms' bytes do, and the sample
// calls Siec::UzupelnijLiczniki first. Both ways draw the same numbers.
// Allocates nothing.
template <RodzajSieci R, SposobLiczenia S = SposobLiczenia::NaBiezaco>
long long PetlaPrzeskokow(Siec& siec, Generator& g, const TablicaAkceptacji& tablica,
                          bool porzadkowanie, int liczbaProb, OstatniaProba& ostatnia) {
    constexpr bool Plaska = JestPlaska(R);
    const int nx = siec.Nx();
    const int ny = siec.Ny();
    const int nz = siec.Nz();
    constexpr int q = LiczbaSasiadowRodzaju(R);
    const std::ptrdiff_t sx = siec.KrokY();
    const std::ptrdiff_t sxy = siec.KrokZ();

    // Copies that stay in registers: the byte stores into the lattice could
    // otherwise alias the generator's state and the table.
    Generator gen = g;
    const TablicaAkceptacji tab = tablica;
    const std::size_t poczatek = siec.Indeks(0, 0, Plaska ? 1 : 0);
    const auto indeks = [&](int x, int y, int z) {
        return poczatek + static_cast<std::size_t>(x + y * sx + (Plaska ? 0 : z * sxy));
    };
    PrzestawianieAtomow<R, S> atomy(siec);
    const std::uint8_t* o = siec.Dane(); // kind in bit 0, A neighbours above
    const auto losujWezel = [&](int& x, int& y, int& z) {
        x = gen.Losuj(nx) + 1;
        y = gen.Losuj(ny) + 1;
        if constexpr (Plaska) {
            gen.Nastepny(); // R(1) is always 0 but still advances the generator
            z = 1;
        } else {
            z = gen.Losuj(nz) + 1;
        }
    };

    long long suma = 0;
    int przyjete = 0;
    // What the latest attempt leaves for the run state, kept as few values
    // (the two cells, their bytes before the exchange, the real's state or
    // Brak) so that the loop's own values keep the registers.
    constexpr std::uint64_t Brak = std::uint64_t{1} << 32;
    std::size_t i1 = 0, i2 = 0;
    int bajty = 0;
    std::uint64_t ostatnieS = Brak;
    for (int proba = 0; proba < liczbaProb; ++proba) {
        int x1, y1, z1, x2, y2, z2;
        losujWezel(x1, y1, z1);
        i1 = indeks(x1, y1, z1);
        const int o1 = o[i1];
        const int v1 = o1 & 1;
        int o2;
        do {
            losujWezel(x2, y2, z2);
            i2 = indeks(x2, y2, z2);
            o2 = o[i2];
        } while ((o2 & 1) == v1);
        bajty = o1 | o2 << 8;

        // The change of unlike pairs, 2 (bB - bA + 1 for neighbours) with bX
        // the B neighbours of the X site, is that of their A neighbours.
        const int roznica = v1 != 0 ? (o1 >> 1) - (o2 >> 1) : (o2 >> 1) - (o1 >> 1);
        const bool sasiednie = SasiednieOkresowo<R>(x1, y1, z1, x2, y2, z2, nx, ny, nz);
        const int zmiana = 2 * (roznica + (sasiednie ? 1 : 0));

        // A change in the favoured direction is accepted without a draw;
        // otherwise one real is drawn.
        bool akceptuj = porzadkowanie ? zmiana >= 0 : zmiana <= 0;
        if (!akceptuj) {
            const std::uint32_t s = gen.Nastepny();
            ostatnieS = s;
            akceptuj = tab.Akceptuj(zmiana, s);
        }
        if (akceptuj) {
            atomy.Przestaw(i1, x1, y1, z1);
            atomy.Przestaw(i2, x2, y2, z2);
            suma += zmiana;
            ++przyjete;
        }
    }
    atomy.Zakoncz();
    siec.Liczniki().ParyAB += static_cast<int>(suma);
    g = gen;
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
