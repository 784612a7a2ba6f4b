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

// The words of a verdict, as the summary and the page show them.
const char* SlowaRownowagi(Rownowaga stan);
