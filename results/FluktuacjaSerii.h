#pragma once

#include "Autokorelacja.h"
#include "RownowagaSerii.h"
#include "StatystykaProbek.h"

#include <span>
#include <vector>

// The specific heat of one series (one lambda) from the fluctuations of its
// energy.
struct FluktuacjaSerii {
    double Lambda = 0.0; // as the series ran: negative for clustering
    // Cv/kN = lambda^2 Var(pairs) / N over the samples kept after the
    // burn-in, with its blocking error (NaN when the blocking finds no
    // uncorrelated level).
    SredniaZBledem CvkN;
    Rownowaga Stan = Rownowaga::Nieznana;
    // The pair counts kept after the burn-in, for reweighting to other
    // lambdas; empty where the samples were not kept.
    std::vector<double> Pary;
    // The order parameter m of the same samples, where it was recorded
    // (empty otherwise).
    std::vector<double> Rzad;
    int IloscAtomow = 0;
    // Of the kept pair counts, in samples.
    CzasAutokorelacji Tau;
    int Odrzucone = 0; // the samples of the burn-in
};

// The figures of a series from the number of unlike pairs of every sample it
// recorded, in order (the new arrangement's sample first), and the order
// parameter of the same samples where it was recorded; `iloscAtomow` is N.
// The burn-in is twenty autocorrelation times of the second half (of the pair
// count, or of |m| where it was recorded and is slower), at least a
// quarter and at most half of the samples; the drift test of the rest tells
// whether it was enough. Cv/kN is NaN for no samples; throws
// std::invalid_argument when N < 1.
FluktuacjaSerii FluktuacjaZProbek(double lambda, std::span<const double> pary, int iloscAtomow,
                                  std::span<const double> rzad = {});

// The burn-in of `probek` samples whose second half has the autocorrelation
// time `tau` (in samples).
int ProbkiRozbiegu(std::size_t probek, double tau);
