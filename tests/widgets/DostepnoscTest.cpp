#include "DostepnaEtykieta.h"
#include "SuwakZZaznaczeniem.h"
#include "WskaznikPostepu.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QLocale>
#include <QTest>

#include <cmath>
#include <memory>

class TestDostepnosc : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // The track bars of the window in the units their labels show.
    void suwakWJednostkachPokazanych_data() {
        QTest::addColumn<int>("od");
        QTest::addColumn<int>("do_");
        QTest::addColumn<double>("skala");
        QTest::addColumn<int>("miejsca");
        QTest::addColumn<double>("przesuniecie");
        QTest::addColumn<int>("pozycja");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::newRow("lambda") << 1 << 24 << 0.1 << 1 << 0.0 << 12 << "1,2" << 0.1 << 2.4;
        QTest::newRow("koncentracja") << 10 << 50 << 0.01 << 2 << 0.0 << 30 << "0,30" << 0.1 << 0.5;
        QTest::newRow("przedział")
            << 1 << 20 << 100.0 << 0 << 0.0 << 20 << "2000" << 100.0 << 2000.0;
        QTest::newRow("płaszczyzna od zera")
            << 1 << 100 << 1.0 << 0 << -1.0 << 37 << "36" << 0.0 << 99.0;
        QTest::newRow("lambda ujemna")
            << 1 << 24 << -0.1 << 1 << 0.0 << 3 << "-0,3" << -2.4 << -0.1;
    }

    void suwakWJednostkachPokazanych() {
        QFETCH(int, od);
        QFETCH(int, do_);
        QFETCH(double, skala);
        QFETCH(int, miejsca);
        QFETCH(double, przesuniecie);
        QFETCH(int, pozycja);
        QFETCH(QString, tekst);
        QFETCH(double, min);
        QFETCH(double, max);
        SuwakZZaznaczeniem suwak;
        suwak.setAccessibleName(QStringLiteral("Lambda"));
        suwak.setRange(od, do_);
        suwak.UstawSkale(skala, miejsca, przesuniecie);
        suwak.setValue(pozycja);

        QAccessibleInterface* dostep = QAccessible::queryAccessibleInterface(&suwak);
        QVERIFY(dostep);
        QCOMPARE(dostep->role(), QAccessible::Slider);
        QCOMPARE(dostep->text(QAccessible::Name), QStringLiteral("Lambda"));
        QCOMPARE(dostep->text(QAccessible::Value), tekst);
        QAccessibleValueInterface* wartosc = dostep->valueInterface();
        QVERIFY(wartosc);
        QCOMPARE(wartosc->currentValue().toDouble(), QLocale().toDouble(tekst));
        QCOMPARE(wartosc->minimumValue().toDouble(), min);
        QCOMPARE(wartosc->maximumValue().toDouble(), max);
        QCOMPARE(wartosc->minimumStepSize().toDouble(), std::abs(skala));

        // A reader's tool sets the value in the unit shown; off the scale it
        // takes the nearest position of the range.
        wartosc->setCurrentValue(max);
        QCOMPARE(suwak.value(), skala > 0 ? do_ : od);
        wartosc->setCurrentValue(min - 100 * std::abs(skala));
        QCOMPARE(suwak.value(), skala > 0 ? od : do_);
        QCOMPARE(dostep->text(QAccessible::Value), suwak.TekstWartosci(suwak.value()));
        // Every position of the range reads back as itself.
        for (int p = od; p <= do_; ++p) {
            QCOMPARE(suwak.Pozycja(suwak.WartoscPokazana(p)), p);
        }
    }

    void wskaznikJakoPasekPostepu() {
        auto wskaznik = std::make_unique<WskaznikPostepu>();
        wskaznik->setAccessibleName(QStringLiteral("Pojedyncza symulacja"));
        wskaznik->UstawMaksimum(1000000);
        QAccessibleInterface* dostep = QAccessible::queryAccessibleInterface(wskaznik.get());
        QVERIFY(dostep);
        QCOMPARE(dostep->role(), QAccessible::ProgressBar);
        QCOMPARE(dostep->text(QAccessible::Name), QStringLiteral("Pojedyncza symulacja"));
        QCOMPARE(dostep->text(QAccessible::Value), QStringLiteral("0%"));

        wskaznik->UstawPozycje(459999);
        QCOMPARE(dostep->text(QAccessible::Value), QStringLiteral("45%"));
        QAccessibleValueInterface* wartosc = dostep->valueInterface();
        QVERIFY(wartosc);
        QCOMPARE(wartosc->currentValue().toInt(), 45);
        QCOMPARE(wartosc->minimumValue().toInt(), 0);
        QCOMPARE(wartosc->maximumValue().toInt(), 100);
        // A reader cannot move a gauge.
        wartosc->setCurrentValue(80);
        QCOMPARE(wskaznik->Procent(), 45);
        wskaznik->UstawMaksimum(459999);
        QCOMPARE(dostep->text(QAccessible::Value), QStringLiteral("100%"));
    }

    // A value label is heard as "caption: value", the value as it is now.
    void etykietaWartosci() {
        QLabel koncentracja(QStringLiteral("0,5"));
        DostepnaEtykieta::OpiszWartosc(&koncentracja, QStringLiteral("Koncentracja atomów"));
        QAccessibleInterface* dostep = QAccessible::queryAccessibleInterface(&koncentracja);
        QVERIFY(dostep);
        QCOMPARE(dostep->role(), QAccessible::StaticText);
        QCOMPARE(dostep->text(QAccessible::Name), QStringLiteral("Koncentracja atomów: 0,5"));
        koncentracja.setText(QStringLiteral("0,25 "));
        QCOMPARE(dostep->text(QAccessible::Name), QStringLiteral("Koncentracja atomów: 0,25"));

        // A label a reader already knew under a fixed name.
        QLabel atomy(QStringLiteral("1000000"));
        atomy.setAccessibleName(QStringLiteral("Ilość atomów, wartość"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&atomy)->text(QAccessible::Name),
                 QStringLiteral("Ilość atomów, wartość"));
        DostepnaEtykieta::OpiszWartosc(&atomy, QStringLiteral("Ilość atomów"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&atomy)->text(QAccessible::Name),
                 QStringLiteral("Ilość atomów: 1000000"));
        QVERIFY(atomy.accessibleName().isEmpty());

        // Other labels keep Qt's own reading.
        QLabel zwykla(QStringLiteral("Nr serii:"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&zwykla)->text(QAccessible::Name),
                 QStringLiteral("Nr serii:"));
    }
};

QTEST_MAIN(TestDostepnosc)
#include "DostepnoscTest.moc"
