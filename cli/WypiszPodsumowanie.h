#pragma once

#include "WynikRepliki.h"
#include "WynikiSerii.h"

#include <iosfwd>
#include <optional>
#include <vector>

// The summary table, one line per series. One replica: its lambda, stored
// sigma, second-half mean sigma with the blocking error, fluctuation Cv/kN
// and the fitted Cv/kN as the results show it. Several: the replica means of the stored sigma, of
// the second-half mean sigma and of the fluctuation Cv/kN, each with its
// standard error from the spread of the replicas (five or more; fewer say
// so in a line after the table), and the fitted Cv/kN of the mean sigmas.
// The last column is the drift test's verdict ("nie wykryto dryfu", "nie
// osiągnęła równowagi", "za mało pomiarów"); with several replicas "m/N"
// before it, m of the N passed, and the worst verdict of the others. A last
// line tells the transition from the fluctuations for this lattice's size
// (ZnajdzPrzejscie) for a series or several replicas. `wyniki` are the
// results of a series (none for a single run).
void WypiszPodsumowanie(std::ostream& wyjscie, const std::vector<WynikRepliki>& repliki,
                        const std::optional<WynikiSerii>& wyniki);

// The line after the summary of a study with the two-start check: what its
// equilibrium column then rests on.
inline constexpr const char* UwagaDwochStartow =
    "równowaga: test dryfu drugiej połowy pomiarów i zgodność startów przypadkowego "
    "i uporządkowanego (to samo ziarno), każdy na poziomie 0.1 %";
