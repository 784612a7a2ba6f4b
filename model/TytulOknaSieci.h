#pragma once

#include "RodzajSieci.h"

#include <string>
#include <string_view>

// The lattice's part of the simulation window's caption, e.g. "2D  (kwadratowa)"
// (two spaces, as the window has always written it).
std::string_view CzescTytuluOkna(RodzajSieci rodzaj);

// The caption of the simulation window for a lattice kind and a stage word
// ("Ustawienia", "Obliczenia", "Wyniki"), in UTF-8, e.g.
// "Symulacje - Sieć 2D  (kwadratowa)  :  Ustawienia". The window and the web
// page both show it.
std::string TekstTytuluOkna(RodzajSieci rodzaj, std::string_view etap);
