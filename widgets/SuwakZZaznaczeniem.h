#pragma once

#include <QSlider>

// A track bar that also shows a selection: the values from the start to the
// end of the selection are drawn as a band along the groove, under the
// handle. Minimum, maximum, position, tick frequency and orientation are
// QSlider's; valueChanged is raised for every change of the position, also
// one made from code.
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

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    int poczatek_ = 0;
    int koniec_ = 0;
};
