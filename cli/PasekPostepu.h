#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

// The progress line on standard error while a batch run goes, with the rate
// in exchange attempts per second: for one replica series k/n and the
// iterations of the current series (and whether the two-start check's second
// start runs them), for several the replicas finished and the bar of all
// their attempts; redrawn at most ten times a second, except for the final
// state, on a terminal (`aktywny`).
//
// What a long run costs, on a terminal or not (a scheduler's log): once the
// run has gone for a few seconds, the attempts it makes and the time they
// will take at the rate measured so far, when that is a minute or more; then
// a line a minute with the share done, the rate and the time left, and a
// last one with the whole time. Shorter runs say nothing of it.
class PasekPostepu {
public:
    using Zegar = std::chrono::steady_clock;

    PasekPostepu(std::ostream& wyjscie, bool aktywny,
                 std::function<Zegar::time_point()> teraz = Zegar::now);

    // The attempts made of all of the run's (of this pool of replicas).
    void Koszt(long long proby, long long wszystkieProby, bool koncowy);

    void Pokaz(int seria, int liczbaSerii, int iteracja, int maxIteracji, long long proby,
               bool koncowy = false, bool drugiStart = false);
    void PokazRepliki(int ukonczone, int liczbaReplik, long long proby, long long wszystkieProby,
                      bool koncowy = false);
    // Ends the line; the caller has shown the final state. The next pool of
    // replicas is timed anew.
    void Zakoncz();

private:
    // A line of its own: past the bar on a terminal, which is drawn again.
    void Wiersz(const std::string& tekst);

    // The line: `przed`, a bar filled pelne / z of its width, `po` and the
    // rate; nothing when the last one was drawn less than 100 ms ago, unless
    // this is the final state.
    void Rysuj(const std::string& przed, long long pelne, long long z, const std::string& po,
               long long proby, bool koncowy);

    std::ostream& wyjscie_;
    bool aktywny_;
    std::function<Zegar::time_point()> teraz_;
    Zegar::time_point start_;
    Zegar::time_point ostatni_;
    bool pokazany_ = false;
    bool oszacowany_ = false; // the estimate has been made (told or not)
    bool dlugi_ = false;      // it was told: the run takes a minute or more
    Zegar::time_point wpis_;  // the last line of the log
    std::string pozostalo_;   // the time left, for the bar
};

// A duration in words: "12 s", "4 min 10 s", "2 h 05 min", "6 dni 3 h".
std::string CzasSlownie(double sekundy);
