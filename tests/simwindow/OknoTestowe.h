#pragma once

#include "DialogiTestowe.h"
#include "Obliczenia.h"
#include "StaleZiarno.h"
#include "SterownikPrzebiegu.h"
#include "StronaObliczen.h"
#include "StronaUstawien.h"
#include "TSiec2D3D.h"
#include "PrzyciskPrzezroczysty.h"
#include "WskaznikPostepu.h"
#include "PoleIteracji.h"
#include "SuwakZZaznaczeniem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <memory>

// A simulation window with its menu, answered by a test's dialogs and seeded
// with a fixed seed, set up for a lattice kind.
struct OknoTestowe {
    DialogiTestowe dialogi;
    QWidget menu;
    std::unique_ptr<TSiec2D3D> okno;

    explicit OknoTestowe(const QString& rodzaj = QStringLiteral("2DKwadrat"),
                         std::uint32_t ziarno = 12345)
        : okno(std::make_unique<TSiec2D3D>(dialogi, &menu, nullptr,
                                           std::make_unique<StaleZiarno>(ziarno))) {
        okno->show();
        okno->UstawSiec(rodzaj);
    }

    StronaUstawien& u() { return *okno->Ustawienia; }
    StronaObliczen& o() { return *okno->TNObliczenia; }

    // Presses "Licz    " and lets the timer run the whole computation, with
    // the ticks as close together as the event loop allows.
    bool LiczDoKonca(int limitMs = 60000) {
        o().TBLicz->click();
        okno->Przebieg->TimerLicz.setInterval(0);
        QElapsedTimer czas;
        czas.start();
        while (!okno->Silnik().Zakonczone() && czas.elapsed() < limitMs) {
            QCoreApplication::processEvents();
        }
        return okno->Silnik().Zakonczone();
    }
};
