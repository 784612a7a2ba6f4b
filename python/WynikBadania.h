#pragma once

#include "BadaniePowtorzen.h"
#include "FluktuacjeSerii.h"
#include "ProbkiRepliki.h"
#include "WynikiSerii.h"

#include <optional>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <string>
#include <vector>

// What fazolab.uruchom gives back: the study's replicas with the results the
// batch runner prints and writes for the same options and seed, and every
// sample as arrays that own the engine's columns. Per-lambda figures are
// arrays over the series in the order they ran; with several replicas a
// figure is the mean over the replicas with the standard error of their
// spread, with one its own figure (and for the means of the second half the
// blocking error).
class WynikBadania {
public:
    // `probki`: the samples of replica k at k, or empty when none were kept.
    WynikBadania(BadaniePowtorzen badanie, bool fluktuacje, std::vector<ProbkiRepliki> probki);

    const BadaniePowtorzen& Badanie() const { return badanie_; }
    bool Fluktuacje() const { return fluktuacje_; }

    pybind11::array_t<double> Lambdy() const;
    // The stored sigma of each series (the input of the fit) and its error.
    pybind11::array_t<double> Sigma() const;
    pybind11::array_t<double> SigmaBlad() const;
    // The mean sigma over the second half of each series' samples.
    pybind11::array_t<double> SigmaSrednia() const;
    pybind11::array_t<double> SigmaSredniaBlad() const;
    // Cv/kN from the fitted sigma curve; None for a single run.
    pybind11::object CvkN() const;
    // Cv/kN from the fluctuations of the energy, as the results file writes it.
    pybind11::array_t<double> CvkNFluktuacje() const;
    pybind11::array_t<double> CvkNFluktuacjeBlad() const;
    // Per lambda: True reached, False may not have, None too short to tell
    // (with replicas: False when any replica may not have).
    pybind11::list Rownowaga() const;
    pybind11::list RownowagaReplik() const;
    // The transition from the fluctuations: lambda, its error, at an edge.
    pybind11::dict Przejscie() const;
    // The fitted curve's transition as the results page shows it (texts);
    // None for a single run.
    pybind11::object PrzejscieDopasowania() const;
    pybind11::object Teksty() const;
    // The table fazolab-batch prints for the same study, without the seed line.
    std::string Podsumowanie() const;
    const pybind11::list& Probki() const { return probki_; }

    // The results file's bytes for "csv", "txt" or "xlsx"; ValueError for
    // another type or a single run.
    pybind11::bytes Bajty(const std::string& typ) const;
    // Writes the file --wyjscie writes for the same path; OSError with the
    // Polish message when it cannot.
    void Zapisz(const std::string& sciezka) const;

private:
    // The mean over the replicas of one figure of each series, with its error.
    template <class Pole> std::vector<SredniaZBledem> PoSeriach(Pole pole) const;
    const ::WynikiSerii& Wyniki() const;

    BadaniePowtorzen badanie_;
    bool fluktuacje_;
    std::optional<::WynikiSerii> wyniki_;
    FluktuacjeSerii fluktuacjeReplik_;
    pybind11::list probki_;
};
