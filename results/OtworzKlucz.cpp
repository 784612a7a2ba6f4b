#include "OtworzKlucz.h"

#include <QSettings>
#include <QStringList>

QString KluczFazolab() {
    return QStringLiteral("\\Software\\Vendra Software\\Fazolab");
}

std::unique_ptr<QSettings> OtworzKlucz(const QString& subKeyName) {
    QStringList czesci = subKeyName.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!czesci.isEmpty() &&
        czesci.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0) {
        czesci.removeFirst();
    }
    const QString organizacja = czesci.isEmpty() ? QString() : czesci.takeFirst();
    auto ustawienia = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  organizacja, czesci.join(QLatin1Char('/')));
    ustawienia->setFallbacksEnabled(true);
    return ustawienia;
}
