#pragma once

#include "ParametrySymulacji.h"
#include "Pojemnosci.h"

#include <vector>

// Everything the calculations keep between calls, under the names the window,
// the results and the tests know them by. Reals are 8-byte; the per-series
// tables are indexed by the 1-based series number (1..24 used by the window,
// more by a batch series, for which they grow when the run is prepared).
struct StanObliczen {
    // The run (set when the computation stage is entered, advanced by the driver).
    ParametrySymulacji Parametry;
    double Lambda = 0.0; // negative for clustering
    double LambdaKoncowa = 0.0;
    double Krok = 0.0;
    double Koncentracja = 0.0; // of A atoms
    int LiczbaSerii = 0;       // series still to run
    int NrSerii = 0;
    int ObliczoneSerie = 0;
    int NrCyklu = 0; // iteration count of the next chunk's sample
    int MaxIloscCykli = 100000;
    int PrzedzialCzasowy = 0;
    std::vector<double> LambdaSerii = std::vector<double>(LiczbaWpisowSerii);
    std::vector<double> SigmaSerii = std::vector<double>(LiczbaWpisowSerii);

    // Lattice extents.
    int IloscAtomowOsX = 0;
    int IloscAtomowOsY = 0;
    int IloscAtomowOsZ = 0;
    int IloscAtomow = 0;
    int LiczbaSasiadow = 0;

    // The arrangement.
    int IloscAtomowA = 0;
    int IloscAtomowB = 0;
    double KoncentracjaB = 0.0;

    // The latest exchange attempt.
    int X1 = 0, Y1 = 0, Z1 = 0;
    int X2 = 0, Y2 = 0, Z2 = 0;
    int IloscSasiadowBWezlaB = 0;
    int IloscSasiadowBWezlaA = 0;
    double LiczbaLosowa = 0.0;
    double SumaZmian = 0.0;

    // Observables.
    double Energia = 0.0;
    double LiczbaParAB = 0.0;
    double Sigma = 0.0;
    double SigmaPoprzednia = 0.0;
    int LicznikMalychZmian = 0;
};

// The values the progress gauges show: a batch sweep of 24 series of 10^9
// iterations counts past the range of int.
struct PostepObliczen {
    long long PojedynczaSymulacja = 0;
    long long PojedynczaSymulacjaMax = 0;
    long long SeriaSymulacji = 0;
    long long SeriaSymulacjiMax = 0;
};

// What one tick of the run did.
enum class StanKroku {
    Trwa,            // the run goes on
    SeriaZakonczona, // a series ended and another follows: RozpocznijNastepnaSerie builds it
    Koniec,          // the run ended
};
