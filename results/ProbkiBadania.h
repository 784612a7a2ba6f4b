#pragma once

#include "FluktuacjaSerii.h"
#include "Wielohistogram.h"

#include <cstddef>
#include <random>
#include <vector>

// The samples of every series of every replica of one study at one lattice
// size, held for reweighting them all together, and cut for the bootstrap
// into units that are independent of each other: each replica, or, where the
// replicas are few, stretches of each replica's series long against their
// autocorrelation time.
//
// A series judged "nie osiągnęła równowagi" is left out; one that could not be
// judged keeps its samples. Every sample counts 1 / (2 tau) of its series, so
// that the series weigh by their independent samples. The order parameter
// enters as |m|, m^2 and m^4 where the series recorded it (zeros otherwise).
class ProbkiBadania {
public:
    // `repliki[r][k]`: series k of replica r, every replica's series in the
    // same order. Throws std::invalid_argument for no replicas or replicas of
    // other lengths.
    explicit ProbkiBadania(const std::vector<std::vector<FluktuacjaSerii>>& repliki,
                           std::size_t minJednostek = 16);

    // Whether any series kept samples to reweight.
    bool ZProbkami() const { return !pary_.empty(); }
    // The lambdas of the series that kept samples, increasing by |lambda|,
    // and the share of their pooled distributions of P that each shares with
    // the next one (the last entry 0).
    const std::vector<double>& Lambdy() const { return lambdy_; }
    const std::vector<double>& Nakladania() const { return nakladania_; }
    int Pominiete() const { return pominiete_; }
    int IloscAtomow() const { return iloscAtomow_; }

    std::size_t Jednostki() const { return jednostki_.size(); }
    // The histograms of the units taken `krotnosci[u]` times each (all once:
    // the study itself), of the series `od`..`dokad` (indices into Lambdy;
    // every series by default).
    HistogramyPar Histogramy(const std::vector<int>& krotnosci, std::size_t od = 0,
                             std::size_t dokad = static_cast<std::size_t>(-1)) const;
    HistogramyPar Wszystkie() const;
    // How many times each unit is taken in one bootstrap resample (drawn
    // with replacement by hand: the library's distributions differ between
    // implementations, and the error must be the same on every platform).
    std::vector<int> Losuj(std::mt19937_64& los) const;

private:
    struct Wpis {
        std::size_t Indeks; // into pary_
        double Waga;
        double Kwadrat;
        std::array<double, 3> Rzad;
    };
    struct Jednostka {
        // Of each series (lambdy_): by Indeks, one per bin.
        std::vector<std::vector<Wpis>> Wpisy;
        std::vector<double> Probek; // the weight of each series
    };

    std::vector<double> pary_;
    std::vector<double> lambdy_;
    std::vector<double> nakladania_;
    std::vector<Jednostka> jednostki_;
    int pominiete_ = 0;
    int iloscAtomow_ = 0;
};
