#include "TPrg.h"

#include "DialogiTestowe.h"
#include "EtykietaLacza.h"
#include "FiltrPomocy.h"
#include "KontekstPomocy.h"
#include "ObrazkiZastepcze.h"
#include "OknoPomocy.h"
#include "PrzyciskObrazkowy.h"
#include "ZakonczenieProgramu.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QRect EkranDomowy(0, 0, 1024, 768);
const QString PytanieOKoniec = QStringLiteral("    Czy zakończyć działanie programu Fazolab ?");

// The simulation window as the menu sees it, and what the menu told it.
struct OknoSymulacji {
    QWidget okno;
    QStringList rodzaje;
    // The state of the two windows when the window was set up.
    QList<std::tuple<bool, bool, bool>> stanPrzyUstawieniu;
};

void Podlacz(TPrg& menu, OknoSymulacji& symulacja) {
    menu.UstawOknoSymulacji(&symulacja.okno, [&menu, &symulacja](const QString& rodzaj) {
        symulacja.rodzaje.append(rodzaj);
        symulacja.stanPrzyUstawieniu.append(
            {symulacja.okno.isVisible(), menu.isVisible(), menu.isEnabled()});
    });
}

PrzyciskObrazkowy* Przycisk(const TPrg& menu, const QString& nazwa) {
    return menu.findChild<PrzyciskObrazkowy*>(nazwa);
}

} // namespace

class TPrgTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;

private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        PrzygotujObrazkiZastepcze(katalog_.path());
    }

    void okno() {
        DialogiTestowe dialogi;
        TPrg menu(dialogi, EkranDomowy);
        QCOMPARE(menu.windowTitle(), QStringLiteral("Fazolab - Symulacje przejść fazowych "
                                                    "porządek-nieporządek metodą Monte Carlo"));
        QCOMPARE(menu.minimumSize(), QSize(600, 400));
        QCOMPARE(menu.maximumSize(), QSize(600, 400));
        QVERIFY(menu.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!menu.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(menu.pos(), QPoint(212, 184));
        QCOMPARE(KontekstPomocy(&menu), 1000);
    }

    void przyciski_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QRect>("miejsce");
        QTest::addColumn<QString>("podpowiedz");
        QTest::addColumn<QString>("rodzaj");
        QTest::newRow("ES3DR") << "ES3DR" << QRect(0, 62, 253, 40)
                               << "Uruchamia symulacje dla sieci 3D kubicznej prostej"
                               << "3DR";
        QTest::newRow("ES2DTrojkat") << "ES2DTrojkat" << QRect(0, 125, 253, 42)
                                     << "Uruchamia symulacje dla sieci 2D trójkątnej"
                                     << "2DTrojkat";
        QTest::newRow("ES2DKwadrat") << "ES2DKwadrat" << QRect(0, 192, 253, 41)
                                     << "Uruchamia symulacje dla sieci 2D kwadratowej"
                                     << "2DKwadrat";
        QTest::newRow("ES2DHeksagonalna") << "ES2DHeksagonalna" << QRect(0, 256, 253, 43)
                                          << "Uruchamia symulacje dla sieci 2D heksagonalnej"
                                          << "2DHeksagonalna";
        QTest::newRow("ESKoniec") << "ESKoniec" << QRect(462, 354, 138, 46)
                                  << "Zakończenie działania programu" << QString();
    }

    void przyciski() {
        QFETCH(QString, nazwa);
        QFETCH(QRect, miejsce);
        QFETCH(QString, podpowiedz);
        DialogiTestowe dialogi;
        TPrg menu(dialogi, EkranDomowy);
        PrzyciskObrazkowy* przycisk = Przycisk(menu, nazwa);
        QVERIFY(przycisk != nullptr);
        QCOMPARE(przycisk->geometry(), miejsce);
        QCOMPARE(przycisk->toolTip(), podpowiedz);
        QCOMPARE(przycisk->statusTip(), podpowiedz);
        QVERIFY(!przycisk->accessibleName().isEmpty());
        QVERIFY(przycisk->focusPolicy() & Qt::TabFocus);
        QVERIFY(!przycisk->WidocznyObrazek().isNull());
    }

    // A lattice button shows the window, hides and disables the menu, and
    // only then sets the window up; from the mouse and from the keyboard.
    void wyborSieci_data() { przyciski_data(); }

    void wyborSieci() {
        QFETCH(QString, nazwa);
        QFETCH(QString, rodzaj);
        if (rodzaj.isEmpty()) {
            return;
        }
        DialogiTestowe dialogi;
        TPrg menu(dialogi, EkranDomowy);
        OknoSymulacji symulacja;
        Podlacz(menu, symulacja);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));

        QTest::mouseClick(Przycisk(menu, nazwa), Qt::LeftButton);
        QVERIFY(symulacja.okno.isVisible());
        QVERIFY(!menu.isVisible());
        QVERIFY(!menu.isEnabled());
        QCOMPARE(symulacja.rodzaje, QStringList{rodzaj});
        QCOMPARE(symulacja.stanPrzyUstawieniu.first(), std::make_tuple(true, false, false));

        // Back from the window ("Koniec" there), then the same by keyboard.
        symulacja.okno.hide();
        menu.setEnabled(true);
        menu.show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        Przycisk(menu, nazwa)->setFocus();
        QTest::keyClick(Przycisk(menu, nazwa), Qt::Key_Return);
        QCOMPARE(symulacja.rodzaje, (QStringList{rodzaj, rodzaj}));
        QVERIFY(!menu.isVisible());
        QVERIFY(dialogi.Zadane.isEmpty());
    }

    void podpisy() {
        DialogiTestowe dialogi;
        TPrg menu(dialogi, EkranDomowy);
        QLabel* autor = nullptr;
        QLabel* promotor = nullptr;
        for (QLabel* etykieta : menu.findChildren<QLabel*>()) {
            if (etykieta->text() == QStringLiteral("Autor:")) {
                autor = etykieta;
            } else if (etykieta->text() == QStringLiteral("Promotor:")) {
                promotor = etykieta;
            }
        }
        QVERIFY(autor != nullptr && promotor != nullptr);
        QCOMPARE(autor->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QCOMPARE(autor->font().pixelSize(), 16);
        QVERIFY(autor->font().bold());
        QCOMPARE(promotor->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(promotor->font().pixelSize(), 13);
        QVERIFY(promotor->font().bold());
        QVERIFY(autor->geometry().bottom() < promotor->geometry().top());
        QVERIFY(promotor->geometry().bottom() < 400);

        // Each credit is a link into the "O programie" section of the help,
        // beside its label.
        QTemporaryDir pomoc;
        const QString plik = pomoc.filePath(QStringLiteral("Fazolab.html"));
        QFile html(plik);
        QVERIFY(html.open(QIODevice::WriteOnly));
        html.write("<h1>Pomoc</h1><a name=\"o_programie\"></a><h2>O programie</h2>");
        html.close();
        for (const auto& [nazwa, podpis] :
             {std::pair{"LAutorLacze", autor}, std::pair{"LPromotorLacze", promotor}}) {
            auto* lacze = menu.findChild<EtykietaLacza*>(QString::fromLatin1(nazwa));
            QVERIFY(lacze != nullptr);
            QVERIFY(!lacze->text().isEmpty());
            QVERIFY(!lacze->accessibleName().isEmpty());
            QCOMPARE(lacze->font().pixelSize(), podpis->font().pixelSize());
            QVERIFY(lacze->geometry().left() > podpis->geometry().right());
            QVERIFY(lacze->geometry().top() < podpis->geometry().bottom());

            FiltrPomocy filtr(plik);
            lacze->resize(lacze->sizeHint());
            QTest::mouseClick(lacze, Qt::LeftButton);
            QVERIFY(filtr.Okno() != nullptr);
            QCOMPARE(filtr.Okno()->Kotwica(), QStringLiteral("o_programie"));
        }
    }

    // Cancel keeps the menu shown and usable, from the button and from the
    // close box alike.
    void anulowanieZostawiaMenu() {
        DialogiTestowe dialogi;
        dialogi.Odpowiedzi = {Odpowiedz::Anuluj, Odpowiedz::Anuluj};
        TPrg menu(dialogi, EkranDomowy);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QVERIFY(!ProgramSieKonczy([&menu] {
            QTest::mouseClick(Przycisk(menu, QStringLiteral("ESKoniec")), Qt::LeftButton);
            QVERIFY(!menu.close());
        }));
        QCOMPARE(dialogi.Zadane.size(), 2);
        for (const DialogiTestowe::Pytanie& pytanie : dialogi.Zadane) {
            QCOMPARE(pytanie.Tekst, PytanieOKoniec);
            QCOMPARE(pytanie.Tytul, QStringLiteral("Fazolab"));
            QCOMPARE(pytanie.Rodzaj, Przyciski::OkAnuluj);
        }
        QVERIFY(menu.isVisible());
        QVERIFY(menu.isEnabled());
    }

    // OK ends the program, and the closing of the windows that follows asks
    // nothing more.
    void okKonczyProgram_data() {
        QTest::addColumn<bool>("zPrzycisku");
        QTest::newRow("Koniec") << true;
        QTest::newRow("pole zamknięcia") << false;
    }

    void okKonczyProgram() {
        QFETCH(bool, zPrzycisku);
        DialogiTestowe dialogi;
        dialogi.Odpowiedzi = {Odpowiedz::Ok};
        TPrg menu(dialogi, EkranDomowy);
        QWidget oknoSymulacji;
        menu.UstawOknoSymulacji(&oknoSymulacji, [](const QString&) {});
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QVERIFY(ProgramSieKonczy([&] {
            if (zPrzycisku) {
                QTest::mouseClick(Przycisk(menu, QStringLiteral("ESKoniec")), Qt::LeftButton);
            } else {
                menu.close();
            }
        }));
        QCOMPARE(dialogi.Zadane.size(), 1);
    }
};

QTEST_MAIN(TPrgTest)
#include "TPrgTest.moc"
