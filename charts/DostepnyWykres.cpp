#include "DostepnyWykres.h"

#include "Wykres.h"

QAccessibleInterface* DostepnyWykres::Fabryka(const QString& klasa, QObject* obiekt) {
    auto* wykres = qobject_cast<Wykres*>(obiekt);
    if (klasa != QLatin1String("Wykres") || !wykres) {
        return nullptr;
    }
    return new DostepnyWykres(wykres);
}

DostepnyWykres::DostepnyWykres(Wykres* wykres) : QAccessibleWidget(wykres, QAccessible::Chart) {}

QString DostepnyWykres::text(QAccessible::Text rodzaj) const {
    const auto* wykres = static_cast<const Wykres*>(widget());
    const QString nazwa = wykres->accessibleName();
    const QString tytul =
        wykres->TytulWidoczny() ? wykres->Tytul().join(QLatin1Char(' ')) : QString();
    switch (rodzaj) {
    case QAccessible::Name:
        // The title the eye reads is in the name the ear hears.
        return tytul.isEmpty() || nazwa.contains(tytul) ? nazwa
                                                        : QStringLiteral("WYKRES: ") + tytul;
    case QAccessible::Description: {
        // What the chart's owner says of it (a curve the legend has no room
        // for) comes before its data.
        QString dane = wykres->OpisDanych();
        if (!wykres->accessibleDescription().isEmpty()) {
            dane = wykres->accessibleDescription() + QLatin1Char(' ') + dane;
        }
        const QString podpowiedz = text(QAccessible::Name) == nazwa ? QString() : nazwa;
        return podpowiedz.isEmpty() ? dane : podpowiedz + QStringLiteral(". ") + dane;
    }
    default:
        return QAccessibleWidget::text(rodzaj);
    }
}
