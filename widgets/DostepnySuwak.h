#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class QObject;
class SuwakZZaznaczeniem;

// What a screen reader hears of a track bar: a slider whose value is the
// position in the unit the window shows (SuwakZZaznaczeniem::UstawSkale), as
// text and as a number, and which a reader's tool can set in that unit.
class DostepnySuwak : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit DostepnySuwak(SuwakZZaznaczeniem* suwak);

    // The factory for QAccessible::installFactory: the interface of a
    // SuwakZZaznaczeniem, nothing for anything else.
    static QAccessibleInterface* Fabryka(const QString& klasa, QObject* obiekt);

    QString text(QAccessible::Text rodzaj) const override;
    void* interface_cast(QAccessible::InterfaceType rodzaj) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& wartosc) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    SuwakZZaznaczeniem* Suwak() const;
};
