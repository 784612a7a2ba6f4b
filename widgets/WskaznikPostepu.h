#pragma once

#include <QColor>
#include <QWidget>

// A progress gauge: a horizontal bar in the foreground colour (yellow unless
// set) over the background colour, as long as position / maximum of the
// width, with the percentage written in the middle. Screen readers hear it as
// a progress bar at that percentage.
class WskaznikPostepu : public QWidget {
    Q_OBJECT
public:
    explicit WskaznikPostepu(QWidget* rodzic = nullptr);

    int Maksimum() const { return maksimum_; }
    void UstawMaksimum(int maksimum);
    int Pozycja() const { return pozycja_; }
    // Kept between 0 and the maximum.
    void UstawPozycje(int pozycja);
    // Whole percent done, as written on the gauge (TekstProcentu).
    int Procent() const;
    static QString TekstProcentu(int procent);

    QColor KolorPaska() const { return kolorPaska_; }
    void UstawKolorPaska(const QColor& kolor);
    void UstawKolorTla(const QColor& kolor);

    QSize sizeHint() const override { return QSize(150, 18); }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    void Zmieniony(int bylProcent);

    int maksimum_ = 100;
    int pozycja_ = 0;
    QColor kolorPaska_ = Qt::yellow;
    QColor kolorTla_ = Qt::white;
};
