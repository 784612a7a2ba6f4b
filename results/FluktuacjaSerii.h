#pragma once

#include "RownowagaSerii.h"
#include "StatystykaProbek.h"

#include <span>
#include <vector>

// The specific heat of one series (one lambda) from the fluctuations of its
// energy.
struct FluktuacjaSerii {
    double Lambda = 0.0; // as the series ran: negative for clustering
    // Cv/kN = lambda^2 Var(pairs) / N over the second half of the samples, with
    // its blocking error (NaN when the blocking finds no uncorrelated level).
    SredniaZBledem CvkN;
    Rownowaga Stan = Rownowaga::Nieznana;
    // The pair counts of the second half, for reweighting to other lambdas;
    // empty where the samples were not kept (a merged replica file).
    std::vector<double> Pary;
    int IloscAtomow = 0;
};

// The figures of a series from the number of unlike pairs of every sample it
// recorded, in order (the new arrangement's sample first); `iloscAtomow` is N.
// The second half of the samples is taken as equilibrated, and the drift test
// of its pair counts tells whether it was. Cv/kN is NaN for no samples; throws
// std::invalid_argument when N < 1.
FluktuacjaSerii FluktuacjaZProbek(double lambda, std::span<const double> pary, int iloscAtomow);
