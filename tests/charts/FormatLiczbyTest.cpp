#include "FormatLiczby.h"

#include <QTest>

class TestFormatLiczby : public QObject {
    Q_OBJECT

private slots:
    void wzorce_data() {
        QTest::addColumn<double>("wartosc");
        QTest::addColumn<QString>("wzorzec");
        QTest::addColumn<QLocale>("jezyk");
        QTest::addColumn<QString>("tekst");
        const QLocale c = QLocale::c();
        const QLocale pl(QLocale::Polish, QLocale::Poland);
        const QString nbsp(QChar::Nbsp);

        QTest::newRow("legenda sigmy")
            << 0.5712 << "#0.##   (sigma śr)" << c << "0.57   (sigma śr)";
        QTest::newRow("legenda sigmy, polski")
            << 0.5712 << "#0.##   (sigma śr)" << pl << "0,57   (sigma śr)";
        QTest::newRow("zera na końcu znikają") << 0.5 << "#0.##" << c << "0.5";
        QTest::newRow("całość bez przecinka") << 1.0 << "#0.##" << c << "1";
        QTest::newRow("zaokrąglenie") << 0.996 << "#0.##" << c << "1";
        QTest::newRow("ujemna") << -0.15 << "#0.##" << pl << "-0,15";
        QTest::newRow("bez minus zera") << -0.001 << "#0.##" << c << "0";
        QTest::newRow("wymuszone cyfry") << 3.0 << "0.00" << c << "3.00";
        QTest::newRow("wymuszone cyfry całości") << 7.0 << "000" << c << "007";
        QTest::newRow("bez cyfry przed przecinkiem") << 0.57 << "#.##" << c << ".57";
        QTest::newRow("oś lambdy") << 2.4 << "# ##0.###" << pl << "2,4";
        QTest::newRow("oś lambdy, zero") << 0.0 << "# ##0.###" << pl << "0";
        QTest::newRow("grupy tysięcy") << 1234567.5 << "#,##0.###" << c << "1,234,567.5";
        QTest::newRow("grupy tysięcy, polski")
            << 1234567.5 << "#,##0.###" << pl << "1" + nbsp + "234" + nbsp + "567,5";
        QTest::newRow("bez grup") << 100000.0 << "#0.##" << pl << "100000";
        QTest::newRow("tekst w cudzysłowie") << 2.0 << "\"n=\"0" << c << "n=2";
        QTest::newRow("druga sekcja pominięta") << -2.0 << "0;(0)" << c << "-2";
        QTest::newRow("ogólny") << 0.1 << "" << pl << "0,1";
        QTest::newRow("ogólny, duża") << 1000000.0 << "" << pl << "1000000";
    }

    void wzorce() {
        QFETCH(double, wartosc);
        QFETCH(QString, wzorzec);
        QFETCH(QLocale, jezyk);
        QFETCH(QString, tekst);
        QCOMPARE(FormatujLiczbe(wartosc, wzorzec, jezyk), tekst);
    }

    void domyslnyJezykAplikacji() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QCOMPARE(FormatujLiczbe(0.25, QStringLiteral("#0.##")), QStringLiteral("0,25"));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(FormatujLiczbe(0.25, QStringLiteral("#0.##")), QStringLiteral("0.25"));
    }
};

QTEST_MAIN(TestFormatLiczby)
#include "FormatLiczbyTest.moc"
