#pragma once

#include "ParametrySymulacji.h"
#include "RodzajSieci.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the infinite lattice does at half composition, where it is known: the
// reference a finite lattice's peak is read against. Away from c = 0.5 the
// transition moves and no exact value is at hand, so none is given.

// |lambda_c| of the infinite lattice at c = 0.5 for this interaction, from
// the critical coupling of the Ising model the alloy maps onto (lambda = 2K):
// exact on the flat lattices (square ln(1 + sqrt 2), honeycomb ln(2 + sqrt 3),
// triangular clustering ln 3 / 2), the best numerical value on the cubic one;
// none for ordering on the triangular lattice, which frustrates it.
std::optional<double> LambdaKrytyczna(RodzajSieci rodzaj, Oddzialywanie tryb,
                                      int pozycjaKoncentracji);

// Whether LambdaKrytyczna is exact (false: a numerical estimate).
bool LambdaKrytycznaDokladna(RodzajSieci rodzaj);

// Sigma of the infinite square lattice at c = 0.5 (Onsager's nearest-neighbour
// correlation at K = |lambda| / 2), negative for clustering's negative lambdas.
double SigmaOnsagera(double lambda);

// SigmaOnsagera as a chart draws it: (lambda, sigma) every 0.01 up to the
// window's largest lambda, at the sign of the interaction's lambdas.
std::vector<std::pair<double, double>> KrzywaOnsagera(Oddzialywanie tryb);

// Whether SigmaOnsagera describes a run of these parameters.
bool MaSigmeOnsagera(RodzajSieci rodzaj, int pozycjaKoncentracji);

// The reference in words, with the decimal point of every results text:
// "λ_c sieci nieskończonej (c = 0.5): 0.8814 (dokładnie)", "… 0.4433
// (numerycznie)", for triangular ordering that there is none; empty away from
// c = 0.5.
std::string TekstLambdyKrytycznej(RodzajSieci rodzaj, Oddzialywanie tryb, int pozycjaKoncentracji);

// What the curve of SigmaOnsagera is, where a chart names it outside its legend.
inline constexpr const char* OpisSigmyOnsagera =
    "Szara krzywa: sigma sieci nieskończonej przy c = 0.5 (dokładna, Onsager).";
