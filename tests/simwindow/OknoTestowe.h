#pragma once

#include "DialogiTestowe.h"
#include "Kontrolka.h"
#include "Obliczenia.h"
#include "PoleIteracji.h"
#include "PrzyciskPrzezroczysty.h"
#include "StaleZiarno.h"
#include "SterownikPrzebiegu.h"
#include "StronaObliczen.h"
#include "StronaUstawien.h"
#include "StronyWynikow.h"
#include "SuwakZZaznaczeniem.h"
#include "TSiec2D3D.h"
#include "WskaznikPostepu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
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

    // A control of the window by its object name.
    template <class T> T* k(const char* nazwa) const { return Kontrolka<T>(*okno, nazwa); }
    StronaUstawien& u() const { return *okno->findChild<StronaUstawien*>(); }
    StronaObliczen& o() const { return *k<StronaObliczen>("TNObliczenia"); }
    StronyWynikow& w() const { return *k<StronyWynikow>("TNWyniki"); }

    // Presses "Licz    " and lets the timer run the whole computation, with
    // the ticks as close together as the event loop allows.
    bool LiczDoKonca(int limitMs = 60000) {
        k<PrzyciskPrzezroczysty>("TBLicz")->click();
        k<QTimer>("TimerLicz")->setInterval(0);
        QElapsedTimer czas;
        czas.start();
        while (!okno->Silnik().Zakonczone() && czas.elapsed() < limitMs) {
            QCoreApplication::processEvents();
        }
        return okno->Silnik().Zakonczone();
    }
};
