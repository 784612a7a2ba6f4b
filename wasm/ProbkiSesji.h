#pragma once

#include "ObserwatorPomiarow.h"
#include "Pomiar.h"

#include <vector>

// The samples of an interactive run as the page's charts take them: every
// sample since the page last asked, flattened to doubles, and the latest one.
class ProbkiSesji final : public ObserwatorPomiarow {
public:
    // Fields of one record: seria, iteracja, lambda, energia, pary_ab, sigma,
    // z and the bars h0..h6.
    static constexpr int PolaProbki = 7 + LiczbaSlupkow;

    void NowyPomiar(const Pomiar& pomiar) override;

    // The records gathered since the last call; the next call starts afresh.
    std::vector<double> Odbierz();
    const Pomiar& Ostatni() const { return ostatni_; }

private:
    std::vector<double> nowe_;
    Pomiar ostatni_{};
};
