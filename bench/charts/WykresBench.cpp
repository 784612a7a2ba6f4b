// The cost of a line of 10 000 points, the length of a run of 1 000 000
// iterations sampled every 100: adding them one by one as the samples come
// and showing the chart, and one more sample on a full line with the repaint
// that follows it in the window. And one sample of the neighbour histogram
// of the largest cubic lattice: seven bars of six digits, their values
// placed clear of each other.
#include "NapisySlupkow.h"
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

// One sample of the 100 x 100 x 100 histogram: the seven bars replaced, the
// values above them measured and placed, handed to Qt Charts; with and
// without the repaint.
void HistogramSzesciocyfrowy(benchmark::State& stan) {
    const bool rysuj = stan.range(0) != 0;
    Wykres wykres;
    wykres.resize(272, 177);
    wykres.UstawOs(Wykres::Os::Lewa, ZakresOsiWykresu::Staly(0, 1000000, 200000));
    SeriaWykresu* slupki = wykres.DodajSerie(SeriaWykresu::Rodzaj::Slupki, Qt::green);
    wykres.show();
    const double wartosci[] = {15625, 93750, 234375, 312500, 234375, 93750, 15625};
    int probka = 0;
    for (auto _ : stan) {
        slupki->Wyczysc();
        for (int n = 0; n < 7; ++n) {
            // A little noise, as the samples of a run have.
            slupki->DodajSlupek(wartosci[n] + (probka + n) % 97, QString::number(n), Qt::green);
        }
        ++probka;
        wykres.Odswiez();
        if (rysuj) {
            benchmark::DoNotOptimize(wykres.grab());
        }
    }
}
BENCHMARK(HistogramSzesciocyfrowy)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The placing alone: the values measured at up to four sizes, then set apart.
void RozmieszczenieNapisow(benchmark::State& stan) {
    const QStringList teksty = {QStringLiteral("15 625"),  QStringLiteral("93 750"),
                                QStringLiteral("234 375"), QStringLiteral("312 500"),
                                QStringLiteral("234 375"), QStringLiteral("93 750"),
                                QStringLiteral("15 625")};
    const QList<double> szczyty = {1.9, 11.3, 28.1, 37.5, 28.1, 11.3, 1.9};
    for (auto _ : stan) {
        benchmark::DoNotOptimize(NapisySlupkow::Rozmiesc(teksty, szczyty, 31.0, 120.0));
    }
}
BENCHMARK(RozmieszczenieNapisow)->Unit(benchmark::kMicrosecond);

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
