#pragma once

#include "GeometriaSieci.h"
#include "Pojemnosci.h"
#include "RodzajSieci.h"
#include "Siec.h"
#include "SposobLiczenia.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Changes single atoms of a lattice of kind R during a chunk and keeps its
// counts current: all of them in the way NaBiezaco, only the atoms' bytes in
// the way PrzyPomiarze (the histogram and the border are then left for
// Siec::UzupelnijLiczniki). An atom's byte (its kind in bit 0, the number of its A
// neighbours above it) alone says which histogram bin the atom is in and
// which way a change of a neighbour moves it, so the histogram is kept as
// moves counted by that byte, one increment per atom touched, and added up by
// Zakoncz. The strides and pointers are held here, not read back from the
// lattice, because byte stores may alias anything.
template <RodzajSieci R, SposobLiczenia S = SposobLiczenia::NaBiezaco> class PrzestawianieAtomow {
public:
    static constexpr int Q = LiczbaSasiadowRodzaju(R);
    static constexpr bool Histogram = S == SposobLiczenia::NaBiezaco;
    static_assert(S != SposobLiczenia::Samoczynny, "a chunk runs in one way");

    explicit PrzestawianieAtomow(Siec& siec)
        : siec_(siec), o_(siec.Dane()), nx_(siec.Nx()), ny_(siec.Ny()), nz_(siec.Nz()),
          sx_(siec.KrokY()), sxy_(siec.KrokZ()),
          kopieRogow_(KopieRogow<R>(nx_, ny_)), przejscia_{}, odwrocenia_{} {}

    // Gives the atom at cell i, (x, y, z), the other kind; its neighbours'
    // A counts follow. In the way NaBiezaco an atom on a face also writes its
    // copies in the border. Always inlined: the WebAssembly build's compiler
    // otherwise leaves it a call in the exchange loop (GCC inlines it anyway).
    [[gnu::always_inline]] void Przestaw(std::size_t i, int x, int y, int z) {
        if constexpr (!Histogram && StaleOdstepy) {
            if (Wewnatrz(x, y)) {
                PrzestawWewnatrz(i, x, y);
                return;
            }
        }
        std::uint8_t* const o = o_; // a register copy: the byte stores below may alias o_
        const int stan = o[i];
        const int nowa = 1 - (stan & 1);
        if constexpr (Histogram) {
            ++odwrocenia_[stan];
        }
        o[i] = static_cast<std::uint8_t>(stan ^ 1);
        const std::array<std::ptrdiff_t, Q> sasiedzi = Sasiedzi(x, y, z);
        const int zmiana = nowa ? 2 : -2;
        for (int j = 0; j < Q; ++j) {
            const std::size_t k = i + static_cast<std::size_t>(sasiedzi[j]);
            const int s = o[k];
            if constexpr (Histogram) {
                ++przejscia_[nowa][s];
            }
            o[k] = static_cast<std::uint8_t>(s + zmiana);
        }
        if constexpr (Histogram) {
            ZapiszKopie(i, x, y, z);
        }
    }

    // Adds the moves of the chunk to the lattice's histogram. An atom of kind
    // v with a A neighbours has n = q - a unlike neighbours when it is A, a
    // when it is B; exchanged, it has q - n; a neighbour that turns to its own
    // kind makes it one fewer, to the other kind one more. Nothing in the way
    // PrzyPomiarze.
    void Zakoncz() {
        if constexpr (!Histogram) {
            return;
        }
        std::array<int, LiczbaSlupkow>& h = siec_.Liczniki().Histogram;
        for (int s = 0; s < Stany; ++s) {
            const int v = s & 1;
            const int n = v ? Q - (s >> 1) : s >> 1;
            h[n] -= odwrocenia_[s];
            h[Q - n] += odwrocenia_[s];
            const int mniej = przejscia_[v][s]; // the neighbour turned to its kind
            const int wiecej = przejscia_[1 - v][s];
            h[n] -= mniej + wiecej;
            if (n > 0) {
                h[n - 1] += mniej;
            }
            if (n < Q) {
                h[n + 1] += wiecej;
            }
        }
    }

private:
    using G = GeometriaSieci<R>;
    static constexpr int Stany = 2 * (Q + 1);
    // The flat lattices whose atoms all share one set of offsets, apart from
    // the triangular row parity (the honeycomb's bond turns from site to
    // site). The cubic lattice measured no faster this way: there the cache
    // lines of the planes beside the atom cost more than the wrapping.
    static constexpr bool StaleOdstepy =
        R == RodzajSieci::Trojkatna || R == RodzajSieci::Kwadratowa;

    // Whether no neighbour of (x, y) is across a face, so that every one is a
    // fixed offset away: all but 4 % of the atoms of a 100 x 100 lattice, a
    // branch nearly always taken the same way.
    bool Wewnatrz(int x, int y) const {
        return static_cast<unsigned>(x - 2) < static_cast<unsigned>(nx_ - 2) &&
               static_cast<unsigned>(y - 2) < static_cast<unsigned>(ny_ - 2);
    }

    // Przestaw for an atom away from the faces in the way PrzyPomiarze: the
    // neighbours' counts moved at offsets from the atom's own cell, with no
    // wrapping to work out, by a change taken from the kind without a branch.
    void PrzestawWewnatrz(std::size_t i, int x, int y) {
        std::uint8_t* const p = o_ + i;
        const std::ptrdiff_t sx = sx_;
        const std::ptrdiff_t sxy = sxy_;
        const unsigned stan = *p;
        *p = static_cast<std::uint8_t>(stan ^ 1u);
        // +2 when the atom turns to A (it was B), -2 (mod 256) otherwise.
        const auto zmiana = static_cast<std::uint8_t>(2u - 4u * (stan & 1u));
        const auto dodaj = [&](std::ptrdiff_t d) {
            p[d] = static_cast<std::uint8_t>(p[d] + zmiana);
        };
        const auto os = [sx, sxy](int osi, int krok) -> std::ptrdiff_t {
            return krok * (osi == 0 ? 1 : osi == 1 ? sx : sxy);
        };
        for (const std::ptrdiff_t d : OdstepySasiadow<R>(G::Parzystosc(x, y), os)) {
            dodaj(d);
        }
    }

    // Copies the atom's byte into each border cell that holds a copy of it
    // (only its kind bit is read there). An atom away from a face writes its
    // own byte again instead: stores without a branch or a call, which keep
    // the loop's values in registers.
    void ZapiszKopie(std::size_t i, int x, int y, int z) {
        std::uint8_t* const o = o_;
        const std::uint8_t bajt = o[i];
        const std::ptrdiff_t kx = x == 1 ? nx_ : (x == nx_ ? -nx_ : 0);
        const std::ptrdiff_t ky = y == 1 ? ny_ * sx_ : (y == ny_ ? -ny_ * sx_ : 0);
        o[i + static_cast<std::size_t>(kx)] = bajt;
        o[i + static_cast<std::size_t>(ky)] = bajt;
        if constexpr (R == RodzajSieci::Kubiczna3D) {
            const std::ptrdiff_t kz = z == 1 ? nz_ * sxy_ : (z == nz_ ? -nz_ * sxy_ : 0);
            o[i + static_cast<std::size_t>(kz)] = bajt;
        } else {
            (void)z;
        }
        if constexpr (MaSkosy<R>()) {
            // A corner atom whose copy the opposite corner reads (KopieRogow).
            const unsigned rog = static_cast<unsigned>(x == nx_) + 2u * (y == ny_);
            const bool naroznik = kx != 0 && ky != 0 && ((kopieRogow_ >> rog) & 1u) != 0;
            o[i + static_cast<std::size_t>(naroznik ? kx + ky : 0)] = bajt;
        }
    }

    // The offsets of the neighbour atoms from the cell of (x, y, z). A step
    // out of the block lands on the atom at the other end of its axis rather
    // than on the border copy, so that the counts kept are the atom's own.
    std::array<std::ptrdiff_t, Q> Sasiedzi(int x, int y, int z) const {
        const std::ptrdiff_t sx = sx_;
        const std::ptrdiff_t sxy = sxy_;
        const std::array<std::ptrdiff_t, 3> wstecz{
            x == 1 ? nx_ - 1 : -1, y == 1 ? (ny_ - 1) * sx : -sx, z == 1 ? (nz_ - 1) * sxy : -sxy};
        const std::array<std::ptrdiff_t, 3> naprzod{x == nx_ ? 1 - nx_ : 1,
                                                    y == ny_ ? (1 - ny_) * sx : sx,
                                                    z == nz_ ? (1 - nz_) * sxy : sxy};
        const auto os = [&](int osi, int krok) -> std::ptrdiff_t {
            return krok < 0 ? wstecz[osi] : krok > 0 ? naprzod[osi] : 0;
        };
        return OdstepySasiadow<R>(G::Parzystosc(x, y), os);
    }

    Siec& siec_;
    std::uint8_t* o_;
    int nx_, ny_, nz_;
    std::ptrdiff_t sx_, sxy_;
    unsigned kopieRogow_; // KopieRogow of the lattice's size
    // Moves of the neighbours of atoms turned to kind `nowa`, by the
    // neighbour's otoczenie byte before the move.
    std::array<std::array<int, Stany>, 2> przejscia_;
    // Exchanged atoms, by their otoczenie byte before the exchange.
    std::array<int, Stany> odwrocenia_;
};
