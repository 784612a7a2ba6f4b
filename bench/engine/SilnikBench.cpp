// Exchange attempts per second by lattice kind and size, next to a loop that
// makes only the random draws of the attempts: the ratio of the two is the
// figure to watch. Also the cost of one tick with its sample on the largest
// lattice.
#include "Obliczenia.h"
#include "PetlaPrzeskokow.h"
#include "StaleZiarno.h"

#include <benchmark/benchmark.h>

namespace {
constexpr int ProbyNaKawalek = 2000;

ParametrySymulacji ParametryBench(RodzajSieci rodzaj, int n) {
    ParametrySymulacji p;
    p.Rodzaj = rodzaj;
    p.IloscAtomowOsX = p.IloscAtomowOsY = p.IloscAtomowOsZ = n;
    p.PozycjaLambdy = 5; // lambda 0.5: a realistic share of exchanges needs the real draw
    p.PozycjaKoncentracji = 50;
    return p;
}

// The engine's first arrangement, copied out to be worked on directly.
Siec PierwszeUlozenie(RodzajSieci rodzaj, int n) {
    StaleZiarno ziarno(1);
    Obliczenia obl(ziarno);
    obl.PrzygotujObliczenia(ParametryBench(rodzaj, n));
    return obl.SiecAtomow();
}

template <RodzajSieci R> void Przeskoki(benchmark::State& state) {
    Siec siec = PierwszeUlozenie(R, static_cast<int>(state.range(0)));
    StaleZiarno ziarno(1);
    Generator g(ziarno);
    g.Przelosuj();
    TablicaAkceptacji tablica;
    tablica.Zbuduj(0.5, true);
    OstatniaProba ostatnia;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            PetlaPrzeskokow<R>(siec, g, tablica, true, ProbyNaKawalek, ostatnia));
    }
    state.SetItemsProcessed(state.iterations() * ProbyNaKawalek);
}

// The draws of the attempts alone: the first site, the second site drawn
// again until it holds the other kind, and a real, on an unchanging lattice.
template <RodzajSieci R> void Losowania(benchmark::State& state) {
    const Siec s = PierwszeUlozenie(R, static_cast<int>(state.range(0)));
    StaleZiarno ziarno(1);
    Generator g(ziarno);
    g.Przelosuj();
    const int nx = s.Nx(), ny = s.Ny(), nz = s.Nz();
    for (auto _ : state) {
        unsigned suma = 0;
        for (int i = 0; i < ProbyNaKawalek; ++i) {
            const int v = s.Wartosc(g.Losuj(nx) + 1, g.Losuj(ny) + 1, g.Losuj(nz) + 1);
            while (s.Wartosc(g.Losuj(nx) + 1, g.Losuj(ny) + 1, g.Losuj(nz) + 1) == v) {
            }
            suma += g.Nastepny();
        }
        benchmark::DoNotOptimize(suma);
    }
    state.SetItemsProcessed(state.iterations() * ProbyNaKawalek);
}

// A tick of the shortest chunk (100 attempts, a few microseconds): its time
// is that of the sample.
void KrokZPomiarem(benchmark::State& state) {
    StaleZiarno ziarno(1);
    Obliczenia obl(ziarno);
    ParametrySymulacji p = ParametryBench(RodzajSieci::Kubiczna3D, 100);
    p.Seria = false;
    p.PozycjaPrzedzialu = 1;
    obl.PrzygotujObliczenia(p);
    for (auto _ : state) {
        if (obl.KrokSymulacji() == StanKroku::Koniec) {
            state.PauseTiming();
            obl.PrzygotujObliczenia(p);
            state.ResumeTiming();
        }
    }
}
} // namespace

BENCHMARK(Przeskoki<RodzajSieci::Kwadratowa>)->Arg(10)->Arg(100);
BENCHMARK(Losowania<RodzajSieci::Kwadratowa>)->Arg(10)->Arg(100);
BENCHMARK(Przeskoki<RodzajSieci::Trojkatna>)->Arg(10)->Arg(100);
BENCHMARK(Losowania<RodzajSieci::Trojkatna>)->Arg(10)->Arg(100);
BENCHMARK(Przeskoki<RodzajSieci::Heksagonalna>)->Arg(10)->Arg(100);
BENCHMARK(Losowania<RodzajSieci::Heksagonalna>)->Arg(10)->Arg(100);
BENCHMARK(Przeskoki<RodzajSieci::Kubiczna3D>)->Arg(10)->Arg(100);
BENCHMARK(Losowania<RodzajSieci::Kubiczna3D>)->Arg(10)->Arg(100);
BENCHMARK(KrokZPomiarem)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
