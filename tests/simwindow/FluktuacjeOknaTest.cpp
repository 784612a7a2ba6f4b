#include "CzytnikSkoroszytu.h"
#include "FluktuacjeSerii.h"
#include "OknoTestowe.h"
#include "PlikWynikow.h"
#include "SeriaWykresu.h"
#include "SiecNieskonczona.h"
#include "SrodowiskoOkna.h"
#include "StronaZapisu.h"
#include "TekstyFluktuacji.h"
#include "TrescPliku.h"
#include "Wykres.h"
#include "WykresySymulacji.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
void DoZapisu(OknoTestowe& t) {
    t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(20000);
    t.k<SuwakZZaznaczeniem>("TBLiczbaPrzeskokow")->setValue(1);
    t.okno->BSiecDalejClick();
    QVERIFY(t.LiczDoKonca());
    t.okno->BSiecDalejClick();
    t.okno->BSiecDalejClick();
}
} // namespace

// The page "Fluktuacje" and the seventh column of the results file: the same
// numbers as the results core gives from the run's samples.
class FluktuacjeOknaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(srodowisko_.Gotowe()); }

    void StronaPokazujeLiczbyRdzenia() {
        OknoTestowe t;
        DoZapisu(t);
        const FluktuacjeSerii rdzen = FluktuacjeZ(t.okno->Silnik());
        const TekstyFluktuacji teksty = TekstyFluktuacjiZ(rdzen, 1);
        QCOMPARE(t.k<QLabel>("LPrzejscieFluktuacji")->text(),
                 QString::fromStdString(teksty.EPrzejscie));
        QVERIFY(t.k<QLabel>("LPrzejscieFluktuacji")->text().startsWith(QStringLiteral("λ")));
        QCOMPARE(t.k<QLabel>("LPrzejscieFluktuacjiPodpis")->text(),
                 QStringLiteral("λ_max dla tej sieci (%1 × %1):")
                     .arg(t.okno->Silnik().Stan().IloscAtomowOsX));
        QVERIFY(
            t.k<QLabel>("LPrzejscieFluktuacji")->statusTip().contains(QStringLiteral("--osie")));
        // The infinite lattice's lambda_c is on the page itself, in sight
        // under the chart, not only in the status bar.
        const auto* granica = t.k<QLabel>("LGranicaSieci");
        QVERIFY(!granica->isHidden());
        QVERIFY(granica->text().contains(QStringLiteral("λ_c sieci nieskończonej")));
        QVERIFY(granica->text().contains(QStringLiteral("fazolab-batch --osie 12,16,24,32")));
        const QRect obszarWykresu = t.k<Wykres>("ChartFluktuacje")->geometry();
        QVERIFY(!granica->geometry().intersects(obszarWykresu));
        QVERIFY(granica->geometry().top() > obszarWykresu.bottom());
        // Every series is one point, among the points of its verdict.
        const Wykres* wykres = t.k<Wykres>("ChartFluktuacje");
        const auto& serie = wykres->Serie();
        QList<QPointF> punkty;
        for (auto s = serie.end() - 3; s != serie.end(); ++s) {
            punkty += (*s)->Punkty();
        }
        QCOMPARE(punkty.size(), static_cast<qsizetype>(rdzen.Serie.size()));
        for (const FluktuacjaSerii& seria : rdzen.Serie) {
            const SeriaWykresu& swoje = *serie[serie.size() - 3 + static_cast<int>(seria.Stan)];
            QVERIFY(swoje.Punkty().contains(QPointF(std::abs(seria.Lambda), seria.CvkN.Srednia)));
        }
        const QString rownowaga = t.k<QLabel>("LRownowaga")->text();
        QCOMPARE(rownowaga, teksty.ERownowaga.empty()
                                ? QStringLiteral("Test nie wykrył dryfu w żadnej serii.")
                                : QString::fromStdString(teksty.ERownowaga));
    }

    void SiodmaKolumnaWKazdymTypiePliku_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("CSV") << 1 << "wyniki.csv";
        QTest::newRow("TXT") << 2 << "wyniki.txt";
        QTest::newRow("XLSX") << 3 << "wyniki.xlsx";
    }
    void SiodmaKolumnaWKazdymTypiePliku() {
        QFETCH(int, typ);
        QFETCH(QString, nazwa);
        OknoTestowe t;
        DoZapisu(t);
        auto* fluktuacje = t.k<QCheckBox>("CBWynikiFluktuacje");
        QVERIFY(!fluktuacje->isChecked());
        const StronaZapisu& z = *t.okno->findChild<StronaZapisu*>();
        QTemporaryDir folder;
        const QString domyslny = folder.filePath(QStringLiteral("domyslny_") + nazwa);
        t.dialogi.Plik = WybranyPlik{domyslny, typ};
        t.k<PrzyciskPrzezroczysty>("BZapiszWyniki")->click();
        fluktuacje->click();
        const QString zKolumna = folder.filePath(nazwa);
        t.dialogi.Plik = WybranyPlik{zKolumna, typ};
        t.k<PrzyciskPrzezroczysty>("BZapiszWyniki")->click();

        PolaWynikow szesc = z.Pola();
        szesc.Fluktuacje = false;
        if (typ == 3) {
            auto Teksty = [](const QString& plik) {
                QStringList teksty;
                for (const auto& [miejsce, komorka] :
                     CzytnikSkoroszytu::Czytaj(plik.toStdString())) {
                    teksty << QString::fromStdString(komorka.Tekst);
                }
                return teksty;
            };
            QVERIFY(!Teksty(domyslny).contains(QStringLiteral("Cv/kN (fluktuacje):")));
            QVERIFY(Teksty(zKolumna).contains(QStringLiteral("Cv/kN (fluktuacje):")));
        } else {
            // Without the box the file is the one written before the column existed.
            QCOMPARE(TrescPliku(domyslny), QByteArray::fromStdString(TrescPlikuWynikow(
                                               z.Teksty(), szesc, SeparatorTypu(typ))));
            const QByteArray tresc = TrescPliku(zKolumna);
            QCOMPARE(tresc, QByteArray::fromStdString(
                                TrescPlikuWynikow(z.Teksty(), z.Pola(), SeparatorTypu(typ))));
            QVERIFY(tresc.contains("fluktuacje"));
        }
        // The forward button checks the five usual choices and leaves this one.
        fluktuacje->click();
        t.okno->BSiecDalejClick();
        QVERIFY(!fluktuacje->isChecked());
    }

    // The infinite lattice beside the run: Onsager's sigma under the square
    // lattice's points and lambda_c as a line on the fluctuations' chart, both
    // gone on the triangular lattice, where ordering has no transition and
    // the page says so.
    void SiecNieskonczonaObokPrzebiegu() {
        for (const char* rodzaj : {"2DKwadrat", "2DTrojkat"}) {
            OknoTestowe t{QString::fromLatin1(rodzaj)};
            DoZapisu(t);
            const bool kwadrat = QByteArray(rodzaj) == "2DKwadrat";
            const SeriaWykresu& onsager = *t.okno->Wykresy().SeriaOnsagera;
            QCOMPARE(onsager.Aktywna(), kwadrat);
            QCOMPARE(onsager.LiczbaPunktow() > 0, kwadrat);
            QCOMPARE(
                t.okno->Wykresy().ChartSigmaLambda->toolTip().contains(QStringLiteral("Onsager")),
                kwadrat);
            for (const QPointF& p : onsager.Punkty()) {
                QCOMPARE(p.y(), SigmaOnsagera(p.x()));
            }
            const Wykres& wykres = *t.k<Wykres>("ChartFluktuacje");
            // Before the three kinds of point: the upright line at lambda_c.
            const SeriaWykresu& linia = *wykres.Serie()[wykres.Serie().size() - 4];
            QCOMPARE(linia.Aktywna(), kwadrat);
            if (kwadrat) {
                QCOMPARE(linia.Punkty().front().x(), std::log(1.0 + std::sqrt(2.0)));
                QCOMPARE(linia.Punkty().back().x(), linia.Punkty().front().x());
            }
            // The fitted curve's transition is labelled as the fit's.
            QVERIFY(
                t.k<QLabel>("LWynikiLambdaTc")->toolTip().contains(QStringLiteral("bez błędu")));
            // What a screen reader hears of it, and of the reference curve.
            QVERIFY(QAccessible::queryAccessibleInterface(t.k<QLabel>("LWynikiLambdaTc"))
                        ->text(QAccessible::Description)
                        .contains(QStringLiteral("z błędem: strona „Fluktuacje”")));
            QCOMPARE(QAccessible::queryAccessibleInterface(t.okno->Wykresy().ChartSigmaLambda)
                         ->text(QAccessible::Description)
                         .contains(QStringLiteral("Onsager")),
                     kwadrat);
            const ParametrySymulacji& p = t.okno->Silnik().Stan().Parametry;
            QVERIFY(t.k<QLabel>("LGranicaSieci")
                        ->text()
                        .contains(QString::fromStdString(
                            TekstLambdyKrytycznej(p.Rodzaj, p.Tryb, p.PozycjaKoncentracji))));
            const QString katalog = qEnvironmentVariable("FAZOLAB_OBRAZKI");
            for (int i = 0; !katalog.isEmpty() && i < t.w().count(); ++i) {
                t.w().setCurrentIndex(i);
                QTest::qWait(100);
                QVERIFY(t.w().grab().save(QStringLiteral("%1/wyniki_%2_%3.png")
                                              .arg(katalog, QString::fromLatin1(rodzaj))
                                              .arg(i)));
            }
        }
    }

private:
    SrodowiskoOkna srodowisko_;
};

QTEST_MAIN(FluktuacjeOknaTest)
#include "FluktuacjeOknaTest.moc"
