#pragma once

#include "RodzajSieci.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

// One step from an atom to a nearest neighbour, in cells along each axis.
struct Krok {
    int dx;
    int dy;
    int dz;
};

// The geometry of a lattice kind, written once: its neighbours as steps,
// which depend on the parity class of the atom (the triangular lattice's odd
// rows sit half a spacing to the left, the brick-wall honeycomb's horizontal
// bond turns from site to site). Every place that walks the neighbours (the
// lattice's counts and queries, the exchange loop, adjacency through the
// border) takes them from here; a fifth kind is one more specialisation.
template <RodzajSieci R> struct GeometriaSieci;

template <> struct GeometriaSieci<RodzajSieci::Kubiczna3D> {
    static constexpr int Parzystosc(int, int) { return 0; }
    static constexpr std::array<std::array<Krok, 6>, 2> Sasiedzi = {{
        {{{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}}},
        {{{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}}},
    }};
};

template <> struct GeometriaSieci<RodzajSieci::Kwadratowa> {
    static constexpr int Parzystosc(int, int) { return 0; }
    static constexpr std::array<std::array<Krok, 4>, 2> Sasiedzi = {{
        {{{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}}},
        {{{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}}},
    }};
};

// Odd rows take their diagonal neighbours at x - 1, even rows at x + 1.
template <> struct GeometriaSieci<RodzajSieci::Trojkatna> {
    static constexpr int Parzystosc(int, int y) { return y & 1; }
    static constexpr std::array<std::array<Krok, 6>, 2> Sasiedzi = {{
        {{{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {1, -1, 0}, {1, 1, 0}}},
        {{{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {-1, -1, 0}, {-1, 1, 0}}},
    }};
};

// The horizontal bond joins (x, y) and (x + 1, y) when x + y is even.
template <> struct GeometriaSieci<RodzajSieci::Heksagonalna> {
    static constexpr int Parzystosc(int x, int y) { return (x + y) & 1; }
    static constexpr std::array<std::array<Krok, 3>, 2> Sasiedzi = {{
        {{{0, -1, 0}, {0, 1, 0}, {1, 0, 0}}},
        {{{0, -1, 0}, {0, 1, 0}, {-1, 0, 0}}},
    }};
};

// Calls f with the kind as a compile-time value (std::integral_constant): the
// one switch over the kinds that code reached at run time goes through.
template <class F> decltype(auto) NaRodzaju(RodzajSieci rodzaj, F&& f) {
    using enum RodzajSieci;
    switch (rodzaj) {
    case Kubiczna3D:
        return f(std::integral_constant<RodzajSieci, Kubiczna3D>{});
    case Kwadratowa:
        return f(std::integral_constant<RodzajSieci, Kwadratowa>{});
    case Trojkatna:
        return f(std::integral_constant<RodzajSieci, Trojkatna>{});
    case Heksagonalna:
        break;
    }
    return f(std::integral_constant<RodzajSieci, Heksagonalna>{});
}

// Whether some step of the kind moves along two axes at once: then a step
// from a corner atom reaches a corner of the border, which must hold a copy.
template <RodzajSieci R> constexpr bool MaSkosy() {
    for (const auto& klasa : GeometriaSieci<R>::Sasiedzi) {
        for (const Krok& k : klasa) {
            if ((k.dx != 0) + (k.dy != 0) + (k.dz != 0) > 1) {
                return true;
            }
        }
    }
    return false;
}

// The steps of each parity class as bits of a 3 x 3 x 3 cube of steps
// (bit (dx + 1) + 3 (dy + 1) + 9 (dz + 1)): adjacency is one bit test.
template <RodzajSieci R> constexpr std::array<std::uint32_t, 2> MaskiKrokow() {
    std::array<std::uint32_t, 2> maski{};
    for (std::size_t klasa = 0; klasa < 2; ++klasa) {
        for (const Krok& k : GeometriaSieci<R>::Sasiedzi[klasa]) {
            maski[klasa] |= 1u << ((k.dx + 1) + 3 * (k.dy + 1) + 9 * (k.dz + 1));
        }
    }
    return maski;
}

// Whether a step of the kind's parity class `klasa` moves by (dx, dy, dz).
template <RodzajSieci R> constexpr bool MaKrok(int klasa, int dx, int dy, int dz) {
    const std::uint32_t maska = MaskiKrokow<R>()[static_cast<std::size_t>(klasa)];
    return ((maska >> ((dx + 1) + 3 * (dy + 1) + 9 * (dz + 1))) & 1u) != 0;
}

// The corners of a flat lattice's block, numbered by bit 0 for x = nx (else 1)
// and bit 1 for y = ny (else 1). A diagonal step out of the block from the
// atom at one corner lands in the border's corner cell beyond it, which must
// hold the periodic copy of the atom at the corner opposite.
struct RogBloku {
    int X, Y;           // the atom at this corner
    int KopiaX, KopiaY; // the border cell that holds its copy, when one is read
};
constexpr RogBloku Rog(int rog, int nx, int ny) {
    const bool prawy = (rog & 1) != 0;
    const bool gorny = (rog & 2) != 0;
    return {prawy ? nx : 1, gorny ? ny : 1, prawy ? 0 : nx + 1, gorny ? 0 : ny + 1};
}

// The block corners (bit r for Rog(r, ...)) whose atom has a copy in the
// border, read from the steps: those that the atom at the opposite corner
// reaches by its diagonal step across both faces. The parity class of that
// atom, and so the answer, may depend on nx and ny. A solid kind's diagonal
// steps would cross edges of its border too, which it does not copy.
template <RodzajSieci R> constexpr unsigned KopieRogow(int nx, int ny) {
    static_assert(JestPlaska(R) || !MaSkosy<R>(), "the solid lattice's border copies no edges");
    unsigned rogi = 0;
    for (int r = 0; r < 4; ++r) {
        const RogBloku tu = Rog(r, nx, ny);
        const RogBloku naprzeciw = Rog(3 - r, nx, ny);
        const int dx = tu.KopiaX - naprzeciw.X;
        const int dy = tu.KopiaY - naprzeciw.Y;
        if (MaKrok<R>(GeometriaSieci<R>::Parzystosc(naprzeciw.X, naprzeciw.Y), dx, dy, 0)) {
            rogi |= 1u << r;
        }
    }
    return rogi;
}

// Step j of the kind as a cell offset for an atom of parity class `klasa`:
// `os(axis, step)` gives the offset of one step (-1, 0 or 1) along an axis
// (0 x, 1 y, 2 z). A step the same in both classes needs no choice, so the
// code stays what a hand-written offset would be.
template <RodzajSieci R, std::size_t j, class Os>
constexpr std::ptrdiff_t OdstepKroku(int klasa, const Os& os) {
    constexpr Krok a = GeometriaSieci<R>::Sasiedzi[0][j];
    constexpr Krok b = GeometriaSieci<R>::Sasiedzi[1][j];
    const std::ptrdiff_t da = os(0, a.dx) + os(1, a.dy) + os(2, a.dz);
    if constexpr (a.dx == b.dx && a.dy == b.dy && a.dz == b.dz) {
        (void)klasa;
        return da;
    } else {
        const std::ptrdiff_t db = os(0, b.dx) + os(1, b.dy) + os(2, b.dz);
        return klasa != 0 ? db : da;
    }
}

// Every step of the kind as a cell offset, in the table's order.
template <RodzajSieci R, class Os> constexpr auto OdstepySasiadow(int klasa, const Os& os) {
    constexpr std::size_t q = GeometriaSieci<R>::Sasiedzi[0].size();
    return [&]<std::size_t... j>(std::index_sequence<j...>) {
        return std::array<std::ptrdiff_t, q>{OdstepKroku<R, j>(klasa, os)...};
    }
    (std::make_index_sequence<q>{});
}

static_assert(GeometriaSieci<RodzajSieci::Kubiczna3D>::Sasiedzi[0].size() ==
              static_cast<std::size_t>(LiczbaSasiadowRodzaju(RodzajSieci::Kubiczna3D)));
static_assert(GeometriaSieci<RodzajSieci::Kwadratowa>::Sasiedzi[0].size() ==
              static_cast<std::size_t>(LiczbaSasiadowRodzaju(RodzajSieci::Kwadratowa)));
static_assert(GeometriaSieci<RodzajSieci::Trojkatna>::Sasiedzi[0].size() ==
              static_cast<std::size_t>(LiczbaSasiadowRodzaju(RodzajSieci::Trojkatna)));
static_assert(GeometriaSieci<RodzajSieci::Heksagonalna>::Sasiedzi[0].size() ==
              static_cast<std::size_t>(LiczbaSasiadowRodzaju(RodzajSieci::Heksagonalna)));
