#pragma once

#include <optional>
#include <string>

// Trackbar positions as the decimals they stand for: a whole number of
// 1/mianownik written with `miejsca` decimals (47 of 100 is "0.47").
std::string TekstPozycji(int pozycja, int mianownik, int miejsca);

// A decimal written with "." or "," as a whole number of 1/mianownik, when it
// is exactly one (0.3 with mianownik 10 gives 3; 0.35 gives nothing).
std::optional<int> PozycjaZTekstu(std::string tekst, int mianownik);
