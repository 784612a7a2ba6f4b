#pragma once

#include <limits>
#include <span>

// The integrated autocorrelation time of a series of samples taken at equal
// intervals, in samples: tau = 1/2 + sum over t >= 1 of rho(t), with the sum
// cut at the first window W >= c tau(W) (self-consistent windowing with
// c = 6), so that the noise of the far tail does not swamp it. The variance of
// the mean of n samples is then 2 tau Var / n, and the series holds about
// n / (2 tau) independent samples.
struct CzasAutokorelacji {
    double Tau = std::numeric_limits<double>::quiet_NaN();
    // The statistical error of tau, tau sqrt(2 (2W + 1) / n).
    double Blad = std::numeric_limits<double>::quiet_NaN();
    int Okno = 0;
    // The window closed well inside the series (n >= 50 tau): tau is a
    // measurement; otherwise a lower bound.
    bool Wiarygodny = false;
};

// NaN below four samples; 1/2 for a constant series (no fluctuation to correlate).
CzasAutokorelacji CzasAutokorelacjiSokala(std::span<const double> probki);

// The samples a series holds in effect, n / (2 tau); n when tau is unknown.
double NiezalezneProbki(double probek, const CzasAutokorelacji& tau);
