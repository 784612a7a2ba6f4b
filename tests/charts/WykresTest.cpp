#include "Wykres.h"

#include "Podpowiedz.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QTest>
#include <QToolTip>

#include <cmath>

namespace {

// The titles legend: the chart's only label of plain text.
const QLabel* LegendaTytulow(const Wykres& wykres) {
    for (const QLabel* l : wykres.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (l->textFormat() == Qt::PlainText) {
            return l;
        }
    }
    return nullptr;
}

using Os = Wykres::Os;
using Rodzaj = SeriaWykresu::Rodzaj;

struct Pokazany {
    Wykres wykres;
    explicit Pokazany(QSize rozmiar = QSize(278, 177)) {
        wykres.resize(rozmiar);
        wykres.show();
    }
    void Odswiez() {
        QCoreApplication::processEvents();
        wykres.Odswiez();
    }
};

QXYSeries* Xy(SeriaWykresu* s) {
    return static_cast<QXYSeries*>(s->SeriaQt());
}

// The texts Qt Charts has drawn (axis labels, legend), "..." marking one it
// has shortened.
QStringList NapisyQt(Wykres& w) {
    QStringList napisy;
    for (QGraphicsItem* element : w.scene()->items()) {
        const auto* tekst = dynamic_cast<const QGraphicsTextItem*>(element);
        if (tekst && tekst->isVisible()) {
            napisy.append(tekst->toPlainText());
        }
    }
    return napisy;
}

double Liczba(QString etykieta) {
    return QLocale::c().toDouble(etykieta.remove(QLatin1Char(',')));
}

} // namespace

class TestWykres : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void rodzajeSerii() {
        Pokazany p;
        SeriaWykresu* linia = p.wykres.DodajSerie(Rodzaj::Linia, Qt::red);
        SeriaWykresu* punkty = p.wykres.DodajSerie(Rodzaj::Punkty, Qt::blue, QStringLiteral("b"));
        punkty->UstawZnaczniki(3, true);
        QVERIFY(qobject_cast<QLineSeries*>(linia->SeriaQt()));
        QVERIFY(!Xy(linia)->pointsVisible());
        QCOMPARE(Xy(linia)->color(), QColor(Qt::red));
        auto* rozrzut = qobject_cast<QScatterSeries*>(punkty->SeriaQt());
        QVERIFY(rozrzut);
        QCOMPARE(rozrzut->markerShape(), QScatterSeries::MarkerShapeCircle);
        QCOMPARE(rozrzut->markerSize(), 7.0);
        QCOMPARE(rozrzut->brush().style(), Qt::SolidPattern);
        punkty->UstawZnaczniki(4, false);
        QCOMPARE(rozrzut->markerSize(), 9.0);
        QCOMPARE(rozrzut->brush().style(), Qt::RadialGradientPattern);
        QCOMPARE(p.wykres.Serie().size(), std::size_t(2));

        Pokazany s;
        SeriaWykresu* slupki = s.wykres.DodajSerie(Rodzaj::Slupki, Qt::green);
        QVERIFY(qobject_cast<QStackedBarSeries*>(slupki->SeriaQt()));
    }

    void punktyTrafiajaDoQtRazNaObrotPetli() {
        Pokazany p;
        SeriaWykresu* s = p.wykres.DodajSerie(Rodzaj::Linia, Qt::red);
        p.Odswiez();
        s->DodajPunkt(0, 1);
        s->DodajPunkt(1, 2);
        QCOMPARE(s->LiczbaPunktow(), 2);
        QCOMPARE(Xy(s)->count(), 0);
        QTRY_COMPARE(Xy(s)->points(), (QList<QPointF>{{0, 1}, {1, 2}}));
        // Points that follow soon after wait for the least time between two
        // hand-overs, then arrive together.
        s->DodajPunkt(2, 3);
        QCoreApplication::processEvents();
        QCOMPARE(Xy(s)->count(), 2);
        QTRY_COMPARE(Xy(s)->count(), 3);
        s->DodajPunkty({{3, 4}, {4, 5}});
        p.wykres.Odswiez();
        QCOMPARE(Xy(s)->count(), 5);
        s->Wyczysc();
        p.wykres.Odswiez();
        QCOMPARE(s->LiczbaPunktow(), 0);
        QCOMPARE(Xy(s)->count(), 0);
    }

    void ukrytyWykresCzekaNaPokazanie() {
        QWidget strona;
        Wykres wykres(&strona);
        SeriaWykresu* s = wykres.DodajSerie(Rodzaj::Linia, Qt::red);
        s->DodajPunkt(0, 1);
        QCoreApplication::processEvents();
        QCOMPARE(Xy(s)->count(), 0);
        strona.show();
        QTRY_COMPARE(Xy(s)->count(), 1);
        // Hidden again (another page in front): points wait, then arrive.
        strona.hide();
        s->DodajPunkt(1, 2);
        QCoreApplication::processEvents();
        QCOMPARE(Xy(s)->count(), 1);
        strona.show();
        QTRY_COMPARE(Xy(s)->count(), 2);
    }

    void kolorPunktu() {
        Pokazany p;
        SeriaWykresu* s = p.wykres.DodajSerie(Rodzaj::Punkty, Qt::red);
        s->DodajPunkt(0, 0);
        s->DodajPunkt(1, 1, Qt::blue);
        s->DodajPunkt(2, 2, Qt::red);
        QCOMPARE(s->KolorPunktu(0), QColor(Qt::red));
        QCOMPARE(s->KolorPunktu(1), QColor(Qt::blue));
        QCOMPARE(s->KolorPunktu(2), QColor(Qt::red));
        p.Odswiez();
        const auto konfiguracja = Xy(s)->pointsConfiguration();
        QCOMPARE(konfiguracja.size(), 1);
        QCOMPARE(konfiguracja.value(1).value(QXYSeries::PointConfiguration::Color).value<QColor>(),
                 QColor(Qt::blue));
    }

    void dlugaLiniaJestPrzerzedzana() {
        Pokazany p;
        p.wykres.UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, 1000000, 1000));
        SeriaWykresu* s = p.wykres.DodajSerie(Rodzaj::Linia, Qt::red);
        for (int i = 0; i < 10000; ++i) {
            s->DodajPunkt(i * 100, std::sin(i * 0.7));
        }
        p.Odswiez();
        QCOMPARE(s->LiczbaPunktow(), 10000);
        const double szerokosc = p.wykres.chart()->plotArea().width();
        QVERIFY(Xy(s)->count() <= 4 * (std::ceil(szerokosc) + 2));
        QVERIFY(Xy(s)->count() >= szerokosc);
        QCOMPARE(Xy(s)->points().last(), s->Punkty().last());
    }

    void nieaktywnaSeria() {
        Pokazany p;
        p.wykres.UstawLegende(Wykres::Legenda::TytulySerii);
        SeriaWykresu* a = p.wykres.DodajSerie(Rodzaj::Linia, Qt::red, QStringLiteral("aktywna"));
        SeriaWykresu* b = p.wykres.DodajSerie(Rodzaj::Linia, Qt::blue, QStringLiteral("ukryta"));
        a->DodajPunkt(0, 0);
        a->DodajPunkt(1, 1);
        b->DodajPunkt(0, 50);
        b->UstawAktywna(false);
        p.Odswiez();
        QVERIFY(!b->SeriaQt()->isVisible());
        QVERIFY(a->SeriaQt()->isVisible());
        QCOMPARE(p.wykres.TekstyLegendy(), QStringList{QStringLiteral("aktywna")});
        QCOMPARE(p.wykres.Maksimum(Os::Lewa), 1.0);
        QCOMPARE(b->LiczbaPunktow(), 1);
    }

    void tytul() {
        Pokazany p;
        p.Odswiez();
        const int bezTytulu = p.wykres.chart()->margins().top();
        p.wykres.UstawTytul({QStringLiteral("Pierwsza linia"), QStringLiteral("druga linia")},
                            Qt::AlignRight);
        p.Odswiez();
        QLabel* etykieta = nullptr;
        for (QLabel* l : p.wykres.findChildren<QLabel*>()) {
            if (l->text().startsWith(QStringLiteral("Pierwsza"))) {
                etykieta = l;
            }
        }
        QVERIFY(etykieta);
        QVERIFY(etykieta->isVisible());
        QCOMPARE(etykieta->text(), QStringLiteral("Pierwsza linia\ndruga linia"));
        QVERIFY(etykieta->alignment() & Qt::AlignRight);
        // The plot moves down by the two lines.
        QVERIFY(p.wykres.chart()->margins().top() >= bezTytulu + 2 * 11);

        p.wykres.UstawTytulWidoczny(false);
        QVERIFY(!etykieta->isVisible());
        QCOMPARE(p.wykres.chart()->margins().top(), bezTytulu);
        QVERIFY(!p.wykres.TytulWidoczny());
    }

    void osStala() {
        Pokazany p;
        p.wykres.UstawOs(Os::Lewa, ZakresOsiWykresu::Staly(-0.15, 1.1, 0.1));
        p.wykres.UstawOs(Os::Dolna,
                         ZakresOsiWykresu::Staly(0, 2.45, 0.2, QStringLiteral("# ##0.###")));
        SeriaWykresu* s = p.wykres.DodajSerie(Rodzaj::Linia, Qt::red);
        s->DodajPunkt(0.5, 5); // outside: the fixed range stands
        p.Odswiez();
        QCOMPARE(p.wykres.Minimum(Os::Lewa), -0.15);
        QCOMPARE(p.wykres.Maksimum(Os::Lewa), 1.1);
        auto* lewa = qobject_cast<QCategoryAxis*>(p.wykres.chart()->axes(Qt::Vertical).first());
        QCOMPARE(lewa->min(), -0.15);
        QCOMPARE(lewa->max(), 1.1);
        const QStringList etykiety = p.wykres.EtykietyOsi(Os::Dolna);
        QVERIFY(etykiety.size() >= 3);
        QCOMPARE(etykiety.first(), QStringLiteral("0"));
        for (const QString& e : etykiety) {
            const double v = Liczba(e);
            QVERIFY(v >= 0 && v <= 2.45);
            // Multiples of the increment, written with at most three decimals.
            QVERIFY(std::abs(v / 0.2 - std::round(v / 0.2)) < 1e-9);
        }
        for (const QString& e : p.wykres.EtykietyOsi(Os::Lewa)) {
            const double v = Liczba(e);
            QVERIFY(v >= -0.15 && v <= 1.1);
            QVERIFY(std::abs(v / 0.1 - std::round(v / 0.1)) < 1e-9);
        }
    }

    void osAutomatyczna() {
        Pokazany p;
        SeriaWykresu* s = p.wykres.DodajSerie(Rodzaj::Linia, Qt::red);
        QCOMPARE(p.wykres.Minimum(Os::Lewa), 0.0);
        QCOMPARE(p.wykres.Maksimum(Os::Lewa), 1.0);
        s->DodajPunkt(0, -12);
        QCOMPARE(p.wykres.Minimum(Os::Lewa), -13.2);
        QCOMPARE(p.wykres.Maksimum(Os::Lewa), -10.8);
        s->DodajPunkt(1000, -215);
        s->DodajPunkt(2000, -190);
        QCOMPARE(p.wykres.Minimum(Os::Lewa), -215.0);
        QCOMPARE(p.wykres.Maksimum(Os::Lewa), -12.0);
        QCOMPARE(p.wykres.Minimum(Os::Dolna), 0.0);
        QCOMPARE(p.wykres.Maksimum(Os::Dolna), 2000.0);
        p.Odswiez();
        QVERIFY(!p.wykres.EtykietyOsi(Os::Lewa).isEmpty());
    }

    void osZJednymKoncemStalym() {
        Pokazany p;
        p.wykres.UstawOs(Os::Lewa, ZakresOsiWykresu{0.0, std::nullopt, 0.5, {}});
        SeriaWykresu* s = p.wykres.DodajSerie(Rodzaj::Linia, Qt::green);
        s->DodajPunkt(0.1, 0.4);
        s->DodajPunkt(1.0, 3.7);
        QCOMPARE(p.wykres.Minimum(Os::Lewa), 0.0);
        QCOMPARE(p.wykres.Maksimum(Os::Lewa), 3.7);
        p.Odswiez();
        for (const QString& e : p.wykres.EtykietyOsi(Os::Lewa)) {
            const double v = Liczba(e);
            QVERIFY(std::abs(v / 0.5 - std::round(v / 0.5)) < 1e-9);
        }
    }

    void zakresOsiWCzasieDzialania() {
        Pokazany p;
        p.wykres.UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, 100000));
        p.Odswiez();
        p.wykres.UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, 250000));
        p.Odswiez();
        QCOMPARE(p.wykres.Maksimum(Os::Dolna), 250000.0);
        auto* dolna = qobject_cast<QCategoryAxis*>(p.wykres.chart()->axes(Qt::Horizontal).first());
        QCOMPARE(dolna->max(), 250000.0);
    }

    void zadnaEtykietaNieJestSkracana_data() {
        QTest::addColumn<QSize>("rozmiar");
        QTest::addColumn<double>("lewaMin");
        QTest::addColumn<double>("lewaMax");
        QTest::addColumn<double>("lewaPrzyrost");
        QTest::addColumn<double>("dolnaMax");
        QTest::addColumn<double>("dolnaPrzyrost");
        QTest::newRow("sigma") << QSize(278, 177) << -0.15 << 1.1 << 0.1 << 1000000.0 << 0.0;
        QTest::newRow("energia") << QSize(278, 177) << -2150.0 << 0.0 << 0.0 << 100000.0 << 1000.0;
        QTest::newRow("mały") << QSize(230, 138) << 0.0 << 43.7 << 0.0 << 2.45 << 0.2;
        QTest::newRow("lambda") << QSize(409, 200) << -1.1 << 0.1 << 0.1 << 2.45 << 0.2;
        QTest::newRow("szeroki") << QSize(473, 169) << 0.0 << 1.0 << 0.1 << 1000000.0 << 0.0;
    }

    void zadnaEtykietaNieJestSkracana() {
        QFETCH(QSize, rozmiar);
        QFETCH(double, lewaMin);
        QFETCH(double, lewaMax);
        QFETCH(double, lewaPrzyrost);
        QFETCH(double, dolnaMax);
        QFETCH(double, dolnaPrzyrost);
        for (const QLocale& jezyk : {QLocale::c(), QLocale(QLocale::Polish, QLocale::Poland)}) {
            QLocale::setDefault(jezyk);
            Pokazany p(rozmiar);
            p.wykres.UstawTytul({QStringLiteral("Tytuł")});
            p.wykres.UstawOs(Os::Lewa, ZakresOsiWykresu::Staly(lewaMin, lewaMax, lewaPrzyrost));
            p.wykres.UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, dolnaMax, dolnaPrzyrost));
            p.wykres.UstawTytulOsi(Os::Dolna, QStringLiteral("ilość iteracji"), QFont());
            p.wykres.DodajSerie(Rodzaj::Linia, Qt::red)->DodajPunkt(0, lewaMin);
            p.Odswiez();
            QCoreApplication::processEvents();
            const QStringList napisy = NapisyQt(p.wykres);
            QVERIFY2(!napisy.join(QLatin1Char('|')).contains(QLatin1String("...")),
                     qPrintable(napisy.join(QLatin1Char('|'))));
            // At least the ends of the range or their neighbours read.
            QVERIFY(p.wykres.EtykietyOsi(Os::Lewa).size() >= 2);
            QVERIFY(p.wykres.EtykietyOsi(Os::Dolna).size() >= 2);
        }
    }

    void etykietaUstepujeObrazkowi() {
        Pokazany p;
        p.wykres.UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, 2.45, 0.2));
        p.wykres.UstawOs(Os::Lewa, ZakresOsiWykresu::Staly(0, 1.1, 0.1));
        p.Odswiez();
        const QStringList bez = p.wykres.EtykietyOsi(Os::Dolna);
        QVERIFY(bez.contains(QStringLiteral("2.4")));
        // A picture over the place of the label "2.4".
        const QRectF obszar = p.wykres.chart()->plotArea();
        const double x = obszar.left() + obszar.width() * 2.4 / 2.45;
        QPixmap obrazek(17, 24);
        obrazek.fill(Qt::black);
        p.wykres.DodajObrazek(obrazek, QPoint(int(x) - 8, int(obszar.bottom()) + 2));
        p.Odswiez();
        const QStringList z = p.wykres.EtykietyOsi(Os::Dolna);
        QVERIFY(!z.contains(QStringLiteral("2.4")));
        QVERIFY(z.contains(QStringLiteral("0")));
    }

    void etykietaNieWychodziZaWykres() {
        Pokazany p;
        p.wykres.UstawMarginesy({3, 4, 0, 4});
        p.wykres.UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, 100000));
        p.Odswiez();
        const QStringList etykiety = p.wykres.EtykietyOsi(Os::Dolna);
        QVERIFY(!etykiety.isEmpty());
        // "100,000" centred on the right edge would be cut in half.
        QVERIFY(!etykiety.contains(QStringLiteral("100,000")));
    }

    void slupki() {
        Pokazany p(QSize(272, 177));
        SeriaWykresu* s = p.wykres.DodajSerie(Rodzaj::Slupki, Qt::green);
        const QColor kolory[] = {QColor(0x808000), Qt::red, QColor(0x008000)};
        const double wartosci[] = {0, 12, 1500000};
        for (int n = 0; n < 3; ++n) {
            s->DodajSlupek(wartosci[n], QString::number(n), kolory[n]);
        }
        p.Odswiez();
        QCOMPARE(p.wykres.EtykietyOsi(Os::Dolna), (QStringList{"0", "1", "2"}));
        auto* qt = qobject_cast<QStackedBarSeries*>(s->SeriaQt());
        QCOMPARE(qt->count(), 3);
        for (int n = 0; n < 3; ++n) {
            QBarSet* zestaw = qt->barSets().at(n);
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(zestaw->at(i), i == n ? wartosci[n] : 0.0);
            }
            QCOMPARE(zestaw->brush().gradient()->stops().at(1).second, kolory[n]);
            QCOMPARE(s->KolorPunktu(n), kolory[n]);
        }
        // A bar of 0 has its value written too, and large values read whole.
        QCOMPARE(s->NapisyNadSlupkami(), (QStringList{"0", "12", "1,500,000"}));
        // The automatic axis stands on 0 and leaves room above the tallest bar.
        QCOMPARE(p.wykres.Minimum(Os::Lewa), 0.0);
        QVERIFY(p.wykres.Maksimum(Os::Lewa) > 1500000);

        s->Wyczysc();
        s->DodajSlupek(5, QStringLiteral("0"), kolory[0]);
        p.Odswiez();
        QCOMPARE(qt->count(), 1);
        QCOMPARE(p.wykres.EtykietyOsi(Os::Dolna), QStringList{"0"});
        QCOMPARE(s->NapisyNadSlupkami(), QStringList{"5"});
    }

    void pelnySlupekMaWartoscWewnatrz() {
        Pokazany p(QSize(272, 177));
        p.wykres.UstawOs(Os::Lewa, ZakresOsiWykresu::Staly(0, 100));
        SeriaWykresu* s = p.wykres.DodajSerie(Rodzaj::Slupki, Qt::green);
        s->DodajSlupek(100, QStringLiteral("4"), Qt::blue);
        s->DodajSlupek(40, QStringLiteral("5"), Qt::blue);
        p.Odswiez();
        // The value of a bar of the whole range would stand over the plot's
        // top edge: it is written inside the bar, the other above its bar.
        QMap<QString, double> wysokosci;
        for (QAbstractSeries* seria : p.wykres.chart()->series()) {
            auto* punkty = qobject_cast<QScatterSeries*>(seria);
            if (punkty && punkty->isVisible() && punkty->count() == 1) {
                wysokosci[punkty->pointLabelsFormat()] = punkty->at(0).y();
            }
        }
        QVERIFY(wysokosci.value(QStringLiteral("100")) < 100);
        QVERIFY(wysokosci.value(QStringLiteral("100")) > 80);
        QCOMPARE(wysokosci.value(QStringLiteral("40")), 40.0);
    }

    void legendaTytulow() {
        Pokazany p(QSize(409, 200));
        p.wykres.UstawLegende(Wykres::Legenda::TytulySerii);
        p.wykres.DodajSerie(Rodzaj::Linia, Qt::cyan, QStringLiteral("Krzywa"));
        p.wykres.DodajSerie(Rodzaj::Punkty, Qt::red, QStringLiteral("Punkty"));
        p.wykres.DodajSerie(Rodzaj::Linia, Qt::yellow);
        p.Odswiez();
        QCOMPARE(p.wykres.TekstyLegendy(),
                 (QStringList{QStringLiteral("Krzywa"), QStringLiteral("Punkty")}));
        // One line per series in plain text under the plot, not Qt's row of markers.
        QVERIFY(!p.wykres.chart()->legend()->isVisible());
        const QLabel* legenda = LegendaTytulow(p.wykres);
        QVERIFY(legenda && legenda->isVisible());
        QCOMPARE(legenda->text(), QStringLiteral("Krzywa\nPunkty"));
        QCOMPARE(legenda->textFormat(), Qt::PlainText);
        QCOMPARE(legenda->geometry().bottom(), 199);
        QVERIFY(p.wykres.chart()->plotArea().bottom() < legenda->geometry().top());
        const double dolWykresu = p.wykres.chart()->plotArea().bottom();

        p.wykres.DodajSerie(Rodzaj::Linia, Qt::green, QStringLiteral("Trzecia"));
        p.Odswiez();
        QCOMPARE(legenda->text(), QStringLiteral("Krzywa\nPunkty\nTrzecia"));
        QVERIFY2(p.wykres.chart()->plotArea().bottom() < dolWykresu, "the plot makes room");

        p.wykres.UstawLegende(Wykres::Legenda::Ukryta);
        QVERIFY(!legenda->isVisible());
        QVERIFY(p.wykres.TekstyLegendy().isEmpty());
    }

    void legendaOstatnichWartosci() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        Pokazany p;
        SeriaWykresu* a = p.wykres.DodajSerie(Rodzaj::Linia, Qt::yellow);
        SeriaWykresu* b = p.wykres.DodajSerie(Rodzaj::Linia, Qt::red);
        SeriaWykresu* pusta = p.wykres.DodajSerie(Rodzaj::Linia, Qt::blue);
        a->UstawFormatWartosci(QStringLiteral("#0.##   (sigma śr)"));
        a->DodajPunkt(0, 0.1);
        a->DodajPunkt(1, 0.5712);
        b->DodajPunkt(0, 1234.5);
        QCOMPARE(a->TekstOstatniejWartosci(), QStringLiteral("0,57   (sigma śr)"));
        QVERIFY(pusta->TekstOstatniejWartosci().isEmpty());
        p.Odswiez();
        const QRectF obszarBez = p.wykres.chart()->plotArea();
        p.wykres.UstawLegende(Wykres::Legenda::OstatnieWartosci, 10);
        p.Odswiez();
        // The last series first; one without points is not listed.
        QCOMPARE(p.wykres.TekstyLegendy(), (QStringList{QString("1") + QChar::Nbsp + "234,5",
                                                        QStringLiteral("0,57   (sigma śr)")}));
        QLegend* legenda = p.wykres.chart()->legend();
        QVERIFY(legenda->isVisible());
        // Qt writes the label as rich text: the three spaces must stay three.
        const QString oczekiwany = QStringLiteral("0,57   (sigma śr)").replace(' ', QChar::Nbsp);
        QCOMPARE(legenda->markers(a->SeriaQt()).first()->label(), oczekiwany);
        QVERIFY(legenda->markers(a->SeriaQt()).first()->isVisible());
        QVERIFY(!legenda->markers(pusta->SeriaQt()).first()->isVisible());
        QVERIFY(!legenda->isAttachedToChart());
        QCOMPARE(legenda->geometry().top(), 17.7);
        QVERIFY(legenda->geometry().right() <= p.wykres.width());
        // Laid over the chart: the plot keeps its size.
        QCOMPARE(p.wykres.chart()->plotArea(), obszarBez);
    }

    void marginesyWProcentach() {
        Pokazany p(QSize(400, 200));
        p.wykres.UstawMarginesy({10, 5, 7, 0});
        const QMargins m = p.wykres.chart()->margins();
        QCOMPARE(m.left(), 40);
        QCOMPARE(m.top(), 10);
        QCOMPARE(m.right(), 28);
        QCOMPARE(m.bottom(), 0);
        p.wykres.resize(200, 100);
        QCOMPARE(p.wykres.chart()->margins().left(), 20);
        QCOMPARE(p.wykres.chart()->margins().top(), 5);
    }

    void nakladki() {
        Pokazany p;
        QPixmap obrazek(18, 16);
        obrazek.fill(Qt::transparent);
        QLabel* glif = p.wykres.DodajObrazek(obrazek, QPoint(4, 4));
        QCOMPARE(glif->geometry(), QRect(4, 4, 18, 16));
        QVERIFY(glif->testAttribute(Qt::WA_TransparentForMouseEvents));
        QFont czcionka;
        czcionka.setPixelSize(16);
        czcionka.setBold(true);
        QLabel* e = p.wykres.DodajEtykiete(QStringLiteral("E"), czcionka, QPoint(4, 4));
        QCOMPARE(e->pos(), QPoint(4, 4));
        QCOMPARE(e->text(), QStringLiteral("E"));
        QVERIFY(e->font().bold());
        QVERIFY(e->isVisible());
    }

    void podpowiedzWykresuWDymku() {
        Pokazany p;
        UstawPodpowiedz(&p.wykres, QStringLiteral("WYKRES: Zmiana energii E"));
        // The view hands tool tips to the scene: the chart shows its own.
        QHelpEvent pomoc(QEvent::ToolTip, QPoint(50, 50), p.wykres.mapToGlobal(QPoint(50, 50)));
        QCoreApplication::sendEvent(p.wykres.viewport(), &pomoc);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("WYKRES: Zmiana energii E"));
        QToolTip::hideText();
    }

    void tytulOsi() {
        Pokazany p;
        QFont czcionka(QStringLiteral("Arial"));
        czcionka.setPixelSize(13);
        czcionka.setBold(true);
        p.wykres.UstawTytulOsi(Os::Dolna, QStringLiteral("ilość iteracji"), czcionka);
        QCOMPARE(p.wykres.TytulOsi(Os::Dolna), QStringLiteral("ilość iteracji"));
        QCOMPARE(p.wykres.CzcionkaTytuluOsi(Os::Dolna), czcionka);
        // A bar chart keeps the title on its axis of bar labels.
        p.wykres.DodajSerie(Rodzaj::Slupki, Qt::green);
        QVERIFY(qobject_cast<QBarCategoryAxis*>(p.wykres.chart()->axes(Qt::Horizontal).last()));
        QCOMPARE(p.wykres.TytulOsi(Os::Dolna), QStringLiteral("ilość iteracji"));
    }
};

QTEST_MAIN(TestWykres)
#include "WykresTest.moc"
