#pragma once

#include "ParametrySymulacji.h"

#include <cstdint>
#include <optional>
#include <string>

// What one call of fazolab-batch asks for. The defaults are those of a freshly
// set-up window.
struct OpcjeWsadowe {
    ParametrySymulacji Parametry;
    std::optional<std::uint32_t> Ziarno; // none: seeded from the clock, as in the window
    std::optional<int> Stopien;          // none: the automatic degree
    std::string Wyjscie;                 // the results file, after a series
    bool Fluktuacje = false;             // the results file adds the estimate from the fluctuations
    std::string Przebieg;                // every sample as CSV
    int Powtorzenia = 1;                 // independent replicas, 1..64
    std::optional<int> Watki;            // none: the hardware threads
    bool Pomoc = false;
};
