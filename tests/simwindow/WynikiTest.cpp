#include "MenuWykresu.h"
#include "ObliczWyniki.h"
#include "OknoTestowe.h"
#include "PlikWynikow.h"
#include "PrzebiegWsadowy.h"
#include "SeriaWykresu.h"
#include "SrodowiskoOkna.h"
#include "StaleZiarno.h"
#include "StronaOdtwarzania.h"
#include "StronaZapisu.h"
#include "StronyWynikow.h"
#include "TrescPliku.h"
#include "Wykres.h"
#include "WykresySymulacji.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <sstream>
#include <unistd.h>

namespace {
QStringList Linie(const QPlainTextEdit* memo) {
    return memo->toPlainText().split(QLatin1Char('\n'));
}

QString Linie(const std::vector<std::string>& linie) {
    QStringList tekst;
    for (const std::string& linia : linie) {
        tekst.append(QString::fromStdString(linia));
    }
    return tekst.join(QLatin1Char('\n'));
}

// Runs a series and enters the results stage.
void DoWynikow(OknoTestowe& t) {
    t.okno->BSiecDalejClick();
    QVERIFY(t.LiczDoKonca());
    t.okno->BSiecDalejClick();
}

} // namespace

// The results stage: results, replay and the save, as a user meets them.
class WynikiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(srodowisko_.Gotowe()); }

    void WejscieDoWynikow() {
        OknoTestowe t;
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        DoWynikow(t);
        StronyWynikow& w = t.w();
        QCOMPARE(w.currentIndex(), 0);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBNrSerii")->minimum(), 1);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBNrSerii")->maximum(), 9);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBNrSerii")->value(), 1);
        QCOMPARE(t.k<QSpinBox>("SENrCyklu")->value(), 0);
        QCOMPARE(t.k<QLabel>("LWynikiLambdaInfo")->text(), "0,1");
        for (QPlainTextEdit* memo : {t.k<QPlainTextEdit>("MLambda"), t.k<QPlainTextEdit>("MSigma"),
                                     t.k<QPlainTextEdit>("MCvkN")}) {
            QCOMPARE(Linie(memo).size(), 9);
        }
        QCOMPARE(Linie(t.k<QPlainTextEdit>("MOpisSieci")).size(), 4);
        // Everything but the transition lambda is free of the random offset.
        const WynikiSerii rdzen = ObliczWyniki(t.okno->Silnik(), std::nullopt, 0.0);
        QCOMPARE(t.k<QPlainTextEdit>("MCvkN")->toPlainText(), Linie(rdzen.Teksty.MCvkN));
        QCOMPARE(t.k<QPlainTextEdit>("MSigma")->toPlainText(), Linie(rdzen.Teksty.MSigma));
        QCOMPARE(t.k<QLineEdit>("ECvkNTc")->text(), QString::fromStdString(rdzen.Teksty.ECvkNTc));
        QCOMPARE(t.k<QLabel>("LWynikiTempTc")->text(), t.k<QLineEdit>("ECvkNTc")->text());
        QCOMPARE(t.k<QLabel>("LWynikiLambdaTc")->text(), t.k<QLineEdit>("ELambdaTc")->text());
        QCOMPARE(t.okno->Wykresy().Series9->LiczbaPunktow(), 9);
        QCOMPARE(t.okno->Wykresy().Series10->LiczbaPunktow(), 9);
        QCOMPARE(t.okno->Wykresy().Series5->LiczbaPunktow(), 9);
        QVERIFY(t.k<QGroupBox>("GBDopasowanieWielomianem")->isHidden());

        // A degree changed and back again gives the same results.
        const QString cvkn = t.k<QPlainTextEdit>("MCvkN")->toPlainText();
        const double lambdaTc = t.k<QLineEdit>("ELambdaTc")->text().toDouble();
        t.k<QCheckBox>("CBStopienWielomianu")->click();
        QVERIFY(t.k<QSpinBox>("SEStopienWielomianu")->isEnabled());
        t.k<QSpinBox>("SEStopienWielomianu")->setValue(2);
        QVERIFY(t.k<QPlainTextEdit>("MCvkN")->toPlainText() != cvkn);
        QCOMPARE(t.okno->Wykresy().Series10->LiczbaPunktow(), 9);
        t.k<QCheckBox>("CBStopienWielomianu")->click();
        QCOMPARE(t.k<QSpinBox>("SEStopienWielomianu")->value(), 4);
        QVERIFY(!t.k<QSpinBox>("SEStopienWielomianu")->isEnabled());
        QCOMPARE(t.k<QPlainTextEdit>("MCvkN")->toPlainText(), cvkn);
        QVERIFY(qAbs(t.k<QLineEdit>("ELambdaTc")->text().toDouble() - lambdaTc) < 0.1);
    }

    void GrupaStopniaTylkoGdyUstawienieBrzmiTak() {
        QSettings ustawienia(QSettings::NativeFormat, QSettings::UserScope,
                             QStringLiteral("Vendra Software"), QStringLiteral("Fazolab"));
        ustawienia.setValue(QStringLiteral("DopasowanieWielomianem"), QStringLiteral("tak"));
        ustawienia.sync();
        {
            OknoTestowe t;
            QVERIFY(t.k<QGroupBox>("GBDopasowanieWielomianem")->isHidden());
        }
        ustawienia.setValue(QStringLiteral("DopasowanieWielomianem"), QStringLiteral("Tak"));
        ustawienia.sync();
        OknoTestowe t;
        QVERIFY(!t.k<QGroupBox>("GBDopasowanieWielomianem")->isHidden());
        ustawienia.remove(QStringLiteral("DopasowanieWielomianem"));
    }

    void OdtwarzanieIPokaz() {
        OknoTestowe t(QStringLiteral("2DTrojkat"));
        t.k<SuwakZZaznaczeniem>("TBLambda")->setValue(10);
        t.k<SuwakZZaznaczeniem>("TBLambdaKoncowa")->setValue(10);
        t.k<SuwakZZaznaczeniem>("TBLiczbaPrzeskokow")->setValue(20);
        DoWynikow(t);
        StronaOdtwarzania& o = *t.okno->findChild<StronaOdtwarzania*>();
        WykresySymulacji& w = t.okno->Wykresy();
        QCOMPARE(w.Series8->LiczbaPunktow(), 51);
        QCOMPARE(w.Series8->Punkty().last().x(), 100000.0);
        QCOMPARE(w.Series6->Slupki().size(), 7);
        QCOMPARE(w.Series7->Slupki().size(), 7);
        QCOMPARE(t.k<QSpinBox>("SENrCyklu")->singleStep(), 2000);

        o.TBKoniecClick();
        QCOMPARE(t.k<QSpinBox>("SENrCyklu")->value(), 100000);
        t.k<QSpinBox>("SEOdswierzanie")->setValue(100);
        o.TBAutoPokazPlayClick();
        QCOMPARE(t.k<QSpinBox>("SENrCyklu")->value(), 0);
        QVERIFY(t.k<QTimer>("TimerAutoPokaz")->isActive());
        QVERIFY(!t.k<PrzyciskPrzezroczysty>("TBAutoPokazPlay")->isEnabled());
        t.k<QSpinBox>("SEOdswierzanie")->setValue(200);
        QCOMPARE(t.k<QTimer>("TimerAutoPokaz")->interval(), 200);
        o.TimerAutoPokazTimer();
        QCOMPARE(t.k<QSpinBox>("SENrCyklu")->value(), 2000);
        o.TBAutoPokazStopClick();
        QVERIFY(!t.k<QTimer>("TimerAutoPokaz")->isActive());
        QCOMPARE(t.k<QSpinBox>("SENrCyklu")->value(), 2000);
        o.TBAutoPokazPlayClick();
        QCOMPARE(t.k<QSpinBox>("SENrCyklu")->value(), 0);
        for (int krok = 0; krok < 50; ++krok) {
            o.TimerAutoPokazTimer();
        }
        QCOMPARE(t.k<QSpinBox>("SENrCyklu")->value(), 100000);
        QVERIFY(!t.k<QTimer>("TimerAutoPokaz")->isActive());
        QVERIFY(t.k<PrzyciskPrzezroczysty>("TBAutoPokazPlay")->isEnabled());
        QVERIFY(!t.k<PrzyciskPrzezroczysty>("TBAutoPokazStop")->isEnabled());
    }

    void ZapisWynikow() {
        OknoTestowe t(QStringLiteral("2DHeksagonalna"));
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        DoWynikow(t);
        t.okno->BSiecDalejClick();
        StronaZapisu& z = *t.okno->findChild<StronaZapisu*>();
        QTemporaryDir folder;
        const QString sciezka = folder.filePath(QStringLiteral("2DHeksagonalna.txt"));
        t.dialogi.Plik = WybranyPlik{sciezka, 2};
        z.BZapiszWynikiClick();
        const ZapytanieOZapis& pierwsze = t.dialogi.ZapytaniaOZapis.last();
        QCOMPARE(pierwsze.Tytul, "Fazolab - Zapis wyników");
        QCOMPARE(pierwsze.NazwaPliku, "2DHeksagonalna");
        QCOMPARE(pierwsze.Filtry.size(), 3);
        QCOMPARE(pierwsze.Filtry[0], "Arkusz Microsoft Excel (R) 2000 (*.csv)");
        QCOMPARE(pierwsze.Filtry[1], "Plik tekstowy (*.txt)");
        QCOMPARE(pierwsze.Typ, 1);
        QCOMPARE(z.Separator(), '\t');
        const std::string oczekiwane = TrescPlikuWynikow(z.Teksty(), z.Pola(), '\t');
        QCOMPARE(TrescPliku(sciezka), QByteArray::fromStdString(oczekiwane));

        // The next save opens in that folder and proposes the type used.
        t.dialogi.Plik.reset();
        z.BZapiszWynikiClick();
        QCOMPARE(t.dialogi.ZapytaniaOZapis.last().Katalog, folder.path());
        QCOMPARE(t.dialogi.ZapytaniaOZapis.last().Typ, 2);

        // A folder that cannot be written: a Polish message, the old file intact.
        t.dialogi.Plik = WybranyPlik{folder.filePath(QStringLiteral("brak/wyniki.csv")), 1};
        z.BZapiszWynikiClick();
        QCOMPARE(t.dialogi.Zadane.size(), 1);
        QVERIFY(t.dialogi.Zadane[0].Tytul.startsWith(QStringLiteral("Fazolab")));
        QVERIFY(t.dialogi.Zadane[0].Tekst.startsWith(QStringLiteral("Nie można zapisać pliku:")));
        if (geteuid() != 0) {
            QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            t.dialogi.Plik = WybranyPlik{sciezka, 1};
            z.BZapiszWynikiClick();
            QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
            QCOMPARE(t.dialogi.Zadane.size(), 2);
            QCOMPARE(TrescPliku(sciezka), QByteArray::fromStdString(oczekiwane));
        }
    }

    void PlikOknaToPlikWsadowy_data() {
        QTest::addColumn<QString>("siec");
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<int>("typ");
        QTest::addColumn<bool>("fluktuacje");
        QTest::newRow("kwadratowa csv") << "2DKwadrat"
                                        << "w.csv" << 1 << false;
        QTest::newRow("heksagonalna txt z fluktuacjami") << "2DHeksagonalna"
                                                         << "w.txt" << 2 << true;
        QTest::newRow("trojkatna csv z fluktuacjami") << "2DTrojkat"
                                                      << "w.csv" << 1 << true;
    }

    // The window and the batch runner on the window's generator write one
    // series with one seed into the same bytes: both write the results model,
    // never what a page shows.
    void PlikOknaToPlikWsadowy() {
        QFETCH(QString, siec);
        QFETCH(QString, nazwa);
        QFETCH(int, typ);
        QFETCH(bool, fluktuacje);
        OknoTestowe t(siec, 777);
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        DoWynikow(t);
        t.okno->BSiecDalejClick();
        StronaZapisu& z = *t.okno->findChild<StronaZapisu*>();
        t.k<QCheckBox>("CBWynikiFluktuacje")->setChecked(fluktuacje);
        QTemporaryDir folder;
        const QString okna = folder.filePath(QStringLiteral("okno-") + nazwa);
        t.dialogi.Plik = WybranyPlik{okna, typ};
        z.BZapiszWynikiClick();

        const QString wsadowy = folder.filePath(QStringLiteral("wsadowy-") + nazwa);
        std::vector<std::string> argumenty{
            "--siec", siec.toStdString(), "--iteracje", "10000",     "--ziarno",
            "777",    "--generator",      "okna",       "--wyjscie", wsadowy.toStdString()};
        if (fluktuacje) {
            argumenty.emplace_back("--fluktuacje");
        }
        StaleZiarno zegar(1);
        std::ostringstream wyjscie, bledy;
        QCOMPARE(UruchomWsadowo(argumenty, zegar, wyjscie, bledy, false), 0);
        QVERIFY(!TrescPliku(okna).isEmpty());
        QCOMPARE(TrescPliku(okna), TrescPliku(wsadowy));
    }

    void ObrazWykresu() {
        OknoTestowe t;
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        DoWynikow(t);
        auto* menu = t.okno->Wykresy().ChartSigmaLambda->findChild<MenuWykresu*>();
        QVERIFY(menu);
        QTemporaryDir folder;
        for (const QString& nazwa : {QStringLiteral("sigma.png"), QStringLiteral("sigma.svg")}) {
            t.dialogi.Plik = WybranyPlik{folder.filePath(nazwa), 1};
            QVERIFY(menu->ZapiszJakoObraz());
            QImageReader czytnik(folder.filePath(nazwa));
            const QImage obraz = czytnik.read();
            QVERIFY2(!obraz.isNull(), qPrintable(czytnik.errorString()));
            // The fitted curve is drawn in dark aqua.
            bool krzywa = false;
            for (int y = 0; y < obraz.height() && !krzywa; ++y) {
                for (int x = 0; x < obraz.width() && !krzywa; ++x) {
                    const QColor c = obraz.pixelColor(x, y);
                    krzywa = c.red() < 40 && std::abs(c.green() - 0x7C) < 24 &&
                             std::abs(c.blue() - 0x80) < 24;
                }
            }
            QVERIFY(krzywa);
        }
    }

private:
    SrodowiskoOkna srodowisko_;
};

QTEST_MAIN(WynikiTest)
#include "WynikiTest.moc"
