#include "NapisySlupkow.h"

#include "FormatLiczby.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QRectF>
#include <QTest>

namespace {

const QLocale Polski(QLocale::Polish, QLocale::Poland);

QStringList Teksty(const QList<double>& wartosci) {
    QStringList teksty;
    for (const double w : wartosci) {
        teksty.append(FormatujLiczbe(w, DomyslnyFormatLiczb, Polski));
    }
    return teksty;
}

// The bars' tops in pixels of a plot `wysokosc` high whose axis ends at `max`.
QList<double> Szczyty(const QList<double>& wartosci, double max, double wysokosc) {
    QList<double> szczyty;
    for (const double w : wartosci) {
        szczyty.append(w / max * wysokosc);
    }
    return szczyty;
}

// The place each value takes, drawn centred above its point.
QList<QRectF> Miejsca(const NapisySlupkow& n, double miejsce) {
    QFont czcionka;
    czcionka.setPixelSize(n.RozmiarCzcionki);
    const QFontMetricsF miara(czcionka);
    QList<QRectF> miejsca;
    for (qsizetype i = 0; i < n.Teksty.size(); ++i) {
        const double w = miara.horizontalAdvance(n.Teksty[i]);
        miejsca.append(QRectF((i + 0.5) * miejsce - w / 2, n.Punkty[i], w, miara.height()));
    }
    return miejsca;
}

QString BezOdstepow(QString tekst) {
    return tekst.remove(QChar::Nbsp).remove(QChar(0x202F));
}

} // namespace

class TestNapisySlupkow : public QObject {
    Q_OBJECT

private slots:
    // Small counts are written as always: 10-pixel type, locale grouping,
    // just above the bars.
    void maleLiczbyJakZawsze() {
        const QList<double> wartosci = {6, 25, 38, 25, 6};
        const QList<double> szczyty = Szczyty(wartosci, 100, 120);
        const NapisySlupkow n =
            NapisySlupkow::Rozmiesc(Teksty({6, 25, 38, 25, 1250}), szczyty, 44, 120);
        QCOMPARE(n.RozmiarCzcionki, 10);
        QCOMPARE(n.Teksty, Teksty({6, 25, 38, 25, 1250}));
        QCOMPARE(n.Punkty, szczyty);
    }

    // Seven bars of six and seven digits, on the widths of the histograms
    // (the computation page's, the results' pair) and at the heights a run
    // gives: no value runs into another, each stays inside the plot, the
    // digits are all there.
    void duzeLiczbySieNieZachodza_data() {
        QTest::addColumn<QList<double>>("wartosci");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("miejsce");
        const QList<double> losowa = {15625, 93750, 234375, 312500, 234375, 93750, 15625};
        const QList<double> rowne(7, 1000000);
        const QList<double> schodki = {999999, 999998, 888888, 777777, 666666, 555555, 444444};
        for (const double miejsce : {31.0, 27.0}) {
            const QByteArray m = QByteArray::number(miejsce);
            QTest::addRow("losowa 100³, %s px", m.data()) << losowa << 500000.0 << miejsce;
            QTest::addRow("losowa na osi do miliona, %s px", m.data())
                << losowa << 1000000.0 << miejsce;
            QTest::addRow("same miliony, %s px", m.data()) << rowne << 1000000.0 << miejsce;
            QTest::addRow("schodki, %s px", m.data()) << schodki << 1000000.0 << miejsce;
        }
    }

    void duzeLiczbySieNieZachodza() {
        QFETCH(QList<double>, wartosci);
        QFETCH(double, max);
        QFETCH(double, miejsce);
        const double wysokosc = 100;
        const QStringList teksty = Teksty(wartosci);
        const NapisySlupkow n =
            NapisySlupkow::Rozmiesc(teksty, Szczyty(wartosci, max, wysokosc), miejsce, wysokosc);
        QVERIFY(n.RozmiarCzcionki >= NapisySlupkow::NajmniejszaCzcionka);
        // As always, or all grouped narrowly.
        QVERIFY(n.Teksty == teksty || !n.Teksty.join(QString()).contains(QChar::Nbsp));
        const QList<QRectF> miejsca = Miejsca(n, miejsce);
        for (qsizetype i = 0; i < miejsca.size(); ++i) {
            QCOMPARE(BezOdstepow(n.Teksty[i]), BezOdstepow(teksty[i]));
            QVERIFY2(miejsca[i].top() >= 0 && miejsca[i].bottom() <= wysokosc,
                     qPrintable(n.Teksty[i]));
            for (qsizetype j = i + 1; j < miejsca.size(); ++j) {
                QVERIFY2(!miejsca[i].intersects(miejsca[j]),
                         qPrintable(n.Teksty[i] + " / " + n.Teksty[j]));
            }
        }
    }

    // A bar reaching the top of the plot has its value inside its top.
    void wartoscPelnegoSlupkaWewnatrz() {
        const NapisySlupkow n = NapisySlupkow::Rozmiesc(Teksty({100, 0}), {120, 0}, 44, 120);
        QVERIFY(n.Punkty[0] < 120 - 10);
        QCOMPARE(n.Punkty[1], 0.0);
    }
};

QTEST_MAIN(TestNapisySlupkow)
#include "NapisySlupkowTest.moc"
