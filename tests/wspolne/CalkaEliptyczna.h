#pragma once

#include <cmath>
#include <numbers>

// The complete elliptic integral of the first kind K(k), |k| < 1, by the
// arithmetic-geometric mean: K = pi / (2 AGM(1, sqrt(1 - k^2))). The mean
// converges quadratically, to the last bit within a handful of steps, and
// needs nothing of the standard library's special functions, which some
// (libc++) lack.
inline double CalkaEliptycznaK(double k) {
    double a = 1.0;
    double b = std::sqrt((1.0 - k) * (1.0 + k));
    for (int krok = 0; krok < 64 && a != b; ++krok) {
        const double srednia = (a + b) / 2;
        b = std::sqrt(a * b);
        a = srednia;
    }
    return std::numbers::pi / (2 * a);
}
