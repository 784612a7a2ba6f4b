#pragma once

#include <QObject>
#include <QtGlobal>

// A window's control found by its object name, as a person's tools find it by
// what it is: a test that asks for a control the window does not hold stops
// at once with the name.
template <class T> T* Kontrolka(const QObject& korzen, const char* nazwa) {
    T* kontrolka = korzen.findChild<T*>(QLatin1String(nazwa));
    if (!kontrolka) {
        qFatal("Brak kontrolki %s", nazwa);
    }
    return kontrolka;
}
