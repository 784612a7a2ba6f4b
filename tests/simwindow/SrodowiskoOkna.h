#pragma once

#include <QLocale>
#include <QTemporaryDir>
#include <QtGlobal>

// What a window test stands in: Polish number formats and a settings folder
// of its own, so that no test reads or changes the user's settings.
struct SrodowiskoOkna {
    QTemporaryDir konfiguracja;

    SrodowiskoOkna() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        qputenv("XDG_CONFIG_HOME", konfiguracja.path().toUtf8());
    }
    bool Gotowe() const { return konfiguracja.isValid(); }
};
