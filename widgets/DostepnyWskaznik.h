#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class QObject;
class WskaznikPostepu;

// What a screen reader hears of a gauge: a progress bar at its percentage,
// 0 to 100, read as "45%". It cannot be set from outside.
class DostepnyWskaznik : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit DostepnyWskaznik(WskaznikPostepu* wskaznik);

    // The factory for QAccessible::installFactory: the interface of a
    // WskaznikPostepu, nothing for anything else.
    static QAccessibleInterface* Fabryka(const QString& klasa, QObject* obiekt);

    QString text(QAccessible::Text rodzaj) const override;
    void* interface_cast(QAccessible::InterfaceType rodzaj) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    WskaznikPostepu* Wskaznik() const;
};
