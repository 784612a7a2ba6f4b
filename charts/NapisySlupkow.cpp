#include "NapisySlupkow.h"

#include <QFont>
#include <QFontMetricsF>

#include <cmath>

namespace {

// The least free space between two values side by side, in pixels.
constexpr double Odstep = 4.0;
// Space a value needs above its point: the text and the label's padding.
constexpr double ZapasNadPunktem = 6.0;

QFont Pismo(int piksele) {
    QFont czcionka;
    czcionka.setPixelSize(piksele);
    return czcionka;
}

QStringList WaskieOdstepy(QStringList teksty) {
    for (QString& tekst : teksty) {
        for (QChar& znak : tekst) {
            if (znak == QChar::Nbsp || znak == QLatin1Char(' ')) {
                znak = QChar(0x202F);
            }
        }
    }
    return teksty;
}

QList<double> Szerokosci(const QStringList& teksty, const QFontMetricsF& miara) {
    QList<double> szerokosci;
    for (const QString& tekst : teksty) {
        szerokosci.append(miara.horizontalAdvance(tekst));
    }
    return szerokosci;
}

bool Zachodza(const QList<double>& szerokosci, qsizetype i, double miejsce) {
    return (szerokosci[i - 1] + szerokosci[i]) / 2.0 + Odstep > miejsce;
}

// Where the values stand by themselves: just above their bars, inside the
// top of a bar that reaches the top of the plot.
QList<double> PunktyWlasne(const QList<double>& szczyty, double linia, double wysokosc) {
    const double najwyzej = wysokosc - linia - ZapasNadPunktem;
    QList<double> punkty;
    for (const double szczyt : szczyty) {
        punkty.append(szczyt > najwyzej ? szczyt - linia - ZapasNadPunktem : szczyt);
    }
    return punkty;
}

bool Zderzaja(const QList<double>& szerokosci, const QList<double>& punkty, double linia,
              qsizetype i, double miejsce) {
    return Zachodza(szerokosci, i, miejsce) && std::abs(punkty[i] - punkty[i - 1]) < linia;
}

} // namespace

NapisySlupkow NapisySlupkow::Rozmiesc(const QStringList& teksty, const QList<double>& szczyty,
                                      double miejsce, double wysokosc) {
    NapisySlupkow wynik;
    QList<double> szerokosci;
    double linia = 0.0;
    // As always first; then narrow groups in smaller and smaller type.
    for (int proba = 0; proba <= Czcionka - NajmniejszaCzcionka + 1; ++proba) {
        wynik.RozmiarCzcionki = proba == 0 ? Czcionka : Czcionka + 1 - proba;
        wynik.Teksty = proba == 0 ? teksty : WaskieOdstepy(teksty);
        const QFontMetricsF miara(Pismo(wynik.RozmiarCzcionki));
        szerokosci = Szerokosci(wynik.Teksty, miara);
        linia = miara.height();
        wynik.Punkty = PunktyWlasne(szczyty, linia, wysokosc);
        bool zderzenie = false;
        for (qsizetype i = 1; i < wynik.Punkty.size() && !zderzenie; ++i) {
            zderzenie = Zderzaja(szerokosci, wynik.Punkty, linia, i, miejsce);
        }
        if (!zderzenie) {
            return wynik;
        }
    }

    // Still too wide: a value that meets its left neighbour stands a line
    // above it, or below it where the plot ends.
    const double najwyzej = wysokosc - linia - ZapasNadPunktem;
    for (qsizetype i = 1; i < wynik.Punkty.size(); ++i) {
        if (Zderzaja(szerokosci, wynik.Punkty, linia, i, miejsce)) {
            const double wyzej = wynik.Punkty[i - 1] + linia;
            wynik.Punkty[i] = wyzej <= najwyzej ? wyzej : wynik.Punkty[i - 1] - linia;
        }
    }
    return wynik;
}
