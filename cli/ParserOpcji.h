#pragma once

#include "OpcjeWsadowe.h"

#include <string>
#include <variant>
#include <vector>

// A refused command line: one Polish line naming the option and what it allows.
struct BladOpcji {
    std::string Komunikat;
};

// Reads the options of fazolab-batch. Every value is checked against the
// ranges of the window's settings page before anything runs.
std::variant<OpcjeWsadowe, BladOpcji> CzytajOpcje(const std::vector<std::string>& argumenty);

// The usage text of --pomoc.
std::string TekstPomocy();
