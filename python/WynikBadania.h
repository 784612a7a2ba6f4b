#pragma once

#include "BadaniePowtorzen.h"
#include "FluktuacjeSerii.h"
#include "WynikZapisu.h"
#include "WynikiSerii.h"

#include <optional>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <string>

// What fazolab.uruchom gives back: the study's replicas with the results the
// batch runner prints and writes for the same options and seed, and every
// sample as arrays that own the engine's columns. Per-lambda figures are
// arrays over the series in the order they ran; with several replicas a
// figure is the mean over the replicas with the standard error of their
// spread, with one its own figure (and for the means of the second half the
// blocking error). A part of a study (czesc="K/M") holds only its replicas:
// it gives its replica file and nothing that needs the whole study.
class WynikBadania {
public:
    // `probki`: a dict of columns per replica held, or an empty list.
    // `watki`: the threads the run had (0 when read back from a file).
    WynikBadania(BadaniePowtorzen badanie, bool fluktuacje, pybind11::list probki, int watki);

    const BadaniePowtorzen& Badanie() const { return badanie_; }
    bool Fluktuacje() const { return fluktuacje_; }
    int Watki() const { return watki_; }
    // All N replicas are here (not a part of a study).
    bool Cale() const;

    // The lambda of each series as the grid defines it (0.86, not the sum of
    // steps), negative for clustering.
    pybind11::array_t<double> Lambdy() const;
    // The stored sigma of each series (the input of the fit) and its error.
    pybind11::array_t<double> Sigma() const;
    pybind11::array_t<double> SigmaBlad() const;
    // The mean sigma over the second half of each series' samples.
    pybind11::array_t<double> SigmaSrednia() const;
    pybind11::array_t<double> SigmaSredniaBlad() const;
    // Cv/kN from the fitted sigma curve as the results file's column holds it
    // (0 past the fall); None for a single run.
    pybind11::object CvkN() const;
    // The fitted curve's Cv/kN itself, past the fall too; None for a single run.
    pybind11::object CvkNSurowe() const;
    // Cv/kN from the fluctuations of the energy, as the results file writes it.
    pybind11::array_t<double> CvkNFluktuacje() const;
    pybind11::array_t<double> CvkNFluktuacjeBlad() const;
    // Per lambda: True reached, False may not have, None too short to tell
    // (with replicas: False when any replica may not have).
    pybind11::list Rownowaga() const;
    pybind11::list RownowagaReplik() const;
    // The transition from the fluctuations: lambda, its error, at an edge,
    // the label the summary shows and, when lambda or its error is NaN, why.
    pybind11::dict Przejscie() const;
    // The fitted curve's transition as the results page shows it (texts);
    // None for a single run.
    pybind11::object PrzejscieDopasowania() const;
    pybind11::object Teksty() const;
    // The table fazolab-batch prints for the same study, without the seed line.
    std::string Podsumowanie() const;
    const pybind11::list& Probki() const { return probki_; }
    // Every option of the study, by the keywords of uruchom.
    pybind11::dict Parametry() const;

    // The results file's bytes for "csv", "txt" or "xlsx"; ValueError for
    // another type or a single run.
    pybind11::bytes Bajty(const std::string& typ) const;
    // Writes the file --wyjscie writes for the same path; OSError with the
    // Polish message when it cannot.
    void Zapisz(const std::string& sciezka) const;
    // The replica file (--powtorzenia-plik) of the replicas held.
    std::string TekstPowtorzen() const;

private:
    // The mean over the replicas of one figure of each series, with its error.
    template <class Pole> std::vector<SredniaZBledem> PoSeriach(Pole pole) const;
    const ::WynikiSerii& Wyniki() const;
    // Throws ValueError for a part of a study.
    void WymagajCalego() const;

    BadaniePowtorzen badanie_;
    bool fluktuacje_;
    int watki_;
    std::optional<::WynikiSerii> wyniki_;
    FluktuacjeSerii fluktuacjeReplik_;
    pybind11::list probki_;
};

// Raises OSError with the save's Polish message, on one line, when it failed.
void ZglosBladZapisu(const WynikZapisu& zapis);
