#pragma once

#include "KolizjaWyjsc.h"

#include <optional>
#include <string>
#include <vector>

// The right to write a run's outputs, held for the whole run, so that two
// runs on the same files (two terminals, a scheduler's task started twice)
// cannot leave the results of one beside the traces of the other. Each output
// that is a regular file gets a lock file beside it (".<name>.blokada", under
// an advisory lock of the system), removed when the run ends; devices and
// pipes take any number of writers and get none.
class BlokadaWyjsc {
public:
    BlokadaWyjsc() = default;
    BlokadaWyjsc(const BlokadaWyjsc&) = delete;
    BlokadaWyjsc& operator=(const BlokadaWyjsc&) = delete;
    ~BlokadaWyjsc();

    // Takes every output's lock, or none: the Polish line for the first one
    // another run holds or that cannot be made.
    std::optional<std::string> Zablokuj(const std::vector<PlikWyjsciowy>& pliki);
    // Removes the lock files and lets the outputs go (as when it is gone).
    void Zwolnij();

private:
    struct Zamek {
        std::string Sciezka;
        int Deskryptor;
    };
    std::vector<Zamek> zamki_;
};
