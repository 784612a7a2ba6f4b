// Exchange attempts per second by lattice kind, size, lambda and way of
// counting, with the window's generator and with the 64-bit one (Przeskoki64),
// next to a loop that makes only the random draws of the attempts:
// the ratio of the two is the figure to watch. Beside it the same draws made
// the loop's way, the cost of one tick with its sample on the largest lattice
// next to the same chunk without the sample, and the count a sample makes
// after a chunk that kept only the atoms' bytes.
#include "Obliczenia.h"
#include "PetlaPrzeskokow.h"
#include "StaleZiarno.h"

#include <array>
#include <benchmark/benchmark.h>
#include <bit>
#include <cstdint>

namespace {
constexpr int ProbyNaKawalek = 2000;

// Lambda is given in tenths, as the trackbar sets it.
ParametrySymulacji ParametryBench(RodzajSieci rodzaj, int n, int pozycjaLambdy) {
    ParametrySymulacji p;
    p.Rodzaj = rodzaj;
    p.IloscAtomowOsX = p.IloscAtomowOsY = p.IloscAtomowOsZ = n;
    p.PozycjaLambdy = pozycjaLambdy;
    p.PozycjaKoncentracji = 50;
    return p;
}

// The engine's first arrangement, copied out to be worked on directly.
Siec PierwszeUlozenie(RodzajSieci rodzaj, int n) {
    StaleZiarno ziarno(1);
    Obliczenia obl(ziarno);
    obl.PrzygotujObliczenia(ParametryBench(rodzaj, n, 5));
    return obl.SiecAtomow();
}

// Chunks of attempts at lambda range(1) / 10 (ordering) on a lattice of range(0)
// atoms per axis, keeping the counts on every exchange (range(2) 0: the way
// NaBiezaco) or only the atoms' bytes (1: PrzyPomiarze, without the count
// of its samples, which are far apart). At 0.1 most exchanges are accepted,
// at 2.4 few; the lattice is first brought near the equilibrium of that lambda.
template <RodzajSieci R, SposobLiczenia S, class G>
long long Kawalek(Siec& siec, G& g, const TablicaAkceptacji& tablica, OstatniaProba& ostatnia) {
    return PetlaPrzeskokow<R, S>(siec, g, tablica, true, ProbyNaKawalek, ostatnia);
}

template <RodzajSieci R, class G = Generator> void Przeskoki(benchmark::State& state) {
    Siec siec = PierwszeUlozenie(R, static_cast<int>(state.range(0)));
    StaleZiarno ziarno(1);
    G g(ziarno);
    g.Przelosuj();
    TablicaAkceptacji tablica;
    tablica.Zbuduj(static_cast<double>(state.range(1)) / 10, true);
    OstatniaProba ostatnia;
    const int rozgrzewka = 20 * siec.IloscAtomow() / ProbyNaKawalek + 1;
    for (int i = 0; i < rozgrzewka; ++i) {
        PetlaPrzeskokow<R>(siec, g, tablica, true, ProbyNaKawalek, ostatnia);
    }
    const auto kawalek = state.range(2) == 0 ? Kawalek<R, SposobLiczenia::NaBiezaco, G>
                                             : Kawalek<R, SposobLiczenia::PrzyPomiarze, G>;
    long long przyjete = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kawalek(siec, g, tablica, ostatnia));
        przyjete += ostatnia.przyjete;
    }
    state.SetItemsProcessed(state.iterations() * ProbyNaKawalek);
    state.counters["przyjete"] =
        static_cast<double>(przyjete) / static_cast<double>(state.iterations() * ProbyNaKawalek);
}

// The count a sample makes after a chunk in the way PrzyPomiarze: the border
// and the histogram from the atoms' bytes, on a lattice of range(0) atoms per
// axis. Per atom.
template <RodzajSieci R> void Uzupelnienie(benchmark::State& state) {
    Siec siec = PierwszeUlozenie(R, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        siec.UzupelnijLiczniki();
        benchmark::DoNotOptimize(siec.Liczniki().Histogram);
    }
    state.SetItemsProcessed(state.iterations() * siec.IloscAtomow());
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

// The same draws made the way the exchange loop makes them: the second site's
// tries three at a time from one state by jumps of the generator, the first of
// the other kind taken by its place, the real always drawn. Losowania is the
// floor of the draws made one after another; this one, of the loop's way.
template <RodzajSieci R> void LosowaniaPoTrzy(benchmark::State& state) {
    const Siec s = PierwszeUlozenie(R, static_cast<int>(state.range(0)));
    StaleZiarno ziarno(1);
    Generator g(ziarno);
    g.Przelosuj();
    const int nx = s.Nx(), ny = s.Ny(), nz = s.Nz();
    const std::uint8_t* o = s.Dane();
    const auto rodzaj = [&](std::uint32_t b, int k) {
        return o[s.Indeks(Generator::Calkowita(Generator::StanPo(b, k + 1), nx) + 1,
                          Generator::Calkowita(Generator::StanPo(b, k + 2), ny) + 1,
                          Generator::Calkowita(Generator::StanPo(b, k + 3), nz) + 1)] &
               1;
    };
    std::uint32_t stan = g.Stan();
    for (auto _ : state) {
        unsigned suma = 0;
        for (int i = 0; i < ProbyNaKawalek; ++i) {
            const int v = rodzaj(stan, 0);
            std::uint32_t baza = Generator::StanPo(stan, 3);
            for (;;) {
                unsigned inne = 0;
                std::array<std::uint32_t, 3> po{};
                for (int j = 0; j < 3; ++j) {
                    inne |= static_cast<unsigned>(rodzaj(baza, 3 * j) ^ v) << j;
                    po[j] = Generator::StanPo(baza, 3 * j + 3);
                }
                if (inne != 0) {
                    stan = po[static_cast<std::size_t>(std::countr_zero(inne))];
                    break;
                }
                baza = po[2];
            }
            stan = Generator::StanPo(stan, 1);
            suma += stan;
        }
        benchmark::DoNotOptimize(suma);
    }
    state.SetItemsProcessed(state.iterations() * ProbyNaKawalek);
}

// The 64-bit generator's bare draws, through its buffer, beside the window's
// generator's: per draw.
template <class G> void Losowanie(benchmark::State& state) {
    StaleZiarno ziarno(1);
    G g(ziarno);
    g.Przelosuj();
    for (auto _ : state) {
        std::uint64_t suma = 0;
        for (int i = 0; i < ProbyNaKawalek; ++i) {
            suma += g.Nastepny();
        }
        benchmark::DoNotOptimize(suma);
    }
    state.SetItemsProcessed(state.iterations() * ProbyNaKawalek);
}

// A tick of the shortest chunk (100 attempts) on the 100 x 100 x 100 lattice
// at lambda 0.5. Less the same chunk without its sample (below), what is left
// is the cost of the sample.
void KrokZPomiarem(benchmark::State& state) {
    StaleZiarno ziarno(1);
    Obliczenia obl(ziarno);
    ParametrySymulacji p = ParametryBench(RodzajSieci::Kubiczna3D, 100, 5);
    p.Seria = false;
    p.PozycjaPrzedzialu = 1;
    p.MaxIloscCykli = 1000000;
    obl.PrzygotujObliczenia(p);
    for (auto _ : state) {
        if (obl.KrokSymulacji() == StanKroku::Koniec) {
            state.PauseTiming();
            obl.PrzygotujObliczenia(p);
            state.ResumeTiming();
        }
    }
}

// The 100 attempts of that tick alone, on the same arrangement and lambda.
void KawalekBezPomiaru(benchmark::State& state) {
    Siec siec = PierwszeUlozenie(RodzajSieci::Kubiczna3D, 100);
    StaleZiarno ziarno(1);
    Generator g(ziarno);
    g.Przelosuj();
    TablicaAkceptacji tablica;
    tablica.Zbuduj(0.5, true);
    OstatniaProba ostatnia;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            PetlaPrzeskokow<RodzajSieci::Kubiczna3D>(siec, g, tablica, true, 100, ostatnia));
    }
}

void Rozmiary(benchmark::internal::Benchmark* b) {
    b->ArgsProduct({{10, 100}, {1, 24}, {0, 1}});
}
} // namespace

BENCHMARK(Przeskoki<RodzajSieci::Kwadratowa>)->Apply(Rozmiary);
BENCHMARK(Przeskoki<RodzajSieci::Kwadratowa, Generator64>)->Apply(Rozmiary);
BENCHMARK(Losowania<RodzajSieci::Kwadratowa>)->Arg(10)->Arg(100);
BENCHMARK(LosowaniaPoTrzy<RodzajSieci::Kwadratowa>)->Arg(10)->Arg(100);
BENCHMARK(Uzupelnienie<RodzajSieci::Kwadratowa>)->Arg(10)->Arg(100);
BENCHMARK(Przeskoki<RodzajSieci::Trojkatna>)->Apply(Rozmiary);
BENCHMARK(Przeskoki<RodzajSieci::Trojkatna, Generator64>)->Apply(Rozmiary);
BENCHMARK(Losowania<RodzajSieci::Trojkatna>)->Arg(10)->Arg(100);
BENCHMARK(LosowaniaPoTrzy<RodzajSieci::Trojkatna>)->Arg(10)->Arg(100);
BENCHMARK(Uzupelnienie<RodzajSieci::Trojkatna>)->Arg(10)->Arg(100);
BENCHMARK(Przeskoki<RodzajSieci::Heksagonalna>)->Apply(Rozmiary);
BENCHMARK(Przeskoki<RodzajSieci::Heksagonalna, Generator64>)->Apply(Rozmiary);
BENCHMARK(Losowania<RodzajSieci::Heksagonalna>)->Arg(10)->Arg(100);
BENCHMARK(LosowaniaPoTrzy<RodzajSieci::Heksagonalna>)->Arg(10)->Arg(100);
BENCHMARK(Uzupelnienie<RodzajSieci::Heksagonalna>)->Arg(10)->Arg(100);
BENCHMARK(Przeskoki<RodzajSieci::Kubiczna3D>)->Apply(Rozmiary);
BENCHMARK(Przeskoki<RodzajSieci::Kubiczna3D, Generator64>)->Apply(Rozmiary);
BENCHMARK(Losowania<RodzajSieci::Kubiczna3D>)->Arg(10)->Arg(100);
BENCHMARK(LosowaniaPoTrzy<RodzajSieci::Kubiczna3D>)->Arg(10)->Arg(100);
BENCHMARK(Uzupelnienie<RodzajSieci::Kubiczna3D>)->Arg(10)->Arg(100);
BENCHMARK(Losowanie<Generator>);
BENCHMARK(Losowanie<Generator64>);
BENCHMARK(KrokZPomiarem)->Unit(benchmark::kMicrosecond);
BENCHMARK(KawalekBezPomiaru)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
