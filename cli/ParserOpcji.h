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
// runs: against the window's settings page, except what the batch scale
// widens: the axes (to 512, 128 on the cubic lattice), lambda (hundredths, a
// list or a range in millionths, as many per series as memory holds), the
// iterations (up to 10^9) and the sampling interval (up to 10^6). Whether the
// study fits in memory is told later (PamiecBadania).
std::variant<OpcjeWsadowe, BladOpcji> CzytajOpcje(const std::vector<std::string>& argumenty);
