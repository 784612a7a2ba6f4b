// Replicas on several cores against one replica alone: N replicas of a 40 x 40
// square series (9 lambdas, 200 000 attempts each) on T threads. With one core
// free per thread, N replicas on T threads take about ceil(N / T) times one
// replica; the counter `fale` is that ceil(N / T). The CPU column is that of
// all threads: N times one replica's when the threads do not slow each other.
#include "PrzebiegWsadowy.h"
#include "StaleZiarno.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <sstream>
#include <string>
#include <vector>

namespace {
void Repliki(benchmark::State& state) {
    const auto powtorzenia = static_cast<int>(state.range(0));
    const auto watki = static_cast<int>(state.range(1));
    const std::vector<std::string> argumenty{"--ziarno",      "1",
                                             "--osie",        "40",
                                             "--lambda",      "0.5:1.3:0.1",
                                             "--iteracje",    "200000",
                                             "--powtorzenia", std::to_string(powtorzenia),
                                             "--watki",       std::to_string(watki)};
    for (auto _ : state) {
        StaleZiarno zegar(1);
        std::ostringstream wyjscie, bledy;
        benchmark::DoNotOptimize(UruchomWsadowo(argumenty, zegar, wyjscie, bledy, false));
    }
    state.counters["fale"] = (powtorzenia + watki - 1) / watki;
}
} // namespace

BENCHMARK(Repliki)
    ->ArgNames({"N", "T"})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({2, 2})
    ->Args({8, 1})
    ->Args({8, 2})
    ->Args({7, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    // Other work on a shared machine only ever adds time: the fastest
    // repetition is the closest to the cores' own figure.
    ->ComputeStatistics("min", [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
    });
