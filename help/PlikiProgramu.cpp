#include "PlikiProgramu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList KatalogiProgramu() {
    return {QCoreApplication::applicationDirPath(), QDir::currentPath(),
            QStringLiteral(FAZOLAB_KATALOG_DANYCH)};
}

QString ZnajdzPlikProgramu(const QString& sciezkaWzgledna) {
    for (const QString& katalog : KatalogiProgramu()) {
        const QFileInfo plik(QDir(katalog), sciezkaWzgledna);
        if (plik.isFile()) {
            return plik.absoluteFilePath();
        }
    }
    return {};
}
