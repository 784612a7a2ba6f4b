#pragma once

#include "ObserwatorPomiarow.h"
#include "ParametrySymulacji.h"

#include <cstdint>
#include <pybind11/pybind11.h>
#include <vector>

// Every sample of one replica, column by column, in the order recorded (each
// series' new arrangement first): the columns of the batch runner's trace,
// held so that arrays can take them over without a copy.
class ProbkiRepliki final : public ObserwatorPomiarow {
public:
    // Room for `pomiarow` samples, so that a run does not move them as it grows.
    explicit ProbkiRepliki(std::size_t pomiarow);

    void NowyPomiar(const Pomiar& pomiar) override;

    std::vector<std::int32_t> Seria;
    std::vector<std::int64_t> Iteracja;
    std::vector<double> Lambda; // negative for clustering
    std::vector<double> Energia;
    std::vector<double> Sigma;
    // Counts, whole numbers: the engine keeps them in doubles, exactly.
    std::vector<std::int64_t> ParyAB;
    // LiczbaSasiadow + 1 bars per sample, row after row: atoms with 0..z unlike neighbours.
    std::vector<std::int64_t> Histogram;
    int LiczbaSasiadow = 0;
};

// The columns of `p` as numpy arrays over its own storage (the vectors move
// into the arrays), the lambdas put on the grid of `parametry`: a dict of
// seria, lambda, iteracja, energia, sigma, pary_ab and histogram (a 2-D array
// of LiczbaSasiadow + 1 columns).
pybind11::dict KolumnyProbek(ProbkiRepliki& p, const ParametrySymulacji& parametry);
