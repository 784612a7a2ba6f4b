#include "OknoTestowe.h"
#include "PoleIteracji.h"
#include "StronaObliczen.h"
#include "SuwakZZaznaczeniem.h"
#include "Wykres.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

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
        QCOMPARE(t.k<QLabel>("LLambda")->text(), "0,1");
        QCOMPARE(t.k<QLabel>("LLambdaKoncowa")->text(), "2,4");
        QCOMPARE(t.k<QLabel>("LKoncentracja")->text(), "0,5");
        QCOMPARE(t.k<QLabel>("LPrzedzialCzasowy")->text(), "1000");
        QCOMPARE(t.k<QLabel>("LKrok")->text(), "0,3");
        QTEST(t.k<QLabel>("LIloscAtomowWSieci")->text(), "atomy");
        QTEST(t.k<QSpinBox>("SEIloscAtomowOsZ")->isVisibleTo(t.okno.get()), "osZ");
        QTEST(t.okno->windowTitle(), "tytul");
        QCOMPARE(t.k<PrzyciskPrzezroczysty>("BSiecDalej")->text(), "Obliczenia   ");
        QVERIFY(t.k<PrzyciskPrzezroczysty>("BSiecDalej")->isEnabled());
        QVERIFY(!t.k<PrzyciskPrzezroczysty>("BSiecNowe")->isEnabled());
        QVERIFY(t.k<QRadioButton>("RBSeriaSymulacji")->isChecked());
        // Offered for a series, which is the default kind of run.
        QVERIFY(t.k<QCheckBox>("CBWylaczGrafike")->isEnabled());
        QVERIFY(!t.k<QCheckBox>("CBWylaczGrafike")->isChecked());
        QVERIFY(!t.k<QSpinBox>("SEIloscAtomowOsY")->isEnabled());
        QCOMPARE(t.k<PoleIteracji>("SEMaxIloscCykli")->value(), 100000);
        QCOMPARE(t.k<QLabel>("LLambdaMin")->text(), "0.1");
        QCOMPARE(t.k<QLabel>("LKoncentracjaMin")->text(), "0,1");
    }

    void PoczatekNaKoncuZakresuPchaKoniecIKrok() {
        OknoTestowe t;
        t.k<SuwakZZaznaczeniem>("TBLambda")->setValue(24);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBLambdaKoncowa")->value(), 24);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBKrok")->maximum(), 1);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBKrok")->value(), 1);
        QCOMPARE(t.k<QLabel>("LKrokMax")->text(), "0,1");
        QCOMPARE(t.k<QLabel>("LKrok")->text(), "0,1");
        QCOMPARE(t.k<QLabel>("LLambdaKoncowaMin")->text(), "2,4");
    }

    void ZakresKrokuMiedzyPoczatkiemAKoncem() {
        OknoTestowe t;
        t.k<SuwakZZaznaczeniem>("TBLambda")->setValue(5);
        t.k<SuwakZZaznaczeniem>("TBLambdaKoncowa")->setValue(15);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBKrok")->minimum(), 1);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBKrok")->maximum(), 11);
        QCOMPARE(t.k<QLabel>("LKrokMax")->text(), "1,1");
        QCOMPARE(t.k<QLabel>("LLambdaKoncowaMin")->text(), "0,5");
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBLambdaKoncowa")->minimum(), 5);
    }

    void PojedynczaWylaczaKoniecIKrokZachowujacWartosci() {
        OknoTestowe t;
        t.k<SuwakZZaznaczeniem>("TBLambdaKoncowa")->setValue(20);
        t.k<SuwakZZaznaczeniem>("TBKrok")->setValue(5);
        t.k<QRadioButton>("RBPojedynczaSymulacja")->click();
        for (QWidget* w : {static_cast<QWidget*>(t.k<SuwakZZaznaczeniem>("TBLambdaKoncowa")),
                           static_cast<QWidget*>(t.k<SuwakZZaznaczeniem>("TBKrok")),
                           static_cast<QWidget*>(t.k<QCheckBox>("CBWylaczGrafike")),
                           static_cast<QWidget*>(t.k<QLabel>("LKrokMax"))}) {
            QVERIFY(!w->isEnabled());
        }
        QVERIFY(!t.k<WskaznikPostepu>("GSeriaSymulacji")->isVisibleTo(t.okno.get()) ||
                t.k<WskaznikPostepu>("GSeriaSymulacji")->isHidden());
        t.k<QRadioButton>("RBSeriaSymulacji")->click();
        QVERIFY(t.k<SuwakZZaznaczeniem>("TBKrok")->isEnabled());
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBLambdaKoncowa")->value(), 20);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBKrok")->value(), 5);
        QVERIFY(!t.k<WskaznikPostepu>("GSeriaSymulacji")->isHidden());
    }

    void RowneOsie() {
        OknoTestowe t(QStringLiteral("3DR"));
        t.k<QSpinBox>("SEIloscAtomowOsX")->setValue(20);
        QCOMPARE(t.k<QSpinBox>("SEIloscAtomowOsY")->value(), 20);
        t.k<QCheckBox>("CBXRowneYZ")->click();
        QVERIFY(t.k<QSpinBox>("SEIloscAtomowOsY")->isEnabled());
        QVERIFY(t.k<QSpinBox>("SEIloscAtomowOsZ")->isEnabled());
        QCOMPARE(t.k<QSpinBox>("SEIloscAtomowOsZ")->value(), 20);
        t.k<QSpinBox>("SEIloscAtomowOsY")->setValue(12);
        t.k<QSpinBox>("SEIloscAtomowOsZ")->setValue(6);
        QCOMPARE(t.k<QLabel>("LIloscAtomowWSieci")->text(), "1440");
        t.k<QCheckBox>("CBXRowneYZ")->click();
        QCOMPARE(t.k<QSpinBox>("SEIloscAtomowOsY")->value(), 20);
        QCOMPARE(t.k<QSpinBox>("SEIloscAtomowOsZ")->value(), 20);
        QCOMPARE(t.k<QLabel>("LIloscAtomowWSieci")->text(), "8000");
    }

    void PlaskaSiecPomijaOsZ() {
        OknoTestowe t(QStringLiteral("2DTrojkat"));
        t.k<QCheckBox>("CBXRowneYZ")->click();
        t.k<QSpinBox>("SEIloscAtomowOsX")->setValue(100);
        t.k<QSpinBox>("SEIloscAtomowOsY")->setValue(6);
        t.k<QSpinBox>("SEIloscAtomowOsZ")->setValue(40);
        QCOMPARE(t.k<QLabel>("LIloscAtomowWSieci")->text(), "600");
    }

    void WpisywanieIlosciIteracji_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("wartosc");
        QTest::newRow("liczba") << "250000" << 250000;
        QTest::newRow("za mala") << "500" << 10000;
        QTest::newRow("nie liczba") << "abc" << 10000;
        QTest::newRow("pusty") << "" << 10000;
        QTest::newRow("najwieksza") << "1000000" << 1000000;
        QTest::newRow("za dlugi obciety") << "12345678" << 1000000;
    }
    void WpisywanieIlosciIteracji() {
        QFETCH(QString, tekst);
        OknoTestowe t;
        QLineEdit* pole = t.k<PoleIteracji>("SEMaxIloscCykli")->findChild<QLineEdit*>();
        pole->selectAll();
        QTest::keyClick(pole, Qt::Key_Delete);
        QTest::keyClicks(pole, tekst);
        QTEST(t.k<PoleIteracji>("SEMaxIloscCykli")->WartoscUzywana(), "wartosc");
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
