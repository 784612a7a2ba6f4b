#pragma once

#include <atomic>

// How far one worker has got, written by the worker only and read by the
// progress line. Each sits on its own cache lines, so the reads never slow a
// worker's writes down, and no two workers write one line.
struct alignas(64) PostepWatku {
    std::atomic<long long> Proby{0};     // exchange attempts of all its replicas so far
    std::atomic<int> Seria{1};           // of the replica now running
    std::atomic<int> Iteracja{0};        // of the series now running
    std::atomic<bool> DrugiStart{false}; // the two-start check's second start is running
    std::atomic<int> UkonczoneRepliki{0};
};
