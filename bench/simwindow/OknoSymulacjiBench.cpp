// The window's run driver at full size. With drawing off, a whole series of
// 24 lambdas on a 100 x 100 lattice (1 000 000 iterations, interval 1000) run
// through the window's ticks, beside the same series run by the engine alone
// as the batch runner does; the longest time the event loop was held by one
// tick or by the charts' hand-over is reported as a counter. With drawing on,
// single ticks (chunk, sample, redraw, bookkeeping) on 100 x 100 and on the
// cubic 100^3 lattice, with the worst tick as a counter.
#include "DialogiTestowe.h"
#include "Kontrolka.h"
#include "Obliczenia.h"
#include "PoleIteracji.h"
#include "PrzyciskPrzezroczysty.h"
#include "StaleZiarno.h"
#include "SterownikPrzebiegu.h"
#include "StronaObliczen.h"
#include "StronaUstawien.h"
#include "SuwakZZaznaczeniem.h"
#include "TSiec2D3D.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Okno {
    DialogiTestowe dialogi;
    QWidget menu;
    std::unique_ptr<TSiec2D3D> okno;

    Okno(const QString& rodzaj, int os, bool seria, bool wylaczona) {
        okno = std::make_unique<TSiec2D3D>(dialogi, &menu, nullptr,
                                           std::make_unique<StaleZiarno>(2024));
        okno->show();
        okno->UstawSiec(rodzaj);
        if (!seria) {
            Kontrolka<QRadioButton>(*okno, "RBPojedynczaSymulacja")->click();
        }
        Kontrolka<QSpinBox>(*okno, "SEIloscAtomowOsX")->setValue(os);
        Kontrolka<SuwakZZaznaczeniem>(*okno, "TBKrok")->setValue(1);
        Kontrolka<PoleIteracji>(*okno, "SEMaxIloscCykli")->setValue(1000000);
        if (wylaczona && seria) {
            Kontrolka<QCheckBox>(*okno, "CBWylaczGrafike")->click();
        }
        // The large-lattice question answered as the run wants it.
        dialogi.Odpowiedzi = {wylaczona ? Odpowiedz::Tak : Odpowiedz::Nie};
        okno->BSiecDalejClick();
    }
};

ParametrySymulacji SeriaDuza() {
    ParametrySymulacji p;
    p.IloscAtomowOsX = p.IloscAtomowOsY = 100;
    p.PozycjaKroku = 1;
    p.MaxIloscCykli = 1000000;
    return p;
}

void BM_SeriaBezRysowaniaWOknie(benchmark::State& stan) {
    double najdluzej = 0.0;
    for (auto _ : stan) {
        Okno o(QStringLiteral("2DKwadrat"), 100, true, true);
        SterownikPrzebiegu& przebieg = o.okno->Przebieg();
        Kontrolka<PrzyciskPrzezroczysty>(*o.okno, "TBLicz")->click();
        Kontrolka<QTimer>(*o.okno, "TimerLicz")->stop();
        QElapsedTimer czas;
        while (!o.okno->Silnik().Zakonczone()) {
            czas.start();
            przebieg.TimerLiczTimer();
            najdluzej = std::max(najdluzej, czas.nsecsElapsed() / 1e6);
            czas.start();
            QCoreApplication::processEvents();
            najdluzej = std::max(najdluzej, czas.nsecsElapsed() / 1e6);
        }
    }
    stan.counters["najdluzszy_tik_ms"] = najdluzej;
}
BENCHMARK(BM_SeriaBezRysowaniaWOknie)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SeriaSilnikiemJakWsadowo(benchmark::State& stan) {
    for (auto _ : stan) {
        StaleZiarno ziarno(2024);
        Obliczenia obliczenia(ziarno);
        obliczenia.PrzygotujObliczenia(SeriaDuza());
        for (StanKroku s = obliczenia.KrokSymulacji(); s != StanKroku::Koniec;
             s = obliczenia.KrokSymulacji()) {
            if (s == StanKroku::SeriaZakonczona) {
                obliczenia.RozpocznijNastepnaSerie();
            }
        }
    }
}
BENCHMARK(BM_SeriaSilnikiemJakWsadowo)->Unit(benchmark::kMillisecond)->Iterations(1);

// One tick with drawing on; the argument is the lattice (0: 100 x 100
// square, 1: cubic 100^3, one plane drawn).
void BM_TikZRysowaniem(benchmark::State& stan) {
    const bool szescienna = stan.range(0) == 1;
    Okno o(szescienna ? QStringLiteral("3DR") : QStringLiteral("2DKwadrat"), 100, false, false);
    SterownikPrzebiegu& przebieg = o.okno->Przebieg();
    Kontrolka<PrzyciskPrzezroczysty>(*o.okno, "TBLicz")->click();
    Kontrolka<QTimer>(*o.okno, "TimerLicz")->stop();
    double najdluzej = 0.0;
    QElapsedTimer czas;
    for (auto _ : stan) {
        czas.start();
        przebieg.TimerLiczTimer();
        QCoreApplication::processEvents();
        najdluzej = std::max(najdluzej, czas.nsecsElapsed() / 1e6);
    }
    stan.counters["najdluzszy_tik_ms"] = najdluzej;
}
BENCHMARK(BM_TikZRysowaniem)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication aplikacja(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
