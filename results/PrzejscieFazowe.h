#pragma once

#include "TablicaPunktow.h"

// Where Cv/kN first stops increasing on C_0..C_n (C_0 is the sentinel below
// every real value): Indeks = k - 1 for the smallest k with C_k < C_(k-1), and
// Spadek set; without such k, Indeks = n. Equal neighbours are no fall.
struct PrzejscieFazowe {
    int Indeks = 0;
    bool Spadek = false;
};

PrzejscieFazowe ZnajdzPrzejscie(const TablicaPunktow& cvkn, int n);
