#pragma once

#include "FluktuacjaSerii.h"
#include "MaksimumFluktuacji.h"

#include <vector>

// The transition from the fluctuations of one or more independent replicas of
// one series of lambdas (each replica's series in the same order, by |lambda|
// increasing): the peak of Cv/kN(lambda) = lambda^2 Var(P) / N reweighted from
// the samples of every series of every replica at once (ProbkiBadania,
// Wielohistogram), on a grid of `podzial` points a step, refined by a
// parabola through the largest value and its neighbours. A series that did not
// reach equilibrium takes no part and is counted; nothing else is left out.
// The error is the bootstrap's over the replicas (or, with few replicas,
// stretches of their series long against the autocorrelation time); with
// fewer than four such units there is none (MaloReplik). No position is
// told where the largest value lies on the range's first or last lambda
// (NaBrzegu) or beside a step the reweighting does not cross
// (PrzewazanieNieSiega). Series without samples (older files) fall back to
// the parabola through the grid's three largest means.
// Throws std::invalid_argument for no replicas or replicas of other lengths.
MaksimumFluktuacji ZnajdzPrzejscie(const std::vector<std::vector<FluktuacjaSerii>>& repliki,
                                   int podzial = 40);

// Replicas an error is taken from.
inline constexpr int MinReplikDlaBledu = 5;
