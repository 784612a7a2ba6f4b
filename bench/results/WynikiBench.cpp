#include "FluktuacjeSerii.h"
#include "ObliczWyniki.h"
#include "Obliczenia.h"
#include "PlikWynikow.h"
#include "StaleZiarno.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {
// The longest series the window runs: 24 lambdas 0.1..2.4 on a sigmoid.
DaneWynikow PelnaSeria(int stopien) {
    DaneWynikow dane;
    dane.NrSerii = 24;
    dane.KoncentracjaB = 0.5;
    dane.LiczbaSasiadow = 6;
    dane.J = 0.05;
    dane.Stopien = stopien;
    for (int k = 1; k <= 24; ++k) {
        dane.LambdaSerii[k] = k / 10.0;
        dane.SigmaSerii[k] = 0.5 / (1 + std::exp(-4 * (k / 10.0 - 1.2)));
    }
    return dane;
}

void BM_ObliczWyniki(benchmark::State& stan) {
    const DaneWynikow dane = PelnaSeria(static_cast<int>(stan.range(0)));
    for (auto _ : stan) {
        benchmark::DoNotOptimize(ObliczWyniki(dane));
    }
}
BENCHMARK(BM_ObliczWyniki)->Arg(4)->Arg(24);

void BM_TrescPlikuWynikow(benchmark::State& stan) {
    const WynikiSerii wyniki = ObliczWyniki(PelnaSeria(4));
    for (auto _ : stan) {
        benchmark::DoNotOptimize(TrescPlikuWynikow(wyniki.Teksty, PolaWynikow{}, ','));
    }
}
BENCHMARK(BM_TrescPlikuWynikow);

// The estimate from the fluctuations as the results stage makes it after the
// largest run the stores hold: 24 series of 1 000 000 iterations sampled every
// 100, 10 002 samples each (the run itself is made once, outside the timing).
void BM_FluktuacjeZ(benchmark::State& stan) {
    StaleZiarno ziarno(1);
    const auto obl = std::make_unique<Obliczenia>(ziarno);
    ParametrySymulacji p;
    p.PozycjaKroku = 1;
    p.PozycjaPrzedzialu = 1;
    p.MaxIloscCykli = 1000000;
    obl->PrzygotujObliczenia(p);
    for (StanKroku krok = StanKroku::Trwa; krok != StanKroku::Koniec;) {
        krok = obl->KrokSymulacji();
        obl->RozpocznijNastepnaSerie();
    }
    for (auto _ : stan) {
        benchmark::DoNotOptimize(FluktuacjeZ(*obl));
    }
}
BENCHMARK(BM_FluktuacjeZ)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
