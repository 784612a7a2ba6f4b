#pragma once

#include <QString>

// The caption of the simulation window for a lattice kind and a stage word
// ("Ustawienia", "Obliczenia", "Wyniki"), e.g.
// "Symulacje - Sieć 2D  (kwadratowa)  :  Ustawienia". An unknown kind gives
// the stage word alone after the common beginning.
QString TytulOkna(const QString& rodzaj, const QString& etap);
