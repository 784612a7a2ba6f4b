#pragma once

#include "RodzajSieci.h"
#include "SiatkaLambdy.h"

#include <string>
#include <vector>

// What the four description lines of a lattice and its run say: the trackbar
// positions as the settings page held them (lambdas without sign, on the
// run's grid; the concentration of A atoms in hundredths) and the lattice extents (Z is 1
// for the flat lattices).
struct DaneOpisu {
    RodzajSieci Rodzaj = RodzajSieci::Kwadratowa;
    int PozycjaLambdy = 1;
    int PozycjaLambdyKoncowej = 24;
    int PozycjaKoncentracji = 50;
    int IloscAtomow = 0;
    int IloscAtomowOsX = 0;
    int IloscAtomowOsY = 0;
    int IloscAtomowOsZ = 1;
    SiatkaLambdy Siatka = SiatkaOkna;
    int MiejscaLambdy = 1; // the decimals the lambdas are written with
};

// The four lines of the memo " Opis wybranej sieci i parametrów ", UTF-8.
std::vector<std::string> OpisSieci(const DaneOpisu& dane);
