#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <vector>

class QAbstractSeries;
class QBarCategoryAxis;
class QScatterSeries;
class QStackedBarSeries;
class QXYSeries;
class Wykres;

// One series of a chart (Wykres::DodajSerie makes it, the chart owns it).
// The series keeps its points itself; the chart hands them to Qt Charts once
// per turn of the event loop (Wykres::Odswiez), so adding a point costs the
// same for a line of 10 000 points as for one of ten.
//
// Kinds: a line (no point marks), points (circles), bars (one colour per bar,
// a vertical gradient, the value written above each bar and kept clear of its
// neighbours (NapisySlupkow), the bar's label
// standing on the bottom axis). Points of a line and of a point series are
// kept with x ascending, as the program adds them.
class SeriaWykresu {
public:
    enum class Rodzaj { Linia, Punkty, Slupki };

    struct Slupek {
        double Wartosc;
        QString Etykieta;
        QColor Kolor;
    };

    ~SeriaWykresu();
    SeriaWykresu(const SeriaWykresu&) = delete;
    SeriaWykresu& operator=(const SeriaWykresu&) = delete;

    Rodzaj RodzajSerii() const { return rodzaj_; }
    const QColor& Kolor() const { return kolor_; }
    const QString& Tytul() const { return tytul_; }

    // Picture (FormatujLiczbe) of the values written above the bars and in
    // the legend of last values; empty: "#,##0.###".
    void UstawFormatWartosci(const QString& wzorzec);
    const QString& FormatWartosci() const { return formatWartosci_; }
    // The value of the last point by the value format ("" while empty).
    QString TekstOstatniejWartosci() const;

    // An inactive series is not drawn, not listed and not counted in the
    // automatic ranges; its points are kept.
    void UstawAktywna(bool aktywna);
    bool Aktywna() const { return aktywna_; }

    // Circles of a point series: `polowaRozmiaru` pixels from the centre to
    // the edge; flat ones are filled plainly, the others shaded like a ball.
    void UstawZnaczniki(int polowaRozmiaru, bool plaskie);
    int PolowaRozmiaruZnacznika() const { return polowaZnacznika_; }
    bool ZnacznikiPlaskie() const { return plaskie_; }

    void Wyczysc();
    // A point in the series' own colour, or in its own (the colour shows on
    // the circle of a point series; a line is drawn in the series' colour).
    void DodajPunkt(double x, double y);
    void DodajPunkt(double x, double y, const QColor& kolor);
    void DodajPunkty(const QList<QPointF>& punkty);
    // A bar at the next place on the bottom axis.
    void DodajSlupek(double wartosc, const QString& etykieta, const QColor& kolor);

    qsizetype LiczbaPunktow() const { return punkty_.size(); }
    // For bars: (place 0, 1, ..., value).
    const QList<QPointF>& Punkty() const { return punkty_; }
    QColor KolorPunktu(qsizetype i) const;
    const QList<Slupek>& Slupki() const { return slupki_; }

    // The Qt Charts series that draws it (the bars' own for bars).
    QAbstractSeries* SeriaQt() const;
    // The lines of text written above the bars, in the order of the bars,
    // and their type (NapisySlupkow).
    QStringList NapisyNadSlupkami() const;
    QFont CzcionkaNapisowNadSlupkami() const;

private:
    friend class Wykres;
    SeriaWykresu(Wykres& wykres, Rodzaj rodzaj, const QColor& kolor, const QString& tytul);

    // The ranges shown and the plot's size in pixels, as the last layout of
    // the chart left them.
    struct Uklad {
        double XMin = 0.0;
        double XMax = 0.0;
        double YMin = 0.0;
        double YMax = 0.0;
        QSizeF Obszar;
        bool operator==(const Uklad&) const = default;
    };

    void Zmieniona();
    QString FormatWartosciLubDomyslny() const;
    // Hands the points to Qt Charts: a line thinned to the plot's pixel
    // columns, the bars with their values.
    void Zsynchronizuj(const Uklad& uklad);
    void ZsynchronizujSlupki(const Uklad& uklad);
    void UstawWygladPunktow();
    bool WymagaSynchronizacji(const Uklad& uklad) const;
    static QFont CzcionkaNapisu(int piksele);

    Wykres& wykres_;
    Rodzaj rodzaj_;
    QColor kolor_;
    QString tytul_;
    QString formatWartosci_;
    bool aktywna_ = true;
    int polowaZnacznika_ = 3;
    bool plaskie_ = false;

    QList<QPointF> punkty_;
    QList<QColor> koloryPunktow_; // invalid: the series' own
    QList<Slupek> slupki_;

    QXYSeries* xy_ = nullptr;
    QStackedBarSeries* slupkiQt_ = nullptr;
    std::vector<QScatterSeries*> napisy_;

    bool zmieniona_ = true;
    Uklad uklad_;
};
