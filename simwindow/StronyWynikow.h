#pragma once

#include <QTabWidget>

class Dialogi;
class Obliczenia;
class QCheckBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class StronaOdtwarzania;
class StronaZapisu;
class WykresySymulacji;

// The notebook TNWyniki of the results stage: page 0 "Ciepło właściwe i
// temperatura przejścia fazowego" (sigma against lambda with its fitted
// curve, Cv/kN and the transition), page 1 the replay (StronaOdtwarzania),
// page 2 the texts and their save (StronaZapisu).
class StronyWynikow : public QTabWidget {
    Q_OBJECT
public:
    StronyWynikow(Obliczenia& obliczenia, Dialogi& dialogi, QWidget* rodzic = nullptr);

    // Where the chart set places ChartSigmaLambda and ChartCvkNLambda.
    QWidget* MiejsceCieplaWlasciwego() const { return cieplo_; }
    void UstawWykresy(WykresySymulacji* wykresy);

    // Fills the charts, memos, edits and labels from the results of the
    // series run; draws the transition's random offset anew.
    void ObliczWyniki();
    void SEStopienWielomianuChange();
    void CBStopienWielomianuClick();

    StronaOdtwarzania* Odtwarzanie;
    StronaZapisu* Zapis;

    QGroupBox* GBDopasowanieWielomianem;
    QCheckBox* CBStopienWielomianu;
    QLabel* Label10;
    QSpinBox* SEStopienWielomianu;
    QLabel* LWynikiLambda;
    QLabel* LWynikiLambdaKoncowa;
    QLabel* LWynikiKrok;
    QLabel* LWynikiKonceentracja;
    QLabel* LWynikiLiczAtWSieci;
    QLabel* LWynikiLiczbaIteracji;
    QLabel* LWynikiLambdaTc;
    QLabel* LWynikiTempTc;

signals:
    // The results were computed: the window shows its results icon.
    void WynikiObliczone();

private:
    QWidget* ZbudujStroneCiepla();

    Obliczenia& obliczenia_;
    WykresySymulacji* wykresy_ = nullptr;
    QWidget* cieplo_ = nullptr;
};
