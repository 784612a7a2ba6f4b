#include "SeriaWykresu.h"

#include "FormatLiczby.h"
#include "NapisySlupkow.h"
#include "PrzerzedzenieLinii.h"
#include "Wykres.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>

#include <cmath>

namespace {

constexpr double SzerokoscSlupka = 0.7;
constexpr qreal GruboscLinii = 2.0;

QBrush GradientSlupka(const QColor& kolor) {
    QLinearGradient gradient(0.0, 0.0, 0.0, 1.0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0.0, kolor.lighter(165));
    gradient.setColorAt(0.6, kolor);
    gradient.setColorAt(1.0, kolor.darker(115));
    return gradient;
}

QBrush GradientKuli(const QColor& kolor) {
    QRadialGradient gradient(0.35, 0.35, 0.65);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0.0, kolor.lighter(180));
    gradient.setColorAt(1.0, kolor.darker(130));
    return gradient;
}

} // namespace

SeriaWykresu::SeriaWykresu(Wykres& wykres, Rodzaj rodzaj, const QColor& kolor, const QString& tytul)
    : wykres_(wykres), rodzaj_(rodzaj), kolor_(kolor), tytul_(tytul) {
    QChart* chart = wykres_.chart();
    switch (rodzaj_) {
    case Rodzaj::Linia: {
        auto* linia = new QLineSeries;
        QPen pioro(kolor_);
        pioro.setWidthF(GruboscLinii);
        linia->setPen(pioro);
        xy_ = linia;
        break;
    }
    case Rodzaj::Punkty:
        xy_ = new QScatterSeries;
        break;
    case Rodzaj::Slupki:
        slupkiQt_ = new QStackedBarSeries;
        slupkiQt_->setBarWidth(SzerokoscSlupka);
        break;
    }
    QAbstractSeries* seria = SeriaQt();
    seria->setName(tytul_);
    chart->addSeries(seria);
    if (xy_) {
        seria->attachAxis(wykres_.OsWartosci(Wykres::Os::Dolna));
        UstawWygladPunktow();
    } else {
        seria->attachAxis(wykres_.Kategorie());
    }
    seria->attachAxis(wykres_.OsWartosci(Wykres::Os::Lewa));
}

SeriaWykresu::~SeriaWykresu() = default;

void SeriaWykresu::UstawFormatWartosci(const QString& wzorzec) {
    formatWartosci_ = wzorzec;
    Zmieniona();
}

QString SeriaWykresu::TekstOstatniejWartosci() const {
    if (punkty_.isEmpty()) {
        return {};
    }
    return FormatujLiczbe(punkty_.last().y(), FormatWartosciLubDomyslny());
}

QString SeriaWykresu::FormatWartosciLubDomyslny() const {
    return formatWartosci_.isEmpty() ? DomyslnyFormatLiczb : formatWartosci_;
}

void SeriaWykresu::UstawAktywna(bool aktywna) {
    aktywna_ = aktywna;
    Zmieniona();
}

void SeriaWykresu::UstawZnaczniki(int polowaRozmiaru, bool plaskie) {
    polowaZnacznika_ = polowaRozmiaru;
    plaskie_ = plaskie;
    UstawWygladPunktow();
}

void SeriaWykresu::UstawWygladPunktow() {
    auto* punkty = qobject_cast<QScatterSeries*>(xy_);
    if (!punkty) {
        return;
    }
    punkty->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    punkty->setMarkerSize(2 * polowaZnacznika_ + 1);
    punkty->setColor(kolor_);
    punkty->setBrush(plaskie_ ? QBrush(kolor_) : GradientKuli(kolor_));
    punkty->setBorderColor(kolor_.darker(150));
}

void SeriaWykresu::Wyczysc() {
    punkty_.clear();
    koloryPunktow_.clear();
    slupki_.clear();
    Zmieniona();
}

void SeriaWykresu::DodajPunkt(double x, double y) {
    DodajPunkt(x, y, QColor());
}

void SeriaWykresu::DodajPunkt(double x, double y, const QColor& kolor) {
    punkty_.append(QPointF(x, y));
    koloryPunktow_.append(kolor == kolor_ ? QColor() : kolor);
    Zmieniona();
}

void SeriaWykresu::DodajPunkty(const QList<QPointF>& punkty) {
    punkty_.append(punkty);
    koloryPunktow_.resize(punkty_.size());
    Zmieniona();
}

void SeriaWykresu::DodajSlupek(double wartosc, const QString& etykieta, const QColor& kolor) {
    punkty_.append(QPointF(static_cast<double>(slupki_.size()), wartosc));
    koloryPunktow_.append(kolor);
    slupki_.append(Slupek{wartosc, etykieta, kolor});
    Zmieniona();
}

QColor SeriaWykresu::KolorPunktu(qsizetype i) const {
    const QColor& kolor = koloryPunktow_.at(i);
    return kolor.isValid() ? kolor : kolor_;
}

QAbstractSeries* SeriaWykresu::SeriaQt() const {
    if (xy_) {
        return xy_;
    }
    return slupkiQt_;
}

QStringList SeriaWykresu::NapisyNadSlupkami() const {
    QStringList napisy;
    for (qsizetype i = 0; i < slupki_.size(); ++i) {
        napisy.append(napisy_.at(static_cast<std::size_t>(i))->pointLabelsFormat());
    }
    return napisy;
}

QFont SeriaWykresu::CzcionkaNapisowNadSlupkami() const {
    return napisy_.empty() ? CzcionkaNapisu(NapisySlupkow::Czcionka)
                           : napisy_.front()->pointLabelsFont();
}

void SeriaWykresu::Zmieniona() {
    zmieniona_ = true;
    wykres_.Zaplanuj();
}

bool SeriaWykresu::WymagaSynchronizacji(const Uklad& uklad) const {
    if (zmieniona_) {
        return true;
    }
    switch (rodzaj_) {
    case Rodzaj::Linia:
        return uklad.XMin != uklad_.XMin || uklad.XMax != uklad_.XMax ||
               uklad.Obszar.width() != uklad_.Obszar.width();
    case Rodzaj::Slupki:
        return uklad.YMin != uklad_.YMin || uklad.YMax != uklad_.YMax ||
               uklad.Obszar != uklad_.Obszar;
    case Rodzaj::Punkty:
        break;
    }
    return false;
}

void SeriaWykresu::Zsynchronizuj(const Uklad& uklad) {
    if (!WymagaSynchronizacji(uklad)) {
        return;
    }
    zmieniona_ = false;
    uklad_ = uklad;
    SeriaQt()->setVisible(aktywna_);

    switch (rodzaj_) {
    case Rodzaj::Linia:
        xy_->replace(PrzerzedzLinie(punkty_, uklad.XMin, uklad.XMax,
                                    static_cast<int>(std::ceil(uklad.Obszar.width()))));
        break;
    case Rodzaj::Punkty:
        xy_->replace(punkty_);
        xy_->clearPointsConfiguration();
        for (qsizetype i = 0; i < koloryPunktow_.size(); ++i) {
            if (koloryPunktow_[i].isValid()) {
                xy_->setPointConfiguration(static_cast<int>(i),
                                           QXYSeries::PointConfiguration::Color, koloryPunktow_[i]);
            }
        }
        break;
    case Rodzaj::Slupki:
        ZsynchronizujSlupki(uklad);
        break;
    }
}

void SeriaWykresu::ZsynchronizujSlupki(const Uklad& uklad) {
    QBarCategoryAxis* kategorie = wykres_.Kategorie();
    QStringList etykiety;
    for (const Slupek& s : slupki_) {
        etykiety.append(s.Etykieta);
    }
    if (kategorie->categories() != etykiety) {
        kategorie->clear();
        kategorie->append(etykiety);
    }

    // Qt Charts colours a bar set, not a bar: one set per bar, each holding
    // its value in its own place and zeros elsewhere, stacked.
    slupkiQt_->clear();
    const qsizetype n = slupki_.size();
    for (qsizetype i = 0; i < n; ++i) {
        auto* zestaw = new QBarSet(slupki_[i].Etykieta);
        QList<qreal> wartosci(n, 0.0);
        wartosci[i] = slupki_[i].Wartosc;
        zestaw->append(wartosci);
        zestaw->setBrush(GradientSlupka(slupki_[i].Kolor));
        zestaw->setPen(QPen(slupki_[i].Kolor.darker(140)));
        slupkiQt_->append(zestaw);
    }

    // The value above a bar is the label of an invisible point on its top:
    // a set's own labels skip a bar of value 0. The label's format string is
    // the formatted value itself, so it reads as the series' value format.
    QChart* chart = wykres_.chart();
    while (napisy_.size() < static_cast<std::size_t>(n)) {
        auto* napis = new QScatterSeries;
        napis->setMarkerSize(1.0);
        napis->setColor(Qt::transparent);
        napis->setBorderColor(Qt::transparent);
        napis->setPointLabelsVisible(true);
        napis->setPointLabelsClipping(false);
        napis->setPointLabelsColor(Qt::black);
        chart->addSeries(napis);
        napis->attachAxis(kategorie);
        napis->attachAxis(wykres_.OsWartosci(Wykres::Os::Lewa));
        napisy_.push_back(napis);
    }
    // The values are placed in pixels of the plot, then turned back into the
    // chart's units.
    const QString format = FormatWartosciLubDomyslny();
    const double jednostekNaPiksel =
        uklad.Obszar.height() > 0 ? (uklad.YMax - uklad.YMin) / uklad.Obszar.height() : 0.0;
    QStringList teksty;
    QList<double> szczyty;
    for (const Slupek& slupek : slupki_) {
        teksty.append(FormatujLiczbe(slupek.Wartosc, format));
        szczyty.append(jednostekNaPiksel > 0 ? (slupek.Wartosc - uklad.YMin) / jednostekNaPiksel
                                             : 0.0);
    }
    const NapisySlupkow napisy = NapisySlupkow::Rozmiesc(
        teksty, szczyty, n > 0 ? uklad.Obszar.width() / static_cast<double>(n) : 0.0,
        uklad.Obszar.height());
    const QFont czcionka = CzcionkaNapisu(napisy.RozmiarCzcionki);
    for (std::size_t i = 0; i < napisy_.size(); ++i) {
        QScatterSeries* napis = napisy_[i];
        const bool jest = i < static_cast<std::size_t>(n);
        napis->setVisible(jest && aktywna_);
        if (!jest) {
            napis->clear();
            continue;
        }
        const auto k = static_cast<qsizetype>(i);
        const double y = uklad.YMin + napisy.Punkty[k] * jednostekNaPiksel;
        napis->replace(QList<QPointF>{QPointF(static_cast<double>(i), y)});
        napis->setPointLabelsFont(czcionka);
        napis->setPointLabelsFormat(napisy.Teksty[k]);
    }
}

QFont SeriaWykresu::CzcionkaNapisu(int piksele) {
    QFont czcionka;
    czcionka.setPixelSize(piksele);
    return czcionka;
}
