#pragma once

#include "WynikRepliki.h"
#include "ZapiszPlik.h"

#include <cstdint>
#include <string>
#include <vector>

class NadzorReplik;
struct OpcjeWsadowe;

// What the replicas of one process leave.
struct WynikiReplik {
    std::vector<WynikRepliki> Repliki; // in replica order
    // Their trace files, each written beside its target when its replica
    // ended; none is in place until the caller moves them all.
    std::vector<ZapisOdroczony> Przebiegi;
    std::vector<WynikZapisu> BledyPrzebiegow; // the trace files that could not be written
    int Sygnal = 0; // the signal that interrupted the run (then nothing else is held)
};

// Runs the replicas of the options' part of the study (all 0..N-1 of
// N = Powtorzenia without --czesc) on `watki` threads, one engine per thread;
// replica k takes its stream of the seed `ziarno` (SilnikRepliki). The results come back in
// replica order and do not depend on the number of threads. Each replica
// prepares its own trace file (see NazwaPrzebiegu) when one is asked for.
// Shows the progress to `nadzor` and hands it the samples it asks for. An
// exception in a worker is rethrown here once every worker has stopped. When
// `nadzor` asks to stop the workers stop at their next step and nothing comes
// back: no replica, no trace file (the prepared ones are removed).
WynikiReplik UruchomRepliki(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int watki,
                            NadzorReplik& nadzor);

// The exchange attempts one replica of the options makes: every series to the
// first sample past its iterations, twice with the two-start check.
long long ProbyNaReplike(const OpcjeWsadowe& opcje);

// The trace file of replica k of n: the given name for a single replica,
// otherwise the number before the extension ("przebieg.csv" -> "przebieg.3.csv",
// "przebieg" -> "przebieg.3").
std::string NazwaPrzebiegu(const std::string& sciezka, int replika, int liczbaReplik);
