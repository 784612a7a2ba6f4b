#include "DostepnySuwak.h"

#include "SuwakZZaznaczeniem.h"

#include <algorithm>
#include <cmath>

DostepnySuwak::DostepnySuwak(SuwakZZaznaczeniem* suwak)
    : QAccessibleWidget(suwak, QAccessible::Slider) {}

QAccessibleInterface* DostepnySuwak::Fabryka(const QString& klasa, QObject* obiekt) {
    auto* suwak = qobject_cast<SuwakZZaznaczeniem*>(obiekt);
    if (klasa != QLatin1String("SuwakZZaznaczeniem") || !suwak) {
        return nullptr;
    }
    return new DostepnySuwak(suwak);
}

SuwakZZaznaczeniem* DostepnySuwak::Suwak() const {
    return static_cast<SuwakZZaznaczeniem*>(widget());
}

QString DostepnySuwak::text(QAccessible::Text rodzaj) const {
    if (rodzaj == QAccessible::Value) {
        return Suwak()->TekstWartosci(Suwak()->value());
    }
    return QAccessibleWidget::text(rodzaj);
}

void* DostepnySuwak::interface_cast(QAccessible::InterfaceType rodzaj) {
    if (rodzaj == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(rodzaj);
}

QVariant DostepnySuwak::currentValue() const {
    return Suwak()->WartoscPokazana(Suwak()->value());
}

void DostepnySuwak::setCurrentValue(const QVariant& wartosc) {
    Suwak()->setValue(Suwak()->Pozycja(wartosc.toDouble()));
}

// A negative scale shows the positions in reverse: the smaller shown value
// is the minimum.
QVariant DostepnySuwak::maximumValue() const {
    const SuwakZZaznaczeniem* s = Suwak();
    return std::max(s->WartoscPokazana(s->minimum()), s->WartoscPokazana(s->maximum()));
}

QVariant DostepnySuwak::minimumValue() const {
    const SuwakZZaznaczeniem* s = Suwak();
    return std::min(s->WartoscPokazana(s->minimum()), s->WartoscPokazana(s->maximum()));
}

QVariant DostepnySuwak::minimumStepSize() const {
    return std::abs(Suwak()->Skala()) * Suwak()->singleStep();
}
