#pragma once

#include "ObserwatorPomiarow.h"
#include "ParametrySymulacji.h"

class QWidget;
class SeriaWykresu;
class Wykres;

// The widgets that hold the nine charts of the simulation window.
struct MiejscaWykresow {
    // The page "Wykresy liczonych parametrów": ChartEnergia, ChartSigmaSeria,
    // ChartSigma, ChartLA.
    QWidget* WykresyLiczonychParametrow = nullptr;
    // The group box of the page "Ciepło właściwe i temperatura przejścia
    // fazowego": ChartSigmaLambda, ChartCvkNLambda.
    QWidget* CieploWlasciwe = nullptr;
    // The group box " Prawdopodobieństwo znalezienia n atomów rodz. B w
    // otoczeniu atomu rodz. A ": Chart5, Chart6.
    QWidget* Histogramy = nullptr;
    // The page "Liczba par AB i parametr Sigma": ChartSigma2.
    QWidget* HistoriaSigmy = nullptr;
};

// The nine charts of the simulation window with their series, as the form
// shows them before the first computation stage. The charts are children of
// the given widgets; this object only names them. As the engine's observer it
// puts every sample on the charts of the computation page.
class WykresySymulacji final : public ObserwatorPomiarow {
public:
    explicit WykresySymulacji(const MiejscaWykresow& miejsca);

    // The axis ranges of a computation stage: the sigma and lambda axes of
    // the mode, the iteration axes 0..maxIloscCykli, the atoms axis of the
    // histogram 0..iloscAtomow.
    void UstawZakresyOsi(Oddzialywanie tryb, int maxIloscCykli, int iloscAtomow);
    // Empties all twelve series (a new lattice kind).
    void WyczyscSerie();

    // The energy point, the histogram of the sample and the sigma point.
    void NowyPomiar(const Pomiar& pomiar) override;
    // The point of the finished series on ChartSigmaSeria.
    void KoniecSerii(double lambda, double sigma) override;
    // Empties Series1 to Series11; Series13 keeps the finished series.
    void PrzebiegWyzerowany() override;

    Wykres* const ChartEnergia;
    Wykres* const ChartSigmaSeria;
    Wykres* const ChartSigma;
    Wykres* const ChartLA;
    Wykres* const ChartSigmaLambda;
    Wykres* const ChartCvkNLambda;
    Wykres* const Chart5;
    Wykres* const Chart6;
    Wykres* const ChartSigma2;

    // In the order they are added to their charts, which is the order they
    // are drawn in: the measured points of ChartSigmaLambda over its curve.
    SeriaWykresu* const Series1;  // ChartEnergia: (iteration, energy)
    SeriaWykresu* const Series13; // ChartSigmaSeria: (lambda, sigma) per finished run
    SeriaWykresu* const Series2;  // ChartSigma: (iteration, sigma)
    SeriaWykresu* const Series3;  // ChartLA: the histogram of the latest sample
    // ChartSigmaLambda: the infinite square lattice's sigma at c = 0.5
    // (Onsager), a reference under the run's own curve; empty elsewhere.
    SeriaWykresu* const SeriaOnsagera;
    SeriaWykresu* const Series10; // ChartSigmaLambda: fitted sigma
    SeriaWykresu* const Series9;  // ChartSigmaLambda: measured sigma per series
    SeriaWykresu* const Series4;  // ChartSigmaLambda: inactive, never filled
    SeriaWykresu* const Series5;  // ChartCvkNLambda: Cv/kN per series
    SeriaWykresu* const Series11; // ChartCvkNLambda: "pochodna", never filled
    SeriaWykresu* const Series6;  // Chart5: histogram at the chosen cycle
    SeriaWykresu* const Series7;  // Chart6: histogram at the end of the run
    SeriaWykresu* const Series8;  // ChartSigma2: sigma history of the chosen series
};

// One bar of a neighbour histogram: labelled with n, in the colour of n.
void DodajSlupekHistogramu(SeriaWykresu& seria, int n, double liczbaAtomow);
