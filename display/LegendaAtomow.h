#pragma once

#include "ZnakiAtomow.h"

#include <QWidget>

// The legend of the lattice view: the marks of atom A and atom B exactly as
// the view draws them now, each on the view's background, with its caption.
// A screen reader hears it as one named picture ("Legenda rysunku sieci:
// atom A – zielony kwadrat, atom B – czerwony kwadrat").
class LegendaAtomow : public QWidget {
    Q_OBJECT
public:
    explicit LegendaAtomow(QWidget* rodzic = nullptr);

    void Pokaz(const ZnakiAtomow& znaki);
    const ZnakiAtomow& Znaki() const { return znaki_; }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    ZnakiAtomow znaki_;
};
