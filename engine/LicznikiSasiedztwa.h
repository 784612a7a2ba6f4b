#pragma once

#include "Pojemnosci.h"

#include <array>

// What a sample reads from the lattice, kept current as atoms move.
struct LicznikiSasiedztwa {
    // Unlike nearest-neighbour pairs, each counted once.
    int ParyAB = 0;
    // Atoms (of both kinds) with n unlike neighbours, n = 0..6.
    std::array<int, LiczbaSlupkow> Histogram{};
};
