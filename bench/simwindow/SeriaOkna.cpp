// The window's own series with drawing off, as a whole process: the program's
// simulation window on the platform it is started on (xcb under a display,
// with a screen reader's bus when one runs), 100 x 100 square, 24 lambdas,
// 1 000 000 iterations sampled every 1000, started from "Licz    " and left
// to the timer until the end. Prints the wall and the processor time from
// "Licz    " to the end in seconds, so that the run stands beside
// `fazolab-batch` running the same series without the window's start-up
// (bench/simwindow/OknoIWsadowy.sh runs the two).
#include "DialogiTestowe.h"
#include "Kontrolka.h"
#include "Obliczenia.h"
#include "PoleIteracji.h"
#include "PrzyciskPrzezroczysty.h"
#include "StaleZiarno.h"
#include "StronaObliczen.h"
#include "SuwakZZaznaczeniem.h"
#include "TSiec2D3D.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

int main(int argc, char** argv) {
    QApplication aplikacja(argc, argv);
    DialogiTestowe dialogi;
    QWidget menu;
    TSiec2D3D okno(dialogi, &menu, nullptr, std::make_unique<StaleZiarno>(1));
    okno.show();
    okno.UstawSiec(QStringLiteral("2DKwadrat"));
    Kontrolka<QSpinBox>(okno, "SEIloscAtomowOsX")->setValue(100);
    Kontrolka<SuwakZZaznaczeniem>(okno, "TBKrok")->setValue(1);
    Kontrolka<PoleIteracji>(okno, "SEMaxIloscCykli")->setValue(1000000);
    Kontrolka<QCheckBox>(okno, "CBWylaczGrafike")->click();
    okno.BSiecDalejClick();

    QElapsedTimer czas;
    QTimer koniec;
    std::clock_t start = 0;
    QObject::connect(&koniec, &QTimer::timeout, [&] {
        if (okno.Silnik().Zakonczone()) {
            const double procesor = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
            std::printf("%.3f %.3f\n", czas.nsecsElapsed() / 1e9, procesor);
            aplikacja.quit();
        }
    });
    koniec.start(20);
    start = std::clock();
    czas.start();
    Kontrolka<PrzyciskPrzezroczysty>(okno, "TBLicz")->click();
    // The charts page, as a mouse user has it five seconds into the run.
    Kontrolka<StronaObliczen>(okno, "TNObliczenia")->PokazWykresy();
    return aplikacja.exec();
}
