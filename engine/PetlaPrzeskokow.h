#pragma once

#include "Generator.h"
#include "PrzestawianieAtomow.h"
#include "Sasiedztwo.h"
#include "Siec.h"
#include "TablicaAkceptacji.h"

#include <cstddef>
#include <cstdint>

// The sites, counts and draw of the latest attempt, left for the run state.
struct OstatniaProba {
    int x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
    int sasiedziBWezlaB = 0;
    int sasiedziBWezlaA = 0;
    double liczbaLosowa = 0.0;
};

// One chunk of exchange attempts on a lattice of kind R: returns the sum of
// the accepted changes of unlike pairs. Per attempt: three integer draws for
// the first site, three per try for the second until it holds the other kind,
// then at most one real. The lattice's kept counts follow every accepted
// exchange, so a sample only reads them. Allocates nothing.
template <RodzajSieci R>
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
    PrzestawianieAtomow<R> atomy(siec);
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
    int x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0, bB = 0, bA = 0;
    std::uint32_t ostatnieS = 0;
    bool losowano = false;
    for (int proba = 0; proba < liczbaProb; ++proba) {
        losujWezel(x1, y1, z1);
        const std::size_t i1 = indeks(x1, y1, z1);
        const int v1 = o[i1] & 1;
        std::size_t i2 = 0;
        do {
            losujWezel(x2, y2, z2);
            i2 = indeks(x2, y2, z2);
        } while ((o[i2] & 1) == v1);

        const int s1 = q - (o[i1] >> 1); // B neighbours of each site
        const int s2 = q - (o[i2] >> 1);
        bB = v1 == 0 ? s1 : s2;
        bA = v1 == 0 ? s2 : s1;
        const bool sasiednie = SasiednieOkresowo<R>(x1, y1, z1, x2, y2, z2, nx, ny, nz);
        const int zmiana = 2 * (bB - bA + (sasiednie ? 1 : 0));

        // A change in the favoured direction is accepted without a draw;
        // otherwise one real is drawn.
        bool akceptuj = porzadkowanie ? zmiana >= 0 : zmiana <= 0;
        if (!akceptuj) {
            ostatnieS = gen.Nastepny();
            losowano = true;
            akceptuj = tab.Akceptuj(zmiana, ostatnieS);
        }
        if (akceptuj) {
            atomy.Przestaw(i1, x1, y1, z1);
            atomy.Przestaw(i2, x2, y2, z2);
            suma += zmiana;
        }
    }
    atomy.Zakoncz();
    siec.Liczniki().ParyAB += static_cast<int>(suma);
    g = gen;
    if (liczbaProb > 0) {
        ostatnia = {x1, y1, z1,
                    x2, y2, z2,
                    bB, bA, losowano ? ostatnieS * (1.0 / 4294967296.0) : ostatnia.liczbaLosowa};
    }
    return suma;
}
