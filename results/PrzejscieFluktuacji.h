#pragma once

#include "FluktuacjaSerii.h"
#include "MaksimumFluktuacji.h"

#include <vector>

// The transition from the fluctuations of one or more independent replicas of
// one series of lambdas (each replica's series in the same order, by |lambda|
// increasing). Only the series in which no replica's drift test found a drift
// or could not tell take part.
//
// Where the kept samples allow, Cv/kN of every replica is reweighted between
// neighbouring series (KrzywaPrzewazona, `podzial` points a step), the
// replicas' curves averaged, and the peak is the largest value of that curve;
// its error is the error of the curve's slope at the peak over the curve's
// curvature there, the slope's error the standard error over the replicas
// (five or more) or the jackknife's over `bloki` stretches of the samples of
// every series (one replica). Where the
// largest value lies next to a point the reweighting does not reach, the
// parabola through the grid's three points takes over and says why. A peak on
// the first or last point used is at an edge; a parabola narrower than a step
// is not resolved. Two to four replicas give no error.
// Throws std::invalid_argument for no replicas or replicas of other lengths.
MaksimumFluktuacji ZnajdzPrzejscie(const std::vector<std::vector<FluktuacjaSerii>>& repliki,
                                   int podzial = 20, int bloki = 8);

// Replicas an error is taken from.
inline constexpr int MinReplikDlaBledu = 5;
