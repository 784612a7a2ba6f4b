#pragma once

#include "Pojemnosci.h"
#include "RodzajSieci.h"
#include "Siec.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Changes single atoms of a lattice of kind R during a chunk and keeps its
// counts current: the A neighbours of every atom at once, the neighbour
// histogram as moves between bins, added up by Zakoncz. A move is counted in
// a table of its own per neighbour slot, so that the counts of one exchange
// never wait for each other in memory; that is what keeps an accepted
// exchange cheap. The strides and pointers are held here, not read back from
// the lattice, because byte stores into the cells may alias anything.
template <RodzajSieci R> class PrzestawianieAtomow {
public:
    static constexpr int Q = LiczbaSasiadowRodzaju(R);

    explicit PrzestawianieAtomow(Siec& siec)
        : siec_(siec), c_(siec.Dane()), a_(siec.SasiedziA()), nx_(siec.Nx()), ny_(siec.Ny()),
          nz_(siec.Nz()), sx_(siec.KrokY()), sxy_(siec.KrokZ()), przejscia_{}, odwrocenia_{} {}

    int SasiedziA(std::size_t i) const { return a_[i]; }

    // Gives the atom at cell i, (x, y, z), the other kind. Each neighbour
    // moves one bin (towards fewer unlike neighbours when it holds the new
    // kind), the atom itself moves from n to q - n unlike neighbours, and the
    // neighbours' A counts follow. An atom on a face also writes its copies in
    // the border.
    void Przestaw(std::size_t i, int x, int y, int z) {
        const int nowa = 1 - c_[i];
        ++odwrocenia_[nowa ? a_[i] : Q - a_[i]];
        std::array<std::size_t, Q> sasiedzi;
        const bool naScianie = NaScianie(x, y, z);
        if (naScianie) {
            SasiedziPrzezBrzeg(x, y, z, sasiedzi);
        } else {
            SasiedziWnetrza(i, x, y, sasiedzi);
        }
        const int zmianaA = 2 * nowa - 1;
        for (int j = 0; j < Q; ++j) {
            const std::size_t k = sasiedzi[j];
            const int a = a_[k];
            const int niepodobne = c_[k] ? Q - a : a;
            ++przejscia_[j][niepodobne][c_[k] == nowa ? 0 : 1];
            a_[k] = static_cast<std::uint8_t>(a + zmianaA);
        }
        if (naScianie) {
            siec_.ZapiszAtom(x, y, z, nowa);
        } else {
            c_[i] = static_cast<std::uint8_t>(nowa);
        }
    }

    // Adds the moves of the chunk to the lattice's histogram.
    void Zakoncz() {
        std::array<int, LiczbaSlupkow>& h = siec_.Liczniki().Histogram;
        for (int n = 0; n <= Q; ++n) {
            h[n] -= odwrocenia_[n];
            h[Q - n] += odwrocenia_[n];
            for (int j = 0; j < Q; ++j) {
                h[n] -= przejscia_[j][n][0] + przejscia_[j][n][1];
                if (n > 0) {
                    h[n - 1] += przejscia_[j][n][0];
                }
                if (n < Q) {
                    h[n + 1] += przejscia_[j][n][1];
                }
            }
        }
    }

private:
    bool NaScianie(int x, int y, int z) const {
        const bool scianaXY = x == 1 || x == nx_ || y == 1 || y == ny_;
        if constexpr (JestPlaska(R)) {
            (void)z;
            return scianaXY;
        } else {
            return scianaXY || z == 1 || z == nz_;
        }
    }

    // An inner atom: its neighbours are atoms at fixed offsets.
    void SasiedziWnetrza(std::size_t i, int x, int y, std::array<std::size_t, Q>& s) const {
        const std::ptrdiff_t sx = sx_;
        if constexpr (R == RodzajSieci::Kubiczna3D) {
            const std::ptrdiff_t sxy = sxy_;
            s = {i - 1, i + 1, i - sx, i + sx, i - sxy, i + sxy};
        } else if constexpr (R == RodzajSieci::Kwadratowa) {
            s = {i - 1, i + 1, i - sx, i + sx};
        } else if constexpr (R == RodzajSieci::Trojkatna) {
            const std::ptrdiff_t dx = (y & 1) ? -1 : 1;
            s = {i - 1, i + 1, i - sx, i + sx, i - sx + dx, i + sx + dx};
        } else {
            const std::ptrdiff_t dx = ((x + y) & 1) ? -1 : 1;
            s = {i - sx, i + sx, i + dx};
        }
        (void)x;
        (void)y;
    }

    // An atom on a face: a neighbour in the border is the atom it copies.
    void SasiedziPrzezBrzeg(int x, int y, int z, std::array<std::size_t, Q>& s) const {
        const auto zawin = [](int c, int n) { return c < 1 ? n : (c > n ? 1 : c); };
        const Siec::Sasiedzi w = siec_.SasiedziWezla(x, y, z);
        for (int j = 0; j < Q; ++j) {
            s[j] = siec_.Indeks(zawin(w[j].x, nx_), zawin(w[j].y, ny_),
                                JestPlaska(R) ? 1 : zawin(w[j].z, nz_));
        }
    }

    Siec& siec_;
    std::uint8_t* c_;
    std::uint8_t* a_;
    int nx_, ny_, nz_;
    std::ptrdiff_t sx_, sxy_;
    // Moves of neighbours in slot j from bin n down [0] or up [1] by one.
    std::array<std::array<std::array<int, 2>, LiczbaSlupkow>, Q> przejscia_;
    // Moves of exchanged atoms from n to Q - n unlike neighbours.
    std::array<int, LiczbaSlupkow> odwrocenia_;
};
