#pragma once

#include "OpisSieci.h"
#include "ParametrySymulacji.h"
#include "TablicaPunktow.h"

#include <optional>

// Everything the results of a series are computed from. Nothing is read back
// from the lattice.
struct DaneWynikow {
    int NrSerii = 0;              // n, series 1..n stored (1..24)
    TablicaPunktow LambdaSerii{}; // entries 1..n, negative for clustering
    TablicaPunktow SigmaSerii{};  // entries 1..n
    double KoncentracjaB = 0.0;   // fraction of B atoms placed
    int LiczbaSasiadow = 0;       // z
    Oddzialywanie Tryb = Oddzialywanie::Porzadkowanie;
    // The degree the user chose ("włącz" checked), or none for the automatic
    // degree: 4, or n - 1 below four series.
    std::optional<int> Stopien;
    // The random offset of the transition lambda, below one unit of the
    // run's lambdas (0 <= J < 0.1 on tenths), drawn once per
    // computation from the run's generator.
    double J = 0.0;
    DaneOpisu Opis;
};
