#pragma once

#include "RodzajSieci.h"

// Whether two atoms are nearest neighbours on a periodic lattice of kind R,
// also when they meet only through the border, such as (1, y) and (nx, y).
// Shared by the exchange loop and by the lattice's own queries.
template <RodzajSieci R>
constexpr bool SasiednieOkresowo(int x1, int y1, int z1, int x2, int y2, int z2, int nx, int ny,
                                 int nz) {
    // Signed distance on a periodic axis, as far as adjacency needs it (n >= 6).
    const auto zawin = [](int d, int n) { return d == n - 1 ? -1 : (d == 1 - n ? 1 : d); };
    const int dx = zawin(x2 - x1, nx);
    const int dy = zawin(y2 - y1, ny);
    if constexpr (R == RodzajSieci::Kubiczna3D) {
        const int dz = zawin(z2 - z1, nz);
        return dx * dx + dy * dy + dz * dz == 1;
    } else if constexpr (R == RodzajSieci::Kwadratowa) {
        return dx * dx + dy * dy == 1;
    } else if constexpr (R == RodzajSieci::Trojkatna) {
        // Odd rows take their diagonal neighbours at x - 1, even rows at x + 1.
        return dx * dx + dy * dy == 1 || (dy * dy == 1 && dx == ((y1 & 1) ? -1 : 1));
    } else {
        // The horizontal bond joins (x, y) and (x + 1, y) when x + y is even.
        return (dx == 0 && dy * dy == 1) || (dy == 0 && dx == (((x1 + y1) & 1) ? -1 : 1));
    }
}
