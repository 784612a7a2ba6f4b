#pragma once

// A cell of the lattice frame: atoms at 1..n on each axis, the periodic border
// at 0 and n + 1; z is 1 for the flat kinds.
struct Wezel {
    int x = 0;
    int y = 0;
    int z = 1;
    friend bool operator==(const Wezel&, const Wezel&) = default;
};
