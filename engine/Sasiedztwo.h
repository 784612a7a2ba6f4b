#pragma once

#include "GeometriaSieci.h"
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
    const int dz = JestPlaska(R) ? 0 : zawin(z2 - z1, nz);
    const auto blisko = [](int d) { return static_cast<unsigned>(d + 1) < 3u; };
    if (!blisko(dx) || !blisko(dy) || !blisko(dz)) {
        return false;
    }
    return MaKrok<R>(GeometriaSieci<R>::Parzystosc(x1, y1), dx, dy, dz);
}
