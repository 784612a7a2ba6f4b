#pragma once

#include "ZakresyParametrow.h"

#include <string_view>

// A control of the settings page: the range of the positions it holds, the
// value one position stands for (what its label and a screen reader give),
// and, for a track bar, the captions under its ends as the page has always
// written them (a point at lambda's low end, commas elsewhere, kept on
// purpose).
struct ZakresKontrolki {
    ZakresParametru Zakres;
    double Jednostka = 1;
    int Miejsca = 0; // decimals of the value
    std::string_view NapisMin = {};
    std::string_view NapisMax = {};
};

// Every range the settings page offers, at the window's scale.
struct ZakresyUstawien {
    ZakresKontrolki Os;
    ZakresKontrolki Iteracje;
    ZakresKontrolki Koncentracja;
    ZakresKontrolki Lambda; // the start and the end of a series alike
    ZakresKontrolki Przedzial;
    ZakresKontrolki Krok;
};

ZakresyUstawien ZakresyStronyUstawien();
