#pragma once

#include "PunktWykresu.h"

#include <vector>

class MagazynPomiarow;
class Obliczenia;

// The replay of a finished run: what the page "Liczba par AB i parametr
// Sigma" shows for series s and cycle t. A cycle the run did not sample shows
// the latest sample recorded before it.

// Sigma history of series s: (i P, sigma at i P) for i = 0..floor(N / P), the
// samples up to N; the one sample a run records beyond N is left out.
// Throws std::invalid_argument when P < 1 or N < 0.
std::vector<PunktWykresu> HistoriaSigmy(const MagazynPomiarow& pomiary, int seria, int n,
                                        int przedzial);

// Histogram bars m = 0..z of series s at iteration count t (z: the number of
// nearest neighbours, 3..6). Throws std::invalid_argument when z is not 0..6.
std::vector<double> SlupkiHistogramu(const MagazynPomiarow& pomiary, int seria, int iteracja,
                                     int z);

// The three series of the page, with N, P and z of the run that filled the
// stores.
struct WidokCyklu {
    double LambdaSerii = 0.0;          // LWynikiLambdaInfo
    std::vector<PunktWykresu> Series8; // sigma history
    std::vector<double> Series6;       // histogram at cycle t ("przed symulacją")
    std::vector<double> Series7;       // histogram at N ("po symulacji")
};
WidokCyklu PokazCykl(const Obliczenia& obliczenia, int seria, int iteracja);
