#pragma once

#include "Generator64.h"

#include <cstdint>

// The exchange loop's draws from the 64-bit generator: a site takes one draw,
// whose digits in the radices nx, ny (and nz) are its coordinates (see
// Generator64::Gora), and the real takes the upper 32 bits of one, as the
// acceptance table reads them. The loop's state is a position in the
// generator's buffer; positions are counted in sites (one draw each).
template <bool Plaska> class Losowania64 {
public:
    using Stan = unsigned;

    Losowania64(Generator64& g, int nx, int ny, int nz)
        : g_(g), b_(g.Bufor()), nx_(static_cast<std::uint32_t>(nx)),
          ny_(static_cast<std::uint32_t>(ny)), nz_(static_cast<std::uint32_t>(nz)) {}

    Stan Poczatek() const { return g_.Pozycja(); }
    // A position from which n draws can be read, refilling the buffer (and
    // moving the unused draws from s on to its front) when fewer are left.
    Stan Zapewnij(Stan s, int n) const {
        return s + static_cast<unsigned>(n) <= Generator64::RozmiarBufora ? s : g_.Uzupelnij(s);
    }
    void Wezel(Stan s, int k, int& x, int& y, int& z) const {
        std::uint64_t cx = 0, cy = 0, cz = 0;
        const std::uint64_t r = Generator64::Cyfra(b_[s + static_cast<unsigned>(k)], nx_, cx);
        const std::uint64_t ry = Generator64::Cyfra(r, ny_, cy);
        if constexpr (!Plaska) {
            Generator64::Cyfra(ry, nz_, cz);
        }
        x = static_cast<int>(cx) + 1;
        y = static_cast<int>(cy) + 1;
        z = static_cast<int>(cz) + 1;
    }
    Stan Po(Stan s, int k) const { return s + static_cast<unsigned>(k); }
    std::uint32_t Rzeczywista(Stan s) const { return static_cast<std::uint32_t>(b_[s] >> 32); }
    Stan PoRzeczywistej(Stan s) const { return s + 1; }
    void Zakoncz(Stan s) const { g_.UstawPozycje(s); }

private:
    Generator64& g_;
    const std::uint64_t* b_;
    std::uint32_t nx_, ny_, nz_;
};
