#pragma once

#include <QTabWidget>

#include <functional>
#include <memory>

class ObrazSieci;
class PrzyciskPrzezroczysty;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMovie;
class QRadioButton;
class RysunekSieci;
class Siec;
class SuwakZZaznaczeniem;
class TRot3D;
class WskaznikPostepu;

// The notebook TNObliczenia: page 0 "Ułożenie atomów w sieci" with the
// lattice view, the run buttons and the progress; page 1 "Wykresy liczonych
// parametrów", which holds the four charts of a run and copies of the gauges.
// The controls only; what they do belongs to the window and the run driver.
class StronaObliczen : public QTabWidget {
    Q_OBJECT
public:
    explicit StronaObliczen(QWidget* rodzic = nullptr);
    ~StronaObliczen() override;

    // The lattice the page draws, and whether drawing is switched off.
    void UstawRysowanie(const Siec& siec, std::function<bool()> wylaczonaGrafika);
    // A new computation: the plane slider's range and a blank drawing area.
    void NoweTlo();
    // Redraws the lattice view as the controls ask; with drawing off shows
    // the panel PSeriaObliczen instead.
    void RysujSiec();
    void CBAtomySasiadujaceClick();
    void RBWidok2DClick();
    void RBWidok3DClick();

    // The page the window's chart set places its four charts on.
    QWidget* StronaWykresow() const { return strona1_; }

    // The layout of a single run (single-run gauge in the middle of the
    // group, no series gauges) or of a series.
    void UlozPostep(bool seria);
    void PokazGaugeSerii(bool pokaz);
    void UstawMaksimaGauge(int pojedyncza, int seria);
    void UstawGaugePojedynczej(int pozycja);
    void UstawGaugeSerii(int pozycja);
    void ZerujGauge();

    // The clip of the panel shown while drawing is off: none when the file is
    // missing.
    void UstawAnimacje(const QString& plik);
    void AnimacjaAktywna(bool aktywna);

    QFrame* P2D;
    ObrazSieci* ISiecXYZ;
    QFrame* P3D;
    TRot3D* RotSiec3D;
    QFrame* PSeriaObliczen;
    QLabel* ISeriaObliczen;
    QLabel* Animacja3D;
    QLabel* LTrwajaObliczenia;
    QLabel* LProszeCzekac;
    SuwakZZaznaczeniem* TBOsZ;
    QGroupBox* GBSposobWyswietlaniaSieci;
    QRadioButton* RBWidok2D;
    QRadioButton* RBWidok3D;
    QCheckBox* CBAtomySasiadujace;
    QLabel* PPlaszczyzna;
    PrzyciskPrzezroczysty* TBLicz;
    PrzyciskPrzezroczysty* TBZatrzymaj;
    QLabel* LObliczeniaLambda;
    QLabel* LObliczeniaKoncentracja;
    QLabel* LObliczeniaIlAtWSieci;
    QLabel* LObliczeniaLiczbaIteracji;
    QGroupBox* GBPostepObliczeen;
    QLabel* LPojedynczaSymulacja;
    WskaznikPostepu* GPojedynczaSymulacja;
    QLabel* LSeriaSymulacji;
    WskaznikPostepu* GSeriaSymulacji;
    QLabel* LPojedynczaSymulacja2;
    WskaznikPostepu* GPojedynczaSymulacja2;
    QLabel* LSeriaSymulacji2;
    WskaznikPostepu* GSeriaSymulacji2;

private:
    void ZbudujStroneSieci(QWidget* strona);
    void ZbudujStroneWykresow(QWidget* strona);

    void UstawZakresOsiZ();

    QWidget* strona1_;
    const Siec* siec_ = nullptr;
    std::function<bool()> wylaczonaGrafika_;
    std::unique_ptr<RysunekSieci> rysunek_;
    QMovie* film_ = nullptr;
};
