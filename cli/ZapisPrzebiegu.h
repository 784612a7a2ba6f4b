#pragma once

#include "ObserwatorPomiarow.h"

#include <array>
#include <string>
#include <vector>

class Obliczenia;

// Watches a batch run sample by sample: keeps sigma and the pair count of
// every sample of every series for the summary, and, when asked, the trace
// of every sample as CSV lines (UTF-8, reals with 17 significant digits).
class ZapisPrzebiegu final : public ObserwatorPomiarow {
public:
    static constexpr const char* Naglowek =
        "seria,lambda,iteracja,energia,sigma,pary_ab,h0,h1,h2,h3,h4,h5,h6\n";

    ZapisPrzebiegu(const Obliczenia& obliczenia, bool zPrzebiegiem);

    void HistogramWyczyszczony() override;
    void SlupekHistogramu(int n, double liczbaAtomow) override;
    // The last call of every sample: the engine's state now describes it.
    void PunktSigmy(int iteracja, double sigma) override;

    // Samples of series 1..n, in the order recorded.
    const std::vector<double>& Sigmy(int seria) const { return sigmy_[seria]; }
    const std::vector<double>& Pary(int seria) const { return pary_[seria]; }
    const std::string& Przebieg() const { return przebieg_; }

private:
    const Obliczenia& obliczenia_;
    bool zPrzebiegiem_;
    std::array<double, 7> slupki_{};
    std::array<std::vector<double>, 26> sigmy_;
    std::array<std::vector<double>, 26> pary_;
    std::string przebieg_;
};
