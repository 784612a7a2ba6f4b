#pragma once

#include "WynikRepliki.h"

#include <cstdint>
#include <string>
#include <vector>

struct OpcjeWsadowe;
class PasekPostepu;

// Runs the replicas 0..N-1 of the options (N = Powtorzenia) on `watki`
// threads, one engine per thread; replica k is seeded with ziarno + k (modulo
// 2^32). The results come back in replica order and do not depend on the
// number of threads. Each replica writes its own trace file (see
// NazwaPrzebiegu) when one is asked for. Shows the progress on `pasek`. An
// exception in a worker is rethrown here once every worker has stopped.
std::vector<WynikRepliki> UruchomRepliki(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int watki,
                                         PasekPostepu& pasek);

// The trace file of replica k of n: the given name for a single replica,
// otherwise the number before the extension ("przebieg.csv" -> "przebieg.3.csv",
// "przebieg" -> "przebieg.3").
std::string NazwaPrzebiegu(const std::string& sciezka, int replika, int liczbaReplik);
