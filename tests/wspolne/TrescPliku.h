#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file a test wrote; empty when it cannot be read.
inline QByteArray TrescPliku(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}
