#pragma once

#include <cstdlib>
#include <string_view>
#include <thread>

#if defined(__linux__)
#include <sched.h>
#endif

// The processors this process may run on: those of its affinity mask (what
// taskset, a container or a scheduler's cgroup left it), no more than a Slurm
// task was given (SLURM_CPUS_PER_TASK), else the processor's threads; at
// least 1. Every front end takes its default number of threads here, so that
// a one-processor allocation on a large node runs one thread.
inline int DostepneProcesory() {
    int procesory = static_cast<int>(std::thread::hardware_concurrency());
#if defined(__linux__)
    cpu_set_t maska;
    CPU_ZERO(&maska);
    if (sched_getaffinity(0, sizeof maska, &maska) == 0 && CPU_COUNT(&maska) > 0) {
        procesory = CPU_COUNT(&maska);
    }
#endif
    if (const char* slurm = std::getenv("SLURM_CPUS_PER_TASK")) {
        const std::string_view tekst(slurm);
        int przydzielone = 0;
        for (const char c : tekst) {
            if (c < '0' || c > '9' || przydzielone > 100000) {
                przydzielone = 0;
                break;
            }
            przydzielone = przydzielone * 10 + (c - '0');
        }
        if (przydzielone > 0 && (procesory <= 0 || przydzielone < procesory)) {
            procesory = przydzielone;
        }
    }
    return procesory > 0 ? procesory : 1;
}
