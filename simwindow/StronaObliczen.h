#pragma once

#include "ZnakiAtomow.h"

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
struct StanObliczen;

// The notebook TNObliczenia: page 0 "Ułożenie atomów w sieci" with the
// lattice view, the run buttons and the progress; page 1 "Wykresy liczonych
// parametrów", which holds the four charts of a run and copies of the gauges.
// The page draws the lattice as its view controls ask; what the run buttons
// do belongs to the run driver, which hears them through the signals.
class StronaObliczen : public QTabWidget {
    Q_OBJECT
public:
    explicit StronaObliczen(QWidget* rodzic = nullptr);
    ~StronaObliczen() override;

    // The lattice the page draws, and whether drawing is switched off.
    void UstawRysowanie(const Siec& siec, std::function<bool()> wylaczonaGrafika);
    // The clip of the panel shown while drawing is off: none when the file is
    // missing.
    void UstawAnimacje(const QString& plik);

    // A freshly set-up lattice kind: the first plane, no 3D points, the
    // gauges of a series, and everything a new run starts with.
    void UstawDomyslne();
    // What every new run starts with: the lattice page in front with the flat
    // drawing, no panel of a run without drawing, gauges at zero, "Licz    "
    // disabled.
    void ZerujDlaNowegoPrzebiegu();
    // The views a run offers: the plane slider for the cubic lattice, the 3D
    // view where it is small enough.
    void UstawWidoki(bool szescienna, bool widok3D);
    // The layout of a single run (the single-run gauge in the middle of its
    // group, the view controls) or of a series (with drawing off: the panel
    // instead of the drawing); "Licz    " enabled.
    void UlozDlaPrzebiegu(bool seria, bool wylaczonaGrafika);
    // The prepared run's lambda, concentration, atom count and iterations.
    void PokazStan(const StanObliczen& stan);
    // A new computation: the plane slider's range and a blank drawing area.
    void NoweTlo();
    // Redraws the lattice view as the controls ask; with drawing off shows
    // the panel PSeriaObliczen instead.
    void RysujSiec();

    // The page the window's chart set places its four charts on.
    QWidget* StronaWykresow() const { return strona1_; }

    void PokazGaugeSerii(bool pokaz);
    void UstawMaksimaGauge(int pojedyncza, int seria);
    void UstawGaugePojedynczej(int pozycja);
    void UstawGaugeSerii(int pozycja);

    // The run buttons as the driver sets them.
    void UstawPrzyciskiBiegu(bool licz, bool zatrzymaj);
    void FokusNaLicz();
    void FokusNaZatrzymaj();
    // "Zatrzymaj" pressed from anywhere in the window, when it can be.
    void NacisnijZatrzymaj();
    // The captions "Trwają obliczenia" / "Proszę czekać..." and the clip of
    // the panel of a run without drawing.
    void PokazNapisyObliczen(bool pokaz);
    void AnimacjaAktywna(bool aktywna);
    void PokazWykresy();
    // The turn to the charts a few seconds into a run: not after "Licz    "
    // pressed from the keyboard (or by a screen reader), whose user has
    // "Zatrzymaj" under the focus; when the page turns with the focus on
    // the lattice page, the focus stays in sight on the notebook's tab.
    void PokazWykresyPoCzasie();
    // One blink of the run buttons' captions.
    void Mrugnij();

    // The marks of atom A and B the view paints now.
    ZnakiAtomow Znaki() const;

signals:
    // The view now paints other marks for the atoms (another pitch, the 3D
    // view or back).
    void ZnakiZmienione(const ZnakiAtomow& znaki);
    void LiczKlikniete();
    void ZatrzymajKlikniete();

private:
    void ZbudujWidokSieci(QWidget* strona);
    void ZbudujPanelBezRysowania(QWidget* strona);
    void ZbudujSposobWyswietlania(QWidget* strona);
    void ZbudujPrzebieg(QWidget* strona);
    void ZbudujStroneWykresow(QWidget* strona);
    void UlozPostep(bool seria);
    void ZerujGauge();
    void UstawZakresOsiZ();
    void CBAtomySasiadujaceClick();
    void RBWidok2DClick();
    void RBWidok3DClick();
    void OglosZnaki();
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

    QWidget* strona1_;
    const Siec* siec_ = nullptr;
    std::function<bool()> wylaczonaGrafika_;
    std::unique_ptr<RysunekSieci> rysunek_;
    QMovie* film_ = nullptr;
    ZnakiAtomow znaki_;
    QWidget* strona0_;
    bool liczMyszka_ = false;
    bool liczZKlawiatury_ = false;

    QFrame* P2D;
    ObrazSieci* ISiecXYZ;
    QFrame* P3D;
    TRot3D* RotSiec3D;
    QFrame* PSeriaObliczen;
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
    QLabel* LPojedynczaSymulacja;
    WskaznikPostepu* GPojedynczaSymulacja;
    QLabel* LSeriaSymulacji;
    WskaznikPostepu* GSeriaSymulacji;
    QLabel* LSeriaSymulacji2;
    WskaznikPostepu* GPojedynczaSymulacja2;
    WskaznikPostepu* GSeriaSymulacji2;
};
