#pragma once

#include <span>

// What the drift test can say of a series' samples. It can show a drift, never
// that there is none: a series caught in a state it leaves more slowly than
// the run lasts looks steady.
enum class Rownowaga {
    Osiagnieta,    // no drift found: "nie wykryto dryfu"
    Nieosiagnieta, // a drift beyond its error: "nie osiągnęła równowagi"
    Nieznana,      // the samples span too few correlation times: "za mało pomiarów"
};

// The drift test of a stretch of samples taken at equal intervals, two ways:
// the change across the least-squares line (a steady drift) and the change
// between the means of the two halves (a relaxation ending early), each
// against its error from the blocking error of the mean of the residuals about
// its own model (so that the samples' correlation counts and the drift itself
// does not inflate its error). A change beyond the two-sided 0.1 % point of
// Student's t, on as many degrees of freedom as the blocks less two, is a
// drift; otherwise no blocking error (too few samples, or no level of
// uncorrelated blocks) is Nieznana.
Rownowaga TestDryfu(std::span<const double> probki);

// The two-start check of one series, as it judges the first start (the run
// whose figures are reported): the kept pair counts of the same series run
// from a random and from an ordered arrangement (in either order), which in
// equilibrium share one mean, whatever the start. Each mean's error comes
// from its autocorrelation time where that is measured, otherwise from the
// blocking (the largest over the levels of four blocks or more where no level
// is uncorrelated). Means apart beyond the two-sided 0.1 % point of Student's
// t of their difference's error mean that one start has not settled; the
// first is Nieosiagnieta only when it is that one (PierwszyOpozniony).
// Fewer than four samples of either: Nieznana.
Rownowaga TestDwochStartow(std::span<const double> pierwszy, std::span<const double> drugi,
                           double lambda);

// Of two starts whose means differ, whether the first lags: the one still
// moving towards the other beyond its noise while the other is steady; when
// both are steady (or both move), the one of the higher energy -lambda P,
// since the states a start can be caught in (domains, interfaces) lie above
// equilibrium.
bool PierwszyOpozniony(std::span<const double> pierwszy, std::span<const double> drugi,
                       double lambda);

// Two verdicts on one series together: a drift either test found, else
// unknown when either could not tell.
Rownowaga Gorsza(Rownowaga a, Rownowaga b);

// The words of a verdict, as the summary and the page show them.
const char* SlowaRownowagi(Rownowaga stan);
