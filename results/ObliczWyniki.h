#pragma once

#include "DaneWynikow.h"
#include "WynikiSerii.h"

#include <optional>

class Obliczenia;

// The results of a series: the polynomial fit of sigma against lambda (the
// origin is a data point), Cv/kN = z c_B^2 lambda^2 d(10 sigma)/d lambda from
// the fitted values, and the transition where Cv/kN first stops increasing.
// Throws std::invalid_argument unless 1 <= n <= 25 and a chosen degree is 0..25
// (the window offers n up to 24 and degrees 1..24).
WynikiSerii ObliczWyniki(const DaneWynikow& dane);

// The inputs as the engine holds them after a series, with the degree the
// user chose (none: automatic) and the offset J the caller drew with
// Obliczenia::LosujPrzesuniecieTc.
DaneWynikow DaneWynikowZ(const Obliczenia& obliczenia, std::optional<int> stopien, double J);

inline WynikiSerii ObliczWyniki(const Obliczenia& obliczenia, std::optional<int> stopien,
                                double J) {
    return ObliczWyniki(DaneWynikowZ(obliczenia, stopien, J));
}
