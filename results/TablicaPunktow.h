#pragma once

#include "Pojemnosci.h"

#include <array>

// Room for the origin and 25 points (series 1..24 in practice), indexed from 0
// like the per-series tables it is filled from; also the coefficient array
// a_0..a_25 of the fit, lowest power first.
constexpr int RozmiarTablicyPunktow = LiczbaWpisowSerii;
using TablicaPunktow = std::array<double, RozmiarTablicyPunktow>;
