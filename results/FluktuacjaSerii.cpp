#include "FluktuacjaSerii.h"

#include <cmath>
#include <numeric>
#include <stdexcept>
#include <vector>

FluktuacjaSerii FluktuacjaZProbek(double lambda, std::span<const double> pary, int iloscAtomow) {
    if (iloscAtomow < 1) {
        throw std::invalid_argument("FluktuacjaZProbek: liczba atomów poza zakresem");
    }
    const std::span<const double> druga = pary.subspan(pary.size() / 2);
    FluktuacjaSerii wynik;
    wynik.Lambda = lambda;
    // The variance is the mean of the squared deviations, so the blocking of
    // that mean gives its error with the correlation of the samples; the error
    // of the mean itself changes the variance only at second order.
    const double srednia =
        std::accumulate(druga.begin(), druga.end(), 0.0) / static_cast<double>(druga.size());
    std::vector<double> odchylenia;
    odchylenia.reserve(druga.size());
    for (const double x : druga) {
        odchylenia.push_back((x - srednia) * (x - srednia));
    }
    const SredniaZBledem wariancja = SredniaBlokowa(odchylenia);
    wynik.CvkN.Srednia = lambda * lambda * wariancja.Srednia / iloscAtomow;
    wynik.CvkN.Blad = lambda * lambda * wariancja.Blad / iloscAtomow;
    wynik.Stan = TestDryfu(druga);
    wynik.Pary.assign(druga.begin(), druga.end());
    wynik.IloscAtomow = iloscAtomow;
    return wynik;
}
