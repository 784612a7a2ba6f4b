#pragma once

#include "RodzajSieci.h"

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class Dialogi;
class PrzyciskObrazkowy;

// The main menu: a picture button per lattice kind, which hands the user over
// to the simulation window, and "Koniec", which ends the program after a
// question. The close box asks the same question.
class TPrg : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize Rozmiar{600, 400};

    // ekran: the geometry of the screen the menu is centred on.
    TPrg(Dialogi& dialogi, const QRect& ekran, QWidget* rodzic = nullptr);

    // The simulation window the lattice buttons show, and what sets it up
    // for the chosen lattice kind ("3DR", "2DTrojkat", "2DKwadrat",
    // "2DHeksagonalna"). The menu knows the window only as a widget.
    void UstawOknoSymulacji(QWidget* okno, std::function<void(const QString&)> ustawSiec);

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    PrzyciskObrazkowy* DodajPrzycisk(const char* nazwa, const QRect& miejsce,
                                     const QString& obrazek, const QString& napis,
                                     const QString& podpowiedz);
    void DodajPodpis(const QString& napis, const QColor& kolor, int wysokosc, int y,
                     const QString& lacze, const char* nazwaLacza);

    void ES3DRClick() { WybierzSiec(RodzajSieci::Kubiczna3D); }
    void ES2DTrojkatClick() { WybierzSiec(RodzajSieci::Trojkatna); }
    void ES2DKwadratClick() { WybierzSiec(RodzajSieci::Kwadratowa); }
    void ES2DHeksagonalnaClick() { WybierzSiec(RodzajSieci::Heksagonalna); }
    void ESKoniecClick();
    // Hands the window the kind's key from the kinds table.
    void WybierzSiec(RodzajSieci rodzaj);
    bool CzyZakonczyc();

    Dialogi& dialogi_;
    QPixmap tlo_;
    QWidget* oknoSymulacji_ = nullptr;
    std::function<void(const QString&)> ustawSiec_;
    // Set once the user has agreed to end, so that the closing of the
    // windows that follows asks nothing more.
    bool konczy_ = false;
};
