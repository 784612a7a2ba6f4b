#pragma once

#include "OsWykresu.h"
#include "SeriaWykresu.h"

#include <QChartView>
#include <QElapsedTimer>
#include <QFont>
#include <QStringList>

#include <memory>
#include <vector>

class QBarCategoryAxis;
class QCategoryAxis;
class QLabel;

// A chart of the program over Qt Charts, offering what its charts need and
// no more: line, point and bar series (SeriaWykresu), a title of one or two
// lines, two axes with fixed or automatic ranges, three kinds of legend,
// margins in percent of the chart, and pictures and labels laid over it.
//
// Changes are collected and handed to Qt Charts when the event loop turns,
// at most once per NajkrotszyOdstep, and only while the chart is shown;
// Odswiez does it at once (before a grab, in tests).
class Wykres : public QChartView {
    Q_OBJECT
public:
    enum class Os { Lewa, Dolna };
    enum class Legenda {
        Ukryta,
        // The titles of the active series with a title, one line each in
        // plain text, centred under the plot.
        TytulySerii,
        // The last value of each active series by its value format, the last
        // series first, laid over the chart at a given height, right-aligned.
        OstatnieWartosci,
    };
    // Blank space around the plot with its axes, in percent of the chart's
    // width (left, right) or height (top, bottom).
    struct Marginesy {
        double Lewy = 3.0;
        double Gorny = 4.0;
        double Prawy = 3.0;
        double Dolny = 4.0;
    };

    // The least time between two hand-overs of the changes to Qt Charts, ms.
    static constexpr int NajkrotszyOdstep = 100;

    explicit Wykres(QWidget* rodzic = nullptr);
    ~Wykres() override;

    SeriaWykresu* DodajSerie(SeriaWykresu::Rodzaj rodzaj, const QColor& kolor,
                             const QString& tytul = {});
    const std::vector<std::unique_ptr<SeriaWykresu>>& Serie() const { return serie_; }

    // One line, or two; shown or not; aligned left, centred or right.
    void UstawTytul(const QStringList& linie, Qt::Alignment wyrownanie = Qt::AlignHCenter);
    void UstawTytulWidoczny(bool widoczny);
    QStringList Tytul() const { return tytul_; }
    bool TytulWidoczny() const { return tytulWidoczny_; }
    Qt::Alignment WyrownanieTytulu() const { return wyrownanieTytulu_; }

    // The bottom axis of a chart of bars shows the bars' labels: its range is
    // not set.
    void UstawOs(Os os, const ZakresOsiWykresu& zakres);
    const ZakresOsiWykresu& Zakres(Os os) const;
    // The range shown now (automatic ends taken from the data).
    double Minimum(Os os) const;
    double Maksimum(Os os) const;
    QStringList EtykietyOsi(Os os) const;
    void UstawTytulOsi(Os os, const QString& tytul, const QFont& czcionka);
    QString TytulOsi(Os os) const;
    QFont CzcionkaTytuluOsi(Os os) const;

    void UstawLegende(Legenda legenda, double gornaKrawedzProcent = 0.0);
    Legenda RodzajLegendy() const { return legenda_; }
    // The lines of the legend, from the top ({} when hidden).
    QStringList TekstyLegendy() const;

    void UstawMarginesy(const Marginesy& marginesy);
    const Marginesy& MarginesyProcent() const { return marginesy_; }

    // Laid over the chart at (left, top) in the chart's pixels; mouse events
    // pass through them to the chart.
    QLabel* DodajObrazek(const QPixmap& obrazek, const QPoint& pozycja);
    QLabel* DodajEtykiete(const QString& tekst, const QFont& czcionka, const QPoint& pozycja);

    // Hands every change to Qt Charts now.
    void Odswiez();

    // The data in words, for a screen reader: for each active series with
    // points its title, count, range and last value, and its points (at
    // most MaxPunktowOpisu, evenly spread over a longer line; every bar).
    static constexpr int MaxPunktowOpisu = 25;
    QString OpisDanych() const;

    // What its series ask of the chart that owns them: the value axis of a
    // side, the bars' category axis (made on first use), and a hand-over of
    // their changes at the next turn of the event loop.
    QCategoryAxis* OsWartosci(Os os) const;
    QBarCategoryAxis* Kategorie();
    void Zaplanuj();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;
    bool viewportEvent(QEvent* zdarzenie) override;
    // A focused chart is framed, so the keyboard can see where it is.
    void focusInEvent(QFocusEvent* zdarzenie) override;
    void focusOutEvent(QFocusEvent* zdarzenie) override;
    void drawForeground(QPainter* malarz, const QRectF& obszar) override;

private:
    void UlozMarginesy();
    void UlozLegende();
    // The height the titles legend needs, 0 when there is none.
    int WysokoscLegendyTytulow() const;
    QString TekstLegendy(const SeriaWykresu& seria) const;
    // Returns the plot area the ticks were chosen for.
    QRectF UstawZakresyOsi();
    // Whether a label of the left (pionowa) or bottom axis can stand there:
    // within the chart along its axis, under no picture or label laid over it.
    bool MiejsceWolne(const QRectF& miejsce, bool pionowa) const;
    OsWykresu& OsDla(Os os) { return os == Os::Lewa ? lewa_ : dolna_; }
    const OsWykresu& OsDla(Os os) const { return os == Os::Lewa ? lewa_ : dolna_; }
    QAbstractAxis* OsQt(Os os) const;
    // The range shown on a value axis: the fixed ends, the others from the
    // points of the active series.
    std::pair<double, double> ZakresPokazywany(Os os) const;

    std::vector<std::unique_ptr<SeriaWykresu>> serie_;
    OsWykresu lewa_{true};
    OsWykresu dolna_{false};
    QBarCategoryAxis* kategorie_ = nullptr;

    std::vector<QLabel*> nakladki_;
    QLabel* tytulEtykieta_;
    QLabel* legendaTytulow_;
    int wysokoscLegendyTytulow_ = 0; // what the bottom margin holds for it
    QStringList tytul_;
    Qt::Alignment wyrownanieTytulu_ = Qt::AlignHCenter;
    bool tytulWidoczny_ = true;

    Legenda legenda_ = Legenda::Ukryta;
    double gornaKrawedzLegendy_ = 0.0;
    Marginesy marginesy_;

    bool zaplanowane_ = false;
    QElapsedTimer ostatnieOdswiezenie_;
    bool odswiezanie_ = false;
};
