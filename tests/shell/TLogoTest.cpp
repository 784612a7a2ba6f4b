#include "TLogo.h"

#include "DialogiTestowe.h"
#include "KontekstPomocy.h"
#include "ObrazkiZastepcze.h"
#include "PrzyciskObrazkowy.h"
#include "ZakonczenieProgramu.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QRect EkranDomowy(0, 0, 1024, 768);
}

class TLogoTest : public QObject {
    Q_OBJECT

    QTemporaryDir obrazki_;

private slots:
    void initTestCase() {
        QVERIFY(obrazki_.isValid());
        PrzygotujObrazkiZastepcze(obrazki_.path());
    }

    void sprawdzenieEkranu_data() {
        QTest::addColumn<QSize>("ekran");
        QTest::addColumn<bool>("zaMaly");
        QTest::newRow("800 x 599") << QSize(800, 599) << true;
        QTest::newRow("799 x 600") << QSize(799, 600) << true;
        QTest::newRow("800 x 600") << QSize(800, 600) << false;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << false;
    }

    // A screen below 800 x 600 is reported and ends the program once its
    // event loop runs; a large enough one starts it without a word.
    void sprawdzenieEkranu() {
        QFETCH(QSize, ekran);
        QFETCH(bool, zaMaly);
        DialogiTestowe dialogi;
        TLogo logo(dialogi, QRect(QPoint(0, 0), ekran));
        if (zaMaly) {
            QCOMPARE(dialogi.Zadane.size(), 1);
            const DialogiTestowe::Pytanie& pytanie = dialogi.Zadane.first();
            QCOMPARE(pytanie.Tekst, QStringLiteral("Program wymaga do prawidłowej pracy "
                                                   "rozdzielczości minimum 800x600 pikseli. "
                                                   "Twoja rozdzielczość jest mniejsza."));
            QCOMPARE(pytanie.Tytul, QStringLiteral("Fazolab - Błąd uruchomienia programu (01)"));
            QCOMPARE(pytanie.Rodzaj, Przyciski::Ok);
        } else {
            QVERIFY(dialogi.Zadane.isEmpty());
        }
        QCOMPARE(ProgramSieKonczy(), zaMaly);
    }

    void ksztaltIPolozenie() {
        DialogiTestowe dialogi;
        TLogo logo(dialogi, EkranDomowy.translated(1920, 0));
        QCOMPARE(logo.windowTitle(), QStringLiteral("Logo"));
        QCOMPARE(logo.size(), QSize(452, 373));
        QVERIFY(logo.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(KontekstPomocy(&logo), 100);
        // 1024 / 2 - 452 / 2 = 286, 768 / 2 - 373 / 2 = 197.5, on the second screen.
        QCOMPARE(logo.pos(), QPoint(1920 + 286, 197));

        // The grey around the ellipse of the picture is cut out of the window.
        const QRegion ksztalt = logo.mask();
        QVERIFY(!ksztalt.isEmpty());
        QVERIFY(!ksztalt.contains(QPoint(2, 2)));
        QVERIFY(!ksztalt.contains(QPoint(449, 370)));
        QVERIFY(ksztalt.contains(QPoint(226, 186)));
        QVERIFY(ksztalt.contains(QPoint(5, 186)));
        // The button of the splash is never cut, whatever the picture under it.
        QVERIFY(ksztalt.contains(QRect(239, 322, 108, 23)));
    }

    void przyciskDoMenu() {
        DialogiTestowe dialogi;
        TLogo logo(dialogi, EkranDomowy);
        QWidget menu;
        logo.UstawMenu(&menu);
        auto* przycisk = logo.findChild<PrzyciskObrazkowy*>(QStringLiteral("ESimageFM1"));
        QVERIFY(przycisk != nullptr);
        QCOMPARE(przycisk->geometry(), QRect(239, 322, 108, 23));
        const QString podpowiedz = QStringLiteral("Kliknij, aby przejść do Menu głównego programu");
        QCOMPARE(przycisk->toolTip(), podpowiedz);
        QCOMPARE(przycisk->statusTip(), podpowiedz);
        QVERIFY(!przycisk->accessibleName().isEmpty());
        QVERIFY(!przycisk->WidocznyObrazek().isNull());

        logo.show();
        QVERIFY(QTest::qWaitForWindowActive(&logo));
        QCOMPARE(QApplication::focusWidget(), przycisk);
        QTest::keyClick(przycisk, Qt::Key_Return);
        QVERIFY(!logo.isVisible());
        QVERIFY(menu.isVisible());
    }

    // Closing the splash, the first window, ends the program without a question.
    void zamkniecieLogoKonczyProgram() {
        DialogiTestowe dialogi;
        TLogo logo(dialogi, EkranDomowy);
        logo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&logo));
        QVERIFY(ProgramSieKonczy([&logo] { logo.close(); }));
        QVERIFY(dialogi.Zadane.isEmpty());
    }

    // The help beside the program is used even when the program is started
    // from a folder that has a help document of its own.
    void pomocPrzyProgramie() {
        const QDir przyProgramie(QCoreApplication::applicationDirPath());
        QTemporaryDir biezacy;
        const QString poprzedni = QDir::currentPath();
        QVERIFY(QDir::setCurrent(biezacy.path()));
        QVERIFY(QDir(biezacy.path()).mkpath(QStringLiteral("Pomoc")));
        QFile obcy(biezacy.filePath(QStringLiteral("Pomoc/Fazolab.html")));
        QVERIFY(obcy.open(QIODevice::WriteOnly));
        obcy.close();
        QVERIFY(przyProgramie.mkpath(QStringLiteral("Pomoc")));
        QFile wlasny(przyProgramie.filePath(QStringLiteral("Pomoc/Fazolab.html")));
        QVERIFY(wlasny.open(QIODevice::WriteOnly));
        wlasny.close();

        DialogiTestowe dialogi;
        const QString znaleziony = TLogo(dialogi, EkranDomowy).PlikPomocy();
        wlasny.remove();
        przyProgramie.rmdir(QStringLiteral("Pomoc"));
        QDir::setCurrent(poprzedni);
        QCOMPARE(znaleziony, QFileInfo(wlasny).absoluteFilePath());
    }
};

QTEST_MAIN(TLogoTest)
#include "TLogoTest.moc"
