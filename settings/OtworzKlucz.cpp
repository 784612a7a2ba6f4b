#include "OtworzKlucz.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {
std::unique_ptr<QSettings> Klucz(const QString& subKeyName, QSettings::Scope zakres) {
    QStringList czesci = subKeyName.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!czesci.isEmpty() &&
        czesci.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0) {
        czesci.removeFirst();
    }
    const QString organizacja = czesci.isEmpty() ? QString() : czesci.takeFirst();
    return std::make_unique<QSettings>(QSettings::NativeFormat, zakres, organizacja,
                                       czesci.join(QLatin1Char('/')));
}

// The text after "nazwa=" on the value's line of the top section of an INI file.
QString TekstZLinii(const QString& plik, const QString& nazwa) {
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    bool gornaSekcja = true;
    while (!f.atEnd()) {
        const QString linia = QString::fromUtf8(f.readLine()).trimmed();
        if (linia.startsWith(QLatin1Char('['))) {
            gornaSekcja = linia.compare(QLatin1String("[General]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype rownosc = linia.indexOf(QLatin1Char('='));
        if (gornaSekcja && rownosc > 0 && linia.left(rownosc).trimmed() == nazwa) {
            return linia.mid(rownosc + 1).trimmed();
        }
    }
    return {};
}
} // namespace

QString KluczFazolab() {
    return QStringLiteral("\\Software\\Vendra Software\\Fazolab");
}

std::unique_ptr<QSettings> OtworzKlucz(const QString& subKeyName) {
    auto ustawienia = Klucz(subKeyName, QSettings::UserScope);
    ustawienia->setFallbacksEnabled(true);
    return ustawienia;
}

QString CzytajTekst(const QString& subKeyName, const QString& nazwa) {
    const QVariant wartosc = OtworzKlucz(subKeyName)->value(nazwa);
    if (wartosc.typeId() != QMetaType::QStringList) {
        return wartosc.toString();
    }
    // An INI file written by hand may hold an unquoted comma, which QSettings
    // reads as a list separator (trimming the pieces); the line holds the
    // value whole. It is in the user's file, or else in the system-wide one.
    for (const QSettings::Scope zakres : {QSettings::UserScope, QSettings::SystemScope}) {
        const auto ustawienia = Klucz(subKeyName, zakres);
        ustawienia->setFallbacksEnabled(false);
        if (ustawienia->contains(nazwa)) {
            return TekstZLinii(ustawienia->fileName(), nazwa);
        }
    }
    return wartosc.toStringList().join(QStringLiteral(", "));
}
