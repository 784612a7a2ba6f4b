#pragma once

#include "OpcjeWsadowe.h"

#include <string>
#include <variant>
#include <vector>

// A refused command line: one Polish line naming the option and what it allows.
struct BladOpcji {
    std::string Komunikat;
};

// Reads the options of fazolab-batch. Every value is checked before anything
// runs: against the window's settings page, except lambda (hundredths, at most
// 24 per series), the iterations (up to 10^9) and the sampling interval (up to
// 10^6, at most MaxPomiarowSerii samples per series) of the batch scale.
std::variant<OpcjeWsadowe, BladOpcji> CzytajOpcje(const std::vector<std::string>& argumenty);
