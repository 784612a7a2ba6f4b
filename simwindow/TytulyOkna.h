#pragma once

#include "RodzajSieci.h"

#include <QString>

// The caption of the simulation window for a lattice kind and a stage word
// ("Ustawienia", "Obliczenia", "Wyniki"), e.g.
// "Symulacje - Sieć 2D  (kwadratowa)  :  Ustawienia".
QString TytulOkna(RodzajSieci rodzaj, const QString& etap);
