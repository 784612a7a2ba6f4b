#include "Program.h"

#include "DialogiTestowe.h"
#include "Kontrolka.h"
#include "Obliczenia.h"
#include "PlikWynikow.h"
#include "PoleIteracji.h"
#include "PrzyciskObrazkowy.h"
#include "PrzyciskPrzezroczysty.h"
#include "StronaObliczen.h"
#include "StronaUstawien.h"
#include "StronaZapisu.h"
#include "StronyWynikow.h"
#include "SuwakZZaznaczeniem.h"
#include "ZakonczenieProgramu.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
void Kliknij(QWidget* kontrolka) {
    QVERIFY(kontrolka->isVisible());
    QVERIFY(kontrolka->isEnabled());
    QTest::mouseClick(kontrolka, Qt::LeftButton, {}, kontrolka->rect().center());
}
} // namespace

// The whole program on a real display (run under xvfb-run), driven through
// its event loop as a user would: splash, menu, a short series on the square
// lattice, its results, the save, back to the menu, and the end.
class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void OdLogoDoZapisuIKonca() {
        QTemporaryDir konfiguracja;
        qputenv("XDG_CONFIG_HOME", konfiguracja.path().toUtf8());
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QDir::setSearchPaths(QStringLiteral("okna"), {QStringLiteral(":/okna")});
        DialogiTestowe dialogi;
        Program program(dialogi, QGuiApplication::primaryScreen()->geometry());
        QVERIFY(QTest::qWaitForWindowExposed(&program.Logo));

        Kliknij(program.Logo.findChild<PrzyciskObrazkowy*>(QStringLiteral("ESimageFM1")));
        QTRY_VERIFY(program.Menu.isVisible());
        QVERIFY(!program.Logo.isVisible());
        Kliknij(program.Menu.findChild<PrzyciskObrazkowy*>(QStringLiteral("ES2DKwadrat")));
        TSiec2D3D& okno = program.OknoSymulacji;
        QTRY_VERIFY(okno.isVisible());
        QVERIFY(!program.Menu.isVisible());
        QVERIFY(!program.Menu.isEnabled());
        QCOMPARE(okno.windowTitle(), "Symulacje - Sieć 2D  (kwadratowa)  :  Ustawienia");

        // Two lambdas, 0.1 and 2.4, of 10 000 iterations: the step to its end
        // by the keyboard, the iterations typed.
        Kontrolka<SuwakZZaznaczeniem>(okno, "TBKrok")->setFocus();
        QTest::keyClick(Kontrolka<SuwakZZaznaczeniem>(okno, "TBKrok"), Qt::Key_End);
        QCOMPARE(Kontrolka<QLabel>(okno, "LKrok")->text(), "2,4");
        Kontrolka<PoleIteracji>(okno, "SEMaxIloscCykli")->selectAll();
        QTest::keyClicks(Kontrolka<PoleIteracji>(okno, "SEMaxIloscCykli"), QStringLiteral("10000"));
        QTest::keyClick(Kontrolka<PoleIteracji>(okno, "SEMaxIloscCykli"), Qt::Key_Return);
        QCOMPARE(Kontrolka<PoleIteracji>(okno, "SEMaxIloscCykli")->value(), 10000);

        Kliknij(Kontrolka<PrzyciskPrzezroczysty>(okno, "BSiecDalej"));
        Kliknij(Kontrolka<PrzyciskPrzezroczysty>(okno, "TBLicz"));
        QTRY_VERIFY_WITH_TIMEOUT(Kontrolka<PrzyciskPrzezroczysty>(okno, "BSiecDalej")->isEnabled(),
                                 20000);
        QCOMPARE(okno.Silnik().Stan().NrSerii, 2);
        Kliknij(Kontrolka<PrzyciskPrzezroczysty>(okno, "BSiecDalej"));
        QCOMPARE(okno.windowTitle(), "Symulacje - Sieć 2D  (kwadratowa)  :  Wyniki");
        Kliknij(Kontrolka<PrzyciskPrzezroczysty>(okno, "BSiecDalej"));
        QCOMPARE(Kontrolka<QTabWidget>(okno, "TNWyniki")->currentIndex(), 2);

        QTemporaryDir folder;
        const QString sciezka = folder.filePath(QStringLiteral("2DKwadratowa.csv"));
        dialogi.Plik = WybranyPlik{sciezka, 1};
        Kliknij(Kontrolka<PrzyciskPrzezroczysty>(okno, "BZapiszWyniki"));
        QFile plik(sciezka);
        QVERIFY(plik.open(QIODevice::ReadOnly));
        const StronaZapisu& zapis = *okno.findChild<StronaZapisu*>();
        QCOMPARE(plik.readAll(),
                 QByteArray::fromStdString(TrescPlikuWynikow(zapis.Teksty(), zapis.Pola(), ',')));
        QVERIFY(dialogi.Zadane.isEmpty());

        Kliknij(Kontrolka<PrzyciskPrzezroczysty>(okno, "BSiecZamknij"));
        QTRY_VERIFY(program.Menu.isVisible());
        QVERIFY(program.Menu.isEnabled());
        QVERIFY(!okno.isVisible());

        dialogi.Odpowiedzi = {Odpowiedz::Ok};
        QVERIFY(ProgramSieKonczy([&program] {
            QTest::mouseClick(
                program.Menu.findChild<PrzyciskObrazkowy*>(QStringLiteral("ESKoniec")),
                Qt::LeftButton);
        }));
        QCOMPARE(dialogi.Zadane.size(), 1);
        QCOMPARE(dialogi.Zadane[0].Tekst, "    Czy zakończyć działanie programu Fazolab ?");
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
