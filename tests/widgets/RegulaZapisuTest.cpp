#include "RegulaZapisu.h"

#include <QTest>

namespace {

// The results page's types, the longest filter first written with a "(R)".
const QStringList TypyWynikow = {QStringLiteral("Arkusz Microsoft Excel (R) 2000 (*.csv)"),
                                 QStringLiteral("Plik tekstowy (*.txt)"),
                                 QStringLiteral("Skoroszyt programu Excel (*.xlsx)")};
const QStringList TypyObrazow = {QStringLiteral("Obraz PNG (*.png)"),
                                 QStringLiteral("Obraz SVG (*.svg)")};

} // namespace

class TestRegulaZapisu : public QObject {
    Q_OBJECT

private slots:
    void rozszerzeniaFiltra_data() {
        QTest::addColumn<QString>("filtr");
        QTest::addColumn<QStringList>("rozszerzenia");
        QTest::newRow("nawias w opisie") << TypyWynikow[0] << QStringList{"csv"};
        QTest::newRow("kilka, wielkie litery")
            << "Obrazy (*.PNG *.jpg *.tar.gz)" << QStringList{"png", "jpg", "tar.gz"};
        QTest::newRow("wszystkie pliki") << "Wszystkie pliki (*)" << QStringList{};
        QTest::newRow("bez opisu") << "*.svg" << QStringList{"svg"};
    }

    void rozszerzeniaFiltra() {
        QFETCH(QString, filtr);
        QFETCH(QStringList, rozszerzenia);
        QCOMPARE(RozszerzeniaFiltra(filtr), rozszerzenia);
    }

    // Every chosen type against every kind of typed name, for the results
    // page's three types.
    void plikWedlugTypu_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<int>("wybrany");
        QTest::addColumn<QString>("sciezka");
        QTest::addColumn<int>("typ");
        const QStringList rozszerzenia = {"csv", "txt", "xlsx"};
        for (int wybrany = 1; wybrany <= 3; ++wybrany) {
            const QString r = rozszerzenia[wybrany - 1];
            const QByteArray w = r.toUtf8();
            QTest::addRow("%s: bez rozszerzenia", w.data())
                << "/d/wyniki" << wybrany << "/d/wyniki." + r << wybrany;
            QTest::addRow("%s: kropka na końcu", w.data())
                << "/d/wyniki." << wybrany << "/d/wyniki." + r << wybrany;
            QTest::addRow("%s: obce rozszerzenie", w.data())
                << "/d/wyniki.2024" << wybrany << "/d/wyniki.2024." + r << wybrany;
            QTest::addRow("%s: kropka w folderze", w.data())
                << "/d.csv/wyniki" << wybrany << "/d.csv/wyniki." + r << wybrany;
            for (int wpisany = 1; wpisany <= 3; ++wpisany) {
                const QString nazwa = "/d/swap." + rozszerzenia[wpisany - 1];
                QTest::addRow("%s: wpisane %s", w.data(), qPrintable(rozszerzenia[wpisany - 1]))
                    << nazwa << wybrany << nazwa << wpisany;
            }
            QTest::addRow("%s: wielkie litery", w.data())
                << "/d/Wyniki.XLSX" << wybrany << "/d/Wyniki.XLSX" << 3;
        }
        QTest::newRow("typ spoza listy") << "/d/w" << 7 << "/d/w.csv" << 1;
        QTest::newRow("samo rozszerzenie") << "/d/.txt" << 1 << "/d/.txt" << 2;
    }

    void plikWedlugTypu() {
        QFETCH(QString, nazwa);
        QFETCH(int, wybrany);
        QFETCH(QString, sciezka);
        QFETCH(int, typ);
        const WybranyPlik plik = PlikWedlugTypu(nazwa, TypyWynikow, wybrany);
        QCOMPARE(plik.Sciezka, sciezka);
        QCOMPARE(plik.Typ, typ);
        // Applied again to its own answer, with any type chosen: no change.
        for (int inny = 1; inny <= 3; ++inny) {
            const WybranyPlik znowu = PlikWedlugTypu(plik.Sciezka, TypyWynikow, inny);
            QCOMPARE(znowu.Sciezka, plik.Sciezka);
            QCOMPARE(znowu.Typ, plik.Typ);
        }
    }

    void typyBezRozszerzen() {
        // A type that names no extension adds none; no types, nothing to decide.
        const QStringList typy = {TypyObrazow[0], QStringLiteral("Wszystkie pliki (*)")};
        QCOMPARE(PlikWedlugTypu("/d/a", typy, 2).Sciezka, QStringLiteral("/d/a"));
        QCOMPARE(PlikWedlugTypu("/d/a.png", typy, 2).Typ, 1);
        QCOMPARE(PlikWedlugTypu("/d/a", {}, 1).Sciezka, QStringLiteral("/d/a"));
        // A two-part extension is recognised whole.
        const QStringList archiwa = {QStringLiteral("Archiwum (*.tar.gz)")};
        QCOMPARE(PlikWedlugTypu("/d/a", archiwa, 1).Sciezka, QStringLiteral("/d/a.tar.gz"));
        QCOMPARE(PlikWedlugTypu("/d/a.tar.gz", archiwa, 1).Sciezka, QStringLiteral("/d/a.tar.gz"));
    }
};

QTEST_GUILESS_MAIN(TestRegulaZapisu)
#include "RegulaZapisuTest.moc"
