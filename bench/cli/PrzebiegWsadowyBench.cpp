// Whole batch runs, as a user starts them: the default series (10 x 10 square,
// 9 lambdas, 100 000 iterations) and a large one (100 x 100 square, 24
// lambdas, 1 000 000 iterations sampled every 1000); and one series of
// 1 000 000 iterations at lambda 1.0 sampled every 100 and every 2000, on the
// 100 x 100 square and the 100 x 100 x 100 cubic lattice: a sample costs
// next to nothing when the two take about the same time.
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

std::vector<std::string> JednaSeria(const std::string& siec, const std::string& co) {
    return {"--ziarno", "1",   "--siec",     siec,      "--osie", "100",
            "--lambda", "1.0", "--iteracje", "1000000", "--co",   co};
}
} // namespace

BENCHMARK_CAPTURE(Przebieg, DomyslnaSeria, std::vector<std::string>{"--ziarno", "1"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Przebieg, DuzaSeria,
                  std::vector<std::string>{"--ziarno", "1", "--osie", "100", "--lambda",
                                           "0.1:2.4:0.1", "--iteracje", "1000000", "--co", "1000"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(Przebieg, Kwadrat100Co100, JednaSeria("2DKwadrat", "100"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(Przebieg, Kwadrat100Co2000, JednaSeria("2DKwadrat", "2000"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(Przebieg, Kubiczna100Co100, JednaSeria("3DR", "100"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Przebieg, Kubiczna100Co2000, JednaSeria("3DR", "2000"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

BENCHMARK_MAIN();
