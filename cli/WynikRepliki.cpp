#include "WynikRepliki.h"

DaneWynikow SrednieReplik(const std::vector<WynikRepliki>& repliki) {
    DaneWynikow dane = repliki.front().Dane;
    for (int k = 1; k <= dane.NrSerii; ++k) {
        // Summed in replica order, so the mean does not depend on the threads.
        double suma = 0.0;
        for (const WynikRepliki& r : repliki) {
            suma += r.Dane.SigmaSerii[k];
        }
        dane.SigmaSerii[k] = suma / static_cast<double>(repliki.size());
    }
    return dane;
}

FluktuacjeSerii FluktuacjeReplik(const std::vector<WynikRepliki>& repliki) {
    std::vector<FluktuacjeSerii> fluktuacje;
    for (const WynikRepliki& r : repliki) {
        std::vector<FluktuacjaSerii> serie;
        for (const SeriaRepliki& s : r.Serie) {
            serie.push_back(s.Fluktuacje);
        }
        fluktuacje.push_back(ObliczFluktuacje(std::move(serie)));
    }
    return fluktuacje.size() == 1 ? fluktuacje.front() : SrednieFluktuacji(fluktuacje);
}
