#pragma once

#include "TablicaPunktow.h"

// Error codes of Pochodna.
constexpr int PochodnaBezBledu = 0;
constexpr int PochodnaZaMaloPunktow = 1; // n < 1
constexpr int PochodnaRowneOdciete = 2;  // x_i = x_j for some i < j <= n

// Derivative at t of the polynomial of degree at most n through the n + 1
// points (x_i, y_i), i = 0..n, from its Newton form; in extended precision.
// On an error it computes nothing, sets `blad` and returns 0.
// Throws std::invalid_argument when x or y holds no entry n.
long double Pochodna(int n, const TablicaPunktow& x, const TablicaPunktow& y, int& blad, double t);
