#include "OknoTestowe.h"

#include "StronaObliczen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

#include "PoleIteracji.h"
#include "SuwakZZaznaczeniem.h"
#include "Wykres.h"

// The settings page: defaults of every kind, the dependencies between the
// controls, the typing of the number of iterations.
class UstawieniaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void DomyslneWartosci_data() {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<QString>("atomy");
        QTest::addColumn<bool>("osZ");
        QTest::addColumn<QString>("tytul");
        QTest::newRow("3DR") << "3DR"
                             << "1000" << true
                             << "Symulacje - Sieć 3D  (kubiczna prosta)  :  Ustawienia";
        QTest::newRow("kwadrat") << "2DKwadrat"
                                 << "100" << false
                                 << "Symulacje - Sieć 2D  (kwadratowa)  :  Ustawienia";
        QTest::newRow("trojkat") << "2DTrojkat"
                                 << "100" << false
                                 << "Symulacje - Sieć 2D  (trójkątna)  :  Ustawienia";
        QTest::newRow("heksagonalna")
            << "2DHeksagonalna"
            << "100" << false << "Symulacje - Sieć 2D  (Heksagonalna)  :  Ustawienia";
    }
    void DomyslneWartosci() {
        QFETCH(QString, rodzaj);
        OknoTestowe t(rodzaj);
        QCOMPARE(t.u().LLambda->text(), "0,1");
        QCOMPARE(t.u().LLambdaKoncowa->text(), "2,4");
        QCOMPARE(t.u().LKoncentracja->text(), "0,5");
        QCOMPARE(t.u().LPrzedzialCzasowy->text(), "1000");
        QCOMPARE(t.u().LKrok->text(), "0,3");
        QTEST(t.u().LIloscAtomowWSieci->text(), "atomy");
        QTEST(t.u().SEIloscAtomowOsZ->isVisibleTo(t.okno.get()), "osZ");
        QTEST(t.okno->windowTitle(), "tytul");
        QCOMPARE(t.okno->BSiecDalej->text(), "Obliczenia   ");
        QVERIFY(t.okno->BSiecDalej->isEnabled());
        QVERIFY(!t.okno->BSiecNowe->isEnabled());
        QVERIFY(t.u().RBSeriaSymulacji->isChecked());
        // Offered for a series, which is the default kind of run.
        QVERIFY(t.u().CBWylaczGrafike->isEnabled());
        QVERIFY(!t.u().CBWylaczGrafike->isChecked());
        QVERIFY(!t.u().SEIloscAtomowOsY->isEnabled());
        QCOMPARE(t.u().SEMaxIloscCykli->value(), 100000);
        QCOMPARE(t.u().LLambdaMin->text(), "0.1");
        QCOMPARE(t.u().LKoncentracjaMin->text(), "0,1");
    }

    void PoczatekNaKoncuZakresuPchaKoniecIKrok() {
        OknoTestowe t;
        t.u().TBLambda->setValue(24);
        QCOMPARE(t.u().TBLambdaKoncowa->value(), 24);
        QCOMPARE(t.u().TBKrok->maximum(), 1);
        QCOMPARE(t.u().TBKrok->value(), 1);
        QCOMPARE(t.u().LKrokMax->text(), "0,1");
        QCOMPARE(t.u().LKrok->text(), "0,1");
        QCOMPARE(t.u().LLambdaKoncowaMin->text(), "2,4");
    }

    void ZakresKrokuMiedzyPoczatkiemAKoncem() {
        OknoTestowe t;
        t.u().TBLambda->setValue(5);
        t.u().TBLambdaKoncowa->setValue(15);
        QCOMPARE(t.u().TBKrok->minimum(), 1);
        QCOMPARE(t.u().TBKrok->maximum(), 11);
        QCOMPARE(t.u().LKrokMax->text(), "1,1");
        QCOMPARE(t.u().LLambdaKoncowaMin->text(), "0,5");
        QCOMPARE(t.u().TBLambdaKoncowa->minimum(), 5);
    }

    void PojedynczaWylaczaKoniecIKrokZachowujacWartosci() {
        OknoTestowe t;
        t.u().TBLambdaKoncowa->setValue(20);
        t.u().TBKrok->setValue(5);
        t.u().RBPojedynczaSymulacja->click();
        for (QWidget* w :
             {static_cast<QWidget*>(t.u().TBLambdaKoncowa), static_cast<QWidget*>(t.u().TBKrok),
              static_cast<QWidget*>(t.u().CBWylaczGrafike),
              static_cast<QWidget*>(t.u().LKrokMax)}) {
            QVERIFY(!w->isEnabled());
        }
        QVERIFY(!t.o().GSeriaSymulacji->isVisibleTo(t.okno.get()) ||
                t.o().GSeriaSymulacji->isHidden());
        t.u().RBSeriaSymulacji->click();
        QVERIFY(t.u().TBKrok->isEnabled());
        QCOMPARE(t.u().TBLambdaKoncowa->value(), 20);
        QCOMPARE(t.u().TBKrok->value(), 5);
        QVERIFY(!t.o().GSeriaSymulacji->isHidden());
    }

    void RowneOsie() {
        OknoTestowe t(QStringLiteral("3DR"));
        t.u().SEIloscAtomowOsX->setValue(20);
        QCOMPARE(t.u().SEIloscAtomowOsY->value(), 20);
        t.u().CBXRowneYZ->click();
        QVERIFY(t.u().SEIloscAtomowOsY->isEnabled());
        QVERIFY(t.u().SEIloscAtomowOsZ->isEnabled());
        QCOMPARE(t.u().SEIloscAtomowOsZ->value(), 20);
        t.u().SEIloscAtomowOsY->setValue(12);
        t.u().SEIloscAtomowOsZ->setValue(6);
        QCOMPARE(t.u().LIloscAtomowWSieci->text(), "1440");
        t.u().CBXRowneYZ->click();
        QCOMPARE(t.u().SEIloscAtomowOsY->value(), 20);
        QCOMPARE(t.u().SEIloscAtomowOsZ->value(), 20);
        QCOMPARE(t.u().LIloscAtomowWSieci->text(), "8000");
    }

    void PlaskaSiecPomijaOsZ() {
        OknoTestowe t(QStringLiteral("2DTrojkat"));
        t.u().CBXRowneYZ->click();
        t.u().SEIloscAtomowOsX->setValue(100);
        t.u().SEIloscAtomowOsY->setValue(6);
        t.u().SEIloscAtomowOsZ->setValue(40);
        QCOMPARE(t.u().LIloscAtomowWSieci->text(), "600");
    }

    void WpisywanieIlosciIteracji_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("wartosc");
        QTest::newRow("liczba") << "250000" << 250000;
        QTest::newRow("za mala") << "500" << 10000;
        QTest::newRow("nie liczba") << "abc" << 10000;
        QTest::newRow("pusty") << "" << 10000;
        QTest::newRow("za dlugi obciety") << "12345678" << 123456;
    }
    void WpisywanieIlosciIteracji() {
        QFETCH(QString, tekst);
        OknoTestowe t;
        QLineEdit* pole = t.u().SEMaxIloscCykli->findChild<QLineEdit*>();
        pole->selectAll();
        QTest::keyClick(pole, Qt::Key_Delete);
        QTest::keyClicks(pole, tekst);
        QTEST(t.u().SEMaxIloscCykli->WartoscUzywana(), "wartosc");
        QTEST(t.u().Parametry().MaxIloscCykli, "wartosc");
    }

    void KazdaKontrolkaOknaMaNazweIPodpowiedz() {
        OknoTestowe t;
        for (QWidget* w : t.okno->findChildren<QWidget*>()) {
            // Qt's own parts (the tab bar's scroll arrows, scroll bars) name themselves.
            if (qobject_cast<QTabBar*>(w->parentWidget()) || qobject_cast<QScrollBar*>(w)) {
                continue;
            }
            const bool kontrolka = qobject_cast<QAbstractButton*>(w) ||
                                   qobject_cast<QAbstractSlider*>(w) ||
                                   qobject_cast<QAbstractSpinBox*>(w);
            if (kontrolka) {
                QVERIFY2(!w->accessibleName().isEmpty(),
                         qPrintable(QString::fromLatin1(w->metaObject()->className()) +
                                    QLatin1Char(' ') + w->objectName() + QLatin1Char(' ') +
                                    w->parentWidget()->accessibleName()));
                QVERIFY2(!w->toolTip().isEmpty(), qPrintable(w->accessibleName()));
            }
            if (qobject_cast<Wykres*>(w)) {
                QVERIFY(w->accessibleName().startsWith(QStringLiteral("WYKRES: ")));
                QCOMPARE(w->statusTip(), w->accessibleName());
            }
        }
    }
};

QTEST_MAIN(UstawieniaTest)
#include "UstawieniaTest.moc"
