#pragma once

// The fixed capacities of the run state, named once.

// Entries of the per-series tables and of the series rows of the sample
// stores: index 0 for the origin of the fit, series 1..24 in use, one spare.
inline constexpr int LiczbaWpisowSerii = 26;

// Bars of a neighbour histogram: n = 0..6 unlike neighbours (the largest
// coordination number is 6).
inline constexpr int LiczbaSlupkow = 7;

// Samples of one series after its first (iterations / sampling interval): the
// window's longest run at its shortest interval, and the batch runner's limit.
inline constexpr int MaxPomiarowSerii = 10000;
