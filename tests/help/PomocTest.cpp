#include "FiltrPomocy.h"
#include "KontekstPomocy.h"
#include "OknoPomocy.h"
#include "PlikiProgramu.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// A help document with long sections, so that each anchor lies at its own
// scroll position.
QString DokumentPomocy() {
    QString html = QStringLiteral("<html><body><h1>Pomoc</h1>");
    for (const char* kotwica : {"k100", "k1000", "k3001", "k10413", "o_programie"}) {
        html += QStringLiteral("<a name=\"%1\"></a><h2>Sekcja %1</h2>").arg(QLatin1String(kotwica));
        for (int i = 0; i < 40; ++i) {
            html += QStringLiteral("<p>Akapit %1.</p>").arg(i);
        }
    }
    return html + QStringLiteral("</body></html>");
}

void Zapisz(const QString& sciezka, const QByteArray& tresc) {
    QDir().mkpath(QFileInfo(sciezka).absolutePath());
    QFile plik(sciezka);
    QVERIFY(plik.open(QIODevice::WriteOnly));
    plik.write(tresc);
}

// The paragraph at the top of the visible part of the help window.
QString NaGorze(const OknoPomocy& okno) {
    const QTextBrowser* przegladarka = okno.Przegladarka();
    return przegladarka->cursorForPosition(QPoint(4, 4)).block().text();
}

} // namespace

class PomocTest : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QString plikPomocy_;

private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        plikPomocy_ = katalog_.filePath(QStringLiteral("Pomoc/Fazolab.html"));
        Zapisz(plikPomocy_, DokumentPomocy().toUtf8());
    }

    void kolejnoscKatalogow() {
        const QStringList katalogi = KatalogiProgramu();
        QCOMPARE(katalogi.size(), 3);
        QCOMPARE(katalogi.at(0), QCoreApplication::applicationDirPath());
        QCOMPARE(katalogi.at(1), QDir::currentPath());
        QCOMPARE(katalogi.at(2), QStringLiteral(FAZOLAB_KATALOG_DANYCH));
    }

    // Beside the program first, then the current folder, then nothing.
    void plikPrzyProgramieWygrywaZBiezacym() {
        const QString nazwa =
            QStringLiteral("Pomoc/test_Pomoc_%1.html").arg(QCoreApplication::applicationPid());
        const QString przyProgramie = QDir(QCoreApplication::applicationDirPath()).filePath(nazwa);
        const QString poprzedni = QDir::currentPath();
        QVERIFY(QDir::setCurrent(katalog_.path()));
        const QString wBiezacym = katalog_.filePath(nazwa);

        QCOMPARE(ZnajdzPlikProgramu(nazwa), QString());
        Zapisz(wBiezacym, "biezacy");
        QCOMPARE(ZnajdzPlikProgramu(nazwa), wBiezacym);
        Zapisz(przyProgramie, "przy programie");
        QCOMPARE(ZnajdzPlikProgramu(nazwa), przyProgramie);

        QFile::remove(przyProgramie);
        QFile::remove(wBiezacym);
        QDir(QCoreApplication::applicationDirPath()).rmdir(QStringLiteral("Pomoc"));
        QDir::setCurrent(poprzedni);
        // A folder of that name is not a file.
        QCOMPARE(ZnajdzPlikProgramu(QStringLiteral(".")), QString());
    }

    void kontekstOdNajblizszegoRodzica() {
        QWidget okno;
        auto* panel = new QWidget(&okno);
        auto* pole = new QLineEdit(panel);
        QCOMPARE(KontekstPomocy(pole), 0);
        QCOMPARE(KontekstPomocy(nullptr), 0);
        UstawKontekstPomocy(&okno, 3001);
        QCOMPARE(KontekstPomocy(pole), 3001);
        UstawKontekstPomocy(panel, 10000);
        QCOMPARE(KontekstPomocy(pole), 10000);
        UstawKontekstPomocy(pole, 10413);
        QCOMPARE(KontekstPomocy(pole), 10413);
        QCOMPARE(KontekstPomocy(&okno), 3001);
    }

    void oknoOtwieraSieNaSekcjiKontekstu_data() {
        QTest::addColumn<int>("kontekst");
        QTest::addColumn<QString>("kotwica");
        QTest::addColumn<QString>("naGorze");
        QTest::newRow("ostatnia sekcja") << 10413 << "k10413"
                                         << "Sekcja k10413";
        QTest::newRow("środkowa sekcja") << 1000 << "k1000"
                                         << "Sekcja k1000";
        QTest::newRow("brak sekcji: początek") << 20000 << QString() << "Pomoc";
    }

    void oknoOtwieraSieNaSekcjiKontekstu() {
        QFETCH(int, kontekst);
        QFETCH(QString, kotwica);
        QFETCH(QString, naGorze);
        OknoPomocy okno(plikPomocy_);
        QCOMPARE(okno.windowTitle(), QStringLiteral("Fazolab - Pomoc"));
        QVERIFY(!okno.testAttribute(Qt::WA_QuitOnClose));
        // Opened elsewhere first, so that the move to the section is seen.
        okno.PokazKotwice(QStringLiteral("o_programie"));
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        okno.Pokaz(kontekst);
        QCOMPARE(okno.Kotwica(), kotwica);
        QTRY_COMPARE(NaGorze(okno), naGorze);
    }

    // The text reflows when the window takes another width: the section
    // stays at the top until the user scrolls away, and then he keeps his
    // place.
    void sekcjaZostajeNaGorzePoZmianieSzerokosci() {
        OknoPomocy okno(plikPomocy_);
        okno.PokazKotwice(QStringLiteral("k3001"));
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QTRY_COMPARE(NaGorze(okno), QStringLiteral("Sekcja k3001"));
        for (const int szerokosc : {140, 900, 200}) {
            okno.resize(szerokosc, okno.height());
            QTRY_COMPARE(NaGorze(okno), QStringLiteral("Sekcja k3001"));
        }
        QScrollBar* pasek = okno.Przegladarka()->verticalScrollBar();
        pasek->setValue(pasek->value() + 3 * pasek->singleStep());
        okno.resize(600, okno.height());
        QVERIFY(NaGorze(okno) != QStringLiteral("Sekcja k3001"));
    }

    // Beside the window help was asked from when the screen has room, and
    // whole on the screen.
    void oknoOtwieraSieObokOknaProgramu() {
        QWidget program;
        program.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().left(), 0, 200,
                            300);
        program.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program));
        OknoPomocy okno(plikPomocy_);
        okno.Pokaz(1000, &program);
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        const QRect ekran = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(ekran.contains(okno.frameGeometry()));
        QCOMPARE(okno.frameGeometry().left(), program.frameGeometry().right() + 1);
        QVERIFY(!okno.frameGeometry().intersects(program.frameGeometry()));
    }

    void escZamykaOkno() {
        OknoPomocy okno(plikPomocy_);
        okno.Pokaz(1000);
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        QTest::keyClick(okno.Przegladarka()->viewport(), Qt::Key_Escape);
        QVERIFY(okno.isHidden());
        // Opened again, it is the same window at the new section.
        okno.Pokaz(10413);
        QVERIFY(okno.isVisible());
        QTRY_COMPARE(NaGorze(okno), QStringLiteral("Sekcja k10413"));
    }

    // F1 and a help button share the one window: the second request raises
    // it and turns it to its own section instead of opening another.
    void f1IPrzyciskPomocyJednoOkno() {
        FiltrPomocy filtr(plikPomocy_);
        qApp->installEventFilter(&filtr);
        QWidget okno;
        auto* uklad = new QVBoxLayout(&okno);
        auto* pole = new QLineEdit(&okno);
        uklad->addWidget(pole);
        UstawKontekstPomocy(pole, 10413);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        pole->setFocus();
        QTest::keyClick(pole, Qt::Key_F1);
        OknoPomocy* pierwsze = filtr.Okno();
        QVERIFY(pierwsze != nullptr);
        QCOMPARE(pierwsze->Kotwica(), QStringLiteral("k10413"));

        filtr.Pokaz(1000, &okno);
        QCOMPARE(filtr.Okno(), pierwsze);
        QCOMPARE(pierwsze->Kotwica(), QStringLiteral("k1000"));
        QTRY_COMPARE(NaGorze(*pierwsze), QStringLiteral("Sekcja k1000"));
        int oknaPomocy = 0;
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            oknaPomocy += w->isVisible() && w->windowTitle() == pierwsze->windowTitle() ? 1 : 0;
        }
        QCOMPARE(oknaPomocy, 1);
        qApp->removeEventFilter(&filtr);
    }

    void f1OtwieraPomocKontrolkiZFocusem() {
        FiltrPomocy filtr(plikPomocy_);
        qApp->installEventFilter(&filtr);
        QWidget okno;
        auto* uklad = new QVBoxLayout(&okno);
        auto* pole = new QLineEdit(&okno);
        auto* przycisk = new QPushButton(QStringLiteral("Licz"), &okno);
        uklad->addWidget(pole);
        uklad->addWidget(przycisk);
        UstawKontekstPomocy(&okno, 3001);
        UstawKontekstPomocy(pole, 10413);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));

        pole->setFocus();
        QTest::keyClick(pole, Qt::Key_F1);
        QVERIFY(filtr.Okno() != nullptr);
        QVERIFY(filtr.Okno()->isVisible());
        QCOMPARE(filtr.Okno()->Kotwica(), QStringLiteral("k10413"));
        QTRY_COMPARE(NaGorze(*filtr.Okno()), QStringLiteral("Sekcja k10413"));
        // F1 was taken, not typed into the field.
        QCOMPARE(pole->text(), QString());

        okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        przycisk->setFocus();
        QTest::keyClick(przycisk, Qt::Key_F1);
        QCOMPARE(filtr.Okno()->Kotwica(), QStringLiteral("k3001"));

        // Other keys pass.
        pole->setFocus();
        QTest::keyClicks(pole, QStringLiteral("ab"));
        QCOMPARE(pole->text(), QStringLiteral("ab"));
        qApp->removeEventFilter(&filtr);
    }

    void adresPomocyOtwieraSekcje() {
        FiltrPomocy filtr(plikPomocy_);
        const QUrl adres = FiltrPomocy::Adres(QStringLiteral("o_programie"));
        QVERIFY(adres.isValid());
        QVERIFY(QDesktopServices::openUrl(adres));
        QVERIFY(filtr.Okno() != nullptr);
        QCOMPARE(filtr.Okno()->Kotwica(), QStringLiteral("o_programie"));
    }

    // Without a help document F1 reaches the control and nothing opens.
    void bezPomocyNicSieNieDzieje() {
        FiltrPomocy filtr{QString()};
        qApp->installEventFilter(&filtr);
        QLineEdit pole;
        UstawKontekstPomocy(&pole, 10413);
        pole.show();
        QVERIFY(QTest::qWaitForWindowActive(&pole));
        QTest::keyClick(&pole, Qt::Key_F1);
        filtr.OtworzAdres(FiltrPomocy::Adres(QStringLiteral("o_programie")));
        QCOMPARE(filtr.Okno(), nullptr);
        qApp->removeEventFilter(&filtr);
    }
};

QTEST_MAIN(PomocTest)
#include "PomocTest.moc"
