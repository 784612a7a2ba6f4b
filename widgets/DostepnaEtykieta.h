#pragma once

#include <QAccessibleWidget>

class QLabel;
class QObject;

// What a screen reader hears of a label that shows a value: "podpis: text"
// ("Koncentracja atomów: 0,5"), made at the moment the reader asks, so that
// it follows every setText of the label.
class DostepnaEtykieta : public QAccessibleWidget {
public:
    // Makes `etykieta` a value label read as "podpis: <its text>". Its own
    // accessible name is cleared: with none, QLabel tells readers of each
    // new text. Call again to change the caption.
    static void OpiszWartosc(QLabel* etykieta, const QString& podpis);

    // The factory for QAccessible::installFactory: the interface of a label
    // given a caption by OpiszWartosc, nothing for anything else.
    static QAccessibleInterface* Fabryka(const QString& klasa, QObject* obiekt);

    explicit DostepnaEtykieta(QLabel* etykieta);

    QString text(QAccessible::Text rodzaj) const override;
};
