// The cost of a line of 10 000 points, the length of a run of 1 000 000
// iterations sampled every 100: adding them one by one as the samples come
// and showing the chart, and one more sample on a full line with the repaint
// that follows it in the window.
#include "Wykres.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int Punktow = 10000;
constexpr int Przedzial = 100;

double Energia(int i) {
    // Noisy like a real run, so that the thinning has work to do.
    return -2000.0 * (1.0 - std::exp(-i / 2000.0)) + 40.0 * std::sin(i * 0.7) +
           25.0 * std::sin(i * 2.3);
}

struct WykresEnergii {
    Wykres wykres;
    SeriaWykresu* seria;

    WykresEnergii() {
        wykres.resize(278, 177);
        wykres.UstawOs(Wykres::Os::Dolna, ZakresOsiWykresu::Staly(0, Punktow * Przedzial, 1000));
        seria = wykres.DodajSerie(SeriaWykresu::Rodzaj::Linia, Qt::red);
        wykres.show();
        wykres.Odswiez();
    }

    // A whole run's line, handed over and shown.
    void Wypelnij() {
        for (int i = 0; i < Punktow; ++i) {
            seria->DodajPunkt(i * Przedzial, Energia(i));
        }
        wykres.Odswiez();
    }
};

// Adds 10 000 points one by one, then the chart is drawn.
void DodanieDziesieciuTysiecyPunktowIRysunek(benchmark::State& stan) {
    WykresEnergii w;
    for (auto _ : stan) {
        w.seria->Wyczysc();
        w.Wypelnij();
        benchmark::DoNotOptimize(w.wykres.grab());
    }
    stan.SetItemsProcessed(stan.iterations() * Punktow);
}
BENCHMARK(DodanieDziesieciuTysiecyPunktowIRysunek)->Unit(benchmark::kMillisecond);

// One timer tick late in a long run: one point more on a line of 10 000,
// handed to Qt Charts and drawn.
void PunktDoLiniiDziesieciuTysiecyIRysunek(benchmark::State& stan) {
    WykresEnergii w;
    w.Wypelnij();
    int i = Punktow;
    for (auto _ : stan) {
        // Stay on the line's last pixel column: the axis keeps its range.
        w.seria->DodajPunkt(Punktow * Przedzial, Energia(i++));
        w.wykres.Odswiez();
        benchmark::DoNotOptimize(w.wykres.grab());
    }
}
BENCHMARK(PunktDoLiniiDziesieciuTysiecyIRysunek)->Unit(benchmark::kMicrosecond);

// The same tick without the drawing: what adding the point itself costs.
void PunktDoLiniiDziesieciuTysiecy(benchmark::State& stan) {
    WykresEnergii w;
    w.Wypelnij();
    int i = Punktow;
    for (auto _ : stan) {
        w.seria->DodajPunkt(Punktow * Przedzial, Energia(i++));
        w.wykres.Odswiez();
    }
}
BENCHMARK(PunktDoLiniiDziesieciuTysiecy)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication aplikacja(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
