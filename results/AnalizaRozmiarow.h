#pragma once

#include "MaksimumFluktuacji.h"

#include <vector>

// The peak of Cv/kN found at one lattice size L (atoms per axis).
struct PunktRozmiaru {
    int L = 0;
    MaksimumFluktuacji Maksimum;
};

enum class Przejscie {
    Jest,     // the peak's height grows with L beyond three errors
    Brak,     // it does not: no transition in this range of sizes
    Nieznane, // too few heights with errors to tell
};

// What the sizes say together. The transition: the slope of the peak's height
// against ln L (weighted by its errors, which are widened by the scatter when
// the points scatter more than they claim) against three of its errors. The
// infinite lattice's lambda_c: the weighted straight line lambda_max(L) =
// lambda_c + a L^(-1/nu) through the sizes whose position is a number with
// an error, its intercept and the intercept's error (widened the same way);
// NaN with fewer than two such sizes or no transition.
struct WynikRozmiarow {
    Przejscie Rodzaj = Przejscie::Nieznane;
    double Nachylenie = 0.0; // of the height against ln L
    double LambdaC = 0.0;
    double BladLambdaC = 0.0;
    int UzyteRozmiary = 0; // the sizes the line went through
};

WynikRozmiarow AnalizujRozmiary(const std::vector<PunktRozmiaru>& punkty, double nu);
