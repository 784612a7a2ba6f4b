#pragma once

#include "ParametrySymulacji.h"

#include <QString>
#include <QWidget>

#include <functional>

class PoleIteracji;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class SuwakZZaznaczeniem;

// The page "Ustawienia": every parameter of a simulation, held by its
// control until the computation stage copies it. Every change of a control
// only calls OdswiezParametry, which recomputes the value labels and the
// states of the dependent controls; setting a control from code raises the
// same change, so a refresh may re-enter itself until nothing changes.
class StronaUstawien : public QWidget {
    Q_OBJECT
public:
    explicit StronaUstawien(QWidget* rodzic = nullptr);

    // The lattice kind the labels are computed for ("3DR", "2DKwadrat", ...).
    void UstawRodzaj(const QString& rodzaj) { rodzaj_ = rodzaj; }
    // Shows or hides the series gauges of the computation page (single run:
    // hidden). Called by every refresh.
    void UstawPokazGaugeSerii(std::function<void(bool)> pokaz) { pokazGaugeSerii_ = pokaz; }

    void OdswiezParametry();
    // The defaults of a freshly set-up lattice kind: the trackbars, the
    // spinners and the choices (the steps of the set-up that touch this page).
    void UstawTrackbaryDomyslne(int maxIloscCykli);
    void UstawWyboryDomyslne();
    void UstawOsie(int wartosc);
    // Shows the Z spinner and its label for the cubic lattice only.
    void PokazOsZ(bool pokaz);

    // The values the computation stage copies, the positions as they stand.
    ParametrySymulacji Parametry() const;
    int IloscAtomowWSieci() const;
    bool Seria() const;
    bool WylaczonaGrafika() const;
    void UstawWylaczonaGrafike(bool wylaczona);

    QRadioButton* RBPojedynczaSymulacja;
    QRadioButton* RBSeriaSymulacji;
    QCheckBox* CBWylaczGrafike;
    QLabel* LOsX;
    QSpinBox* SEIloscAtomowOsX;
    QLabel* LOsY;
    QSpinBox* SEIloscAtomowOsY;
    QLabel* LOsZ;
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
    QLabel* LLambdaMin;
    QLabel* LLambdaMax;
    SuwakZZaznaczeniem* TBLambdaKoncowa;
    QLabel* LLambdaKoncowaText;
    QLabel* LLambdaKoncowa;
    QLabel* LLambdaKoncowaMin;
    QLabel* LLambdaKoncowaMax;
    SuwakZZaznaczeniem* TBKoncentracja;
    QLabel* LKoncentracja;
    QLabel* LKoncentracjaMin;
    QLabel* LKoncentracjaMax;
    SuwakZZaznaczeniem* TBLiczbaPrzeskokow;
    QLabel* LPrzedzialCzasowy;
    QLabel* LPrzedzialCzasowyMin;
    QLabel* LPrzedzialCzasowyMax;
    SuwakZZaznaczeniem* TBKrok;
    QLabel* LKrokText;
    QLabel* LKrok;
    QLabel* LKrokMin;
    QLabel* LKrokMax;

private:
    void Zbuduj();
    void PolaczZmiany();

    QString rodzaj_;
    std::function<void(bool)> pokazGaugeSerii_;
};
