#pragma once

#include "FluktuacjaSerii.h"
#include "MaksimumFluktuacji.h"

#include <span>
#include <vector>

class MagazynPomiarow;
class Obliczenia;

// The specific heat from the fluctuations of the energy over a series of
// lambdas, and the transition where it peaks: the estimate beside the one of
// the fitted sigma curve (ObliczWyniki).
struct FluktuacjeSerii {
    std::vector<FluktuacjaSerii> Serie; // series 1..n in the order they ran
    // Located by |lambda| (clustering runs at negative lambdas); at an edge of
    // the range it is the edge itself and says so.
    MaksimumFluktuacji Przejscie;
    // The lattice's atoms per axis (two for the flat lattices, three for the
    // cubic one): the transition is that of this size. Empty when not known.
    std::vector<int> Osie;
    // The iterations of each series, for the advice on the run's length; 0
    // when not known.
    long long IteracjeSerii = 0;
};

// The transition of the given series (ZnajdzPrzejscie). Throws
// std::invalid_argument for no series.
FluktuacjeSerii ObliczFluktuacje(std::vector<FluktuacjaSerii> serie);

// Independent replicas of one series of lambdas, each as ObliczFluktuacje gave
// it: Cv/kN is the mean over the replicas with the standard error of their
// spread (from five replicas; NaN with fewer), the transition that of all the
// replicas together (ZnajdzPrzejscie), and a lambda is not equilibrated when
// any replica's series was not (unknown when none was not and one could not
// tell). Throws std::invalid_argument for no replicas or
// replicas of different series.
FluktuacjeSerii SrednieFluktuacji(const std::vector<FluktuacjeSerii>& repliki);

// The number of unlike pairs of every sample series `seria` recorded in a run
// of `n` iterations sampled every `przedzial` (iterations 0, P, ..., the first
// multiple of P beyond N), from the stored histograms of the z + 1 bars:
// half the sum of n x count(n). Throws std::invalid_argument when P < 1, N < 0
// or z is not 0..6.
std::vector<double> ParyProbek(const MagazynPomiarow& pomiary, int seria, int n, int przedzial,
                               int z);

// The figures of every series of a finished run, from the samples the engine
// stores (the results stage of the window calls this).
FluktuacjeSerii FluktuacjeZ(const Obliczenia& obliczenia);
