#pragma once

#include "ParametrySymulacji.h"
#include "RodzajGeneratora.h"
#include "ZakresyParametrow.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Replicas of a study, and threads: more threads than replicas would have
// nothing to do.
inline constexpr ZakresParametru ZakresPowtorzen{1, 64, 1};

// One of M parts of a study of N replicas: the K-th of M contiguous blocks of
// replica numbers, K counted from 0 (as a scheduler's array index is).
struct CzescBadania {
    int K = 0;
    int M = 1;

    // Replicas Od..Do-1 of n.
    int Od(int n) const { return static_cast<int>(static_cast<long long>(n) * K / M); }
    int Do(int n) const { return static_cast<int>(static_cast<long long>(n) * (K + 1) / M); }
};

// The arrangement the two-start check compares the run's own with: a random
// start for an ordered one; for a random one the ordered arrangement of the
// mode, the alternation for ordering and the two slabs for clustering.
inline Ulozenie UlozenieDrugiegoStartu(const ParametrySymulacji& p) {
    if (p.Uklad != Ulozenie::Przypadkowe) {
        return Ulozenie::Przypadkowe;
    }
    return p.Tryb == Oddzialywanie::Porzadkowanie ? Ulozenie::Uporzadkowane
                                                  : Ulozenie::UporzadkowaneWydzielenie;
}

// What one call of fazolab-batch asks for. The defaults are those of a freshly
// set-up window.
struct OpcjeWsadowe {
    ParametrySymulacji Parametry;
    std::optional<std::uint32_t> Ziarno; // none: seeded from the clock, as in the window
    std::optional<int> Stopien;          // none: the automatic degree
    std::string Wyjscie;                 // the results file, after a series
    bool Fluktuacje = false;             // the results file adds the estimate from the fluctuations
    bool DwaStarty = false;              // the series again from another start, to compare
    std::string Przebieg;                // every sample as CSV
    int Powtorzenia = 1;                 // independent replicas, 1..64
    std::optional<int> Watki;            // none: the hardware threads
    CzescBadania Czesc;                  // the replicas this process runs (all of them: 0/1)
    std::string PlikPowtorzen;           // the per-replica figures, for a later --scal
    std::vector<std::string> Scal;       // the replica files to merge instead of a run
    // --osie L1,L2,..: the sizes of a finite-size study (two or more,
    // increasing); the axes above are the first. Empty: one size.
    std::vector<int> Rozmiary;
    bool Pomoc = false;
    bool Sprawdz = false; // --sprawdz: everything checked, nothing run or written

    // A study's own 64-bit generator unless the window's is asked for (--generator okna).
    RodzajGeneratora Generator = RodzajGeneratora::Xoshiro;
};
