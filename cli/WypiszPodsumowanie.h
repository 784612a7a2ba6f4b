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
// standard error from the spread of the replicas, the fitted Cv/kN of the mean
// sigmas, and a last line with the transition located from the fluctuations.
// The last column tells whether each series reached equilibrium: "tak",
// "nie" (several replicas: "nie (m/N)", m of N flagged), "-" when too short
// to tell. `wyniki` are the results of a series (none for a single run).
void WypiszPodsumowanie(std::ostream& wyjscie, const std::vector<WynikRepliki>& repliki,
                        const std::optional<WynikiSerii>& wyniki);
