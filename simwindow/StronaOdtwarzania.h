#pragma once

#include <QWidget>

class Obliczenia;
class PrzyciskPrzezroczysty;
class QGroupBox;
class QLabel;
class QSpinBox;
class QTimer;
class SuwakZZaznaczeniem;
class WykresySymulacji;

// The page "Liczba par AB i parametr Sigma": the replay of every stored
// sample. A series (TBNrSerii) and a cycle, an iteration count (SENrCyklu),
// are chosen; the page shows the sigma history of the series, its histogram
// at the cycle and at the end of the run. The automatic show steps through
// the cycles at the pace of "Odświerz co:".
class StronaOdtwarzania : public QWidget {
    Q_OBJECT
public:
    StronaOdtwarzania(const Obliczenia& obliczenia, QWidget* rodzic = nullptr);

    // Where the chart set places Chart5 and Chart6, and ChartSigma2.
    QWidget* MiejsceHistogramow() const { return histogramy_; }
    QWidget* MiejsceHistoriiSigmy() const { return historia_; }
    void UstawWykresy(WykresySymulacji* wykresy) { wykresy_ = wykresy; }

    // The sample of the chosen series at the chosen cycle.
    void PokazCykl();
    // The first cycle of the chosen series.
    void PokazPierwszyCykl();
    void TBPoczatekClick();
    void TBKoniecClick();
    // The automatic show: started from the first cycle, one step per tick of
    // TimerAutoPokaz, stopped at the last cycle or by "Stop".
    void TBAutoPokazPlayClick();
    void TimerAutoPokazTimer();
    void TBAutoPokazStopClick();

    // The series slider ends at the number of series; the cycle spinner steps
    // by the sampling interval P and ends at the number of iterations N.
    void UstawLiczbeSerii(int liczbaSerii);
    void UstawPrzyrostCyklu(int przyrost);
    void UstawMaksimumCyklu(int maksimum);
    // Stops a running show (the stage is left).
    void ZatrzymajPokaz();

private:
    void Zbuduj();
    void ZbudujSerie();
    void ZbudujCykl();
    void ZbudujPokaz();
    void SENrCykluChange();
    void TBNrSeriiChange();
    void SEOdswierzanieChange();

    const Obliczenia& obliczenia_;
    WykresySymulacji* wykresy_ = nullptr;
    QWidget* histogramy_ = nullptr;
    QWidget* historia_ = nullptr;
    // A child named "TimerAutoPokaz".
    QTimer* timerAutoPokaz_;

    SuwakZZaznaczeniem* TBNrSerii;
    QLabel* LNrSerii;
    QLabel* LWynikiLambdaInfo;
    QSpinBox* SENrCyklu;
    PrzyciskPrzezroczysty* TBPoczatek;
    PrzyciskPrzezroczysty* TBKoniec;
    PrzyciskPrzezroczysty* TBAutoPokazPlay;
    PrzyciskPrzezroczysty* TBAutoPokazStop;
    QSpinBox* SEOdswierzanie;
};
