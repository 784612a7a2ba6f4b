#include "TRot3D.h"

#include "ObrazSieci.h"
#include "RysunekSieci.h"
#include "Siec.h"

#include <QApplication>
#include <QFont>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

namespace {

constexpr QRgb Limonka = 0xFF00FF00;
constexpr QRgb Niebieski = 0xFF0000FF;

// A cubic lattice of B atoms with A at the given sites, fed to the view as the
// window feeds it (the view sized like the panel it fills).
struct Widok {
    Siec siec;
    ObrazSieci obraz;
    TRot3D rot;
    RysunekSieci rysunek{siec, obraz, rot};

    Widok(int nx, int ny, int nz) {
        rot.resize(403, 372);
        siec.UstawRozmiar(RodzajSieci::Kubiczna3D, nx, ny, nz);
        siec.WyczyscRamke();
    }
    QPoint Wzgledny(int i) const { return rot.PunktNaEkranie(i) - QPoint(195, 200); }
};

void Przesun(QWidget& w, QPoint p, Qt::MouseButtons przyciski) {
    QMouseEvent e(QEvent::MouseMove, p, w.mapToGlobal(p), Qt::NoButton, przyciski, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

int Zlicz(const QImage& obraz, QRgb kolor, QPoint od, QPoint krok, int ile) {
    int n = 0;
    for (int k = 0; k < ile; ++k) {
        n += obraz.pixel(od + k * krok) == kolor;
    }
    return n;
}

} // namespace

class TestTRot3D : public QObject {
    Q_OBJECT
private slots:
    void macierzObrotu();
    void powiekszenie_data();
    void powiekszenie();
    void rzutSzescianu_data();
    void rzutSzescianu();
    void nazwyOsi();
    void skalaIPoczatek();
    void punktyIRamka();
    void pustaListaNicNieZmienia();
    void obrotMysza();
    void kolkoIPrzesuniecie();
    void zapiszObrazek();
};

void TestTRot3D::macierzObrotu() {
    TRot3D rot;
    const TRot3D::Macierz oczekiwana{{{0, -250, 433}, {354, 306, 177}, {-354, 306, 177}}};
    QCOMPARE(rot.MacierzObrotu(), oczekiwana);
    rot.SetViewAngleX(0);
    rot.SetViewAngleY(0);
    rot.SetViewAngleZ(0);
    const TRot3D::Macierz jednostkowa{{{500, 0, 0}, {0, 500, 0}, {0, 0, 500}}};
    QCOMPARE(rot.MacierzObrotu(), jednostkowa);
}

void TestTRot3D::powiekszenie_data() {
    QTest::addColumn<double>("podane");
    QTest::addColumn<double>("przyjete");
    QTest::addColumn<int>("dzielnik");
    QTest::newRow("okno") << 0.6666666666666666 << 0.6666666666666666 << 3000;
    QTest::newRow("ponizej") << 0.01 << 0.1 << 20000;
    QTest::newRow("powyzej") << 7.0 << 5.0 << 400;
    QTest::newRow("1.5") << 1.5 << 1.5 << 1333;
}

void TestTRot3D::powiekszenie() {
    QFETCH(double, podane);
    QFETCH(double, przyjete);
    QFETCH(int, dzielnik);
    TRot3D rot;
    rot.SetMagnification(podane);
    QCOMPARE(rot.Magnification(), przyjete);
    QCOMPARE(rot.Dzielnik(), dzielnik);
}

// Every axis spans -500..500 view units whatever the proportions, so the
// corners of any block land on the same pixels.
void TestTRot3D::rzutSzescianu_data() {
    QTest::addColumn<int>("nx");
    QTest::addColumn<int>("ny");
    QTest::addColumn<int>("nz");
    QTest::newRow("6 x 6 x 6") << 6 << 6 << 6;
    QTest::newRow("6 x 10 x 8") << 6 << 10 << 8;
    QTest::newRow("10 x 10 x 10") << 10 << 10 << 10;
}

void TestTRot3D::rzutSzescianu() {
    QFETCH(int, nx);
    QFETCH(int, ny);
    QFETCH(int, nz);
    Widok w(nx, ny, nz);
    w.rysunek.RysujSiec3D();
    QCOMPARE(w.rot.IloscPunktow(), nx * ny * nz);
    QCOMPARE(w.rot.OriginX(), (nx + 1) / 2.0);
    QCOMPARE(w.rot.OriginZ(), (nz + 1) / 2.0);
    QCOMPARE(w.rot.Skala(1), 1000.0 / (ny - 1));
    QCOMPARE(w.Wzgledny(0), QPoint(-30, -139));
    QCOMPARE(w.Wzgledny(nx * ny * nz - 1), QPoint(30, 139));
}

void TestTRot3D::nazwyOsi() {
    TRot3D rot;
    rot.resize(403, 372);
    QCOMPARE(rot.Rzutuj(950, 0, 0) - QPoint(195, 200), QPoint(0, 112));
    QCOMPARE(rot.Rzutuj(0, 950, 0) - QPoint(195, 200), QPoint(-79, 96));
    QCOMPARE(rot.Rzutuj(0, 0, 950) - QPoint(195, 200), QPoint(137, 56));
    QCOMPARE(rot.Rzutuj(-91, 0, 0), QPoint(195, 190));
}

void TestTRot3D::skalaIPoczatek() {
    Widok w(6, 10, 8);
    w.rysunek.RysujSiec3D();
    w.rot.SetIsoMetric(true);
    for (int os = 0; os < 3; ++os) {
        QCOMPARE(w.rot.Skala(os), 1000.0 / 9);
    }
    w.rot.SetIsoMetric(false);
    QCOMPARE(w.rot.Skala(0), 200.0);

    w.rot.SetAutoScale(false);
    w.rot.SetAutoOrigin(false);
    w.rot.SetOrigin(1, 1, 1);
    QCOMPARE(w.Wzgledny(0), QPoint(0, 0));
    w.rot.SetIsoMetric(true);
    QCOMPARE(w.rot.Skala(2), 200.0);
}

// Later points cover earlier ones; A atoms are lime, B atoms blue; the lowered
// frame closes the picture.
void TestTRot3D::punktyIRamka() {
    Widok w(6, 6, 6);
    w.siec.Ustaw(6, 6, 6, 1);
    w.rysunek.RysujSiec3D();
    const QImage& obraz = w.rot.Rysuj();
    QCOMPARE(obraz.pixel(w.rot.PunktNaEkranie(215)), Limonka);
    QCOMPARE(obraz.pixel(w.rot.PunktNaEkranie(0)), Niebieski);
    QCOMPARE(obraz.pixel(1, 1), 0xFF000000);
    QCOMPARE(obraz.pixel(0, 0), w.rot.palette().color(QPalette::Dark).rgb());
    QCOMPARE(obraz.pixel(402, 371), w.rot.palette().color(QPalette::Light).rgb());
}

void TestTRot3D::pustaListaNicNieZmienia() {
    Widok w(6, 6, 6);
    w.siec.Ustaw(6, 6, 6, 1);
    w.rysunek.RysujSiec3D();
    w.rot.ClearPoints();
    // A repaint between ClearPoints and UpdateView shows the previous picture.
    QCOMPARE(w.rot.IloscPunktow(), 216);
    QCOMPARE(w.rot.Rysuj().pixel(w.rot.PunktNaEkranie(215)), Limonka);
    w.rot.UpdateView();
    QCOMPARE(w.rot.IloscPunktow(), 216);
    QCOMPARE(w.rot.OriginX(), 3.5);
    QCOMPARE(w.rot.Rysuj().pixel(w.rot.PunktNaEkranie(215)), Limonka);

    // Fed again, the new points replace the picture at UpdateView.
    w.rot.ClearPoints();
    w.rot.AddPoint(TRot3D::ZnakKola, 1, 1, 1);
    QCOMPARE(w.rot.IloscPunktow(), 216);
    w.rot.UpdateView();
    QCOMPARE(w.rot.IloscPunktow(), 1);
}

// Dragging left by 73 pixels over the 657 of a turn adds 40 degrees to the X
// angle; dragging down by 31 over 372 adds 30 to the Y angle, plus the 360 of
// every drag. A move outside the control changes nothing.
void TestTRot3D::obrotMysza() {
    TRot3D rot;
    rot.resize(403, 372);
    rot.SetDlugoscObrotu(657, 372);
    Przesun(rot, {100, 100}, Qt::NoButton);
    Przesun(rot, {27, 131}, Qt::LeftButton);
    QCOMPARE(rot.ViewAngleX(), 100.0);
    QCOMPARE(rot.ViewAngleY(), 435.0);
    QCOMPARE(rot.ViewAngleZ(), 90.0);
    Przesun(rot, {500, 131}, Qt::LeftButton);
    QCOMPARE(rot.ViewAngleX(), 100.0);

    TRot3D ponowny;
    ponowny.resize(403, 372);
    QTest::mousePress(&ponowny, Qt::LeftButton, Qt::NoModifier, {200, 200});
    Przesun(ponowny, {200, 200}, Qt::LeftButton);
    QCOMPARE(ponowny.ViewAngleX(), 60.0);
    QCOMPARE(ponowny.ViewAngleY(), 405.0);
}

void TestTRot3D::kolkoIPrzesuniecie() {
    Widok w(6, 6, 6);
    w.siec.Ustaw(1, 1, 1, 1);
    w.rysunek.RysujSiec3D();
    const QPoint s = w.rot.PunktNaEkranie(0);
    const QImage& obraz = w.rot.Rysuj();
    QCOMPARE(Zlicz(obraz, Limonka, s - QPoint(6, 0), {1, 0}, 13), 7);
    QCOMPARE(Zlicz(obraz, Limonka, s - QPoint(0, 6), {0, 1}, 13), 7);

    Przesun(w.rot, {100, 100}, Qt::NoButton);
    Przesun(w.rot, {110, 95}, Qt::RightButton);
    QCOMPARE(w.rot.PunktNaEkranie(0), s + QPoint(10, -5));

    QWheelEvent kolko({200, 200}, w.rot.mapToGlobal(QPoint(200, 200)), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w.rot, &kolko);
    QVERIFY(w.rot.Magnification() > 0.66667);
    QVERIFY(w.rot.Dzielnik() < 3000);
}

void TestTRot3D::zapiszObrazek() {
    const QString katalog = qEnvironmentVariable("FAZOLAB_OBRAZKI");
    if (katalog.isEmpty()) {
        QSKIP("FAZOLAB_OBRAZKI not set");
    }
    Widok w(10, 10, 10);
    for (int z = 1; z <= 10; ++z) {
        for (int y = 1; y <= 10; ++y) {
            for (int x = 1; x <= 10; ++x) {
                w.siec.Ustaw(x, y, z, (x + y + z) % 2);
            }
        }
    }
    QFont f = w.rot.font();
    f.setPixelSize(19);
    w.rot.setFont(f);
    w.rysunek.RysujSiec3D();
    QVERIFY(w.rot.grab().save(katalog + "/widok3d.png"));
}

QTEST_MAIN(TestTRot3D)
#include "TRot3DTest.moc"
