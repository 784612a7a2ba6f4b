#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

// How the position of the peak was found.
enum class SposobMaksimum {
    Parabola,    // the vertex of the parabola through three grid points
    Przewazanie, // the largest value of the reweighted curve
    BrakSerii,   // no series may be used: no position
};

// Where the mean fluctuation Cv/kN of independent replicas peaks on a lambda grid.
struct MaksimumFluktuacji {
    double Lambda = 0.0;   // the refined position; the grid lambda itself at an edge
    double Blad = 0.0;     // standard error by resampling; NaN at an edge or when unknown
    bool NaBrzegu = false; // the largest mean lies on the first or the last grid point
    SposobMaksimum Sposob = SposobMaksimum::Parabola;
    // A parabola whose half width at half height is under the grid's step:
    // the peak is narrower than the grid resolves, and its position is no
    // more than a guess.
    bool Waskie = false;
    // Too few independent replicas, or stretches of a replica's series, for
    // an error.
    bool MaloReplik = false;
    // With the parabola: the reweighted curve did not reach the peak (no
    // overlap of the neighbouring series, or no samples kept).
    bool PrzewazanieNieSiega = false;
    int Pominiete = 0; // series of replicas left out: no equilibrium
    double CvkN = 0.0; // the largest value, of the curve or the grid
    double BladCvkN = std::numeric_limits<double>::quiet_NaN(); // its error, by the same jackknife
                                                                // as the position's
};

// The abscissa of the vertex of the parabola through the points k - 1, k and
// k + 1 (0 < k < size - 1, x increasing, not necessarily evenly spaced), with
// y[k] not below its neighbours: then the vertex lies between the midpoints of
// the two intervals. Three equal values have no vertex; x[k] is returned.
double WierzcholekParaboli(std::span<const double> x, std::span<const double> y, std::size_t k);

// The grid lambda of the largest mean over the replicas (the first of equal
// means), refined by the vertex of the parabola through it and its two
// neighbours. The error is the standard deviation of the same estimate over
// `losowan` resamples of the replicas drawn with replacement; the resampling
// generator starts from a fixed seed, so the same replicas give the same
// error. `cvReplik` holds one row per replica, each with one value per entry
// of `lambdy` (increasing). Throws std::invalid_argument for an empty grid or
// no replicas, or a row of another length.
MaksimumFluktuacji ZnajdzMaksimumFluktuacji(std::span<const double> lambdy,
                                            const std::vector<std::vector<double>>& cvReplik,
                                            int losowan = 1000);

// The same estimate from one value per grid point with its standard error (one
// series per lambda): the grid lambda of the largest value refined by the
// parabola vertex. The error is half the width of the central 68 % of the
// estimates from `losowan` sets of values drawn from normal distributions
// about the given ones with the given errors, from a fixed seed; it is NaN
// when any error is.
// Throws std::invalid_argument for an empty grid or a list of another length.
MaksimumFluktuacji ZnajdzMaksimumZBledami(std::span<const double> lambdy,
                                          std::span<const double> wartosci,
                                          std::span<const double> bledy, int losowan = 1000);
