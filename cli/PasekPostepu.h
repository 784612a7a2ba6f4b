#pragma once

#include <chrono>
#include <iosfwd>

// The progress line on standard error while a batch run goes: series k/n,
// iterations of the current series, and the rate in exchange attempts per
// second. Silent when standard error is not a terminal; redrawn at most ten
// times a second.
class PasekPostepu {
public:
    PasekPostepu(std::ostream& wyjscie, bool aktywny);

    void Pokaz(int seria, int liczbaSerii, int iteracja, int maxIteracji, long long proby);
    // Shows the finished state whatever the time since the last redraw, then ends the line.
    void Zakoncz(int liczbaSerii, int maxIteracji, long long proby);

private:
    using Zegar = std::chrono::steady_clock;

    std::ostream& wyjscie_;
    bool aktywny_;
    Zegar::time_point start_;
    Zegar::time_point ostatni_;
    bool pokazany_ = false;
};
