#pragma once

#include <QAccessibleWidget>

class QObject;
class Wykres;

// What a screen reader gets of a chart: the role of a chart, a name that
// holds the title it shows, and as its description the hint and the data
// (Wykres::OpisDanych), made at the moment the reader asks so that it costs
// nothing while a run adds points.
class DostepnyWykres : public QAccessibleWidget {
public:
    // The factory for QAccessible::installFactory: the interface of every
    // Wykres, nothing for anything else.
    static QAccessibleInterface* Fabryka(const QString& klasa, QObject* obiekt);

    explicit DostepnyWykres(Wykres* wykres);

    QString text(QAccessible::Text rodzaj) const override;
};
