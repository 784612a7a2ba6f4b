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

// The two-start check of one series: the second halves of its samples run
// from a random and from an ordered arrangement (in either order), which in
// equilibrium share one mean, whatever the start. A difference of their means
// beyond the two-sided 0.1 % point of Student's t (on the fewer blocks less
// one) of its error is Nieosiagnieta. Each mean's error is its blocking
// error; where the blocking finds no uncorrelated level, the largest over the
// levels of four blocks or more, so that starts far apart beyond what the
// samples show are still told apart, while their agreement then shows
// nothing (Nieznana). Fewer than four samples of either: Nieznana.
Rownowaga TestDwochStartow(std::span<const double> pierwszy, std::span<const double> drugi);

// Two verdicts on one series together: a drift either test found, else
// unknown when either could not tell.
Rownowaga Gorsza(Rownowaga a, Rownowaga b);

// The words of a verdict, as the summary and the page show them.
const char* SlowaRownowagi(Rownowaga stan);
