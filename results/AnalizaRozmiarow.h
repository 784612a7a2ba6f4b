#pragma once

#include "MaksimumFluktuacji.h"
#include "PrzeciecieBindera.h"

#include <vector>

// The peak of Cv/kN found at one lattice size L (atoms per axis).
struct PunktRozmiaru {
    int L = 0;
    MaksimumFluktuacji Maksimum;
};

enum class Przejscie {
    Jest,     // the Binder cumulants cross, or the peak's height grows beyond three errors
    Brak,     // the height stays flat where a transition would grow it by five errors
    Nieznane, // neither: the sizes cannot tell
};

// What the sizes say together. A transition: the Binder cumulants of the two
// largest sizes cross, or the slope of the peak's height against ln L
// (weighted by its errors, which are widened by the scatter when the points
// scatter more than they claim) exceeds three of its errors. No transition
// only with the power to see one: the slope within two errors of zero while
// the smallest growth of a transition of the Ising class over the range (the
// height times `wzrost` per unit of ln L) would be five errors of it and
// more. Otherwise the sizes cannot tell. The infinite lattice's lambda_c from
// the peaks: the weighted straight line lambda_max(L) = lambda_c + a L^(-1/nu)
// through the sizes whose position is a number with an error, its intercept
// and the intercept's error (widened the same way); NaN with fewer than two
// such sizes or no transition. From the cumulants: the crossing of the two
// largest sizes (`przeciecia` holds every neighbouring pair's, smallest first).
struct WynikRozmiarow {
    Przejscie Rodzaj = Przejscie::Nieznane;
    double Nachylenie = 0.0; // of the height against ln L
    double LambdaC = 0.0;
    double BladLambdaC = 0.0;
    int UzyteRozmiary = 0; // the sizes the line went through
    double BladNachylenia = 0.0;
    PrzeciecieBindera Przeciecie; // of the two largest sizes
};

WynikRozmiarow AnalizujRozmiary(const std::vector<PunktRozmiaru>& punkty, double nu,
                                const std::vector<PrzeciecieBindera>& przeciecia = {},
                                double wzrost = 0.15);
