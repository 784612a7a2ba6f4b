#pragma once

#include "StatystykaProbek.h"

#include <span>

// Whether the pair count of a series still drifted over the part of its
// samples the fluctuation is taken from.
enum class Rownowaga {
    Osiagnieta,    // the means of its two halves agree within three errors
    Nieosiagnieta, // they differ by more: the series may not have reached equilibrium
    Nieznana,      // too few samples to tell (fewer than eight in a quarter)
};

// The specific heat of one series (one lambda) from the fluctuations of its
// energy.
struct FluktuacjaSerii {
    double Lambda = 0.0; // as the series ran: negative for clustering
    // Cv/kN = lambda^2 Var(pairs) / N over the second half of the samples, with
    // its blocking error (NaN below eight samples in that half).
    SredniaZBledem CvkN;
    Rownowaga Stan = Rownowaga::Nieznana;
};

// The figures of a series from the number of unlike pairs of every sample it
// recorded, in order (the new arrangement's sample first); `iloscAtomow` is N.
// The second half of the samples is taken as equilibrated: its third and fourth
// quarters of the series are compared (blocking errors of their means) to tell
// whether it was. Cv/kN is NaN for no samples; throws std::invalid_argument
// when N < 1.
FluktuacjaSerii FluktuacjaZProbek(double lambda, std::span<const double> pary, int iloscAtomow);
