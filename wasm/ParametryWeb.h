#pragma once

#include "OpcjeWsadowe.h"

#include <string>
#include <vector>

// The options of a run given to the module: the batch runner's command line
// (the JavaScript module writes the settings page's values as its options),
// read and refused by the batch runner's own reader, so a bad value gets its
// Polish line.
struct ParametryWeb {
    OpcjeWsadowe Opcje; // on the batch runner's scale
    std::string Blad;   // the refusal; empty when the options are good
};

ParametryWeb CzytajParametry(const std::vector<std::string>& argumenty);

// The batch runner's parameters on the window's scale (lambda in tenths,
// runs of at most 10^6 iterations sampled every 100..2000), as the settings
// page would have handed them over; the Polish refusal in `blad` when a value
// lies off that scale.
ParametrySymulacji NaSkaliOkna(const ParametrySymulacji& wsadowe, std::string& blad);
