#pragma once

#include "ParametrySymulacji.h"

#include <QWidget>

#include <functional>
#include <optional>

class PoleIteracji;
class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class SuwakZZaznaczeniem;
struct StanUstawien;

// The page "Ustawienia": every parameter of a simulation, held by its
// control until the computation stage copies it. Every change of a control
// only calls OdswiezParametry, which shows what the page's rules
// (RegulyUstawien) make of the controls: the value labels and the states of
// the dependent controls; setting a control from code raises the same
// change, so a refresh may re-enter itself until nothing changes.
class StronaUstawien : public QWidget {
    Q_OBJECT
public:
    explicit StronaUstawien(QWidget* rodzic = nullptr);

    // Shows or hides the series gauges of the computation page (single run:
    // hidden). Called by every refresh.
    void UstawPokazGaugeSerii(std::function<void(bool)> pokaz) { pokazGaugeSerii_ = pokaz; }

    // Every default of a freshly set-up lattice kind (DomyslneUstawienia):
    // the axes, the trackbars, the iterations and the choices; the Z axis for
    // the cubic lattice only.
    void UstawDomyslne(RodzajSieci rodzaj);
    void OdswiezParametry();
    // What entering the computation stage shows here: the atom count of the
    // run, the step offered only where it can move.
    void PokazDlaObliczen();
    // The keyboard starts at the first choice of the page.
    void UstawFokus();

    // The values the computation stage copies, the positions as they stand.
    ParametrySymulacji Parametry() const;
    bool WylaczonaGrafika() const;
    void UstawWylaczonaGrafike(bool wylaczona);

private:
    void Zbuduj();
    void ZbudujRodzajSymulacji();
    void ZbudujOsie();
    void ZbudujIteracjeIUlozenie();
    void ZbudujParametry();
    void ZbudujLambde(QWidget* parametry);
    void ZbudujSuwakiWartosci(QWidget* parametry);
    void PolaczZmiany();
    void UstawTrackbaryDomyslne(const ParametrySymulacji& p);
    void UstawWyboryDomyslne(const StanUstawien& stan);
    // What the controls hold, as the rules of the page read it.
    StanUstawien Stan() const;

    std::optional<RodzajSieci> rodzaj_;
    std::function<void(bool)> pokazGaugeSerii_;

    QRadioButton* RBPojedynczaSymulacja;
    QRadioButton* RBSeriaSymulacji;
    QCheckBox* CBWylaczGrafike;
    QLabel* LOsZ;
    QSpinBox* SEIloscAtomowOsX;
    QSpinBox* SEIloscAtomowOsY;
    QSpinBox* SEIloscAtomowOsZ;
    QCheckBox* CBXRowneYZ;
    QLabel* LIloscAtomowWSieci;
    PoleIteracji* SEMaxIloscCykli;
    QRadioButton* RBPrzypadkowe;
    QRadioButton* RBUporzadkowane;
    QRadioButton* RBUporzadkowaneWydzielenie;
    QRadioButton* RBPorzadkowanie;
    QRadioButton* RBKlasteryzacja;
    SuwakZZaznaczeniem* TBLambda;
    QLabel* LLambda;
    SuwakZZaznaczeniem* TBLambdaKoncowa;
    QLabel* LLambdaKoncowaText;
    QLabel* LLambdaKoncowa;
    QLabel* LLambdaKoncowaMin;
    QLabel* LLambdaKoncowaMax;
    SuwakZZaznaczeniem* TBKoncentracja;
    QLabel* LKoncentracja;
    SuwakZZaznaczeniem* TBLiczbaPrzeskokow;
    QLabel* LPrzedzialCzasowy;
    SuwakZZaznaczeniem* TBKrok;
    QLabel* LKrokText;
    QLabel* LKrok;
    QLabel* LKrokMin;
    QLabel* LKrokMax;
};
