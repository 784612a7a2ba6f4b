#pragma once

#include "ParametrySymulacji.h"

#include <cmath>

// The lambda the engine reached by adding steps, as the run's grid defines it:
// the position it stands for, divided once (0.86, where the sum of steps gave
// 0.8600000000000001), so that a value compares equal to the one typed. A
// value off the grid by more than rounding stays as it is.
inline double LambdaNaSiatce(const ParametrySymulacji& p, double lambda) {
    const SiatkaLambdy& siatka = Siatka(p);
    const double pozycja = std::round(std::fabs(lambda) * siatka.Mianownik());
    const double naSiatce = siatka.Lambda(static_cast<int>(pozycja));
    if (!std::isfinite(lambda) || std::fabs(naSiatce - std::fabs(lambda)) > 1e-9) {
        return lambda;
    }
    return std::signbit(lambda) ? -naSiatce : naSiatce;
}
