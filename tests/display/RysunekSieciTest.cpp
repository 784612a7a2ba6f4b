#include "RysunekSieci.h"

#include "ILAtomy.h"
#include "ObrazSieci.h"
#include "Siec.h"
#include "TRot3D.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(RodzajSieci)

namespace {

constexpr QRgb Bialy = 0xFFFFFFFF;
constexpr QRgb Czarny = 0xFF000000;

// A lattice of B atoms with A at the given sites, borders refreshed as after a sample.
struct Uklad {
    Siec siec;
    ObrazSieci obraz;
    TRot3D rot;
    RysunekSieci rysunek{siec, obraz, rot};

    Uklad(RodzajSieci rodzaj, int nx, int ny, int nz = 1) {
        siec.UstawRozmiar(rodzaj, nx, ny, nz);
        siec.WyczyscRamke();
        siec.OdswiezBrzegi();
    }
    void UstawA(int x, int y, int z = 1) {
        siec.Ustaw(x, y, z, 1);
        siec.OdswiezBrzegi();
    }
    QRgb Piksel(int x, int y) const { return obraz.Plotno().pixel(x, y); }
};

// Whether the unmasked pixels of picture k appear at (x, y) of the canvas.
bool JestObrazek(const QImage& plotno, const ILAtomy& lista, int k, int x, int y) {
    const QImage& obrazek = lista.Obrazek(k);
    for (int v = 0; v < ILAtomy::Rozmiar; ++v) {
        for (int u = 0; u < ILAtomy::Rozmiar; ++u) {
            const QRgb p = obrazek.pixel(u, v);
            if (qAlpha(p) != 0 && plotno.pixel(x + u, y + v) != p) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

class TestRysunekSieci : public QObject {
    Q_OBJECT
private slots:
    void pozycjaWezla_data();
    void pozycjaWezla();
    void kulaNaBialymTle();
    void skala_data();
    void skala();
    void atomySasiadujace();
    void plaszczyzny_data();
    void plaszczyzny();
    void wylaczonaGrafikaIWidok3D();
    void zakresOsiZ();
    void zapiszObrazki();

private:
    ILAtomy lista_;
};

void TestRysunekSieci::pozycjaWezla_data() {
    QTest::addColumn<RodzajSieci>("rodzaj");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("j");
    QTest::addColumn<QPoint>("pozycja");
    QTest::addColumn<int>("obrazekA");
    QTest::addColumn<int>("obrazekB");
    QTest::addColumn<QRgb>("tlo");

    const auto K = RodzajSieci::Kwadratowa;
    const auto T = RodzajSieci::Trojkatna;
    const auto H = RodzajSieci::Heksagonalna;
    QTest::newRow("kwadrat 10, (1,1)") << K << 10 << 1 << 1 << QPoint(120, 105) << 6 << 3 << Bialy;
    QTest::newRow("kwadrat 10, (10,10)")
        << K << 10 << 10 << 10 << QPoint(264, 249) << 6 << 3 << Bialy;
    QTest::newRow("kwadrat 20") << K << 20 << 1 << 1 << QPoint(40, 25) << 6 << 3 << Bialy;
    QTest::newRow("kwadrat 22") << K << 22 << 1 << 1 << QPoint(112, 97) << 13 << 10 << Czarny;
    QTest::newRow("kwadrat 88") << K << 88 << 1 << 1 << QPoint(24, 9) << 12 << 9 << Czarny;
    QTest::newRow("kwadrat 100, (1,1)")
        << K << 100 << 1 << 1 << QPoint(100, 85) << 11 << 8 << Czarny;
    QTest::newRow("kwadrat 100, (100,100)")
        << K << 100 << 100 << 100 << QPoint(298, 283) << 11 << 8 << Czarny;
    QTest::newRow("trojkat 10, wiersz nieparzysty")
        << T << 10 << 1 << 1 << QPoint(120, 105) << 6 << 3 << Bialy;
    QTest::newRow("trojkat 10, wiersz parzysty")
        << T << 10 << 1 << 2 << QPoint(128, 121) << 6 << 3 << Bialy;
    QTest::newRow("trojkat 88") << T << 88 << 1 << 1 << QPoint(112, 97) << 11 << 8 << Czarny;
    QTest::newRow("heks 10, (1,1)") << H << 10 << 1 << 1 << QPoint(56, 105) << 6 << 3 << Bialy;
    QTest::newRow("heks 10, (2,1)") << H << 10 << 2 << 1 << QPoint(72, 105) << 6 << 3 << Bialy;
    QTest::newRow("heks 10, (3,1)") << H << 10 << 3 << 1 << QPoint(120, 105) << 6 << 3 << Bialy;
    QTest::newRow("heks 10, (1,2)") << H << 10 << 1 << 2 << QPoint(40, 121) << 6 << 3 << Bialy;
    QTest::newRow("heks 12") << H << 12 << 1 << 1 << QPoint(112, 137) << 13 << 10 << Czarny;
    QTest::newRow("heks 100, x0 = -3") << H << 100 << 1 << 1 << QPoint(3, 85) << 11 << 8 << Czarny;
}

void TestRysunekSieci::pozycjaWezla() {
    QFETCH(RodzajSieci, rodzaj);
    QFETCH(int, n);
    QFETCH(int, i);
    QFETCH(int, j);
    QFETCH(QPoint, pozycja);
    QFETCH(int, obrazekA);
    QFETCH(int, obrazekB);
    QFETCH(QRgb, tlo);

    Uklad u(rodzaj, n, n);
    u.rysunek.UstawTlo();
    u.rysunek.RysujSiec({});
    QVERIFY(JestObrazek(u.obraz.Plotno(), lista_, obrazekB, pozycja.x(), pozycja.y()));
    QCOMPARE(u.Piksel(0, 0), Czarny);
    QCOMPARE(u.Piksel(1, 1), tlo);

    u.UstawA(i, j);
    u.rysunek.RysujSiec({});
    QVERIFY(JestObrazek(u.obraz.Plotno(), lista_, obrazekA, pozycja.x(), pozycja.y()));
}

// At 16 px the whole cell is the ball over the background: its corners, the
// highlight pixel and the one-pixel gap show white.
void TestRysunekSieci::kulaNaBialymTle() {
    Uklad u(RodzajSieci::Kwadratowa, 10, 10);
    u.UstawA(1, 1);
    u.rysunek.UstawTlo();
    u.rysunek.RysujSiec({});
    const QImage& kula = lista_.Obrazek(6);
    for (int v = 0; v < 16; ++v) {
        for (int w = 0; w < 16; ++w) {
            const QRgb oczekiwany = qAlpha(kula.pixel(w, v)) ? kula.pixel(w, v) : Bialy;
            QCOMPARE(u.Piksel(120 + w, 105 + v), oczekiwany);
        }
    }
    QCOMPARE(u.Piksel(125, 110), Bialy);
    QCOMPARE(u.Piksel(120, 105), Bialy);
    QVERIFY(qBlue(u.Piksel(136 + 8, 105 + 8)) > qRed(u.Piksel(136 + 8, 105 + 8)));
}

void TestRysunekSieci::skala_data() {
    QTest::addColumn<RodzajSieci>("rodzaj");
    QTest::addColumn<int>("nx");
    QTest::addColumn<int>("ny");
    QTest::addColumn<int>("nz");
    QTest::addColumn<int>("rozmiar");

    const auto K = RodzajSieci::Kwadratowa;
    const auto T = RodzajSieci::Trojkatna;
    const auto H = RodzajSieci::Heksagonalna;
    const auto S = RodzajSieci::Kubiczna3D;
    QTest::newRow("kwadrat 6") << K << 6 << 6 << 1 << 16;
    QTest::newRow("kwadrat 20") << K << 20 << 20 << 1 << 16;
    QTest::newRow("kwadrat 22") << K << 22 << 22 << 1 << 8;
    QTest::newRow("kwadrat 42") << K << 42 << 42 << 1 << 8;
    QTest::newRow("kwadrat 44") << K << 44 << 44 << 1 << 4;
    QTest::newRow("kwadrat 88") << K << 88 << 88 << 1 << 4;
    QTest::newRow("kwadrat 90") << K << 90 << 90 << 1 << 2;
    QTest::newRow("kwadrat 30 x 90") << K << 30 << 90 << 1 << 2;
    QTest::newRow("trojkat 86") << T << 86 << 86 << 1 << 4;
    QTest::newRow("trojkat 88") << T << 88 << 88 << 1 << 2;
    QTest::newRow("heks 10") << H << 10 << 10 << 1 << 16;
    QTest::newRow("heks 12") << H << 12 << 12 << 1 << 8;
    QTest::newRow("heks 22") << H << 22 << 22 << 1 << 8;
    QTest::newRow("heks 24") << H << 24 << 24 << 1 << 4;
    QTest::newRow("heks 48") << H << 48 << 48 << 1 << 4;
    QTest::newRow("heks 50") << H << 50 << 50 << 1 << 2;
    QTest::newRow("szescian 30 x 30 x 6") << S << 30 << 30 << 6 << 16;
    QTest::newRow("szescian 30 x 30 x 50") << S << 30 << 30 << 50 << 4;
}

void TestRysunekSieci::skala() {
    QFETCH(RodzajSieci, rodzaj);
    QFETCH(int, nx);
    QFETCH(int, ny);
    QFETCH(int, nz);
    QFETCH(int, rozmiar);

    Uklad u(rodzaj, nx, ny, nz);
    u.rysunek.UstawTlo();
    QCOMPARE(u.Piksel(1, 1), rozmiar == 16 ? Bialy : Czarny);
    QCOMPARE(u.rysunek.RysujSiec({}), Rysunek::Widok2D);
    QCOMPARE(u.rysunek.RozmiarAtomu(), rozmiar);
}

// The ring shows the periodic copies; it stays on the canvas until the area
// is cleared, since a redraw only paints over the old picture.
void TestRysunekSieci::atomySasiadujace() {
    Uklad u(RodzajSieci::Kwadratowa, 6, 6);
    u.UstawA(6, 1);
    const QPoint pierscien(136, 137); // cell (0, 1): x0 = 136, y0 = 121
    KontrolkiRysunku z;
    z.AtomySasiadujace = true;
    u.rysunek.UstawTlo();
    u.rysunek.RysujSiec(z);
    QVERIFY(JestObrazek(u.obraz.Plotno(), lista_, 6, pierscien.x(), pierscien.y()));
    QVERIFY(JestObrazek(u.obraz.Plotno(), lista_, 3, pierscien.x() + 16, pierscien.y()));

    z.AtomySasiadujace = false;
    u.rysunek.RysujSiec(z);
    QVERIFY(JestObrazek(u.obraz.Plotno(), lista_, 6, pierscien.x(), pierscien.y()));

    u.rysunek.UstawTlo();
    u.rysunek.RysujSiec(z);
    QCOMPARE(u.Piksel(pierscien.x() + 8, pierscien.y() + 8), Bialy);
    QVERIFY(JestObrazek(u.obraz.Plotno(), lista_, 3, pierscien.x() + 16, pierscien.y()));
}

void TestRysunekSieci::plaszczyzny_data() {
    QTest::addColumn<RodzajSieci>("rodzaj");
    QTest::addColumn<bool>("sasiedzi");
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<int>("zAtomuA");
    QTest::addColumn<QString>("opis");

    const auto S = RodzajSieci::Kubiczna3D;
    QTest::newRow("P: kopia ostatniej") << S << true << 0 << 10 << "Płaszczyzna: (0,0,P)";
    QTest::newRow("K: kopia pierwszej") << S << true << 11 << 1 << "Płaszczyzna: (0,0,K)";
    QTest::newRow("3 z sasiadami") << S << true << 3 << 3 << "Płaszczyzna: (0,0,2)";
    QTest::newRow("3 bez sasiadow") << S << false << 3 << 3 << "Płaszczyzna: (0,0,2)";
    QTest::newRow("10 bez sasiadow") << S << false << 10 << 10 << "Płaszczyzna: (0,0,9)";
    QTest::newRow("0 bez sasiadow: pierwsza") << S << false << 0 << 1 << "Płaszczyzna: (0,0,0)";
    QTest::newRow("za ostatnia: K") << S << true << 40 << 1 << "Płaszczyzna: (0,0,K)";
    QTest::newRow("kwadrat") << RodzajSieci::Kwadratowa << true << 0 << 1 << "Płaszczyzna: (0,0,0)";
}

void TestRysunekSieci::plaszczyzny() {
    QFETCH(RodzajSieci, rodzaj);
    QFETCH(bool, sasiedzi);
    QFETCH(int, pozycja);
    QFETCH(int, zAtomuA);
    QFETCH(QString, opis);

    Uklad u(rodzaj, 10, 10, 10);
    u.UstawA(1, 1, zAtomuA);
    KontrolkiRysunku k;
    k.AtomySasiadujace = sasiedzi;
    k.PozycjaOsiZ = pozycja;
    u.rysunek.UstawTlo();
    u.rysunek.RysujSiec(k);
    QCOMPARE(u.rysunek.OpisPlaszczyzny(), opis);
    QVERIFY(JestObrazek(u.obraz.Plotno(), lista_, 6, 120, 105));
}

void TestRysunekSieci::wylaczonaGrafikaIWidok3D() {
    Uklad u(RodzajSieci::Kubiczna3D, 6, 6, 6);
    u.rysunek.UstawTlo();
    KontrolkiRysunku k;
    k.WylaczGrafike = true;
    QCOMPARE(u.rysunek.RysujSiec(k), Rysunek::Wylaczony);
    QCOMPARE(u.Piksel(200, 180), Bialy);
    QCOMPARE(u.rot.IloscPunktow(), 0);

    k.Widok3D = true;
    QCOMPARE(u.rysunek.RysujSiec(k), Rysunek::Widok3D);
    QCOMPARE(u.rot.IloscPunktow(), 216);
    QCOMPARE(u.Piksel(200, 180), Bialy);
}

void TestRysunekSieci::zakresOsiZ() {
    Siec siec;
    siec.UstawRozmiar(RodzajSieci::Kubiczna3D, 6, 8, 10);
    QCOMPARE(RysunekSieci::ZakresOsiZ(siec, false), std::pair(1, 10));
    QCOMPARE(RysunekSieci::ZakresOsiZ(siec, true), std::pair(0, 11));
    siec.UstawRozmiar(RodzajSieci::Heksagonalna, 6, 8, 10);
    QCOMPARE(RysunekSieci::ZakresOsiZ(siec, true), std::pair(1, 1));
}

// With FAZOLAB_OBRAZKI naming a folder, saves a picture of every kind there
// for a look by eye.
void TestRysunekSieci::zapiszObrazki() {
    const QString katalog = qEnvironmentVariable("FAZOLAB_OBRAZKI");
    if (katalog.isEmpty()) {
        QSKIP("FAZOLAB_OBRAZKI not set");
    }
    const struct {
        RodzajSieci rodzaj;
        int n;
        bool sasiedzi;
        const char* nazwa;
    } przypadki[] = {
        {RodzajSieci::Kwadratowa, 10, true, "kwadrat10"},
        {RodzajSieci::Kwadratowa, 30, false, "kwadrat30"},
        {RodzajSieci::Kwadratowa, 100, true, "kwadrat100"},
        {RodzajSieci::Trojkatna, 10, true, "trojkat10"},
        {RodzajSieci::Trojkatna, 60, false, "trojkat60"},
        {RodzajSieci::Heksagonalna, 10, true, "heks10"},
        {RodzajSieci::Heksagonalna, 100, true, "heks100"},
        {RodzajSieci::Kubiczna3D, 10, true, "szescian10"},
    };
    for (const auto& p : przypadki) {
        Uklad u(p.rodzaj, p.n, p.n, p.n);
        for (int z = 1; z <= u.siec.Nz(); ++z) {
            for (int y = 1; y <= p.n; ++y) {
                for (int x = 1; x <= p.n; ++x) {
                    u.siec.Ustaw(x, y, z, (x * 7 + y * 3 + z) % 5 < 2 ? 1 : 0);
                }
            }
        }
        u.siec.OdswiezBrzegi();
        KontrolkiRysunku k;
        k.AtomySasiadujace = p.sasiedzi;
        k.PozycjaOsiZ = 2;
        u.rysunek.UstawTlo();
        u.rysunek.RysujSiec(k);
        QVERIFY(u.obraz.grab().save(katalog + "/" + p.nazwa + ".png"));
    }
}

QTEST_MAIN(TestRysunekSieci)
#include "RysunekSieciTest.moc"
