#pragma once

#include <cstdlib>
#include <string_view>
#include <thread>

#if defined(__linux__)
#include <sched.h>
#endif

// A positive whole number from the environment variable `nazwa`, or 0 when it
// is missing or anything else.
inline int LiczbaZeSrodowiska(const char* nazwa) {
    const char* tekst = std::getenv(nazwa);
    int liczba = 0;
    for (const char c : std::string_view(tekst ? tekst : "")) {
        if (c < '0' || c > '9' || liczba > 100000) {
            return 0;
        }
        liczba = liczba * 10 + (c - '0');
    }
    return liczba;
}

// The processors this process may run on: those of its affinity mask (what
// taskset, a container or a scheduler's cgroup left it), no more than a Slurm
// task was given (SLURM_CPUS_PER_TASK), else the processor's threads; at
// least 1. Every front end takes its default number of threads here, so that
// a one-processor allocation on a large node runs one thread. Under Node the
// runner's JavaScript reads the mask (os.availableParallelism) and hands it
// over as FAZOLAB_PROCESORY, with SLURM_CPUS_PER_TASK.
inline int DostepneProcesory() {
    int procesory = static_cast<int>(std::thread::hardware_concurrency());
#if defined(__linux__)
    cpu_set_t maska;
    CPU_ZERO(&maska);
    if (sched_getaffinity(0, sizeof maska, &maska) == 0 && CPU_COUNT(&maska) > 0) {
        procesory = CPU_COUNT(&maska);
    }
#elif defined(__EMSCRIPTEN__)
    if (const int wNode = LiczbaZeSrodowiska("FAZOLAB_PROCESORY"); wNode > 0) {
        procesory = wNode;
    }
#endif
    const int przydzielone = LiczbaZeSrodowiska("SLURM_CPUS_PER_TASK");
    if (przydzielone > 0 && (procesory <= 0 || przydzielone < procesory)) {
        procesory = przydzielone;
    }
    return procesory > 0 ? procesory : 1;
}
