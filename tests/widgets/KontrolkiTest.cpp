#include "EtykietaLacza.h"
#include "ObrazekPrzezroczysty.h"
#include "Podpowiedz.h"
#include "PrzyciskObrazkowy.h"
#include "PrzyciskPrzezroczysty.h"
#include "SuwakZZaznaczeniem.h"
#include "WskaznikPostepu.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QMainWindow>
#include <QPainter>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

namespace {

// Takes the pages that the link labels hand to the browser.
class Przegladarka : public QObject {
    Q_OBJECT
public:
    QList<QUrl> otwarte;
public slots:
    void Otworz(const QUrl& adres) { otwarte.append(adres); }
};

void Wejdz(QWidget* w) {
    QEnterEvent wejscie(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(w, &wejscie);
}

void Wyjdz(QWidget* w) {
    QEvent wyjscie(QEvent::Leave);
    QCoreApplication::sendEvent(w, &wyjscie);
}

QPixmap Jednolity(QSize rozmiar, QColor kolor) {
    QPixmap p(rozmiar);
    p.fill(kolor);
    return p;
}

} // namespace

class TestKontrolki : public QObject {
    Q_OBJECT

private slots:
    void suwakZgloszaZmianeTakzeZKodu() {
        SuwakZZaznaczeniem suwak;
        suwak.setRange(1, 24);
        suwak.setTickInterval(1);
        QSignalSpy zmiany(&suwak, &QSlider::valueChanged);
        suwak.setValue(10);
        QCOMPARE(zmiany.size(), 1);
        QCOMPARE(zmiany.first().first().toInt(), 10);
        QCOMPARE(suwak.tickInterval(), 1);
        QCOMPARE(suwak.orientation(), Qt::Horizontal);
    }

    void pasmoZaznaczenia_data() {
        QTest::addColumn<Qt::Orientation>("orientacja");
        QTest::newRow("poziomy") << Qt::Horizontal;
        QTest::newRow("pionowy") << Qt::Vertical;
    }

    void pasmoZaznaczenia() {
        QFETCH(Qt::Orientation, orientacja);
        SuwakZZaznaczeniem suwak(orientacja);
        suwak.setRange(1, 24);
        suwak.resize(orientacja == Qt::Horizontal ? QSize(200, 30) : QSize(30, 200));
        QVERIFY(suwak.ProstokatZaznaczenia().isEmpty());

        suwak.UstawZaznaczenie(12, 3); // either order
        QCOMPARE(suwak.PoczatekZaznaczenia(), 3);
        QCOMPARE(suwak.KoniecZaznaczenia(), 12);
        const QRect pasmo = suwak.ProstokatZaznaczenia();
        QVERIFY(!pasmo.isEmpty());
        QVERIFY(suwak.rect().contains(pasmo));
        // The band is longer the more it covers.
        suwak.UstawZaznaczenie(1, 24);
        const QRect cale = suwak.ProstokatZaznaczenia();
        if (orientacja == Qt::Horizontal) {
            QVERIFY(cale.width() > pasmo.width());
            QCOMPARE(pasmo.height(), cale.height());
        } else {
            QVERIFY(cale.height() > pasmo.height());
        }

        // Drawn in the highlight colour, beside the handle.
        suwak.setValue(24);
        const QImage obraz = suwak.grab().toImage();
        const QColor podswietlenie = suwak.palette().color(QPalette::Active, QPalette::Highlight);
        const QPoint srodek =
            (orientacja == Qt::Horizontal ? QPoint(pasmo.left() + 2, cale.center().y())
                                          : QPoint(cale.center().x(), pasmo.bottom() - 2));
        QCOMPARE(obraz.pixelColor(srodek), podswietlenie);
    }

    // The plane slider, vertical with its minimum drawn on top: the keys and
    // the wheel move the handle as drawn (Down and a turn towards the user
    // down, to larger planes); Home and End keep the minimum and the maximum.
    // A plain vertical slider keeps Qt's way: Up to larger values.
    void klawiszeJakNarysowano_data() {
        QTest::addColumn<bool>("odwrocony");
        QTest::newRow("pionowy") << false;
        QTest::newRow("pionowy odwrócony") << true;
    }

    void klawiszeJakNarysowano() {
        QFETCH(bool, odwrocony);
        SuwakZZaznaczeniem suwak(Qt::Vertical);
        suwak.setRange(1, 100);
        suwak.setPageStep(10);
        suwak.setInvertedAppearance(odwrocony);
        const int wDol = odwrocony ? 1 : -1; // the change of value that moves the handle down
        for (const auto& [klawisz, zmiana] :
             {std::pair{Qt::Key_Down, wDol}, std::pair{Qt::Key_Up, -wDol},
              std::pair{Qt::Key_PageDown, 10 * wDol}, std::pair{Qt::Key_PageUp, -10 * wDol}}) {
            suwak.setValue(50);
            QTest::keyClick(&suwak, klawisz);
            QCOMPARE(suwak.value(), 50 + zmiana);
        }
        suwak.setValue(50);
        QWheelEvent kolko(QPointF(5, 5), suwak.mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&suwak, &kolko);
        QCOMPARE(suwak.value(), 50 + 3 * wDol);
        QTest::keyClick(&suwak, Qt::Key_Home);
        QCOMPARE(suwak.value(), 1);
        QTest::keyClick(&suwak, Qt::Key_End);
        QCOMPARE(suwak.value(), 100);
    }

    void przyciskPrzezroczysty() {
        PrzyciskPrzezroczysty przycisk(QStringLiteral("Licz    "));
        QFont czcionka;
        czcionka.setPixelSize(13);
        czcionka.setBold(true);
        przycisk.setFont(czcionka);
        przycisk.setIcon(QIcon(Jednolity(QSize(16, 16), Qt::green)));
        przycisk.resize(przycisk.sizeHint());
        QVERIFY(przycisk.sizeHint().width() >
                16 + QFontMetrics(czcionka).horizontalAdvance("Licz"));

        // The blinking reads and sets the font colour.
        QCOMPARE(przycisk.KolorCzcionki(), QColor(Qt::black));
        przycisk.UstawKolorCzcionki(Qt::red);
        QCOMPARE(przycisk.KolorCzcionki(), QColor(Qt::red));

        QSignalSpy klik(&przycisk, &QAbstractButton::clicked);
        QTest::mouseClick(&przycisk, Qt::LeftButton);
        QCOMPARE(klik.size(), 1);
        // From the keyboard: Enter and Space click it, other keys do not.
        QTest::keyClick(&przycisk, Qt::Key_Return);
        QTest::keyClick(&przycisk, Qt::Key_Space);
        QTest::keyClick(&przycisk, Qt::Key_A);
        QCOMPARE(klik.size(), 3);
        przycisk.setEnabled(false);
        QTest::mouseClick(&przycisk, Qt::LeftButton);
        QTest::keyClick(&przycisk, Qt::Key_Return);
        QCOMPARE(klik.size(), 3);

        // No face of its own: a parent's colour shows through.
        QWidget tlo;
        tlo.setAutoFillBackground(true);
        QPalette paleta = tlo.palette();
        paleta.setColor(QPalette::Window, QColor(0x20, 0x40, 0x60));
        tlo.setPalette(paleta);
        tlo.resize(200, 40);
        PrzyciskPrzezroczysty naTle(QStringLiteral("Dalej"), &tlo);
        naTle.setGeometry(0, 0, 200, 40);
        const QImage obraz = tlo.grab().toImage();
        QCOMPARE(obraz.pixelColor(195, 20), QColor(0x20, 0x40, 0x60));
    }

    void przyciskRysujeNapisWeWlasnymKolorze() {
        PrzyciskPrzezroczysty przycisk(QStringLiteral("MMMM"));
        QFont czcionka;
        czcionka.setPixelSize(20);
        czcionka.setBold(true);
        przycisk.setFont(czcionka);
        przycisk.UstawKolorCzcionki(Qt::red);
        przycisk.resize(przycisk.sizeHint());
        const QImage obraz = przycisk.grab().toImage();
        bool czerwony = false;
        for (int y = 0; y < obraz.height() && !czerwony; ++y) {
            for (int x = 0; x < obraz.width() && !czerwony; ++x) {
                czerwony = obraz.pixelColor(x, y) == QColor(Qt::red);
            }
        }
        QVERIFY(czerwony);
    }

    void wskaznik() {
        WskaznikPostepu g;
        g.resize(202, 20);
        QCOMPARE(g.KolorPaska(), QColor(Qt::yellow));
        g.UstawMaksimum(100000);
        g.UstawPozycje(25000);
        QCOMPARE(g.Pozycja(), 25000);
        QCOMPARE(g.Procent(), 25);
        g.UstawPozycje(200000);
        QCOMPARE(g.Pozycja(), 100000);
        g.UstawPozycje(-5);
        QCOMPARE(g.Pozycja(), 0);

        g.UstawKolorTla(Qt::white);
        g.UstawPozycje(50000);
        const QImage obraz = g.grab().toImage();
        QCOMPARE(obraz.pixelColor(10, 3), QColor(Qt::yellow));
        QCOMPARE(obraz.pixelColor(190, 3), QColor(Qt::white));

        // A maximum of a series run: 24 x 1 000 000 iterations fits.
        g.UstawMaksimum(24 * 1000000);
        g.UstawPozycje(12 * 1000000);
        QCOMPARE(g.Procent(), 50);
    }

    void przyciskObrazkowy() {
        PrzyciskObrazkowy przycisk;
        const QPixmap zwykly = Jednolity(QSize(253, 40), Qt::darkBlue);
        const QPixmap podMysza = Jednolity(QSize(253, 40), Qt::yellow);
        przycisk.UstawObrazki(zwykly, podMysza);
        UstawPodpowiedz(&przycisk, QStringLiteral("Uruchamia symulacje dla sieci 2D kwadratowej"));
        QCOMPARE(przycisk.sizeHint(), QSize(253, 40));
        przycisk.resize(przycisk.sizeHint());
        QCOMPARE(przycisk.WidocznyObrazek().cacheKey(), zwykly.cacheKey());

        Wejdz(&przycisk);
        QVERIFY(przycisk.PodMysza());
        QCOMPARE(przycisk.WidocznyObrazek().cacheKey(), podMysza.cacheKey());
        QCOMPARE(przycisk.grab().toImage().pixelColor(5, 5), QColor(Qt::yellow));
        Wyjdz(&przycisk);
        QCOMPARE(przycisk.WidocznyObrazek().cacheKey(), zwykly.cacheKey());

        QSignalSpy klik(&przycisk, &QAbstractButton::clicked);
        QTest::mouseClick(&przycisk, Qt::LeftButton);
        QCOMPARE(klik.size(), 1);
        QCOMPARE(przycisk.toolTip(), przycisk.statusTip());

        // From the keyboard: it takes the focus, and Enter and Space click it.
        QCOMPARE(przycisk.focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(&przycisk, Qt::Key_Return);
        QTest::keyClick(&przycisk, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(&przycisk, Qt::Key_Space);
        QCOMPARE(klik.size(), 4);
        QTest::keyClick(&przycisk, Qt::Key_A);
        QCOMPARE(klik.size(), 4);
    }

    void etykietaLacza() {
        Przegladarka przegladarka;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &przegladarka, "Otworz");
        const QUrl adres(QStringLiteral("https://example.org/autor"));
        EtykietaLacza lacze(QStringLiteral("Zespół Fazolab"), adres);
        lacze.UstawKolory(Qt::white, Qt::yellow);
        lacze.resize(lacze.sizeHint());
        QVERIFY(lacze.font().underline());
        QCOMPARE(lacze.KolorTekstu(), QColor(Qt::white));

        Wejdz(&lacze);
        QCOMPARE(lacze.KolorTekstu(), QColor(Qt::yellow));
        QTest::mousePress(&lacze, Qt::LeftButton);
        QCOMPARE(lacze.KolorTekstu(), QColor(Qt::red));
        QSignalSpy otwarto(&lacze, &EtykietaLacza::Otwarto);
        QTest::mouseRelease(&lacze, Qt::LeftButton);
        QCOMPARE(otwarto.size(), 1);
        QCOMPARE(przegladarka.otwarte, QList<QUrl>{adres});
        QCOMPARE(lacze.KolorTekstu(), QColor(Qt::yellow));
        Wyjdz(&lacze);
        QCOMPARE(lacze.KolorTekstu(), QColor(Qt::white));

        // Released outside: nothing opens.
        QTest::mousePress(&lacze, Qt::LeftButton);
        QTest::mouseRelease(&lacze, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(przegladarka.otwarte.size(), 1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void obrazekPrzezroczysty() {
        // A grey frame around a picture: the grey is cut out of the window.
        QImage obraz(40, 30, QImage::Format_RGB32);
        obraz.fill(Qt::gray);
        QPainter(&obraz).fillRect(QRect(10, 5, 20, 20), Qt::darkGreen);
        QWidget okno(nullptr, Qt::FramelessWindowHint);
        okno.resize(40, 30);
        ObrazekPrzezroczysty obrazek(&okno);
        obrazek.UstawObrazek(QPixmap::fromImage(obraz), Qt::gray);
        obrazek.resize(obrazek.sizeHint());
        QCOMPARE(obrazek.sizeHint(), QSize(40, 30));
        QCOMPARE(obrazek.KolorPrzezroczysty(), QColor(Qt::gray));

        const QRegion ksztalt = obrazek.Ksztalt();
        QCOMPARE(ksztalt.boundingRect(), QRect(10, 5, 20, 20));
        QVERIFY(ksztalt.contains(QPoint(15, 10)));
        QVERIFY(!ksztalt.contains(QPoint(2, 2)));

        obrazek.UksztaltujOkno();
        QCOMPARE(okno.mask(), ksztalt);

        // The transparent colour is not drawn: what lies behind shows.
        okno.setAutoFillBackground(true);
        QPalette paleta = okno.palette();
        paleta.setColor(QPalette::Window, Qt::red);
        okno.setPalette(paleta);
        const QImage widok = okno.grab().toImage();
        QCOMPARE(widok.pixelColor(2, 2), QColor(Qt::red));
        QCOMPARE(widok.pixelColor(15, 10), QColor(Qt::darkGreen));
    }

    void podpowiedzWDymkuIWPasku() {
        QMainWindow okno;
        auto* wnetrze = new QWidget;
        okno.setCentralWidget(wnetrze);
        auto* z = new QWidget(wnetrze);
        auto* bez = new QWidget(wnetrze);
        UstawPodpowiedz(z, QStringLiteral("Zakończenie działania programu"));
        UstawPodpowiedz(bez, QStringLiteral("WYKRES: Średni parametr"), Dymek::Nie);
        QCOMPARE(z->toolTip(), QStringLiteral("Zakończenie działania programu"));
        QCOMPARE(z->statusTip(), QStringLiteral("Zakończenie działania programu"));
        QVERIFY(bez->toolTip().isEmpty());
        QCOMPARE(bez->statusTip(), QStringLiteral("WYKRES: Średni parametr"));

        // Qt's status tip reaches the window's status bar under the mouse.
        QStatusBar* pasek = okno.statusBar();
        okno.show();
        Wejdz(bez);
        QCOMPARE(pasek->currentMessage(), QStringLiteral("WYKRES: Średni parametr"));
        Wyjdz(bez);
        QVERIFY(pasek->currentMessage().isEmpty());
    }
};

QTEST_MAIN(TestKontrolki)
#include "KontrolkiTest.moc"
