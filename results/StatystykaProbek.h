#pragma once

#include <span>

struct SredniaZBledem {
    double Srednia = 0.0;
    double Blad = 0.0; // NaN when there are too few samples to tell
};

// The mean of correlated samples and its standard error by blocking: the
// samples are averaged in neighbouring pairs level by level, and the error is
// the largest naive error over the levels that still hold at least eight
// blocks (it grows until the blocks are longer than the correlation time).
SredniaZBledem SredniaBlokowa(std::span<const double> probki);

// The mean of independent values (one per replica) and its standard error,
// the sample standard deviation over the square root of their number. The
// error is NaN for fewer than two values, the mean NaN for none.
SredniaZBledem SredniaNiezaleznych(std::span<const double> wartosci);

// The variance of the samples about their mean (divided by their number).
double Wariancja(std::span<const double> probki);
