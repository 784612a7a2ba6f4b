#pragma once

#include <cstddef>
#include <span>
#include <vector>

struct SredniaZBledem {
    double Srednia = 0.0;
    double Blad = 0.0; // NaN when there are too few samples to tell
};

// The blocking error with the number of blocks it was taken from (0 with no
// error): the degrees of freedom a test on the error has.
struct BladBlokowy {
    SredniaZBledem Wynik;
    int Blokow = 0;
};

// The mean of correlated samples and its standard error by blocking: the
// samples are averaged in neighbouring pairs level by level until the blocks
// of a level are uncorrelated, which a chi-square test of the lag-one
// correlations of that level and every coarser one tells (1 % level). The
// error is the naive error of that first uncorrelated level. When no level
// with at least 16 blocks passes, the samples do not span enough correlation
// times and the error is NaN; so it is below 16 samples.
SredniaZBledem SredniaBlokowa(std::span<const double> probki);
BladBlokowy SredniaBlokowaZBlokami(std::span<const double> probki);

// The largest naive error of the mean over the blocking levels of at least
// `minBlokow` blocks (and two), with that level's number of blocks: where no
// level is uncorrelated, as much of the error as the samples show (the true
// one may be larger). NaN with 0 blocks when no level has that many.
BladBlokowy NajwiekszyBladPoziomow(std::span<const double> probki, std::size_t minBlokow);

// The mean of independent values (one per replica) and its standard error,
// the sample standard deviation over the square root of their number. The
// error is NaN for fewer than two values, the mean NaN for none.
SredniaZBledem SredniaNiezaleznych(std::span<const double> wartosci);

// The sample standard deviation of independent values (divided by n - 1):
// the spread of bootstrap estimates. NaN for fewer than two.
double OdchylenieProby(const std::vector<double>& wartosci);

// The variance of the samples about their mean (divided by their number).
double Wariancja(std::span<const double> probki);

// The point of Student's t with `swobody` degrees of freedom (at least 1)
// that the normal point `z` becomes, to about three decimals from 10 degrees.
double KwantylStudenta(double z, int swobody);
