#pragma once

#include "Rozszerzona.h"

// Trackbar positions become reals as the quotient in extended precision,
// rounded once when stored. Every real derived from a position is formed this
// way, so one position always gives the same bits, run after run.
inline long double IlorazDokladny(int licznik, int mianownik) {
    return Rozszerzona(static_cast<long double>(licznik) / mianownik);
}

inline double Iloraz(int licznik, int mianownik) {
    return static_cast<double>(IlorazDokladny(licznik, mianownik));
}
