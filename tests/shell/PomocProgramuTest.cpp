#include "DialogiTestowe.h"
#include "EtykietaLacza.h"
#include "KontekstPomocy.h"
#include "Kontrolka.h"
#include "OknoPomocy.h"
#include "Program.h"
#include "PrzyciskPrzezroczysty.h"
#include "StronaObliczen.h"
#include "StronaUstawien.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

// The program's own help document (copied beside the program by the build,
// where this test runs) against the program's own windows.
namespace {

// The anchors the program can ask for: the help context of every control of
// its three windows and the help addresses of its link labels.
QSet<QString> KotwiceProgramu(Program& program) {
    QSet<QString> kotwice;
    for (QWidget* okno :
         std::initializer_list<QWidget*>{&program.Logo, &program.Menu, &program.OknoSymulacji}) {
        QList<QWidget*> kontrolki = okno->findChildren<QWidget*>();
        kontrolki.append(okno);
        for (const QWidget* kontrolka : kontrolki) {
            if (const int kontekst = KontekstPomocy(kontrolka); kontekst != 0) {
                kotwice.insert(QStringLiteral("k%1").arg(kontekst));
            }
        }
        for (const EtykietaLacza* lacze : okno->findChildren<EtykietaLacza*>()) {
            if (lacze->Adres().scheme() == QLatin1String("pomoc")) {
                kotwice.insert(lacze->Adres().fragment());
            }
        }
    }
    return kotwice;
}

QTextBlock BlokKotwicy(const QTextBrowser& przegladarka, const QString& kotwica) {
    for (QTextBlock blok = przegladarka.document()->begin(); blok.isValid(); blok = blok.next()) {
        if (blok.charFormat().anchorNames().contains(kotwica)) {
            return blok;
        }
        for (auto fragment = blok.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorNames().contains(kotwica)) {
                return blok;
            }
        }
    }
    return {};
}

int OknaPomocy() {
    int ile = 0;
    for (const QWidget* okno : QApplication::topLevelWidgets()) {
        ile += okno->isVisible() && okno->windowTitle() == QLatin1String("Fazolab - Pomoc") ? 1 : 0;
    }
    return ile;
}

void WcisnijF1(QWidget* kontrolka) {
    kontrolka->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(kontrolka->window()));
    kontrolka->setFocus();
    QTest::keyClick(kontrolka, Qt::Key_F1);
}

} // namespace

class PomocProgramuTest : public QObject {
    Q_OBJECT

    QTemporaryDir konfiguracja_;

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", konfiguracja_.path().toUtf8());
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QDir::setSearchPaths(QStringLiteral("okna"), {QStringLiteral(":/okna")});
    }

    // Every anchor the program asks for has its section, and a jump there
    // shows the section's heading at the top (or, for the last section,
    // which cannot scroll that far, in view).
    void kazdaKotwicaMaSekcjeZNaglowkiemNaGorze() {
        DialogiTestowe dialogi;
        Program program(dialogi, QGuiApplication::primaryScreen()->geometry());
        program.OknoSymulacji.UstawSiec(QStringLiteral("3DR"));
        const QSet<QString> kotwice = KotwiceProgramu(program);
        QVERIFY(kotwice.size() > 30);
        QVERIFY(kotwice.contains(QStringLiteral("o_programie")));
        for (const QString& kotwica : kotwice) {
            QDesktopServices::openUrl(FiltrPomocy::Adres(kotwica));
            OknoPomocy* okno = program.Pomoc.Okno();
            QVERIFY(okno != nullptr);
            QVERIFY2(okno->Kotwica() == kotwica, qPrintable(kotwica));
            QVERIFY(QTest::qWaitForWindowExposed(okno));
            const QTextBrowser& przegladarka = *okno->Przegladarka();
            const QTextBlock naglowek = BlokKotwicy(przegladarka, kotwica);
            QVERIFY2(naglowek.blockFormat().headingLevel() > 0, qPrintable(kotwica));
            const QScrollBar* pasek = przegladarka.verticalScrollBar();
            const QTextBlock naGorze = przegladarka.cursorForPosition(QPoint(4, 4)).block();
            const int gora = przegladarka.cursorRect(QTextCursor(naglowek)).top();
            QVERIFY2(naGorze == naglowek || (pasek->value() == pasek->maximum() && gora >= 0 &&
                                             gora < przegladarka.viewport()->height()),
                     qPrintable(kotwica));
        }
    }

    // F1 and "Pomoc" share the one help window, each turning it to its own
    // section: "Pomoc" to the shown stage's page, F1 on the forward button to
    // the stage it leads to.
    void f1IPomocJednoOknoTamGdzieUzytkownik() {
        DialogiTestowe dialogi;
        Program program(dialogi, QGuiApplication::primaryScreen()->geometry());
        TSiec2D3D& okno = program.OknoSymulacji;
        okno.show();
        okno.UstawSiec(QStringLiteral("2DKwadrat"));
        QVERIFY(QTest::qWaitForWindowExposed(&okno));

        WcisnijF1(Kontrolka<QRadioButton>(okno, "RBSeriaSymulacji"));
        OknoPomocy* pomoc = program.Pomoc.Okno();
        QVERIFY(pomoc != nullptr);
        QCOMPARE(pomoc->Kotwica(), QStringLiteral("k11020"));
        const QRect ekran = okno.screen()->availableGeometry();
        QVERIFY(ekran.contains(pomoc->frameGeometry()));

        const auto pomocEtapu = [&] {
            Kontrolka<PrzyciskPrzezroczysty>(okno, "TBPomoc")->click();
            return program.Pomoc.Okno() == pomoc && pomoc->isVisible() && OknaPomocy() == 1
                       ? pomoc->Kotwica()
                       : QString();
        };
        QCOMPARE(pomocEtapu(), QStringLiteral("k10000"));
        WcisnijF1(Kontrolka<PrzyciskPrzezroczysty>(okno, "BSiecDalej"));
        QCOMPARE(pomoc->Kotwica(), QStringLiteral("k20000"));

        okno.BSiecDalejClick();
        QCOMPARE(pomocEtapu(), QStringLiteral("k21000"));
        Kontrolka<QTabWidget>(okno, "TNObliczenia")->setCurrentIndex(1);
        QCOMPARE(pomocEtapu(), QStringLiteral("k22000"));
        QCOMPARE(KontekstPomocy(Kontrolka<PrzyciskPrzezroczysty>(okno, "BSiecDalej")), 30000);

        // Closed with Esc, it opens again as the same window.
        QVERIFY(QTest::qWaitForWindowActive(pomoc));
        QTest::keyClick(pomoc->Przegladarka()->viewport(), Qt::Key_Escape);
        QVERIFY(pomoc->isHidden());
        Kontrolka<QTabWidget>(okno, "TNObliczenia")->setCurrentIndex(0);
        QCOMPARE(pomocEtapu(), QStringLiteral("k21000"));
        program.OknoSymulacji.BSiecZamknijClick();
    }
};

QTEST_MAIN(PomocProgramuTest)
#include "PomocProgramuTest.moc"
