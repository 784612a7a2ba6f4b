// Whole batch runs, as a user starts them: the default series (10 x 10 square,
// 9 lambdas, 100 000 iterations) and a large one (100 x 100 square, 24
// lambdas, 1 000 000 iterations sampled every 1000).
#include "PrzebiegWsadowy.h"
#include "StaleZiarno.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {
void Przebieg(benchmark::State& state, const std::vector<std::string>& argumenty) {
    for (auto _ : state) {
        StaleZiarno zegar(1);
        std::ostringstream wyjscie, bledy;
        benchmark::DoNotOptimize(UruchomWsadowo(argumenty, zegar, wyjscie, bledy, false));
    }
}
} // namespace

BENCHMARK_CAPTURE(Przebieg, DomyslnaSeria, std::vector<std::string>{"--ziarno", "1"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Przebieg, DuzaSeria,
                  std::vector<std::string>{"--ziarno", "1", "--osie", "100", "--lambda",
                                           "0.1:2.4:0.1", "--iteracje", "1000000", "--co", "1000"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_MAIN();
