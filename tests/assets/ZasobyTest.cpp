// Checks the committed pictures, clip and help against what the windows rely
// on: the sizes they are placed at, the exact cut-out colour of the splash,
// a clip that plays to its stop frame, and a help anchor for every context.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

#include <cstdlib>
#include <deque>
#include <vector>

namespace {

const QString Zasoby = QStringLiteral(FAZOLAB_ZASOBY);

QByteArray Przeczytaj(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

// Number of cut-out pixels that cannot be reached from the picture's edge
// through other cut-out pixels: holes the window would show inside the logo.
int ZablakaneSzare(const QImage& obraz, QRgb szary) {
    const int w = obraz.width();
    const int h = obraz.height();
    std::vector<char> odwiedzone(std::size_t(w) * h, 0);
    std::deque<QPoint> kolejka;
    for (int x = 0; x < w; ++x) {
        kolejka.push_back({x, 0});
        kolejka.push_back({x, h - 1});
    }
    for (int y = 0; y < h; ++y) {
        kolejka.push_back({0, y});
        kolejka.push_back({w - 1, y});
    }
    int osiagniete = 0;
    while (!kolejka.empty()) {
        const QPoint p = kolejka.front();
        kolejka.pop_front();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h) {
            continue;
        }
        char& byl = odwiedzone[std::size_t(p.y()) * w + p.x()];
        if (byl || obraz.pixel(p) != szary) {
            continue;
        }
        byl = 1;
        ++osiagniete;
        kolejka.insert(kolejka.end(),
                       {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    int wszystkie = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            wszystkie += obraz.pixel(x, y) == szary;
        }
    }
    return wszystkie - osiagniete;
}

} // namespace

class ZasobyTest : public QObject {
    Q_OBJECT
private slots:
    void obrazkiMajaUzgodnioneRozmiary_data() {
        QTest::addColumn<QString>("plik");
        QTest::addColumn<QSize>("rozmiar");
        const QSize ikona(16, 16);
        const QList<std::pair<const char*, QSize>> pliki{
            {"logo.png", {452, 373}},
            {"menu_fm1.jpg", {108, 23}},
            {"menu_fm1_pod.jpg", {108, 23}},
            {"menu.jpg", {600, 400}},
            {"es_3dr.jpg", {253, 40}},
            {"es_3dr_pod.jpg", {253, 40}},
            {"es_2dtrojkat.jpg", {253, 42}},
            {"es_2dtrojkat_pod.jpg", {253, 42}},
            {"es_2dkwadrat.jpg", {253, 41}},
            {"es_2dkwadrat_pod.jpg", {253, 41}},
            {"es_2dheksagonalna.jpg", {253, 43}},
            {"es_2dheksagonalna_pod.jpg", {253, 43}},
            {"es_koniec.jpg", {138, 46}},
            {"es_koniec_pod.jpg", {138, 46}},
            {"pasek.jpg", {151, 465}},
            {"ikona_ustawienia.png", {32, 32}},
            {"ikona_obliczenia.png", {32, 32}},
            {"ikona_wyniki.png", {32, 32}},
            {"licz.png", ikona},
            {"zatrzymaj.png", ikona},
            {"dalej.png", ikona},
            {"nowe.png", ikona},
            {"koniec.png", ikona},
            {"pomoc.png", ikona},
            {"zapisz.png", ikona},
            {"poczatek.png", ikona},
            {"koniec_cyklu.png", ikona},
            {"play.png", ikona},
            {"stop.png", ikona},
            {"seria_obliczen.jpg", {401, 370}},
            {"fazolab.png", {256, 256}},
            {"fazolab_48.png", {48, 48}},
        };
        for (const auto& [plik, rozmiar] : pliki) {
            QTest::newRow(plik) << QString::fromLatin1(plik) << rozmiar;
        }
    }

    void obrazkiMajaUzgodnioneRozmiary() {
        QFETCH(QString, plik);
        QFETCH(QSize, rozmiar);
        const QImage obraz(Zasoby + QStringLiteral("/okna/") + plik);
        QVERIFY2(!obraz.isNull(), qPrintable(plik));
        QCOMPARE(obraz.size(), rozmiar);
        // The small pictures stand on button faces of any colour.
        if (rozmiar == QSize(16, 16)) {
            QVERIFY(obraz.hasAlphaChannel());
            QCOMPARE(qAlpha(obraz.pixel(0, 15)), 0);
        }
        // Every picture is listed in the resource file the program is built with.
        const QByteArray lista = Przeczytaj(Zasoby + QStringLiteral("/okna/okna.qrc"));
        QVERIFY(lista.contains("<file>" + plik.toLatin1() + "</file>"));
    }

    // The desktop icon at each size of the theme, drawn from its SVG source:
    // a square picture with transparent corners (the rounded tile).
    void ikonaPulpituWKazdymRozmiarze_data() {
        QTest::addColumn<int>("rozmiar");
        for (const int rozmiar : {16, 32, 48, 64, 128, 256}) {
            QTest::addRow("%d", rozmiar) << rozmiar;
        }
    }

    void ikonaPulpituWKazdymRozmiarze() {
        QFETCH(int, rozmiar);
        const QImage obraz(Zasoby + QStringLiteral("/ikony/fazolab_%1.png").arg(rozmiar));
        QCOMPARE(obraz.size(), QSize(rozmiar, rozmiar));
        QVERIFY(obraz.hasAlphaChannel());
        QVERIFY(qAlpha(obraz.pixel(0, 0)) < 32);
        QCOMPARE(qAlpha(obraz.pixel(rozmiar / 2, rozmiar / 2)), 255);
        const QByteArray svg = Przeczytaj(Zasoby + QStringLiteral("/ikony/fazolab.svg"));
        QVERIFY(svg.contains("viewBox=\"0 0 256 256\""));
    }

    void logoMaCzystyKsztalt() {
        const QImage obraz =
            QImage(Zasoby + QStringLiteral("/okna/logo.png")).convertToFormat(QImage::Format_RGB32);
        const QRgb szary = qRgb(128, 128, 128);
        QCOMPARE(ZablakaneSzare(obraz, szary), 0);
        // The corners are cut away, the centre and the "Menu" button are kept.
        QCOMPARE(obraz.pixel(0, 0), szary);
        QCOMPARE(obraz.pixel(451, 372), szary);
        QVERIFY(obraz.pixel(226, 186) != szary);
        for (int y = 322; y < 345; ++y) {
            for (int x = 239; x < 347; ++x) {
                QVERIFY(obraz.pixel(x, y) != szary);
            }
        }
        // No greyish fringe along the cut: kept pixels next to it are clearly
        // not the cut-out colour.
        for (int y = 1; y < obraz.height() - 1; ++y) {
            for (int x = 1; x < obraz.width() - 1; ++x) {
                const QRgb p = obraz.pixel(x, y);
                if (p == szary) {
                    continue;
                }
                const bool przyKrawedzi =
                    obraz.pixel(x - 1, y) == szary || obraz.pixel(x + 1, y) == szary ||
                    obraz.pixel(x, y - 1) == szary || obraz.pixel(x, y + 1) == szary;
                const int odleglosc =
                    std::abs(qRed(p) - 128) + std::abs(qGreen(p) - 128) + std::abs(qBlue(p) - 128);
                QVERIFY2(!przyKrawedzi || odleglosc > 30,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }

    void klipGraDoKlatkiStopu() {
        const QString plik = Zasoby + QStringLiteral("/Dane/anim.dat");
        QVERIFY(QFile(plik).size() < 300 * 1024);
        QMovie klip(plik);
        QVERIFY(klip.isValid());
        QVERIFY(klip.frameCount() >= 112);
        // Played frame by frame, as the window plays it, up to its stop frame.
        QVERIFY(klip.jumpToFrame(0));
        while (klip.currentFrameNumber() < 111) {
            QVERIFY(klip.jumpToNextFrame());
        }
        QCOMPARE(klip.currentImage().size(), QSize(160, 120));
    }

    void pomocMaKotwiceKazdegoKontekstu() {
        const QByteArray bajty = Przeczytaj(Zasoby + QStringLiteral("/Pomoc/Fazolab.html"));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString tekst = utf8(bajty);
        QVERIFY(!utf8.hasError());
        QVERIFY(!tekst.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
        const QList<int> konteksty{100,   1000,  3001,  10000, 10100, 10200, 10300, 10400,
                                   10410, 10411, 10412, 10413, 10414, 10420, 10421, 10430,
                                   10431, 10440, 10441, 10500, 10501, 10502, 10503, 11010,
                                   11020, 11030, 12010, 12020, 12030, 1204,  13010, 20000,
                                   21000, 22000, 30000, 31000, 32000, 33000};
        for (int kontekst : konteksty) {
            const QString kotwica = QStringLiteral("<a name=\"k%1\"></a>").arg(kontekst);
            QVERIFY2(tekst.count(kotwica) == 1, qPrintable(kotwica));
        }
        QCOMPARE(tekst.count(QStringLiteral("<a name=\"o_programie\"></a>")), 1);
        // Every link inside the document leads to an anchor it has.
        const QRegularExpression odnosnik(QStringLiteral("href=\"#([^\"]+)\""));
        for (auto it = odnosnik.globalMatch(tekst); it.hasNext();) {
            const QString cel = it.next().captured(1);
            QVERIFY2(tekst.contains(QStringLiteral("<a name=\"%1\"></a>").arg(cel)),
                     qPrintable(cel));
        }
    }
};

QTEST_MAIN(ZasobyTest)
#include "ZasobyTest.moc"
