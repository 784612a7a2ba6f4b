#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

// What multiple-histogram reweighting gives at one lambda: the moments of the
// pair count P and of the order parameter m, and the samples the estimate
// rests on in effect (Kish's (sum of weights)^2 / sum of squared weights).
struct ChwilaPrzewazona {
    double CvkN = 0.0; // lambda^2 Var(P) / N
    double M1 = 0.0;   // <|m|>
    double M2 = 0.0;   // <m^2>
    double M4 = 0.0;   // <m^4>
    double Efektywnych = 0.0;
};

// The samples of a study binned by their pair count P, whatever series they
// came from: reweighting needs no more, since a sample's weight at any lambda
// depends on its P alone. Each sample counts with its own weight (1 for a
// plain count; 1 / (2 tau) for a count in independent samples).
struct HistogramyPar {
    std::vector<double> Pary;     // the distinct P, increasing
    std::vector<double> Wagi;     // sum of the weights of the samples at P
    std::vector<double> Kwadraty; // sum of their squares
    // Weighted sums of |m|, m^2 and m^4 of the samples at P.
    std::vector<std::array<double, 3>> Rzad;
    std::vector<double> Lambdy; // of the series, as they ran
    std::vector<double> Probek; // the sum of the weights of each series
};

// The density of states over P from every series of a study at once
// (Ferrenberg and Swendsen's multiple histograms, the series' free energies
// solved to their fixed point), and from it any lambda's moments. Series at
// the same lambda may be given apart or pooled; it is the same.
class Wielohistogram {
public:
    // `start`: free energies to begin from (a nearby solution), or empty.
    // Throws std::invalid_argument for no series, a series of no weight, a
    // histogram of other lengths, or N < 1.
    Wielohistogram(HistogramyPar histogramy, int iloscAtomow, std::span<const double> start = {});

    ChwilaPrzewazona Chwila(double lambda) const;
    const std::vector<double>& EnergieSwobodne() const { return f_; }

private:
    HistogramyPar h_; // the bins of no weight left out, P less its mean
    std::vector<double> logD_;
    std::vector<double> f_;
    int iloscAtomow_;
};
