#include "FluktuacjaSerii.h"

#include <cmath>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace {
// Three combined standard errors: with independent samples a stationary
// series is flagged about once in a thousand; the more so the longer its
// correlation time is against a quarter, when a longer run is needed anyway.
constexpr double ProgRoznicy = 3.0;

Rownowaga PorownajCwiartki(std::span<const double> druga) {
    const std::size_t polowa = druga.size() / 2;
    const SredniaZBledem trzecia = SredniaBlokowa(druga.first(polowa));
    const SredniaZBledem czwarta = SredniaBlokowa(druga.subspan(polowa));
    if (std::isnan(trzecia.Blad) || std::isnan(czwarta.Blad)) {
        return Rownowaga::Nieznana;
    }
    const double blad = std::hypot(trzecia.Blad, czwarta.Blad);
    return std::fabs(trzecia.Srednia - czwarta.Srednia) > ProgRoznicy * blad
               ? Rownowaga::Nieosiagnieta
               : Rownowaga::Osiagnieta;
}
} // namespace

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
    wynik.Stan = PorownajCwiartki(druga);
    return wynik;
}
