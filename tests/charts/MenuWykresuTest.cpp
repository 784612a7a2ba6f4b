#include "MenuWykresu.h"

#include "DialogiTestowe.h"
#include "Wykres.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QImageReader>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <optional>

namespace {

const QColor Aqua(0x00, 0xFF, 0xFF);
const QString TytulSigmaLambda =
    QStringLiteral("Zależność parametru uporządkowania bliskiego zasięgu od Lambda");

// The sigma-against-lambda chart of the results page: its size, title and
// the fitted curve in aqua.
struct WykresZKrzywa {
    Wykres wykres;
    DialogiTestowe dialogi;
    QStringList zapamietane;
    QString katalog;
    MenuWykresu* menu;

    WykresZKrzywa() {
        wykres.resize(409, 200);
        wykres.UstawTytul({TytulSigmaLambda});
        wykres.UstawOs(Wykres::Os::Dolna, ZakresOsiWykresu::Staly(0.0, 2.45, 0.2));
        wykres.UstawOs(Wykres::Os::Lewa, ZakresOsiWykresu::Staly(-0.15, 1.1, 0.1));
        SeriaWykresu* krzywa = wykres.DodajSerie(SeriaWykresu::Rodzaj::Linia, Aqua);
        for (int i = 0; i <= 24; ++i) {
            const double x = 0.1 * i;
            krzywa->DodajPunkt(x, 1.0 / (1.0 + std::exp(-4.0 * (x - 1.2))));
        }
        menu = new MenuWykresu(
            wykres, dialogi,
            {[this] { return katalog; }, [this](const QString& k) { zapamietane.append(k); }});
        wykres.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wykres));
    }
};

// Pixels close to the colour (antialiasing and scaling blur the line's edges).
int PikseleKoloru(const QImage& obraz, const QColor& kolor) {
    int ile = 0;
    for (int y = 0; y < obraz.height(); ++y) {
        for (int x = 0; x < obraz.width(); ++x) {
            const QColor p = obraz.pixelColor(x, y);
            if (std::abs(p.red() - kolor.red()) < 40 && std::abs(p.green() - kolor.green()) < 40 &&
                std::abs(p.blue() - kolor.blue()) < 40) {
                ++ile;
            }
        }
    }
    return ile;
}

QMenu* OtwarteMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

} // namespace

class MenuWykresuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(QImageReader::supportedImageFormats().contains("svg"),
                 "the SVG image plugin (package libqt6svg6) is missing");
    }

    void init() {
        tmp_.emplace();
        QVERIFY(tmp_->isValid());
    }

    void menuOtwieraMyszIKlawiatura() {
        WykresZKrzywa w;
        const QStringList teksty = {QStringLiteral("Kopiuj wykres"),
                                    QStringLiteral("Zapisz wykres jako obraz...")};
        QCOMPARE(w.menu->Menu()->actions().size(), 2);
        QCOMPARE(w.menu->AkcjaKopiuj()->text(), teksty[0]);
        QCOMPARE(w.menu->AkcjaZapisz()->text(), teksty[1]);
        QVERIFY(!w.menu->AkcjaKopiuj()->toolTip().isEmpty());

        // The right click, as the view's viewport receives it.
        QContextMenuEvent klik(QContextMenuEvent::Mouse, QPoint(100, 50),
                               w.wykres.viewport()->mapToGlobal(QPoint(100, 50)));
        QApplication::sendEvent(w.wykres.viewport(), &klik);
        QCOMPARE(OtwarteMenu(), w.menu->Menu());
        QCOMPARE(OtwarteMenu()->pos(), w.wykres.mapToGlobal(QPoint(100, 50)));
        OtwarteMenu()->close();

        // The keyboard's menu key as the platform delivers it, the key
        // itself, and Shift+F10.
        w.wykres.setFocus();
        QVERIFY(w.wykres.focusPolicy() & Qt::TabFocus);
        const QPoint srodek = w.wykres.rect().center();
        QContextMenuEvent klawisz(QContextMenuEvent::Keyboard, srodek,
                                  w.wykres.mapToGlobal(srodek));
        QApplication::sendEvent(&w.wykres, &klawisz);
        QCOMPARE(OtwarteMenu(), w.menu->Menu());
        OtwarteMenu()->close();
        for (const auto& [k, m] :
             {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
            QTest::keyClick(&w.wykres, k, m);
            QCOMPARE(OtwarteMenu(), w.menu->Menu());
            OtwarteMenu()->close();
        }
        QTest::keyClick(&w.wykres, Qt::Key_F10);
        QVERIFY(!OtwarteMenu());
    }

    void zapisPngISvgPokazujeKrzywa_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("PNG") << 1 << "w.png" << QByteArray("png");
        QTest::newRow("SVG") << 2 << "w.svg" << QByteArray("svg");
        // The extension wins over a type left at the other entry.
        QTest::newRow("SVG z typem PNG") << 1 << "w.svg" << QByteArray("svg");
    }

    void zapisPngISvgPokazujeKrzywa() {
        QFETCH(int, typ);
        QFETCH(QString, nazwa);
        QFETCH(QByteArray, format);
        WykresZKrzywa w;
        const QString sciezka = tmp_->filePath(nazwa);
        w.dialogi.Plik = WybranyPlik{sciezka, typ};
        QVERIFY(w.menu->ZapiszJakoObraz());

        QImageReader czytnik(sciezka);
        QCOMPARE(czytnik.format(), format);
        const QImage obraz = czytnik.read();
        QVERIFY2(!obraz.isNull(), qPrintable(czytnik.errorString()));
        if (format == "png") {
            QCOMPARE(obraz.size(), QSize(818, 400));
        } else {
            // Drawn in the chart's pixels; Qt's reader turns the millimetres
            // of the size at its own 90 dpi.
            QFile svg(sciezka);
            QVERIFY(svg.open(QIODevice::ReadOnly));
            QVERIFY(svg.readAll().contains("viewBox=\"0 0 409 200\""));
            QVERIFY(std::abs(obraz.width() * 200.0 / obraz.height() - 409.0) < 3.0);
        }
        QVERIFY(PikseleKoloru(obraz, Aqua) > (format == "png" ? 400 : 150));
        QCOMPARE(w.zapamietane, QStringList{tmp_->path()});
        QVERIFY(w.dialogi.Zadane.isEmpty());
    }

    void zapytanieProponujeNazweZTytuluIKatalog() {
        WykresZKrzywa w;
        w.menu->ZapiszJakoObraz();
        QCOMPARE(w.dialogi.ZapytaniaOZapis.size(), 1);
        ZapytanieOZapis z = w.dialogi.ZapytaniaOZapis.takeFirst();
        QCOMPARE(z.Tytul, QStringLiteral("Fazolab - Zapis wykresu"));
        QCOMPARE(z.Katalog, QDir::homePath());
        QCOMPARE(
            z.NazwaPliku,
            QStringLiteral("Zależność_parametru_uporządkowania_bliskiego_zasięgu_od_Lambda.png"));
        QCOMPARE(z.Filtry, (QStringList{"Obraz PNG (*.png)", "Obraz SVG (*.svg)"}));
        QCOMPARE(z.Typ, 1);

        // The next save opens in the remembered folder, with the type used last.
        w.katalog = tmp_->path();
        w.dialogi.Plik = WybranyPlik{tmp_->filePath("a.svg"), 2};
        QVERIFY(w.menu->ZapiszJakoObraz());
        w.dialogi.Plik.reset();
        w.menu->ZapiszJakoObraz();
        z = w.dialogi.ZapytaniaOZapis.last();
        QCOMPARE(z.Katalog, tmp_->path());
        QCOMPARE(z.Typ, 2);
        QVERIFY(z.NazwaPliku.endsWith(QLatin1String(".svg")));
    }

    // Every type chosen in the dialog against every kind of typed name: the
    // file's name and its bytes agree, and nothing else is written.
    void nazwaIZawartoscZgodne_data() {
        QTest::addColumn<int>("wybrany");
        QTest::addColumn<QString>("wpisana");
        QTest::addColumn<QString>("plik");
        QTest::addColumn<bool>("svg");
        for (const bool wybranySvg : {false, true}) {
            const int wybrany = wybranySvg ? 2 : 1;
            const QString r = wybranySvg ? QStringLiteral("svg") : QStringLiteral("png");
            const char* typ = wybranySvg ? "SVG" : "PNG";
            QTest::addRow("%s, hist", typ) << wybrany << "hist"
                                           << "hist." + r << wybranySvg;
            QTest::addRow("%s, hist.", typ) << wybrany << "hist."
                                            << "hist." + r << wybranySvg;
            QTest::addRow("%s, hist.png", typ) << wybrany << "hist.png"
                                               << "hist.png" << false;
            QTest::addRow("%s, hist.svg", typ) << wybrany << "hist.svg"
                                               << "hist.svg" << true;
            QTest::addRow("%s, HIST.SVG", typ) << wybrany << "HIST.SVG"
                                               << "HIST.SVG" << true;
            QTest::addRow("%s, hist.Png", typ) << wybrany << "hist.Png"
                                               << "hist.Png" << false;
            QTest::addRow("%s, hist.jpg", typ) << wybrany << "hist.jpg"
                                               << "hist.jpg." + r << wybranySvg;
        }
    }

    void nazwaIZawartoscZgodne() {
        QFETCH(int, wybrany);
        QFETCH(QString, wpisana);
        QFETCH(QString, plik);
        QFETCH(bool, svg);
        WykresZKrzywa w;
        w.dialogi.Plik = WybranyPlik{tmp_->filePath(wpisana), wybrany};
        QVERIFY(w.menu->ZapiszJakoObraz());
        QCOMPARE(QDir(tmp_->path()).entryList(QDir::Files), QStringList{plik});
        QFile zapisany(tmp_->filePath(plik));
        QVERIFY(zapisany.open(QIODevice::ReadOnly));
        const QByteArray bajty = zapisany.readAll();
        if (svg) {
            QVERIFY(bajty.startsWith("<?xml"));
            QVERIFY(bajty.contains("<svg"));
        } else {
            QVERIFY(bajty.startsWith("\x89PNG\r\n\x1a\n"));
        }
        // The next dialog proposes the type written.
        w.dialogi.Plik.reset();
        w.menu->ZapiszJakoObraz();
        const ZapytanieOZapis nastepne = w.dialogi.ZapytaniaOZapis.last();
        QCOMPARE(nastepne.Typ, svg ? 2 : 1);
        QVERIFY(nastepne.NazwaPliku.endsWith(svg ? QLatin1String(".svg") : QLatin1String(".png")));
    }

    void nazwaPlikuZTytulu_data() {
        QTest::addColumn<QString>("tytul");
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("spacje") << "przed symulacją"
                                << "przed_symulacją";
        QTest::newRow("zakazane znaki") << " ..Cv/kN: \"a\" <b>?. "
                                        << "Cv_kN_a_b";
        QTest::newRow("pusty") << "  "
                               << "Wykres";
    }

    void nazwaPlikuZTytulu() {
        QFETCH(QString, tytul);
        QFETCH(QString, nazwa);
        QCOMPARE(MenuWykresu::NazwaPlikuZTytulu(tytul), nazwa);
    }

    void anulowanieNicNieZapisuje() {
        WykresZKrzywa w;
        w.dialogi.Plik.reset();
        QVERIFY(!w.menu->ZapiszJakoObraz());
        QVERIFY(QDir(tmp_->path()).isEmpty());
        QVERIFY(w.zapamietane.isEmpty());
        QVERIFY(w.dialogi.Zadane.isEmpty());
    }

    void nieudanyZapisZostawiaStaryPlikIPokazujeBlad() {
        WykresZKrzywa w;
        w.dialogi.Plik = WybranyPlik{tmp_->filePath("brak/w.png"), 1};
        QVERIFY(!w.menu->ZapiszJakoObraz());
        QCOMPARE(w.dialogi.Zadane.size(), 1);
        const DialogiTestowe::Pytanie blad = w.dialogi.Zadane.takeFirst();
        QCOMPARE(blad.Tytul, QStringLiteral("Fazolab - Zapis wykresu"));
        QCOMPARE(blad.Znak, Ikona::Blad);
        QVERIFY(blad.Tekst.startsWith(QStringLiteral("Nie można zapisać pliku:\n")));
        QVERIFY(blad.Tekst.contains(QStringLiteral("Folder docelowy nie istnieje.")));
        QVERIFY(w.zapamietane.isEmpty());

        // A folder in place of the file: the folder stays as it was.
        QDir(tmp_->path()).mkdir(QStringLiteral("folder.png"));
        w.dialogi.Plik = WybranyPlik{tmp_->filePath("folder.png"), 1};
        QVERIFY(!w.menu->ZapiszJakoObraz());
        QVERIFY(w.dialogi.Zadane.takeFirst().Tekst.contains(QStringLiteral("folder")));
        QVERIFY(QFileInfo(tmp_->filePath("folder.png")).isDir());
        QCOMPARE(QDir(tmp_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
    }

    void kopiujDajeObrazWSchowku() {
        WykresZKrzywa w;
        w.menu->AkcjaKopiuj()->trigger();
        const QImage obraz = QGuiApplication::clipboard()->image();
        QCOMPARE(obraz.size(), QSize(818, 400));
        QVERIFY(PikseleKoloru(obraz, Aqua) > 400);
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat("image/svg+xml"));
    }

private:
    std::optional<QTemporaryDir> tmp_;
};

QTEST_MAIN(MenuWykresuTest)
#include "MenuWykresuTest.moc"
