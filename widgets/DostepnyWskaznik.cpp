#include "DostepnyWskaznik.h"

#include "WskaznikPostepu.h"

DostepnyWskaznik::DostepnyWskaznik(WskaznikPostepu* wskaznik)
    : QAccessibleWidget(wskaznik, QAccessible::ProgressBar) {}

QAccessibleInterface* DostepnyWskaznik::Fabryka(const QString& klasa, QObject* obiekt) {
    auto* wskaznik = qobject_cast<WskaznikPostepu*>(obiekt);
    if (klasa != QLatin1String("WskaznikPostepu") || !wskaznik) {
        return nullptr;
    }
    return new DostepnyWskaznik(wskaznik);
}

WskaznikPostepu* DostepnyWskaznik::Wskaznik() const {
    return static_cast<WskaznikPostepu*>(widget());
}

QString DostepnyWskaznik::text(QAccessible::Text rodzaj) const {
    if (rodzaj == QAccessible::Value) {
        return WskaznikPostepu::TekstProcentu(Wskaznik()->Procent());
    }
    return QAccessibleWidget::text(rodzaj);
}

void* DostepnyWskaznik::interface_cast(QAccessible::InterfaceType rodzaj) {
    if (rodzaj == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(rodzaj);
}

QVariant DostepnyWskaznik::currentValue() const {
    return Wskaznik()->Procent();
}
