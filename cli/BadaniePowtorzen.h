#pragma once

#include "ParametrySymulacji.h"
#include "RodzajGeneratora.h"
#include "WynikRepliki.h"

#include <cstdint>
#include <optional>
#include <vector>

// A study of independent replicas, or the share of it one process ran: what
// the summary and the results file of the whole study are made from.
struct BadaniePowtorzen {
    ParametrySymulacji Parametry;
    std::optional<int> Stopien;        // of the results' fit; none: automatic
    std::uint32_t Ziarno = 0;          // Z, of which replica k takes its stream (SilnikRepliki)
    bool ZiarnoZZegara = false;        // Z was read from the clock, so the summary names it
    int Powtorzenia = 1;               // N, the replicas of the whole study
    std::vector<WynikRepliki> Repliki; // those held here, in replica order
    bool DwaStarty = false;            // the verdicts include the two-start check
    // The replicas' generator; a file that does not name one is the window's.
    RodzajGeneratora Generator = RodzajGeneratora::Okna;
};
