#pragma once

#include "ParametrySymulacji.h"

#include <array>
#include <string>
#include <variant>

// One value of the page's parameters: a whole number (a position, an axis,
// iterations), a word (the lattice's key, the start, the mode) or a switch.
using WartoscPola = std::variant<int, std::string, bool>;

// One field of the parameters the page hands over, on the window's scale: its
// name in JavaScript, the name the engine's check gives it, how it reads from
// and writes to the run's parameters, and what it allows (for the refusal).
struct PoleParametru {
    const char* Nazwa;
    const char* Sprawdzane;
    WartoscPola (*Odczyt)(const ParametrySymulacji&);
    // False when the word is none of the field's words; the type is the one
    // Odczyt gives.
    bool (*Zapis)(ParametrySymulacji&, const WartoscPola&);
    std::string (*Dozwolone)(const ParametrySymulacji&);
};

// The page's parameters, the one list the module registers and the
// JavaScript API reads its names and defaults from.
extern const std::array<PoleParametru, 13> PolaParametrow;

const PoleParametru* ZnajdzPole(const std::string& nazwa);

// "Błędna wartość parametru TBLambda: dozwolone ..." for the field `pole` of `p`.
std::string BladPola(const PoleParametru& pole, const ParametrySymulacji& p);

// The engine's check of parameters read from the page: the Polish refusal of
// the first field out of its range, empty when the run may start. A single run
// takes the default end and step first (it does not use them), so that its
// files are those of the batch runner's single run.
std::string SprawdzParametryOkna(ParametrySymulacji& p);

// The window's parameters on the batch runner's scale, for a replica whose
// part merges with the batch runner's own: lambda in hundredths.
ParametrySymulacji NaSkaliWsadowej(const ParametrySymulacji& okna);
