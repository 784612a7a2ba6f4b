#include "UlozenieOknaPomocy.h"

#include <QTest>

// Where the help window opens against the program's window and the screen.
class UlozenieOknaPomocyTest : public QObject {
    Q_OBJECT
private slots:
    void ulozenie_data() {
        QTest::addColumn<QRect>("program");
        QTest::addColumn<QSize>("rozmiar");
        QTest::addColumn<QRect>("ekran");
        QTest::addColumn<QRect>("oczekiwane");
        const QRect fullHd(0, 0, 1920, 1040);
        const QSize pomoc(720, 560);
        QTest::newRow("z prawej, cała")
            << QRect(100, 50, 760, 520) << pomoc << fullHd << QRect(860, 50, 720, 560);
        QTest::newRow("z prawej, zwężona do miejsca")
            << QRect(584, 50, 760, 520) << pomoc << fullHd << QRect(1344, 50, 576, 560);
        QTest::newRow("z lewej, gdy z prawej brak miejsca")
            << QRect(1100, 50, 760, 520) << pomoc << fullHd << QRect(380, 50, 720, 560);
        QTest::newRow("na oknie: 1024x768, okno na środku")
            << QRect(136, 122, 752, 504) << pomoc << QRect(0, 0, 1024, 768)
            << QRect(168, 122, 720, 560);
        QTest::newRow("na oknie przy dolnej krawędzi ekranu")
            << QRect(24, 400, 752, 504) << pomoc << QRect(0, 0, 800, 600)
            << QRect(56, 40, 720, 560);
        QTest::newRow("większa od ekranu: zmniejszona")
            << QRect(0, 0, 752, 504) << QSize(900, 700) << QRect(0, 0, 800, 600)
            << QRect(0, 0, 800, 600);
        QTest::newRow("ekran z przesunięciem (drugi monitor, panel)")
            << QRect(1920, 700, 300, 300) << pomoc << QRect(1920, 30, 1280, 994)
            << QRect(2220, 464, 720, 560);
        QTest::newRow("okno częściowo poza ekranem")
            << QRect(-200, -50, 752, 504) << pomoc << QRect(0, 0, 1024, 768)
            << QRect(0, 0, 720, 560);
    }

    void ulozenie() {
        QFETCH(QRect, program);
        QFETCH(QSize, rozmiar);
        QFETCH(QRect, ekran);
        QFETCH(QRect, oczekiwane);
        const QRect wynik = UlozenieOknaPomocy(program, rozmiar, ekran);
        QCOMPARE(wynik, oczekiwane);
        QVERIFY(ekran.contains(wynik));
    }
};

QTEST_MAIN(UlozenieOknaPomocyTest)
#include "UlozenieOknaPomocyTest.moc"
