#include "FormatLiczby.h"

#include <cmath>

namespace {

struct Wzorzec {
    QString przed;
    QString po;
    int minCyfrCalkowitych = 0;
    int minCyfrUlamka = 0;
    int maxCyfrUlamka = 0;
    bool grupowanie = false;
};

bool JestCyfra(QChar z) {
    return z == u'0' || z == u'#';
}

// Literal text with the quotes of a quoted piece removed.
QString BezCudzyslowow(const QString& tekst) {
    QString wynik;
    QChar cudzyslow;
    for (QChar z : tekst) {
        if (!cudzyslow.isNull()) {
            if (z == cudzyslow) {
                cudzyslow = QChar();
            } else {
                wynik += z;
            }
        } else if (z == u'"' || z == u'\'') {
            cudzyslow = z;
        } else {
            wynik += z;
        }
    }
    return wynik;
}

Wzorzec Rozbierz(const QString& caly) {
    Wzorzec w;
    // The first section only, and quoted text is never a placeholder.
    QString tekst;
    QChar cudzyslow;
    int pierwsza = -1;
    int ostatnia = -1;
    for (QChar z : caly) {
        if (cudzyslow.isNull() && z == u';') {
            break;
        }
        if (!cudzyslow.isNull()) {
            if (z == cudzyslow) {
                cudzyslow = QChar();
            }
        } else if (z == u'"' || z == u'\'') {
            cudzyslow = z;
        } else if (JestCyfra(z)) {
            if (pierwsza < 0) {
                pierwsza = static_cast<int>(tekst.size());
            }
            ostatnia = static_cast<int>(tekst.size());
        }
        tekst += z;
    }
    if (pierwsza < 0) {
        w.przed = BezCudzyslowow(tekst);
        return w;
    }
    w.przed = BezCudzyslowow(tekst.left(pierwsza));
    w.po = BezCudzyslowow(tekst.mid(ostatnia + 1));
    bool ulamek = false;
    for (QChar z : tekst.mid(pierwsza, ostatnia - pierwsza + 1)) {
        if (z == u'.' && !ulamek) {
            ulamek = true;
        } else if (JestCyfra(z)) {
            if (ulamek) {
                ++w.maxCyfrUlamka;
                w.minCyfrUlamka += z == u'0' ? 1 : 0;
            } else {
                w.minCyfrCalkowitych += z == u'0' ? 1 : 0;
            }
        } else if (!ulamek && (z == u',' || z == u' ')) {
            w.grupowanie = true;
        }
    }
    return w;
}

} // namespace

QString FormatujLiczbe(double wartosc, const QString& wzorzec, const QLocale& jezyk) {
    QLocale l = jezyk;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    if (wzorzec.isEmpty()) {
        return l.toString(wartosc, 'g', 15);
    }
    const Wzorzec w = Rozbierz(wzorzec);

    // Rounded to the places of the picture first, so that no "-0" is left.
    const double skala = std::pow(10.0, w.maxCyfrUlamka);
    const bool zero = std::round(std::fabs(wartosc) * skala) == 0.0;
    QString liczba = l.toString(zero ? 0.0 : std::fabs(wartosc), 'f', w.maxCyfrUlamka);

    const QString przecinek = l.decimalPoint();
    const QString cyfraZero = l.zeroDigit();
    qsizetype calkowite = liczba.indexOf(przecinek);
    if (calkowite >= 0) {
        // Optional decimals ("#") are dropped while they are zeros.
        qsizetype koniec = liczba.size();
        const qsizetype minKoniec = calkowite + przecinek.size() + w.minCyfrUlamka;
        while (koniec > minKoniec &&
               liczba.mid(koniec - cyfraZero.size(), cyfraZero.size()) == cyfraZero) {
            koniec -= cyfraZero.size();
        }
        liczba.truncate(koniec == calkowite + przecinek.size() ? calkowite : koniec);
    }
    calkowite = liczba.indexOf(przecinek);
    if (calkowite < 0) {
        calkowite = liczba.size();
    }
    if (w.minCyfrCalkowitych == 0 && calkowite == cyfraZero.size() &&
        liczba.startsWith(cyfraZero) && liczba.size() > calkowite) {
        // "#.##" writes 0.57 as ".57".
        liczba.remove(0, cyfraZero.size());
        calkowite = 0;
    } else if (calkowite < w.minCyfrCalkowitych) {
        liczba.insert(0, cyfraZero.repeated(w.minCyfrCalkowitych - calkowite));
        calkowite = w.minCyfrCalkowitych;
    }
    if (w.grupowanie) {
        // Every three digits, as the picture asks; the locale's own rule
        // (Polish leaves four-digit numbers whole) would make columns of
        // labels uneven.
        for (qsizetype i = calkowite - 3; i > 0; i -= 3) {
            liczba.insert(i, l.groupSeparator());
        }
    }
    if (wartosc < 0 && !zero) {
        liczba.prepend(l.negativeSign());
    }
    return w.przed + liczba + w.po;
}
