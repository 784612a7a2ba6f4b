#pragma once

#include "ObserwatorPomiarow.h"
#include "Pojemnosci.h"

#include <string>
#include <vector>

// Watches a batch run sample by sample: keeps sigma and the pair count of
// every sample of every series for the summary, and, when asked, the trace
// of every sample as CSV lines (UTF-8, reals with 17 significant digits).
// Every sample, series end and reset goes on to `dalej` as well, when given.
class ZapisPrzebiegu final : public ObserwatorPomiarow {
public:
    static constexpr const char* Naglowek =
        "seria,lambda,iteracja,energia,sigma,pary_ab,h0,h1,h2,h3,h4,h5,h6\n";

    explicit ZapisPrzebiegu(bool zPrzebiegiem, ObserwatorPomiarow* dalej = nullptr);

    void NowyPomiar(const Pomiar& pomiar) override;
    void KoniecSerii(double lambda, double sigma) override;
    void PrzebiegWyzerowany() override;

    // Samples of series 1..n, in the order recorded.
    const std::vector<double>& Sigmy(int seria) const { return sigmy_[seria]; }
    const std::vector<double>& Pary(int seria) const { return pary_[seria]; }
    // The order parameter of the same samples, where the engine records it.
    const std::vector<double>& Rzad(int seria) const { return rzad_[seria]; }
    const std::string& Przebieg() const { return przebieg_; }

private:
    bool zPrzebiegiem_;
    ObserwatorPomiarow* dalej_;
    // Rows 0..n of series 1..n, at least the window's.
    std::vector<std::vector<double>> sigmy_ = std::vector<std::vector<double>>(LiczbaWpisowSerii);
    std::vector<std::vector<double>> pary_ = std::vector<std::vector<double>>(LiczbaWpisowSerii);
    std::vector<std::vector<double>> rzad_ = std::vector<std::vector<double>>(LiczbaWpisowSerii);
    std::string przebieg_;
};
