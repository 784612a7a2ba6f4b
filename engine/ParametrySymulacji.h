#pragma once

#include "RodzajSieci.h"

enum class Ulozenie { Przypadkowe, Uporzadkowane, UporzadkowaneWydzielenie };
enum class Oddzialywanie { Porzadkowanie, Klasteryzacja };

// The values that entering the computation stage copies from the settings
// controls: trackbar positions stay positions (tenths of lambda, hundredths of
// concentration, hundreds of iterations) so that every derived real is formed
// exactly as the run needs it. Defaults are those of a freshly set-up window.
struct ParametrySymulacji {
    RodzajSieci Rodzaj = RodzajSieci::Kwadratowa;
    int IloscAtomowOsX = 10; // even, 6..100
    int IloscAtomowOsY = 10;
    int IloscAtomowOsZ = 10;        // used by the cubic lattice only
    int PozycjaKoncentracji = 50;   // TBKoncentracja, 10..50 (percent of A atoms)
    int PozycjaLambdy = 1;          // TBLambda, 1..24 (tenths)
    int PozycjaLambdyKoncowej = 24; // TBLambdaKoncowa, PozycjaLambdy..24
    int PozycjaKroku = 3;           // TBKrok, 1..(end - start + 1)
    int PozycjaPrzedzialu = 10;     // TBLiczbaPrzeskokow, 1..20 (hundreds of iterations)
    int MaxIloscCykli = 100000;     // 10000..1000000
    Ulozenie Uklad = Ulozenie::Przypadkowe;
    Oddzialywanie Tryb = Oddzialywanie::Porzadkowanie;
    bool Seria = true;
};

// The number of atoms of the lattice the parameters describe; the flat
// lattices have no Z axis.
constexpr int IloscAtomow(const ParametrySymulacji& p) {
    return p.IloscAtomowOsX * p.IloscAtomowOsY * (JestPlaska(p.Rodzaj) ? 1 : p.IloscAtomowOsZ);
}
