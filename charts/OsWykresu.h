#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QCategoryAxis;

// The range of one chart axis: each end either fixed or taken from the data,
// the smallest step between two labels (0: the chart picks a round one) and
// the picture of the labels (FormatujLiczbe; empty: "#,##0.###").
struct ZakresOsiWykresu {
    std::optional<double> Minimum;
    std::optional<double> Maksimum;
    double Przyrost = 0.0;
    QString Format;

    static ZakresOsiWykresu Staly(double minimum, double maksimum, double przyrost = 0.0,
                                  const QString& format = {});
    static ZakresOsiWykresu Automatyczny(double przyrost = 0.0, const QString& format = {});
};

// What the labels of one step take: how many are written and the length of
// the longest along the axis (its width, or its height on an upright axis).
struct MiaraEtykiet {
    int Liczba = 0;
    double Rozmiar = 0.0;
};

// The label step of an axis. The given increment is a smallest step, so that
// a narrow chart stays readable instead of crowding its labels: when they
// would not fit along an axis `dlugosc` pixels long, the step grows to 2, 5, 10, 20, ...
// times the increment (or to the next round number without an increment)
// until they do. `etykiety(krok)` measures the labels of a step.
//
// Qt Charts itself elides ("...") a label longer than an equal share of
// `udzialQt` pixels (the number of labels plus one, less its padding): for a
// bottom axis the width of the chart inside its margins, for a left axis the
// distance from the chart's top to the bottom of that area. The step keeps
// the labels within that share too.
double DobierzKrok(double minimum, double maksimum, double przyrost, double dlugosc,
                   double udzialQt, const std::function<MiaraEtykiet(double krok)>& etykiety);

// Multiples of `krok` from `minimum` to `maksimum`, both included.
std::vector<double> WartosciPodzialki(double minimum, double maksimum, double krok);

// One value axis of a chart: Qt's category axis used as a value axis whose
// labels the chart writes itself, at the ticks that DobierzKrok chooses.
class OsWykresu {
public:
    explicit OsWykresu(bool pionowa);

    QCategoryAxis* Os() const { return os_; }
    bool Pionowa() const { return pionowa_; }

    void UstawZakres(const ZakresOsiWykresu& zakres) { zakres_ = zakres; }
    const ZakresOsiWykresu& Zakres() const { return zakres_; }

    // Shows [minimum, maksimum] along the side of the plot `obszar`. A label
    // whose place `wolne` refuses (beyond the chart, under a picture laid over
    // it) is left out, as a label that would not read. `udzialQt`: as for
    // DobierzKrok.
    void Zastosuj(double minimum, double maksimum, const QRectF& obszar, double udzialQt,
                  const std::function<bool(const QRectF&)>& wolne);

    double Minimum() const { return minimum_; }
    double Maksimum() const { return maksimum_; }
    double Krok() const { return krok_; }
    QStringList Etykiety() const;

private:
    QString Format() const;
    QRectF MiejsceEtykiety(double wartosc, const QString& tekst, const QRectF& obszar) const;

    QCategoryAxis* os_;
    bool pionowa_;
    ZakresOsiWykresu zakres_;
    double minimum_ = 0.0;
    double maksimum_ = 1.0;
    double krok_ = 0.0;
    std::vector<double> wartosci_;
    QStringList etykiety_;
    bool zastosowana_ = false;
};
