#pragma once

#include "Rozszerzona.h"

// x to the power j by j multiplications in extended precision; j = 0 gives 1
// for every x, 0 included.
inline long double Potega(long double x, int j) {
    long double wynik = 1.0L;
    for (int i = 0; i < j; ++i) {
        wynik = Rozszerzona(wynik * x);
    }
    return wynik;
}
