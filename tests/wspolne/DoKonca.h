#pragma once

#include "Obliczenia.h"

// Runs a prepared run to the end, starting every further series at once;
// returns the number of ticks.
inline int DoKonca(Obliczenia& obl) {
    int kroki = 0;
    for (StanKroku krok = StanKroku::Trwa; krok != StanKroku::Koniec; ++kroki) {
        krok = obl.KrokSymulacji();
        if (krok == StanKroku::SeriaZakonczona) {
            obl.RozpocznijNastepnaSerie();
        }
    }
    return kroki;
}
