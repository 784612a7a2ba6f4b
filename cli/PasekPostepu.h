#pragma once

#include <chrono>
#include <iosfwd>
#include <string>

// The progress line on standard error while a batch run goes, with the rate
// in exchange attempts per second: for one replica series k/n and the
// iterations of the current series (and whether the two-start check's second
// start runs them), for several the replicas finished and the bar of all
// their attempts. Silent when standard error is not a
// terminal; redrawn at most ten times a second, except for the final state.
class PasekPostepu {
public:
    PasekPostepu(std::ostream& wyjscie, bool aktywny);

    void Pokaz(int seria, int liczbaSerii, int iteracja, int maxIteracji, long long proby,
               bool koncowy = false, bool drugiStart = false);
    void PokazRepliki(int ukonczone, int liczbaReplik, long long proby, long long wszystkieProby,
                      bool koncowy = false);
    // Ends the line; the caller has shown the final state.
    void Zakoncz();

private:
    using Zegar = std::chrono::steady_clock;

    // The line: `przed`, a bar filled pelne / z of its width, `po` and the
    // rate; nothing when the last one was drawn less than 100 ms ago, unless
    // this is the final state.
    void Rysuj(const std::string& przed, long long pelne, long long z, const std::string& po,
               long long proby, bool koncowy);

    std::ostream& wyjscie_;
    bool aktywny_;
    Zegar::time_point start_;
    Zegar::time_point ostatni_;
    bool pokazany_ = false;
};
