#include "OknoTestowe.h"
#include "PlikWynikow.h"
#include "SrodowiskoOkna.h"
#include "StronaZapisu.h"
#include "TrescPliku.h"
#include "UstawieniaOkna.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Runs a short series to its end and enters the results stage.
void DoWynikow(OknoTestowe& t) {
    t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
    t.okno->BSiecDalejClick();
    QVERIFY(t.LiczDoKonca());
    t.okno->BSiecDalejClick();
}
} // namespace

// What a careful user met in the window: a control left disabled, files whose
// name and content disagreed, clipped numbers, a page behind a question that
// still showed the last run, and refusals without a word.
class PoprawkiOknaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(srodowisko_.Gotowe()); }

    void Widok2DPoWidoku3D_data() {
        QTest::addColumn<QString>("wyjscie");
        QTest::newRow("Powtórz, Tak") << "Tak";
        QTest::newRow("Powtórz, Nie") << "Nie";
        QTest::newRow("Koniec i inna sieć") << "Koniec";
    }
    void Widok2DPoWidoku3D() {
        QFETCH(QString, wyjscie);
        OknoTestowe t(QStringLiteral("3DR"));
        t.okno->BSiecDalejClick();
        t.k<QRadioButton>("RBWidok3D")->click();
        QVERIFY(!t.k<QCheckBox>("CBAtomySasiadujace")->isEnabled());
        if (wyjscie == QLatin1String("Koniec")) {
            t.okno->BSiecZamknijClick();
            t.okno->show();
            t.okno->UstawSiec(QStringLiteral("2DKwadrat"));
        } else {
            t.dialogi.Odpowiedzi = {wyjscie == QLatin1String("Tak") ? Odpowiedz::Tak
                                                                    : Odpowiedz::Nie};
            t.okno->BSiecNoweClick();
        }
        t.okno->BSiecDalejClick();
        QVERIFY(t.k<QRadioButton>("RBWidok2D")->isChecked());
        QVERIFY(t.k<QCheckBox>("CBAtomySasiadujace")->isEnabled());
        QVERIFY(t.k<QLabel>("PPlaszczyzna")->isVisible());
        QVERIFY(t.k<QFrame>("P2D")->isVisible());
        QVERIFY(!t.k<QFrame>("P3D")->isVisible());
    }

    void PrzelaczenieBezKlikniecia() {
        // A screen reader's toggle changes a box without a click.
        OknoTestowe t;
        DoWynikow(t);
        t.k<QCheckBox>("CBStopienWielomianu")->toggle();
        QVERIFY(t.k<QSpinBox>("SEStopienWielomianu")->isEnabled());
        t.k<QCheckBox>("CBStopienWielomianu")->toggle();
        QVERIFY(!t.k<QSpinBox>("SEStopienWielomianu")->isEnabled());
    }

    void ZapisWynikowRozszerzenieIZawartoscZgodne_data() {
        QTest::addColumn<int>("wybranyTyp");
        QTest::addColumn<QString>("wpisana");
        QTest::addColumn<QString>("plik");
        QTest::addColumn<int>("typ");
        const QStringList rozszerzenia = {QStringLiteral("csv"), QStringLiteral("txt"),
                                          QStringLiteral("xlsx")};
        for (int wybrany = 1; wybrany <= 3; ++wybrany) {
            const QString domyslne = rozszerzenia[wybrany - 1];
            QTest::addRow("typ %d, bez rozszerzenia", wybrany) << wybrany << "wyniki"
                                                               << "wyniki." + domyslne << wybrany;
            for (int wpisany = 1; wpisany <= 3; ++wpisany) {
                const QString nazwa = "wyniki." + rozszerzenia[wpisany - 1];
                QTest::addRow("typ %d, wpisane .%s", wybrany, qPrintable(rozszerzenia[wpisany - 1]))
                    << wybrany << nazwa << nazwa << wpisany;
            }
            QTest::addRow("typ %d, obce .dat", wybrany) << wybrany << "wyniki.dat"
                                                        << "wyniki.dat." + domyslne << wybrany;
        }
    }
    void ZapisWynikowRozszerzenieIZawartoscZgodne() {
        QFETCH(int, wybranyTyp);
        QFETCH(QString, wpisana);
        QFETCH(QString, plik);
        QFETCH(int, typ);
        OknoTestowe t;
        DoWynikow(t);
        t.okno->BSiecDalejClick();
        QTemporaryDir folder;
        t.dialogi.Plik = WybranyPlik{folder.filePath(wpisana), wybranyTyp};
        t.k<PrzyciskPrzezroczysty>("BZapiszWyniki")->click();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{plik});
        const QByteArray tresc = TrescPliku(folder.filePath(plik));
        const StronaZapisu& z = *t.okno->findChild<StronaZapisu*>();
        if (typ == 3) {
            QVERIFY(tresc.startsWith("PK\x03\x04"));
        } else {
            QCOMPARE(tresc, QByteArray::fromStdString(
                                TrescPlikuWynikow(z.Teksty(), z.Pola(), SeparatorTypu(typ))));
        }
        // The next save proposes the type the file was written as.
        t.dialogi.Plik.reset();
        t.k<PrzyciskPrzezroczysty>("BZapiszWyniki")->click();
        QCOMPARE(t.dialogi.ZapytaniaOZapis.last().Typ, typ);
    }

    void MilionMiesciSieWPolachWartosci() {
        OknoTestowe t(QStringLiteral("3DR"));
        t.k<QSpinBox>("SEIloscAtomowOsX")->setValue(100);
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(1000000);
        t.dialogi.Odpowiedzi = {Odpowiedz::Tak};
        t.okno->BSiecDalejClick();
        for (const char* nazwa : {"LObliczeniaIlAtWSieci", "LObliczeniaLiczbaIteracji",
                                  "LWynikiLiczAtWSieci", "LWynikiLiczbaIteracji"}) {
            const QLabel* etykieta = t.k<QLabel>(nazwa);
            QCOMPARE(etykieta->text(), "1000000");
            QVERIFY2(QFontMetrics(etykieta->font()).horizontalAdvance(etykieta->text()) <=
                         etykieta->contentsRect().width(),
                     nazwa);
        }
    }

    void StronaZaPytaniemPokazujeNowyPrzebieg() {
        OknoTestowe t;
        t.okno->BSiecDalejClick();
        t.dialogi.Odpowiedzi = {Odpowiedz::Nie};
        t.okno->BSiecNoweClick();
        t.k<QSpinBox>("SEIloscAtomowOsX")->setValue(80);
        QString atomyPrzyPytaniu;
        t.dialogi.PrzyPytaniu = [&t, &atomyPrzyPytaniu] {
            atomyPrzyPytaniu = t.k<QLabel>("LObliczeniaIlAtWSieci")->text();
        };
        t.dialogi.Odpowiedzi = {Odpowiedz::Nie};
        t.okno->BSiecDalejClick();
        QCOMPARE(atomyPrzyPytaniu, "6400");
    }

    void ZamkniecieWTrakcieObliczenMowiDlaczego() {
        OknoTestowe t;
        t.okno->BSiecDalejClick();
        t.k<PrzyciskPrzezroczysty>("TBLicz")->click();
        QVERIFY(!t.okno->close());
        QVERIFY(t.k<QStatusBar>("PasekStanu")
                    ->currentMessage()
                    .startsWith(QStringLiteral("Trwają obliczenia: zatrzymaj je")));
        t.k<PrzyciskPrzezroczysty>("TBZatrzymaj")->click();
    }

    void NiezapamietanyFolderMowiOTym() {
        OknoTestowe t;
        DoWynikow(t);
        t.okno->BSiecDalejClick();
        // A folder where the settings file should be: nothing can be stored.
        const QString plikUstawien =
            QSettings(QSettings::NativeFormat, QSettings::UserScope,
                      QStringLiteral("Vendra Software"), QStringLiteral("Fazolab"))
                .fileName();
        QFile::remove(plikUstawien);
        QVERIFY(QDir().mkpath(plikUstawien));
        QTemporaryDir folder;
        t.dialogi.Plik = WybranyPlik{folder.filePath(QStringLiteral("wyniki.csv")), 1};
        t.k<PrzyciskPrzezroczysty>("BZapiszWyniki")->click();
        QDir(plikUstawien).removeRecursively();
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("wyniki.csv"))));
        QCOMPARE(t.k<QStatusBar>("PasekStanu")->currentMessage(),
                 QStringLiteral("Zapisano: wyniki.csv. ") +
                     QString::fromUtf8(NieZapamietanoFolderu));
    }

    void LambdaKlasteryzacjiBezZnakuWPanelu() {
        OknoTestowe t;
        t.k<QRadioButton>("RBKlasteryzacja")->click();
        t.okno->BSiecDalejClick();
        QCOMPARE(t.k<QLabel>("LWynikiLambda")->text(), "0,1");
        QCOMPARE(t.k<QLabel>("LWynikiLambdaKoncowa")->text(), "2,4");
    }

private:
    SrodowiskoOkna srodowisko_;
};

QTEST_MAIN(PoprawkiOknaTest)
#include "PoprawkiOknaTest.moc"
