#pragma once

#include "Pojemnosci.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <vector>

// Room for the origin and the points of series 1..n, indexed from 0 like the
// per-series tables it is filled from: at least 26 entries (series 1..24 of
// the window, one spare), more for a batch series of more lambdas. Also the
// coefficient array a_0..a_25 of the fit, lowest power first.
constexpr int RozmiarTablicyPunktow = LiczbaWpisowSerii;

class TablicaPunktow : public std::vector<double> {
public:
    TablicaPunktow() : std::vector<double>(RozmiarTablicyPunktow, 0.0) {}
    // Room for entries 0..n - 1, never less than the window's.
    explicit TablicaPunktow(std::size_t n)
        : std::vector<double>(std::max<std::size_t>(n, RozmiarTablicyPunktow), 0.0) {}
    // A per-series table of the engine, as it stands, or the first entries
    // given (the rest zero, as in an array).
    TablicaPunktow(const std::vector<double>& wartosci) : std::vector<double>(wartosci) {
        Dopelnij();
    }
    TablicaPunktow(std::initializer_list<double> wartosci) : std::vector<double>(wartosci) {
        Dopelnij();
    }

private:
    void Dopelnij() {
        if (size() < RozmiarTablicyPunktow) {
            resize(RozmiarTablicyPunktow, 0.0);
        }
    }
};
