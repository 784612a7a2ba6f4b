#pragma once

#include "RodzajSieci.h"

#include <QTabWidget>

class Dialogi;
class Obliczenia;
class QCheckBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class StronaFluktuacji;
class StronaOdtwarzania;
class StronaZapisu;
class Wykres;
class WykresySymulacji;
struct StanObliczen;

// The notebook TNWyniki of the results stage: page 0 "Ciepło właściwe i
// temperatura przejścia fazowego" (sigma against lambda with its fitted
// curve, Cv/kN and the transition), page 1 the replay (StronaOdtwarzania),
// page 2 the texts and their save (StronaZapisu), page 3 the estimate from
// the fluctuations of the energy (StronaFluktuacji), which follows the pages
// of the results as they always were.
class StronyWynikow : public QTabWidget {
    Q_OBJECT
public:
    StronyWynikow(Obliczenia& obliczenia, Dialogi& dialogi, QWidget* rodzic = nullptr);

    // Where the chart set places ChartSigmaLambda and ChartCvkNLambda, the
    // two histograms and the sigma history of the replay.
    QWidget* MiejsceCieplaWlasciwego() const { return cieplo_; }
    QWidget* MiejsceHistogramow() const;
    QWidget* MiejsceHistoriiSigmy() const;
    void UstawWykresy(WykresySymulacji* wykresy);
    // The chart of the page "Fluktuacje", for its picture menu.
    Wykres* WykresFluktuacji() const;

    // A freshly set-up lattice kind: the file name the save proposes, and the
    // group of the polynomial's degree where the settings ask for it.
    void UstawDlaSieci(RodzajSieci rodzaj, bool dopasowanieWielomianem);
    // The prepared run: its parameters in the panel, the replay's steps.
    void PokazParametry(const StanObliczen& stan);
    void PrzygotujOdtwarzanie(const StanObliczen& stan);
    // Entering the stage after a finished series of `liczbaSerii` series:
    // the first page, the replay at the first cycle, the results computed.
    void Wejdz(int liczbaSerii);
    // The forward button in the stage: every export choice checked, the save
    // page in front with the keyboard on its button.
    void PrzejdzDoZapisu();
    // Stops a running show (the stage is left).
    void ZatrzymajPokaz();

    // Fills the charts, memos, edits and labels from the results of the
    // series run; draws the transition's random offset anew.
    void ObliczWyniki();

signals:
    // The results were computed: the window shows its results icon.
    void WynikiObliczone();
    // The help at a context asked for from a page.
    void PomocPotrzebna(int kontekst);
    // The results file was written.
    void WynikiZapisane();

private:
    QWidget* ZbudujStroneCiepla();
    void ZbudujDopasowanie(QWidget* strona);
    void ZbudujParametry(QWidget* strona);
    void ZbudujPrzejscie(QWidget* strona);
    void SEStopienWielomianuChange();
    void CBStopienWielomianuClick();
    // The infinite lattice's sigma beside the run's, where it is known.
    void PokazSigmeOnsagera();

    Obliczenia& obliczenia_;
    WykresySymulacji* wykresy_ = nullptr;
    QWidget* cieplo_ = nullptr;
    StronaOdtwarzania* odtwarzanie_;
    StronaZapisu* zapis_;
    StronaFluktuacji* fluktuacje_;

    QGroupBox* GBDopasowanieWielomianem;
    QCheckBox* CBStopienWielomianu;
    QSpinBox* SEStopienWielomianu;
    QLabel* LWynikiLambda;
    QLabel* LWynikiLambdaKoncowa;
    QLabel* LWynikiKrok;
    QLabel* LWynikiKonceentracja;
    QLabel* LWynikiLiczAtWSieci;
    QLabel* LWynikiLiczbaIteracji;
    QLabel* LWynikiLambdaTc;
    QLabel* LWynikiTempTc;
    QLabel* LUwagaCvkNTc;
};
