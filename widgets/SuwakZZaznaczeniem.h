#pragma once

#include <QSlider>

// A track bar that also shows a selection: the values from the start to the
// end of the selection are drawn as a band along the groove, under the
// handle. Minimum, maximum, position, tick frequency and orientation are
// QSlider's; valueChanged is raised for every change of the position, also
// one made from code. The keys and the wheel move the handle as the slider is
// drawn: with the appearance inverted (a vertical slider with its minimum on
// top) the controls are inverted too, so Down moves the handle down and Home
// still goes to the minimum. Screen readers hear the position in the unit the
// window shows (UstawSkale).
class SuwakZZaznaczeniem : public QSlider {
    Q_OBJECT
public:
    explicit SuwakZZaznaczeniem(Qt::Orientation orientacja = Qt::Horizontal,
                                QWidget* rodzic = nullptr);

    // An empty selection (start = end) draws no band.
    void UstawZaznaczenie(int poczatek, int koniec);
    int PoczatekZaznaczenia() const { return poczatek_; }
    int KoniecZaznaczenia() const { return koniec_; }

    // The band in the widget's pixels (empty when there is none).
    QRect ProstokatZaznaczenia() const;

    // The unit the window shows a position in: position × skala + przesuniecie,
    // written with `miejsca` decimals in the default locale and without a
    // group separator. Skala 0.1 with one place shows 1..24 as "0,1".."2,4"
    // in Polish; skala 1 with przesuniecie -1 shows planes 1..100 as 0..99;
    // the default is the position itself.
    void UstawSkale(double skala, int miejsca, double przesuniecie = 0.0);
    double Skala() const { return skala_; }
    // A position in the unit shown, rounded to the decimals shown.
    double WartoscPokazana(int pozycja) const;
    QString TekstWartosci(int pozycja) const;
    // The position of the range nearest to a value in the unit shown.
    int Pozycja(double wartoscPokazana) const;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void wheelEvent(QWheelEvent* zdarzenie) override;

private:
    int poczatek_ = 0;
    int koniec_ = 0;
    double skala_ = 1.0;
    int miejsca_ = 0;
    double przesuniecie_ = 0.0;
};
