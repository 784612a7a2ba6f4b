#pragma once

#include <span>
#include <vector>

// The equilibrated samples of one series as reweighting takes them: the
// number of unlike pairs P of every sample, drawn with the weight exp(lambda P)
// (the reduced energy is -lambda P; clustering runs at negative lambdas).
struct ProbkiPar {
    double Lambda = 0.0;
    std::span<const double> Pary;
};

// Cv/kN at one lambda from one or more series by multiple-histogram
// reweighting, with the effective number of samples the estimate rests on
// (Kish's: (sum of weights)^2 / sum of squared weights).
struct CvPrzewazone {
    double CvkN = 0.0;
    double Efektywnych = 0.0;
    double Probek = 0.0; // the samples of the series together
};

// The density of states over the pair counts sampled by the given series (one
// series: single-histogram reweighting), solved self-consistently for the
// series' free energies once, and from it Cv/kN = lambda^2 Var(P) / N at any
// lambda. Throws std::invalid_argument for no series, a series without
// samples, or N < 1.
class Przewazenie {
public:
    Przewazenie(std::span<const ProbkiPar> serie, int iloscAtomow);
    CvPrzewazone Cv(double lambda) const;

private:
    std::vector<double> pary_;   // the distinct pair counts, less their mean
    std::vector<double> liczby_; // how many samples had each
    std::vector<double> logD_;   // log of sum over series of n_s exp(lambda_s P - f_s)
    double probek_ = 0.0;
    int iloscAtomow_;
};

CvPrzewazone PrzewazCv(std::span<const ProbkiPar> serie, double lambda, int iloscAtomow);

// Whether an estimate rests on enough samples to be told: at least a twentieth
// of the samples and at least twenty of them in effect. Farther from the
// series the weights fall on the tails of a few samples and the curve is noise.
bool PrzewazanieSiega(const CvPrzewazone& cv);

// Cv/kN over a fine grid of lambdas: each step between neighbouring series of
// `lambdy` (increasing by |lambda|) cut into `podzial` parts, from the two
// series at its ends, or from the one of them that may be used (`uzyte`) when
// the other may not. A point no reweighting reaches is NaN, as is every point
// inside a step with neither end used or with two ends whose distributions of
// the pair count share less than a hundredth. `pary[k]` are the samples of series k.
struct KrzywaCv {
    std::vector<double> Lambdy; // |lambda|, increasing, the series' own among them
    std::vector<double> CvkN;
};
KrzywaCv KrzywaPrzewazona(std::span<const double> lambdy,
                          const std::vector<std::span<const double>>& pary,
                          const std::vector<bool>& uzyte, int iloscAtomow, int podzial);
