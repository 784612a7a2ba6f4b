#pragma once

#include <QWidget>

#include <array>

class PrzyciskPrzezroczysty;
class QLabel;
class SeriaWykresu;
class Wykres;
struct FluktuacjeSerii;
struct ParametrySymulacji;
struct TekstyFluktuacji;

// The page "Fluktuacje" of the results stage: the specific heat of every
// series from the fluctuations of its energy with its error, the transition
// where it peaks with its error, the series that may not have reached
// equilibrium, and why this estimate differs from the fitted curve's.
class StronaFluktuacji : public QWidget {
    Q_OBJECT
public:
    // The help context of the page and of its controls.
    static constexpr int Kontekst = 34000;

    explicit StronaFluktuacji(QWidget* rodzic = nullptr);

    // The chart, for its picture menu.
    Wykres* WykresFluktuacji() const { return ChartFluktuacje; }
    // Shows the figures of a finished series run, with the texts made of them,
    // and the infinite lattice's lambda_c where the run's parameters have one.
    void Pokaz(const FluktuacjeSerii& fluktuacje, const TekstyFluktuacji& teksty,
               const ParametrySymulacji& parametry);

signals:
    // "Więcej w pomocy": the help at the section on the two estimates.
    void PomocPotrzebna(int kontekst);

private:
    void ZbudujWykres();
    void ZbudujOpis();

    Wykres* ChartFluktuacje;
    // The points by their equilibrium verdict (Rownowaga), each kind marked
    // apart.
    std::array<SeriaWykresu*, 3> punkty_{};
    // One short vertical line per series: Qt Charts draws no error bars.
    std::array<SeriaWykresu*, 24> bledy_{};
    // The infinite lattice's lambda_c, a vertical line the peak is read against.
    SeriaWykresu* lambdaKrytyczna_ = nullptr;
    QLabel* LGranicaSieci;
    QLabel* LPrzejscieFluktuacjiPodpis;
    QLabel* LPrzejscieFluktuacji;
    QLabel* LRownowaga;
    PrzyciskPrzezroczysty* BPomocFluktuacji;
};
