#include "OknoTestowe.h"

#include "MagazynPomiarow.h"
#include "SeriaWykresu.h"
#include "StronaOdtwarzania.h"
#include "StronyWynikow.h"
#include "WykresySymulacji.h"
#include "Wykres.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "SuwakZZaznaczeniem.h"

namespace {
const QString PytanieDuzaSiec =
    QStringLiteral("Im większa ilość atomów do wyświetlenia w sieci,\n\r"
                   "tym wolniej będą prowadzone obliczenia.\n\r"
                   "Czy wyłączyć wyświetlanie sieci ?");

// A short series: lambdas 0.1, 1.3, 2.4 of 10 000 iterations sampled every 100.
void KrotkaSeria(OknoTestowe& t) {
    t.u().TBKrok->setValue(12);
    t.u().SEMaxIloscCykli->setValue(10000);
    t.u().TBLiczbaPrzeskokow->setValue(1);
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
        t.u().SEIloscAtomowOsX->setValue(os);
        t.dialogi.Odpowiedzi = {Odpowiedz::Tak};
        t.okno->BSiecDalejClick();
        QCOMPARE(t.dialogi.Zadane.size(), pytanie ? 1 : 0);
        if (pytanie) {
            QCOMPARE(t.dialogi.Zadane[0].Tekst, PytanieDuzaSiec);
            QCOMPARE(t.dialogi.Zadane[0].Tytul, "Fazolab");
            QVERIFY(t.u().CBWylaczGrafike->isChecked());
            QVERIFY(!t.o().PSeriaObliczen->isHidden());
            QVERIFY(t.o().P2D->isHidden());
            t.o().TBLicz->click();
            QVERIFY(t.o().LTrwajaObliczenia->isVisible());
            QCOMPARE(t.o().LTrwajaObliczenia->text(), "Trwają obliczenia");
            QCOMPARE(t.o().LProszeCzekac->text(), "Proszę czekać...");
            t.o().TBZatrzymaj->click();
            QVERIFY(!t.o().LProszeCzekac->isVisible());
        }
        QCOMPARE(t.o().RBWidok3D->isEnabled(), rodzaj == "3DR" && os * os * os <= 1000);
    }

    void PojedynczaSymulacjaKonczySieNaWykresieEnergii() {
        OknoTestowe t;
        t.u().RBPojedynczaSymulacja->click();
        t.u().SEMaxIloscCykli->setValue(10000);
        t.okno->BSiecDalejClick();
        QCOMPARE(t.okno->windowTitle(), "Symulacje - Sieć 2D  (kwadratowa)  :  Obliczenia");
        QCOMPARE(t.okno->BSiecDalej->text(), "Wyniki      ");
        QVERIFY(!t.okno->BSiecDalej->isEnabled());
        QVERIFY(t.LiczDoKonca());
        QCOMPARE(t.okno->Silnik().Stan().LiczbaSerii, 0);
        QCOMPARE(t.o().currentIndex(), 1);
        QVERIFY(!t.okno->Wykresy->ChartEnergia->isHidden());
        QVERIFY(t.okno->Wykresy->ChartSigmaSeria->isHidden());
        QVERIFY(!t.okno->BSiecDalej->isEnabled());
        QVERIFY(t.okno->BSiecNowe->isEnabled());
        QVERIFY(!t.o().TBLicz->isEnabled());
        QCOMPARE(t.o().GPojedynczaSymulacja->Pozycja(), 10000);
    }

    void SeriaJednejLambdyOtwieraWyniki() {
        OknoTestowe t;
        t.u().TBLambda->setValue(7);
        t.u().TBLambdaKoncowa->setValue(7);
        t.u().SEMaxIloscCykli->setValue(10000);
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        QVERIFY(t.okno->Wykresy->ChartEnergia->isHidden());
        QVERIFY(!t.okno->Wykresy->ChartSigmaSeria->isHidden());
        QCOMPARE(t.okno->Wykresy->Series13->LiczbaPunktow(), 1);
        QVERIFY(t.okno->BSiecDalej->isEnabled());
    }

    void DomyslnaSeriaPrzezWszystkieEtapy() {
        OknoTestowe t;
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        QCOMPARE(t.okno->Wykresy->Series13->LiczbaPunktow(), 9);
        QCOMPARE(t.okno->Silnik().Stan().NrSerii, 9);
        QVERIFY(t.okno->BSiecDalej->isEnabled());
        QCOMPARE(t.o().GSeriaSymulacji->Pozycja(), t.o().GSeriaSymulacji->Maksimum());

        t.okno->BSiecDalejClick();
        QCOMPARE(t.okno->windowTitle(), "Symulacje - Sieć 2D  (kwadratowa)  :  Wyniki");
        QCOMPARE(t.okno->BSiecDalej->text(), "Zapisz wyniki");
        QVERIFY(!t.okno->TNWyniki->isHidden());
        QCOMPARE(t.okno->TNWyniki->Odtwarzanie->TBNrSerii->maximum(), 9);
        t.okno->BSiecDalejClick();
        QVERIFY(!t.okno->BSiecDalej->isEnabled());
        QCOMPARE(t.okno->TNWyniki->currentIndex(), 2);
    }

    void PauzaIWznowienieKontynuujaTeSamaSerie() {
        OknoTestowe t;
        KrotkaSeria(t);
        t.okno->BSiecDalejClick();
        t.o().TBLicz->click();
        QTRY_VERIFY(t.okno->Silnik().Stan().NrCyklu > 2000);
        t.o().TBZatrzymaj->click();
        QVERIFY(t.o().TBLicz->isEnabled());
        QVERIFY(t.okno->BSiecNowe->isEnabled());
        QVERIFY(!t.okno->BSiecDalej->isEnabled());
        const int cykl = t.okno->Silnik().Stan().NrCyklu;
        const int seria = t.okno->Silnik().Stan().NrSerii;
        const int postep = t.o().GSeriaSymulacji->Pozycja();
        QTest::qWait(300);
        QCOMPARE(t.okno->Silnik().Stan().NrCyklu, cykl);
        t.o().TBLicz->click();
        QTRY_VERIFY(t.okno->Silnik().Stan().NrCyklu != cykl);
        QCOMPARE(t.okno->Silnik().Stan().NrSerii, seria);
        QVERIFY(t.o().GSeriaSymulacji->Pozycja() >= postep);
        t.o().TBZatrzymaj->click();
    }

    void ZakladkaWykresowPoPieciuSekundachLiczenia() {
        OknoTestowe t;
        t.okno->BSiecDalejClick();
        t.okno->Przebieg->TBLiczClick();
        for (int i = 0; i < 2; ++i) {
            t.okno->Przebieg->TimerZmienZakladkeTimer();
        }
        t.okno->Przebieg->TBZatrzymajClick();
        QCOMPARE(t.o().currentIndex(), 0);
        t.okno->Przebieg->TBLiczClick();
        for (int i = 0; i < 3; ++i) {
            t.okno->Przebieg->TimerZmienZakladkeTimer();
        }
        QCOMPARE(t.o().currentIndex(), 1);
        QVERIFY(!t.okno->Przebieg->TimerZmienZakladke.isActive());
        // "Zatrzymaj" is on the other page now: Esc pauses all the same.
        t.okno->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.okno.get()));
        QTest::keyClick(t.okno.get(), Qt::Key_Escape);
        QVERIFY(!t.okno->Przebieg->Trwa());
        QVERIFY(t.o().TBLicz->isEnabled());
    }

    void PowtorzBezDomyslnychZachowujeParametry() {
        OknoTestowe t;
        KrotkaSeria(t);
        t.u().SEIloscAtomowOsX->setValue(20);
        t.u().CBWylaczGrafike->click();
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        t.dialogi.Odpowiedzi = {Odpowiedz::Nie};
        t.okno->BSiecNoweClick();
        QCOMPARE(t.dialogi.Zadane.last().Tekst,
                 "Czy przywrócić ustawienia domyślne wszystkich parametrów ?");
        QVERIFY(!t.okno->TNUstawienia->isHidden());
        QVERIFY(!t.u().CBWylaczGrafike->isChecked());
        QCOMPARE(t.u().SEIloscAtomowOsX->value(), 20);
        QCOMPARE(t.u().TBKrok->value(), 12);
        QCOMPARE(t.u().SEMaxIloscCykli->value(), 10000);
        QCOMPARE(t.okno->Wykresy->Series13->LiczbaPunktow(), 0);
        QCOMPARE(t.okno->Wykresy->Series1->LiczbaPunktow(), 0);
        QCOMPARE(t.okno->BSiecDalej->text(), "Obliczenia   ");

        t.dialogi.Odpowiedzi = {Odpowiedz::Tak};
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        t.okno->BSiecNoweClick();
        QCOMPARE(t.u().SEIloscAtomowOsX->value(), 10);
        QCOMPARE(t.u().TBKrok->value(), 3);
    }

    void BezRysowaniaTeSamePomiaryCoZRysowaniem() {
        OknoTestowe zRysowaniem(QStringLiteral("2DTrojkat"), 777);
        OknoTestowe bezRysowania(QStringLiteral("2DTrojkat"), 777);
        for (OknoTestowe* t : {&zRysowaniem, &bezRysowania}) {
            KrotkaSeria(*t);
        }
        bezRysowania.u().CBWylaczGrafike->click();
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
        t.o().TBLicz->click();
        QVERIFY(!t.okno->close());
        QVERIFY(t.okno->isVisible());
        t.o().TBZatrzymaj->click();
        QVERIFY(t.okno->close());
        QVERIFY(!t.okno->isVisible());
        QVERIFY(t.menu.isVisible());
        QVERIFY(t.menu.isEnabled());
        QVERIFY(t.okno->RodzajSieci().isEmpty());
    }

    void KoniecIInnaSiecDajaWszystkieDomyslne() {
        OknoTestowe t;
        t.u().SEIloscAtomowOsX->setValue(40);
        t.u().RBKlasteryzacja->click();
        t.u().TBKoncentracja->setValue(20);
        t.okno->BSiecDalejClick();
        t.okno->BSiecZamknijClick();
        t.okno->show();
        t.okno->UstawSiec(QStringLiteral("3DR"));
        QCOMPARE(t.okno->windowTitle(), "Symulacje - Sieć 3D  (kubiczna prosta)  :  Ustawienia");
        QVERIFY(!t.okno->TNUstawienia->isHidden());
        QCOMPARE(t.u().SEIloscAtomowOsX->value(), 10);
        QVERIFY(t.u().RBPorzadkowanie->isChecked());
        QCOMPARE(t.u().LKoncentracja->text(), "0,5");
        QCOMPARE(t.u().LIloscAtomowWSieci->text(), "1000");
        QCOMPARE(t.okno->BSiecDalej->text(), "Obliczenia   ");
        QCOMPARE(t.okno->Wykresy->Series1->LiczbaPunktow(), 0);
    }

    void PrzyciskPomocyTylkoZPlikiemPomocy() {
        {
            OknoTestowe t;
            QVERIFY(t.okno->TBPomoc->isHidden());
        }
        QDir program(QCoreApplication::applicationDirPath());
        QVERIFY(program.mkpath(QStringLiteral("Pomoc")));
        QFile pomoc(program.filePath(QStringLiteral("Pomoc/Fazolab.html")));
        QVERIFY(pomoc.open(QIODevice::WriteOnly));
        pomoc.write("<a name=\"k3001\"></a>Pomoc");
        pomoc.close();
        OknoTestowe t;
        const bool widoczny = !t.okno->TBPomoc->isHidden();
        pomoc.remove();
        program.rmdir(QStringLiteral("Pomoc"));
        QVERIFY(widoczny);
    }

    void MruganiePrzyciskow() {
        OknoTestowe t;
        t.okno->TimerDalejTimer();
        QCOMPARE(t.okno->BSiecDalej->KolorCzcionki(), QColor(Qt::red));
        t.okno->TimerDalejTimer();
        QCOMPARE(t.okno->BSiecDalej->KolorCzcionki(), QColor(Qt::black));
        t.okno->BSiecDalejClick();
        t.okno->TimerDalejTimer();
        QCOMPARE(t.o().TBLicz->KolorCzcionki(), QColor(0, 128, 0));
        t.okno->TimerDalejTimer();
        QCOMPARE(t.o().TBLicz->KolorCzcionki(), QColor(Qt::yellow));
    }
};

QTEST_MAIN(EtapyTest)
#include "EtapyTest.moc"
