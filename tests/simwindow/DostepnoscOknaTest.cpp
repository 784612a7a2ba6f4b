#include "DostepnaEtykieta.h"
#include "LegendaAtomow.h"
#include "OknoTestowe.h"
#include "SeriaWykresu.h"
#include "Wykres.h"
#include "WykresySymulacji.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

namespace {
QAccessibleInterface* Interfejs(QWidget* kontrolka) {
    return QAccessible::queryAccessibleInterface(kontrolka);
}

// Everything a screen reader hears of the shown controls, checked against
// what the eye sees: a button is named by its caption, a value label by its
// caption and value, a track bar tells its value in the unit shown, a gauge
// is a progress bar, the window is named by its caption.
void SprawdzWidoczne(TSiec2D3D& okno, const QString& gdzie) {
    QCOMPARE(Interfejs(&okno)->text(QAccessible::Name), okno.windowTitle());
    QCOMPARE(Interfejs(&okno)->role(), QAccessible::Window);
    for (QWidget* w : okno.findChildren<QWidget*>()) {
        if (!w->isVisible()) {
            continue;
        }
        const QString opis = gdzie + QLatin1Char(' ') + w->objectName();
        QAccessibleInterface* i = Interfejs(w);
        QVERIFY2(i, qPrintable(opis));
        const QString nazwa = i->text(QAccessible::Name);
        if (auto* przycisk = qobject_cast<QAbstractButton*>(w);
            przycisk && !przycisk->text().trimmed().isEmpty()) {
            QCOMPARE(nazwa, przycisk->text().trimmed());
        } else if (auto* etykieta = qobject_cast<QLabel*>(w);
                   etykieta && dynamic_cast<DostepnaEtykieta*>(i)) {
            QVERIFY2(nazwa.endsWith(QStringLiteral(": ") + etykieta->text().trimmed()),
                     qPrintable(opis + QStringLiteral(" → ") + nazwa));
        } else if (auto* suwak = qobject_cast<SuwakZZaznaczeniem*>(w)) {
            QVERIFY2(i->valueInterface(), qPrintable(opis));
            QCOMPARE(i->text(QAccessible::Value), suwak->TekstWartosci(suwak->value()));
        } else if (qobject_cast<WskaznikPostepu*>(w)) {
            QCOMPARE(i->role(), QAccessible::ProgressBar);
            QVERIFY2(i->text(QAccessible::Value).endsWith(QLatin1Char('%')), qPrintable(opis));
        } else if (auto* wykres = qobject_cast<Wykres*>(w)) {
            // Named by the title the eye reads; the data in its description.
            QCOMPARE(i->role(), QAccessible::Chart);
            if (wykres->TytulWidoczny()) {
                QVERIFY2(nazwa.contains(wykres->Tytul().join(QLatin1Char(' '))),
                         qPrintable(opis + QStringLiteral(" → ") + nazwa));
            }
            QVERIFY2(!i->text(QAccessible::Description).isEmpty(), qPrintable(opis));
        } else if (qobject_cast<LegendaAtomow*>(w)) {
            QCOMPARE(i->role(), QAccessible::Graphic);
            QVERIFY2(nazwa.startsWith(QStringLiteral("Legenda rysunku sieci: atom A – ")),
                     qPrintable(nazwa));
        }
    }
}

QStringList Nazwy(const QStringList& obiekty, const OknoTestowe& t) {
    QStringList nazwy;
    for (const QString& obiekt : obiekty) {
        nazwy << Interfejs(t.k<QWidget>(obiekt.toLatin1().constData()))->text(QAccessible::Name);
    }
    return nazwy;
}
} // namespace

// The window as a screen reader reads it, page by page through the stages.
class DostepnoscOknaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void KazdaStronaKazdegoEtapu() {
        OknoTestowe t;
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        SprawdzWidoczne(*t.okno, QStringLiteral("Ustawienia"));
        t.okno->BSiecDalejClick();
        for (int strona = 0; strona < 2; ++strona) {
            t.o().setCurrentIndex(strona);
            SprawdzWidoczne(*t.okno, QStringLiteral("Obliczenia %1").arg(strona));
        }
        QVERIFY(t.LiczDoKonca());
        t.okno->BSiecDalejClick();
        for (int strona = 0; strona < 3; ++strona) {
            t.w().setCurrentIndex(strona);
            SprawdzWidoczne(*t.okno, QStringLiteral("Wyniki %1").arg(strona));
        }
    }

    void WartosciSlyszanePrzyNazwie() {
        OknoTestowe t;
        QCOMPARE(Nazwy({"LLambda", "LLambdaKoncowa", "LKoncentracja", "LPrzedzialCzasowy", "LKrok",
                        "LIloscAtomowWSieci"},
                       t),
                 QStringList({"Lambda, początkowa wartość: 0,1", "Lambda, końcowa wartość: 2,4",
                              "Koncentracja atomów: 0,5", "Pobierz dane co (iteracji): 1000",
                              "Krok: 0,3", "Ilość atomów w całej sieci: 100"}));
        t.k<SuwakZZaznaczeniem>("TBKoncentracja")->setValue(25);
        QCOMPARE(Nazwy({"LKoncentracja"}, t), QStringList{"Koncentracja atomów: 0,25"});
        t.okno->BSiecDalejClick();
        QCOMPARE(Nazwy({"LObliczeniaLambda", "LObliczeniaKoncentracja", "LObliczeniaIlAtWSieci",
                        "LObliczeniaLiczbaIteracji", "BSiecDalej"},
                       t),
                 QStringList({"Lambda: 0,1", "Koncentracja: 0,25", "Ilość atomów: 100",
                              "Iteracje: 100000", "Wyniki"}));
        QCOMPARE(Interfejs(t.okno.get())->text(QAccessible::Name),
                 "Symulacje - Sieć 2D  (kwadratowa)  :  Obliczenia");
    }

    void SuwakiWJednostkachPokazanych() {
        OknoTestowe t;
        struct Oczekiwane {
            const char* Suwak;
            double Wartosc;
            QString Tekst;
        };
        for (const Oczekiwane& o : {Oczekiwane{"TBLambda", 0.1, QStringLiteral("0,1")},
                                    Oczekiwane{"TBLambdaKoncowa", 2.4, QStringLiteral("2,4")},
                                    Oczekiwane{"TBKoncentracja", 0.5, QStringLiteral("0,50")},
                                    Oczekiwane{"TBLiczbaPrzeskokow", 1000, QStringLiteral("1000")},
                                    Oczekiwane{"TBKrok", 0.3, QStringLiteral("0,3")}}) {
            QAccessibleInterface* i = Interfejs(t.k<SuwakZZaznaczeniem>(o.Suwak));
            QCOMPARE(i->text(QAccessible::Value), o.Tekst);
            QCOMPARE(i->valueInterface()->currentValue().toDouble(), o.Wartosc);
        }
    }
};

QTEST_MAIN(DostepnoscOknaTest)
#include "DostepnoscOknaTest.moc"
