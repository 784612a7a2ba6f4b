#pragma once

#include "Generator.h"

#include <cstdint>

// The exchange loop's draws from the window's generator: a site takes three
// draws (x, y, z; a flat lattice still spends its z draw), and the loop's
// state is the generator's, from which any draw ahead is one multiplication
// away (Generator::StanPo). Positions are counted in sites.
template <bool Plaska> class LosowaniaOkna {
public:
    using Stan = std::uint32_t;

    LosowaniaOkna(Generator& g, int nx, int ny, int nz) : g_(g), nx_(nx), ny_(ny), nz_(nz) {}

    Stan Poczatek() const { return g_.Stan(); }
    // Every draw ahead can be reached: nothing to prepare.
    Stan Zapewnij(Stan s, int) const { return s; }
    // The site (1-based) drawn k sites after the state s.
    void Wezel(Stan s, int k, int& x, int& y, int& z) const {
        x = Generator::Calkowita(Generator::StanPo(s, 3 * k + 1), nx_) + 1;
        y = Generator::Calkowita(Generator::StanPo(s, 3 * k + 2), ny_) + 1;
        z = Plaska ? 1 : Generator::Calkowita(Generator::StanPo(s, 3 * k + 3), nz_) + 1;
    }
    // The state after k sites.
    Stan Po(Stan s, int k) const { return Generator::StanPo(s, 3 * k); }
    // The real's draw after s, as the 32-bit value the acceptance table reads,
    // and the state after it (the same number).
    std::uint32_t Rzeczywista(Stan s) const { return Generator::StanPo(s, 1); }
    Stan PoRzeczywistej(Stan s) const { return Generator::StanPo(s, 1); }
    void Zakoncz(Stan s) const { g_.UstawStan(s); }

private:
    Generator& g_;
    int nx_, ny_, nz_;
};
