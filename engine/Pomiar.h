#pragma once

#include "Pojemnosci.h"

#include <array>

// One sample of a run, as the engine recorded it: after a chunk, or of a new
// arrangement at iteration 0.
struct Pomiar {
    int Seria;          // 1-based series number
    int Iteracja;       // iteration count of the sample
    double Lambda;      // negative for clustering
    double Energia;     // -Lambda x LiczbaParAB, accumulated chunk by chunk
    double LiczbaParAB; // unlike nearest-neighbour pairs
    double Sigma;       // the smoothed sigma the stores keep
    int LiczbaSasiadow; // coordination number z
    // The order parameter (ParametrPorzadku) where the engine records it,
    // NaN otherwise.
    double Rzad;
    // Atoms with n unlike neighbours; entries 0..LiczbaSasiadow are valid.
    std::array<double, LiczbaSlupkow> Histogram;
};
