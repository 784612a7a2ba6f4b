#include "ObrazSieci.h"
#include "RysunekSieci.h"
#include "Siec.h"
#include "TRot3D.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// A lattice with a mixed arrangement, so that both pictures are painted.
void Wypelnij(Siec& siec, RodzajSieci rodzaj, int n, int nz) {
    siec.UstawRozmiar(rodzaj, n, n, nz);
    siec.WyczyscRamke();
    for (int z = 1; z <= siec.Nz(); ++z) {
        for (int y = 1; y <= n; ++y) {
            for (int x = 1; x <= n; ++x) {
                siec.Ustaw(x, y, z, (x * 7 + y * 3 + z) % 5 < 2 ? 1 : 0);
            }
        }
    }
    siec.OdswiezBrzegi();
}

void RysujSiec2D(benchmark::State& stan, RodzajSieci rodzaj, int n, bool sasiedzi) {
    Siec siec;
    ObrazSieci obraz;
    TRot3D rot;
    RysunekSieci rysunek(siec, obraz, rot);
    Wypelnij(siec, rodzaj, n, 1);
    rysunek.UstawTlo();
    KontrolkiRysunku kontrolki;
    kontrolki.AtomySasiadujace = sasiedzi;
    for (auto _ : stan) {
        rysunek.RysujSiec(kontrolki);
        benchmark::DoNotOptimize(obraz.Plotno().constBits());
    }
    stan.counters["px"] = rysunek.RozmiarAtomu();
}

void Widok3D(benchmark::State& stan) {
    Siec siec;
    ObrazSieci obraz;
    TRot3D rot;
    rot.resize(403, 372);
    RysunekSieci rysunek(siec, obraz, rot);
    Wypelnij(siec, RodzajSieci::Kubiczna3D, 10, 10);
    for (auto _ : stan) {
        rysunek.RysujSiec3D();
        benchmark::DoNotOptimize(rot.Rysuj().constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(RysujSiec2D, kwadrat_100_2px, RodzajSieci::Kwadratowa, 100, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RysujSiec2D, kwadrat_100_2px_sasiedzi, RodzajSieci::Kwadratowa, 100, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RysujSiec2D, kwadrat_20_16px, RodzajSieci::Kwadratowa, 20, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RysujSiec2D, heks_100_2px, RodzajSieci::Heksagonalna, 100, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Widok3D)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication aplikacja(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
