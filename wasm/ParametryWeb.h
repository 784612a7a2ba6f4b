#pragma once

#include "OpcjeWsadowe.h"

#include <string>
#include <vector>

// The options of a study given to the module by plain names: the batch
// runner's command line (argumentyBadania writes them), read and refused by the
// batch runner's own reader, so a bad value gets its Polish line.
struct ParametryWeb {
    OpcjeWsadowe Opcje; // on the batch runner's scale
    std::string Blad;   // the refusal; empty when the options are good
};

ParametryWeb CzytajParametry(const std::vector<std::string>& argumenty);
