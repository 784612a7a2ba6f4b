#pragma once

#include "Rozszerzona.h"

#include <cmath>

// The sigma a sample stores, from the previous stored value and the raw one:
// a change of at most 0.01 is taken as it is and counted, a larger one is
// halved; on the fifth small change of a run the previous value is kept.
inline double WygladzSigme(double poprzednia, double surowa, int& licznikMalychZmian) {
    if (std::fabs(Rozszerzona(static_cast<long double>(surowa) - poprzednia)) <=
        Rozszerzona(0.01L)) {
        ++licznikMalychZmian;
        return licznikMalychZmian == 5 ? poprzednia : surowa;
    }
    return static_cast<double>(Rozszerzona(static_cast<long double>(poprzednia) + surowa) / 2);
}
