#include "FluktuacjaSerii.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace {
// Relaxation from the start takes a few autocorrelation times; twenty leave
// a bias far below the statistical error. Yet the time measured in the
// second half can miss the slow relaxation of the start (domains coarsening
// near the transition): a quarter of the samples at least goes.
constexpr double TauRozbiegu = 20.0;
} // namespace

int ProbkiRozbiegu(std::size_t probek, double tau) {
    const double polowa = static_cast<double>(probek / 2);
    const double cwierc = static_cast<double>(probek / 4);
    // Rounded off before the ceiling, so that the last bit of tau (which
    // differs between the platforms' sums) never moves the burn-in.
    const double zTau =
        std::isfinite(tau) ? std::ceil(std::round(TauRozbiegu * tau * 1e6) / 1e6) : polowa;
    return static_cast<int>(std::clamp(zTau, cwierc, polowa));
}

FluktuacjaSerii FluktuacjaZProbek(double lambda, std::span<const double> pary, int iloscAtomow,
                                  std::span<const double> rzad) {
    if (iloscAtomow < 1) {
        throw std::invalid_argument("FluktuacjaZProbek: liczba atomów poza zakresem");
    }
    FluktuacjaSerii wynik;
    wynik.Lambda = lambda;
    // The burn-in waits for the slowest figure the series recorded: from an
    // ordered start the order itself relaxes far more slowly than the energy
    // decorrelates, and a burn-in of the pair count's time alone leaves order
    // behind that biases the peak.
    double tau = CzasAutokorelacjiSokala(pary.subspan(pary.size() / 2)).Tau;
    if (rzad.size() == pary.size()) {
        std::vector<double> modul;
        modul.reserve(rzad.size() - rzad.size() / 2);
        for (const double m : rzad.subspan(rzad.size() / 2)) {
            modul.push_back(std::abs(m));
        }
        const double tauRzedu = CzasAutokorelacjiSokala(modul).Tau;
        if (std::isfinite(tauRzedu)) {
            tau = std::isfinite(tau) ? std::max(tau, tauRzedu) : tauRzedu;
        }
    }
    wynik.Odrzucone = ProbkiRozbiegu(pary.size(), tau);
    const std::span<const double> druga = pary.subspan(static_cast<std::size_t>(wynik.Odrzucone));
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
    if (rzad.size() == pary.size()) {
        const std::span<const double> r = rzad.subspan(static_cast<std::size_t>(wynik.Odrzucone));
        wynik.Rzad.assign(r.begin(), r.end());
    }
    wynik.IloscAtomow = iloscAtomow;
    wynik.Tau = CzasAutokorelacjiSokala(druga);
    return wynik;
}
