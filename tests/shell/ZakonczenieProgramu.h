#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <functional>

// Runs the application's event loop with what to do in it, and tells whether
// the program ended by itself: a loop nobody ends is stopped after a while.
inline bool ProgramSieKonczy(const std::function<void()>& wPetli = {}) {
    constexpr int NieZakonczony = 77;
    QTimer straznik;
    straznik.setSingleShot(true);
    QObject::connect(&straznik, &QTimer::timeout, [] { QCoreApplication::exit(NieZakonczony); });
    straznik.start(500);
    if (wPetli) {
        QTimer::singleShot(0, qApp, wPetli);
    }
    return QCoreApplication::exec() != NieZakonczony;
}
