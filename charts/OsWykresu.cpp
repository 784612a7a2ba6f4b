#include "OsWykresu.h"

#include "FormatLiczby.h"

#include <QCategoryAxis>
#include <QFontMetricsF>

#include <cmath>

namespace {
constexpr double Tolerancja = 1e-9;
// Between the plot's edge and a label, as Qt Charts lays them out.
constexpr double OdstepEtykiety = 4.0;
constexpr double OdstepMiedzyEtykietami = 4.0;
// Qt Charts takes twice its label padding from each label's share.
constexpr double ZapasQt = 10.5;
} // namespace

ZakresOsiWykresu ZakresOsiWykresu::Staly(double minimum, double maksimum, double przyrost,
                                         const QString& format) {
    return ZakresOsiWykresu{minimum, maksimum, przyrost, format};
}

ZakresOsiWykresu ZakresOsiWykresu::Automatyczny(double przyrost, const QString& format) {
    return ZakresOsiWykresu{std::nullopt, std::nullopt, przyrost, format};
}

double DobierzKrok(double minimum, double maksimum, double przyrost, double dlugosc,
                   double udzialQt, const std::function<MiaraEtykiet(double)>& etykiety) {
    const double rozpietosc = maksimum - minimum;
    if (!(rozpietosc > 0.0)) {
        return przyrost > 0.0 ? przyrost : 1.0;
    }
    // Without an increment the candidates are the round numbers 1, 2, 5 x 10^k
    // from a thousandth of the span; with one, its multiples 1, 2, 5, 10, ...
    double podstawa = przyrost;
    if (!(podstawa > 0.0)) {
        podstawa = std::pow(10.0, std::floor(std::log10(rozpietosc)) - 3.0);
    }
    constexpr double Mnozniki[] = {1.0, 2.0, 5.0};
    for (double rzad = 1.0;; rzad *= 10.0) {
        for (double m : Mnozniki) {
            const double krok = podstawa * m * rzad;
            if (krok >= rozpietosc) {
                return krok;
            }
            const double odstep = dlugosc * krok / rozpietosc;
            if (odstep < 4.0) {
                continue; // no label is that small: spare the measuring
            }
            const MiaraEtykiet miara = etykiety(krok);
            if (odstep >= miara.Rozmiar + OdstepMiedzyEtykietami &&
                udzialQt / (miara.Liczba + 1.0) - ZapasQt >= miara.Rozmiar) {
                return krok;
            }
        }
    }
}

std::vector<double> WartosciPodzialki(double minimum, double maksimum, double krok) {
    std::vector<double> wartosci;
    if (!(krok > 0.0) || maksimum < minimum) {
        return wartosci;
    }
    const double pierwsza = std::ceil(minimum / krok - Tolerancja);
    const double ostatnia = std::floor(maksimum / krok + Tolerancja);
    for (double k = pierwsza; k <= ostatnia; k += 1.0) {
        const double v = k * krok;
        wartosci.push_back(v == 0.0 ? 0.0 : v); // no "-0"
    }
    return wartosci;
}

OsWykresu::OsWykresu(bool pionowa) : os_(new QCategoryAxis), pionowa_(pionowa) {
    os_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
}

QString OsWykresu::Format() const {
    return zakres_.Format.isEmpty() ? DomyslnyFormatLiczb : zakres_.Format;
}

QRectF OsWykresu::MiejsceEtykiety(double wartosc, const QString& tekst,
                                  const QRectF& obszar) const {
    const QFontMetricsF miara(os_->labelsFont());
    const QSizeF rozmiar(miara.horizontalAdvance(tekst), miara.height());
    const double czesc = maksimum_ > minimum_ ? (wartosc - minimum_) / (maksimum_ - minimum_) : 0;
    if (pionowa_) {
        const double y = obszar.bottom() - czesc * obszar.height();
        return QRectF(
            QPointF(obszar.left() - OdstepEtykiety - rozmiar.width(), y - rozmiar.height() / 2),
            rozmiar);
    }
    const double x = obszar.left() + czesc * obszar.width();
    return QRectF(QPointF(x - rozmiar.width() / 2, obszar.bottom() + OdstepEtykiety), rozmiar);
}

void OsWykresu::Zastosuj(double minimum, double maksimum, const QRectF& obszar, double udzialQt,
                         const std::function<bool(const QRectF&)>& wolne) {
    minimum_ = minimum;
    maksimum_ = maksimum;
    const QFontMetricsF miara(os_->labelsFont());
    const QString format = Format();
    std::vector<double> wartosci;
    QStringList etykiety;
    // The labels of a step that can be written: a picture too coarse for the
    // step would repeat one (the labels are the keys of the categories), and
    // a label whose place `wolne` refuses would not read.
    const auto wybierz = [&](double krok) {
        wartosci.clear();
        etykiety.clear();
        MiaraEtykiet wynik;
        for (double v : WartosciPodzialki(minimum, maksimum, krok)) {
            const QString tekst = FormatujLiczbe(v, format);
            if (!etykiety.contains(tekst) && wolne(MiejsceEtykiety(v, tekst, obszar))) {
                wartosci.push_back(v);
                etykiety.append(tekst);
                wynik.Rozmiar = std::max(wynik.Rozmiar, pionowa_ ? miara.height()
                                                                 : miara.horizontalAdvance(tekst));
            }
        }
        wynik.Liczba = static_cast<int>(etykiety.size());
        return wynik;
    };
    const double dlugosc = pionowa_ ? obszar.height() : obszar.width();
    krok_ = DobierzKrok(minimum, maksimum, zakres_.Przyrost, dlugosc, udzialQt, wybierz);
    wybierz(krok_);

    if (zastosowana_ && os_->min() == minimum && os_->max() == maksimum && wartosci == wartosci_ &&
        etykiety == etykiety_) {
        return;
    }
    zastosowana_ = true;
    wartosci_ = std::move(wartosci);
    etykiety_ = std::move(etykiety);

    for (const QString& etykieta : os_->categoriesLabels()) {
        os_->remove(etykieta);
    }
    os_->setRange(minimum, maksimum);
    os_->setStartValue(minimum);
    for (qsizetype i = 0; i < etykiety_.size(); ++i) {
        os_->append(etykiety_[i], wartosci_[static_cast<std::size_t>(i)]);
    }
}

QStringList OsWykresu::Etykiety() const {
    return os_->categoriesLabels();
}
