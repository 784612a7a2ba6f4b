#include "MagazynPomiarow.h"
#include "OknoTestowe.h"
#include "SeriaWykresu.h"
#include "StronaOdtwarzania.h"
#include "StronyWynikow.h"
#include "SuwakZZaznaczeniem.h"
#include "Wykres.h"
#include "WykresySymulacji.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {
const QString PytanieDuzaSiec =
    QStringLiteral("Im większa ilość atomów do wyświetlenia w sieci,\n\r"
                   "tym wolniej będą prowadzone obliczenia.\n\r"
                   "Czy wyłączyć wyświetlanie sieci ?");

// A short series: lambdas 0.1, 1.3, 2.4 of 10 000 iterations sampled every 100.
void KrotkaSeria(OknoTestowe& t) {
    t.k<SuwakZZaznaczeniem>("TBKrok")->setValue(12);
    t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
    t.k<SuwakZZaznaczeniem>("TBLiczbaPrzeskokow")->setValue(1);
}
} // namespace

// The stages of the window and the run driver, driven as a user would.
class EtapyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void PytanieODuzejSieci_data() {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<int>("os");
        QTest::addColumn<bool>("pytanie");
        QTest::newRow("72x72") << "2DKwadrat" << 72 << true;
        QTest::newRow("70x70") << "2DKwadrat" << 70 << false;
        QTest::newRow("18^3") << "3DR" << 18 << true;
        QTest::newRow("16^3") << "3DR" << 16 << false;
    }
    void PytanieODuzejSieci() {
        QFETCH(QString, rodzaj);
        QFETCH(int, os);
        QFETCH(bool, pytanie);
        OknoTestowe t(rodzaj);
        t.k<QSpinBox>("SEIloscAtomowOsX")->setValue(os);
        t.dialogi.Odpowiedzi = {Odpowiedz::Tak};
        t.okno->BSiecDalejClick();
        QCOMPARE(t.dialogi.Zadane.size(), pytanie ? 1 : 0);
        if (pytanie) {
            QCOMPARE(t.dialogi.Zadane[0].Tekst, PytanieDuzaSiec);
            QCOMPARE(t.dialogi.Zadane[0].Tytul, "Fazolab");
            QVERIFY(t.k<QCheckBox>("CBWylaczGrafike")->isChecked());
            QVERIFY(!t.k<QFrame>("PSeriaObliczen")->isHidden());
            QVERIFY(t.k<QFrame>("P2D")->isHidden());
            t.k<PrzyciskPrzezroczysty>("TBLicz")->click();
            QVERIFY(t.k<QLabel>("LTrwajaObliczenia")->isVisible());
            QCOMPARE(t.k<QLabel>("LTrwajaObliczenia")->text(), "Trwają obliczenia");
            QCOMPARE(t.k<QLabel>("LProszeCzekac")->text(), "Proszę czekać...");
            t.k<PrzyciskPrzezroczysty>("TBZatrzymaj")->click();
            QVERIFY(!t.k<QLabel>("LProszeCzekac")->isVisible());
        }
        QCOMPARE(t.k<QRadioButton>("RBWidok3D")->isEnabled(),
                 rodzaj == "3DR" && os * os * os <= 1000);
    }

    void PojedynczaSymulacjaKonczySieNaWykresieEnergii() {
        OknoTestowe t;
        t.k<QRadioButton>("RBPojedynczaSymulacja")->click();
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        t.okno->BSiecDalejClick();
        QCOMPARE(t.okno->windowTitle(), "Symulacje - Sieć 2D  (kwadratowa)  :  Obliczenia");
        QCOMPARE(t.k<PrzyciskPrzezroczysty>("BSiecDalej")->text(), "Wyniki      ");
        QVERIFY(!t.k<PrzyciskPrzezroczysty>("BSiecDalej")->isEnabled());
        QVERIFY(t.LiczDoKonca());
        QCOMPARE(t.okno->Silnik().Stan().LiczbaSerii, 0);
        QCOMPARE(t.o().currentIndex(), 1);
        QVERIFY(!t.okno->Wykresy().ChartEnergia->isHidden());
        QVERIFY(t.okno->Wykresy().ChartSigmaSeria->isHidden());
        QVERIFY(!t.k<PrzyciskPrzezroczysty>("BSiecDalej")->isEnabled());
        QVERIFY(t.k<PrzyciskPrzezroczysty>("BSiecNowe")->isEnabled());
        QVERIFY(!t.k<PrzyciskPrzezroczysty>("TBLicz")->isEnabled());
        QCOMPARE(t.k<WskaznikPostepu>("GPojedynczaSymulacja")->Pozycja(), 10000);
    }

    void SeriaJednejLambdyOtwieraWyniki() {
        OknoTestowe t;
        t.k<SuwakZZaznaczeniem>("TBLambda")->setValue(7);
        t.k<SuwakZZaznaczeniem>("TBLambdaKoncowa")->setValue(7);
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        QVERIFY(t.okno->Wykresy().ChartEnergia->isHidden());
        QVERIFY(!t.okno->Wykresy().ChartSigmaSeria->isHidden());
        QCOMPARE(t.okno->Wykresy().Series13->LiczbaPunktow(), 1);
        QVERIFY(t.k<PrzyciskPrzezroczysty>("BSiecDalej")->isEnabled());
    }

    void DomyslnaSeriaPrzezWszystkieEtapy() {
        OknoTestowe t;
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        QCOMPARE(t.okno->Wykresy().Series13->LiczbaPunktow(), 9);
        QCOMPARE(t.okno->Silnik().Stan().NrSerii, 9);
        QVERIFY(t.k<PrzyciskPrzezroczysty>("BSiecDalej")->isEnabled());
        QCOMPARE(t.k<WskaznikPostepu>("GSeriaSymulacji")->Pozycja(),
                 t.k<WskaznikPostepu>("GSeriaSymulacji")->Maksimum());

        t.okno->BSiecDalejClick();
        QCOMPARE(t.okno->windowTitle(), "Symulacje - Sieć 2D  (kwadratowa)  :  Wyniki");
        QCOMPARE(t.k<PrzyciskPrzezroczysty>("BSiecDalej")->text(), "Zapisz wyniki");
        QVERIFY(!t.w().isHidden());
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBNrSerii")->maximum(), 9);
        t.okno->BSiecDalejClick();
        QVERIFY(!t.k<PrzyciskPrzezroczysty>("BSiecDalej")->isEnabled());
        QCOMPARE(t.w().currentIndex(), 2);
    }

    void PauzaIWznowienieKontynuujaTeSamaSerie() {
        OknoTestowe t;
        KrotkaSeria(t);
        t.okno->BSiecDalejClick();
        t.k<PrzyciskPrzezroczysty>("TBLicz")->click();
        QTRY_VERIFY(t.okno->Silnik().Stan().NrCyklu > 2000);
        t.k<PrzyciskPrzezroczysty>("TBZatrzymaj")->click();
        QVERIFY(t.k<PrzyciskPrzezroczysty>("TBLicz")->isEnabled());
        QVERIFY(t.k<PrzyciskPrzezroczysty>("BSiecNowe")->isEnabled());
        QVERIFY(!t.k<PrzyciskPrzezroczysty>("BSiecDalej")->isEnabled());
        const int cykl = t.okno->Silnik().Stan().NrCyklu;
        const int seria = t.okno->Silnik().Stan().NrSerii;
        const int postep = t.k<WskaznikPostepu>("GSeriaSymulacji")->Pozycja();
        QTest::qWait(300);
        QCOMPARE(t.okno->Silnik().Stan().NrCyklu, cykl);
        t.k<PrzyciskPrzezroczysty>("TBLicz")->click();
        QTRY_VERIFY(t.okno->Silnik().Stan().NrCyklu != cykl);
        QCOMPARE(t.okno->Silnik().Stan().NrSerii, seria);
        QVERIFY(t.k<WskaznikPostepu>("GSeriaSymulacji")->Pozycja() >= postep);
        t.k<PrzyciskPrzezroczysty>("TBZatrzymaj")->click();
    }

    void ZakladkaWykresowPoPieciuSekundachLiczenia() {
        OknoTestowe t;
        t.okno->BSiecDalejClick();
        t.okno->Przebieg().TBLiczClick();
        for (int i = 0; i < 2; ++i) {
            t.okno->Przebieg().TimerZmienZakladkeTimer();
        }
        t.okno->Przebieg().TBZatrzymajClick();
        QCOMPARE(t.o().currentIndex(), 0);
        t.okno->Przebieg().TBLiczClick();
        for (int i = 0; i < 3; ++i) {
            t.okno->Przebieg().TimerZmienZakladkeTimer();
        }
        QCOMPARE(t.o().currentIndex(), 1);
        QVERIFY(!t.k<QTimer>("TimerZmienZakladke")->isActive());
        // "Zatrzymaj" is on the other page now: Esc pauses all the same.
        t.okno->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.okno.get()));
        QTest::keyClick(t.okno.get(), Qt::Key_Escape);
        QVERIFY(!t.okno->Przebieg().Trwa());
        QVERIFY(t.k<PrzyciskPrzezroczysty>("TBLicz")->isEnabled());
    }

    void PowtorzBezDomyslnychZachowujeParametry() {
        OknoTestowe t;
        KrotkaSeria(t);
        t.k<QSpinBox>("SEIloscAtomowOsX")->setValue(20);
        t.k<QCheckBox>("CBWylaczGrafike")->click();
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        // Tak to leaving the unsaved results, Nie to the defaults.
        t.dialogi.Odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Nie};
        t.okno->BSiecNoweClick();
        QCOMPARE(t.dialogi.Zadane.last().Tekst,
                 "Czy przywrócić ustawienia domyślne wszystkich parametrów ?");
        QVERIFY(!t.k<QTabWidget>("TNUstawienia")->isHidden());
        QVERIFY(!t.k<QCheckBox>("CBWylaczGrafike")->isChecked());
        QCOMPARE(t.k<QSpinBox>("SEIloscAtomowOsX")->value(), 20);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBKrok")->value(), 12);
        QCOMPARE(t.k<PoleIteracji>("SEMaxIloscCykli")->value(), 10000);
        QCOMPARE(t.okno->Wykresy().Series13->LiczbaPunktow(), 0);
        QCOMPARE(t.okno->Wykresy().Series1->LiczbaPunktow(), 0);
        QCOMPARE(t.k<PrzyciskPrzezroczysty>("BSiecDalej")->text(), "Obliczenia   ");

        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        t.dialogi.Odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Tak};
        t.okno->BSiecNoweClick();
        QCOMPARE(t.k<QSpinBox>("SEIloscAtomowOsX")->value(), 10);
        QCOMPARE(t.k<SuwakZZaznaczeniem>("TBKrok")->value(), 3);
    }

    void BezRysowaniaTeSamePomiaryCoZRysowaniem() {
        OknoTestowe zRysowaniem(QStringLiteral("2DTrojkat"), 777);
        OknoTestowe bezRysowania(QStringLiteral("2DTrojkat"), 777);
        for (OknoTestowe* t : {&zRysowaniem, &bezRysowania}) {
            KrotkaSeria(*t);
        }
        bezRysowania.k<QCheckBox>("CBWylaczGrafike")->click();
        for (OknoTestowe* t : {&zRysowaniem, &bezRysowania}) {
            t->okno->BSiecDalejClick();
            QVERIFY(t->LiczDoKonca());
        }
        const MagazynPomiarow& a = zRysowaniem.okno->Silnik().Pomiary();
        const MagazynPomiarow& b = bezRysowania.okno->Silnik().Pomiary();
        for (int seria = 1; seria <= 3; ++seria) {
            for (int iteracja = 0; iteracja <= 10100; iteracja += 100) {
                QCOMPARE(a.SigmaCykli(seria, iteracja), b.SigmaCykli(seria, iteracja));
                for (int n = 0; n <= 6; ++n) {
                    QCOMPARE(a.HistogramCykli(seria, iteracja, n),
                             b.HistogramCykli(seria, iteracja, n));
                }
            }
            QCOMPARE(zRysowaniem.okno->Silnik().Stan().SigmaSerii[seria],
                     bezRysowania.okno->Silnik().Stan().SigmaSerii[seria]);
        }
    }

    void KoniecIZamykanieOkna() {
        OknoTestowe t;
        t.menu.setEnabled(false);
        t.okno->BSiecDalejClick();
        t.k<PrzyciskPrzezroczysty>("TBLicz")->click();
        QVERIFY(!t.okno->close());
        QVERIFY(t.okno->isVisible());
        t.k<PrzyciskPrzezroczysty>("TBZatrzymaj")->click();
        QVERIFY(t.okno->close());
        QVERIFY(!t.okno->isVisible());
        QVERIFY(t.menu.isVisible());
        QVERIFY(t.menu.isEnabled());
        QVERIFY(!t.okno->Rodzaj());
    }

    void KoniecIInnaSiecDajaWszystkieDomyslne() {
        OknoTestowe t;
        t.k<QSpinBox>("SEIloscAtomowOsX")->setValue(40);
        t.k<QRadioButton>("RBKlasteryzacja")->click();
        t.k<SuwakZZaznaczeniem>("TBKoncentracja")->setValue(20);
        t.okno->BSiecDalejClick();
        t.okno->BSiecZamknijClick();
        t.okno->show();
        t.okno->UstawSiec(QStringLiteral("3DR"));
        QCOMPARE(t.okno->windowTitle(), "Symulacje - Sieć 3D  (kubiczna prosta)  :  Ustawienia");
        QVERIFY(!t.k<QTabWidget>("TNUstawienia")->isHidden());
        QCOMPARE(t.k<QSpinBox>("SEIloscAtomowOsX")->value(), 10);
        QVERIFY(t.k<QRadioButton>("RBPorzadkowanie")->isChecked());
        QCOMPARE(t.k<QLabel>("LKoncentracja")->text(), "0,5");
        QCOMPARE(t.k<QLabel>("LIloscAtomowWSieci")->text(), "1000");
        QCOMPARE(t.k<PrzyciskPrzezroczysty>("BSiecDalej")->text(), "Obliczenia   ");
        QCOMPARE(t.okno->Wykresy().Series1->LiczbaPunktow(), 0);
    }

    void PrzyciskPomocyTylkoZPlikiemPomocy() {
        {
            OknoTestowe t;
            QVERIFY(t.k<PrzyciskPrzezroczysty>("TBPomoc")->isHidden());
        }
        QDir program(QCoreApplication::applicationDirPath());
        QVERIFY(program.mkpath(QStringLiteral("Pomoc")));
        QFile pomoc(program.filePath(QStringLiteral("Pomoc/Fazolab.html")));
        QVERIFY(pomoc.open(QIODevice::WriteOnly));
        pomoc.write("<a name=\"k3001\"></a>Pomoc");
        pomoc.close();
        OknoTestowe t;
        const bool widoczny = !t.k<PrzyciskPrzezroczysty>("TBPomoc")->isHidden();
        pomoc.remove();
        program.rmdir(QStringLiteral("Pomoc"));
        QVERIFY(widoczny);
    }

    void MruganiePrzyciskow() {
        OknoTestowe t;
        t.okno->TimerDalejTimer();
        QCOMPARE(t.k<PrzyciskPrzezroczysty>("BSiecDalej")->KolorCzcionki(), QColor(Qt::red));
        t.okno->TimerDalejTimer();
        QCOMPARE(t.k<PrzyciskPrzezroczysty>("BSiecDalej")->KolorCzcionki(), QColor(Qt::black));
        t.okno->BSiecDalejClick();
        t.okno->TimerDalejTimer();
        QCOMPARE(t.k<PrzyciskPrzezroczysty>("TBLicz")->KolorCzcionki(), QColor(0x8C, 0x6A, 0x00));
        t.okno->TimerDalejTimer();
        QCOMPARE(t.k<PrzyciskPrzezroczysty>("TBLicz")->KolorCzcionki(), QColor(0, 128, 0));
    }
};

QTEST_MAIN(EtapyTest)
#include "EtapyTest.moc"
