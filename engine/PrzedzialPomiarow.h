#pragma once

#include "ZakresyParametrow.h"

#include <algorithm>
#include <cmath>
#include <optional>

// The sampling interval: a sample after every Iteracje() exchange attempts.
// Its position (the settings trackbar's, the parameters' PozycjaPrzedzialu)
// counts hundreds of attempts on every scale. Attempts are only ever formed
// from a position here, and a count of attempts only becomes a position here.
class PrzedzialPomiarow {
public:
    static constexpr int Jednostka = 100; // attempts per position

    constexpr explicit PrzedzialPomiarow(int pozycja) : pozycja_(pozycja) {}

    constexpr int Pozycja() const { return pozycja_; }
    constexpr long long Iteracje() const { return static_cast<long long>(pozycja_) * Jednostka; }

    // The samples a run of `iteracji` attempts takes after its first one: one
    // per whole interval.
    constexpr long long Pomiarow(long long iteracji) const { return iteracji / Iteracje(); }

    // The interval of `iteracje` attempts when they are a whole number of
    // positions on the range `zakres` (in positions); none otherwise.
    static constexpr std::optional<PrzedzialPomiarow> ZIteracji(long long iteracje,
                                                                const ZakresParametru& zakres) {
        if (iteracje % Jednostka != 0 || !NaSkaliZakresu(zakres, iteracje / Jednostka)) {
            return std::nullopt;
        }
        return PrzedzialPomiarow(static_cast<int>(iteracje / Jednostka));
    }

    // The interval nearest to `iteracje` attempts, one position at least.
    static PrzedzialPomiarow Najblizszy(double iteracje) {
        return PrzedzialPomiarow(
            static_cast<int>(std::max(1LL, std::llround(iteracje / Jednostka))));
    }

    // A range of positions as attempts.
    static constexpr ZakresParametru Iteracji(const ZakresParametru& pozycje) {
        return {pozycje.Min * Jednostka, pozycje.Max * Jednostka, pozycje.Krok * Jednostka};
    }

private:
    int pozycja_;
};
