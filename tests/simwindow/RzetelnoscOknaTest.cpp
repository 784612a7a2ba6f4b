#include "FluktuacjeSerii.h"
#include "ILAtomy.h"
#include "LegendaAtomow.h"
#include "OknoTestowe.h"
#include "ParametrySymulacji.h"
#include "PoleBezPisania.h"
#include "SeriaWykresu.h"
#include "SrodowiskoOkna.h"
#include "StronaFluktuacji.h"
#include "TekstyFluktuacji.h"
#include "Wykres.h"
#include "WykresySymulacji.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
// WCAG's relative luminance and contrast ratio.
double Luminancja(const QColor& kolor) {
    const auto liniowa = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * liniowa(kolor.redF()) + 0.7152 * liniowa(kolor.greenF()) +
           0.0722 * liniowa(kolor.blueF());
}

double Kontrast(const QColor& a, const QColor& b) {
    const double la = Luminancja(a);
    const double lb = Luminancja(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

FluktuacjeSerii Fluktuacje(std::initializer_list<Rownowaga> stany) {
    FluktuacjeSerii f;
    double lambda = 0.1;
    for (const Rownowaga stan : stany) {
        const bool znany = stan != Rownowaga::Nieznana;
        f.Serie.push_back(
            {lambda, {10.0 * lambda, znany ? 0.5 : std::nan("")}, stan, {}, {}, 0, {}, 0});
        lambda += 0.3;
    }
    f.Przejscie = {0.92, 0.05, false};
    return f;
}

// The points of one verdict on the Fluktuacje chart, found by the words that
// explain them under it.
const SeriaWykresu* PunktyWerdyktu(const Wykres& wykres, const QString& tytul) {
    for (const auto& s : wykres.Serie()) {
        if (s->Tytul() == tytul) {
            return s.get();
        }
    }
    return nullptr;
}

// Focus and shortcuts need the window active, as on a desktop.
bool Aktywne(OknoTestowe& t) {
    t.okno->activateWindow();
    return QTest::qWaitForWindowActive(t.okno.get());
}

void UstawOsie(OknoTestowe& t, int os) {
    t.k<QSpinBox>("SEIloscAtomowOsX")->setValue(os);
}
} // namespace

// What a careful student found in the window: a verdict of equilibrium where
// none could be made, a chart that disagreed with the results, a legend of
// other colours than the drawing, fields that ignored typing, a focus that
// hid or wandered, unreadable colours and mixed decimal separators.
class RzetelnoscOknaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(srodowisko_.Gotowe()); }

    void WerdyktRownowagi_data() {
        QTest::addColumn<QList<int>>("stany");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("nieznane");
        const auto s = [](Rownowaga r) { return static_cast<int>(r); };
        QTest::newRow("wszystkie ocenione i w równowadze")
            << QList<int>{s(Rownowaga::Osiagnieta), s(Rownowaga::Osiagnieta)}
            << "Test nie wykrył dryfu w żadnej serii." << 0;
        QTest::newRow("żadnej nie da się ocenić")
            << QList<int>{s(Rownowaga::Nieznana), s(Rownowaga::Nieznana), s(Rownowaga::Nieznana)}
            << "Dla λ = 0.1; 0.4; 0.7 nie da się ocenić równowagi (za mało próbek): zwiększ "
               "ilość iteracji albo pobieraj dane częściej."
            << 3;
        QTest::newRow("jedna poza równowagą, jednej nie da się ocenić")
            << QList<int>{s(Rownowaga::Osiagnieta), s(Rownowaga::Nieosiagnieta),
                          s(Rownowaga::Nieznana)}
            << "Seria dla λ = 0.4 mogła nie osiągnąć równowagi: zwiększ ilość iteracji.\n"
               "Dla λ = 0.7 nie da się ocenić równowagi (za mało próbek): zwiększ ilość "
               "iteracji albo pobieraj dane częściej."
            << 1;
    }
    void WerdyktRownowagi() {
        QFETCH(QList<int>, stany);
        QFETCH(int, nieznane);
        FluktuacjeSerii f;
        double lambda = 0.1;
        for (const int stan : stany) {
            const bool znany = static_cast<Rownowaga>(stan) != Rownowaga::Nieznana;
            f.Serie.push_back({lambda,
                               {10.0 * lambda, znany ? 0.5 : std::nan("")},
                               static_cast<Rownowaga>(stan),
                               {},
                               {},
                               0,
                               {},
                               0});
            lambda += 0.3;
        }
        f.Przejscie = {0.92, 0.05, false};
        StronaFluktuacji strona;
        strona.resize(582, 380);
        strona.show();
        strona.Pokaz(f, TekstyFluktuacjiZ(f, 1), ParametrySymulacji{});
        QTEST(Kontrolka<QLabel>(strona, "LRownowaga")->text(), "tekst");
        const Wykres& wykres = *strona.WykresFluktuacji();
        const SeriaWykresu* bezOceny =
            PunktyWerdyktu(wykres, QStringLiteral("niebieskie: nie da się ocenić równowagi"));
        QVERIFY(bezOceny);
        QCOMPARE(bezOceny->LiczbaPunktow(), nieznane);
        QCOMPARE(wykres.TekstyLegendy().contains(bezOceny->Tytul()), nieznane > 0);
        // The unjudged points differ from the others by shape too.
        const SeriaWykresu* wRownowadze =
            PunktyWerdyktu(wykres, QStringLiteral("czerwone: w równowadze"));
        QVERIFY(bezOceny->PolowaRozmiaruZnacznika() != wRownowadze->PolowaRozmiaruZnacznika());
    }

    // Room for the highest error bar, at least four labels on the Cv/kN
    // axis, the texts and their advice in sight, points as in every other
    // results text.
    void StronaFluktuacjiCzytelna() {
        FluktuacjeSerii f = Fluktuacje({Rownowaga::Osiagnieta, Rownowaga::Nieosiagnieta,
                                        Rownowaga::Osiagnieta, Rownowaga::Osiagnieta});
        f.Serie[2].CvkN = {0.47, 0.04};
        for (FluktuacjaSerii& s : f.Serie) {
            s.CvkN.Srednia /= 10.0;
            s.CvkN.Blad = std::isnan(s.CvkN.Blad) ? s.CvkN.Blad : 0.04;
        }
        StronaFluktuacji strona;
        strona.resize(582, 380);
        strona.show();
        strona.Pokaz(f, TekstyFluktuacjiZ(f, 1), ParametrySymulacji{});
        Wykres& wykres = *strona.WykresFluktuacji();
        wykres.Odswiez();
        QVERIFY(wykres.Maksimum(Wykres::Os::Lewa) >= 0.47 + 0.04);
        QVERIFY2(wykres.EtykietyOsi(Wykres::Os::Lewa).size() >= 4,
                 qPrintable(wykres.EtykietyOsi(Wykres::Os::Lewa).join(QLatin1Char('|'))));
        QCOMPARE(Kontrolka<QLabel>(strona, "LPrzejscieFluktuacji")->text(),
                 QStringLiteral("λ = 0.92 ± 0.05"));
        for (const char* nazwa : {"LRownowaga", "LWyjasnienie", "LGranicaSieci"}) {
            const auto* etykieta = Kontrolka<QLabel>(strona, nazwa);
            QVERIFY2(etykieta->heightForWidth(etykieta->width()) <= etykieta->height(),
                     qPrintable(QStringLiteral("%1 %2 > %3")
                                    .arg(QLatin1String(nazwa))
                                    .arg(etykieta->heightForWidth(etykieta->width()))
                                    .arg(etykieta->height())));
            QVERIFY(etykieta->font().pixelSize() >= 11 || etykieta->font().pointSize() >= 8);
        }
        QVERIFY(!Kontrolka<QLabel>(strona, "LRownowaga")->text().contains(QLatin1Char(',')));
    }

    // The longest equilibrium text (24 lambdas in two verdicts) fits its box.
    void NajdluzszyWerdyktMiesciSie() {
        FluktuacjeSerii f;
        for (int k = 1; k <= 24; ++k) {
            f.Serie.push_back({k / 10.0,
                               {1.0, std::nan("")},
                               k % 2 == 0 ? Rownowaga::Nieznana : Rownowaga::Nieosiagnieta,
                               {},
                               {},
                               0,
                               {},
                               0});
        }
        f.Przejscie = {2.4, std::nan(""), true};
        StronaFluktuacji strona;
        strona.resize(582, 380);
        strona.show();
        strona.Pokaz(f, TekstyFluktuacjiZ(f, 1), ParametrySymulacji{});
        const auto* etykieta = Kontrolka<QLabel>(strona, "LRownowaga");
        QVERIFY2(etykieta->heightForWidth(etykieta->width()) <= etykieta->height(),
                 qPrintable(QString::number(etykieta->heightForWidth(etykieta->width()))));
        const auto* przejscie = Kontrolka<QLabel>(strona, "LPrzejscieFluktuacji");
        QVERIFY2(przejscie->heightForWidth(przejscie->width()) <= przejscie->height(),
                 qPrintable(QString::number(przejscie->heightForWidth(przejscie->width()))));
    }

    // The longest transition texts, words beside the number or instead of
    // it, fit their box in a font no smaller than the page's small print.
    // Too few replicas leave no error to print.
    void NajdluzszePrzejscieMiesciSie_data() {
        QTest::addColumn<int>("sposob");
        QTest::addColumn<bool>("nieSiega");
        QTest::addColumn<bool>("maloReplik");
        QTest::newRow("nie wyznaczono")
            << static_cast<int>(SposobMaksimum::BrakSerii) << false << false;
        QTest::newRow("parabola, przeważanie nie sięga, mało powtórzeń")
            << static_cast<int>(SposobMaksimum::Parabola) << true << true;
        QTest::newRow("parabola z błędem, przeważanie nie sięga")
            << static_cast<int>(SposobMaksimum::Parabola) << true << false;
        QTest::newRow("przeważanie, mało powtórzeń")
            << static_cast<int>(SposobMaksimum::Przewazanie) << false << true;
    }
    void NajdluzszePrzejscieMiesciSie() {
        QFETCH(int, sposob);
        QFETCH(bool, nieSiega);
        QFETCH(bool, maloReplik);
        FluktuacjeSerii f = Fluktuacje({Rownowaga::Osiagnieta, Rownowaga::Osiagnieta});
        f.Przejscie.Lambda = 0.88123;
        f.Przejscie.Blad = maloReplik ? std::nan("") : 0.00041;
        f.Przejscie.Sposob = static_cast<SposobMaksimum>(sposob);
        f.Przejscie.PrzewazanieNieSiega = nieSiega;
        f.Przejscie.MaloReplik = maloReplik;
        StronaFluktuacji strona;
        strona.resize(582, 380);
        strona.show();
        strona.Pokaz(f, TekstyFluktuacjiZ(f, 1), ParametrySymulacji{});
        const auto* przejscie = Kontrolka<QLabel>(strona, "LPrzejscieFluktuacji");
        QVERIFY(przejscie->text().size() > 45);
        QVERIFY2(przejscie->heightForWidth(przejscie->width()) <= przejscie->height(),
                 qPrintable(przejscie->text()));
        QVERIFY(przejscie->font().pixelSize() >= 11);
        // A plain number keeps the large print.
        f.Przejscie = {0.92, 0.05, false};
        strona.Pokaz(f, TekstyFluktuacjiZ(f, 1), ParametrySymulacji{});
        QCOMPARE(przejscie->font().pixelSize(), 16);
    }

    // One value per lambda: the live point of a finished series is the sigma
    // the results are computed from.
    void PunktSeriiToZapisanaSigma() {
        OknoTestowe t;
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        const StanObliczen& stan = t.okno->Silnik().Stan();
        const SeriaWykresu& punkty = *t.okno->Wykresy().Series13;
        QCOMPARE(punkty.LiczbaPunktow(), stan.NrSerii);
        for (int k = 1; k <= stan.NrSerii; ++k) {
            QCOMPARE(punkty.Punkty()[k - 1].x(), stan.LambdaSerii[k]);
            QCOMPARE(punkty.Punkty()[k - 1].y(), stan.SigmaSerii[k]);
        }
    }

    // The legend shows the marks the view paints: balls on white at 10 x 10,
    // squares on black at 100 x 100, the 3D view's points in 3D.
    void LegendaPokazujeRysowaneZnaki_data() {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<int>("os");
        QTest::addColumn<bool>("widok3D");
        QTest::addColumn<int>("obrazekA");
        QTest::addColumn<int>("obrazekB");
        QTest::addColumn<QString>("opis");
        QTest::newRow("10 x 10") << "2DKwadrat" << 10 << false << 6 << 3
                                 << "atom A – bursztynowa kula, atom B – niebieska kula";
        QTest::newRow("100 x 100") << "2DKwadrat" << 100 << false << 11 << 8
                                   << "atom A – zielony kwadrat, atom B – czerwony kwadrat";
        QTest::newRow("heksagonalna 30") << "2DHeksagonalna" << 30 << false << 12 << 9
                                         << "atom A – zielony kwadrat, atom B – czerwony kwadrat";
        QTest::newRow("3D") << "3DR" << 10 << true << -1 << -1
                            << "atom A – zielony punkt, atom B – niebieski punkt";
    }
    void LegendaPokazujeRysowaneZnaki() {
        QFETCH(QString, rodzaj);
        QFETCH(int, os);
        QFETCH(bool, widok3D);
        QFETCH(int, obrazekA);
        QFETCH(int, obrazekB);
        QFETCH(QString, opis);
        OknoTestowe t(rodzaj);
        UstawOsie(t, os);
        t.dialogi.Odpowiedzi = {Odpowiedz::Nie};
        t.okno->BSiecDalejClick();
        if (widok3D) {
            t.k<QRadioButton>("RBWidok3D")->click();
        }
        const auto* legenda = t.k<LegendaAtomow>("LegendaRysunku");
        QVERIFY(legenda->isVisible());
        QVERIFY2(legenda->accessibleName().endsWith(opis), qPrintable(legenda->accessibleName()));
        if (obrazekA >= 0) {
            const ILAtomy atomy;
            QCOMPARE(legenda->Znaki().A, atomy.Obrazek(obrazekA));
            QCOMPARE(legenda->Znaki().B, atomy.Obrazek(obrazekB));
            QCOMPARE(legenda->Znaki().Tlo,
                     os < 21 || (rodzaj == QLatin1String("2DHeksagonalna") && os < 11)
                         ? QColor(Qt::white)
                         : QColor(Qt::black));
        } else {
            // The 3D view's own colours: lime A and blue B.
            QCOMPARE(legenda->Znaki().A.pixelColor(3, 3), QColor(0x00, 0xFF, 0x00));
            QCOMPARE(legenda->Znaki().B.pixelColor(3, 3), QColor(0x00, 0x00, 0xFF));
            t.k<QRadioButton>("RBWidok2D")->click();
            QCOMPARE(legenda->Znaki().A, ILAtomy().Obrazek(6));
        }
    }

    // Typing: the iterations take all seven digits of their largest value;
    // the fields that take no typing refuse it in sight and do not look
    // editable.
    void PisanieWPolach() {
        OknoTestowe t;
        auto* iteracje = t.k<PoleIteracji>("SEMaxIloscCykli");
        auto* tekstIteracji = iteracje->findChild<QLineEdit*>();
        iteracje->setFocus();
        tekstIteracji->selectAll();
        QTest::keyClicks(tekstIteracji, QStringLiteral("1000000"));
        QCOMPARE(tekstIteracji->text(), QStringLiteral("1000000"));
        QCOMPARE(iteracje->WartoscUzywana(), 1000000);

        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        t.okno->BSiecDalejClick();
        for (const char* nazwa :
             {"SEIloscAtomowOsX", "SEIloscAtomowOsY", "SENrCyklu", "SEOdswierzanie"}) {
            auto* pole = t.k<PoleBezPisania>(nazwa);
            auto* tekst = pole->findChild<QLineEdit*>();
            const int przed = pole->value();
            pole->setEnabled(true);
            QTest::keyClick(pole, Qt::Key_Tab);
            pole->setFocus();
            QVERIFY2(!tekst->hasSelectedText(), nazwa);
            QVERIFY2(tekst->isReadOnly(), nazwa);
            QTest::keyClicks(pole, QStringLiteral("42"));
            QTest::keyClick(pole, Qt::Key_Backspace);
            QCOMPARE(pole->value(), przed);
            QCOMPARE(tekst->text(), QString::number(przed));
            QTest::mouseDClick(tekst, Qt::LeftButton);
            QVERIFY2(!tekst->hasSelectedText(), nazwa);
            QCOMPARE(tekst->palette().color(QPalette::Base),
                     pole->palette().color(QPalette::Window));
        }
        auto* osX = t.k<PoleBezPisania>("SEIloscAtomowOsX");
        const int przed = osX->value();
        QTest::keyClick(osX, Qt::Key_Up);
        QCOMPARE(osX->value(), przed + 2);
    }

    // After Esc on the charts page the focus is on a shown control (not on
    // the hidden "Licz    ", where Space would resume the run unseen).
    void FokusPoEscNaWykresach() {
        OknoTestowe t;
        QVERIFY(Aktywne(t));
        t.okno->BSiecDalejClick();
        t.k<PrzyciskPrzezroczysty>("TBLicz")->click();
        t.o().PokazWykresy();
        QTest::keyClick(t.okno.get(), Qt::Key_Escape);
        QVERIFY(!t.okno->Przebieg().Trwa());
        QWidget* fokus = QApplication::focusWidget();
        QVERIFY(fokus);
        QVERIFY2(fokus->isVisible(), qPrintable(fokus->objectName()));
        QCOMPARE(fokus, t.o().tabBar());
        QTest::keyClick(fokus, Qt::Key_Space);
        QVERIFY(!t.okno->Przebieg().Trwa());
    }

    // "Licz    " from the keyboard: the turn to the charts does not take the
    // focus from "Zatrzymaj"; from the mouse the page turns and the focus
    // follows it onto the notebook's tab, in sight.
    void ZakladkaNieZabieraFokusu() {
        {
            OknoTestowe t;
            QVERIFY(Aktywne(t));
            t.okno->BSiecDalejClick();
            auto* licz = t.k<PrzyciskPrzezroczysty>("TBLicz");
            QCOMPARE(QApplication::focusWidget(), licz);
            QTest::keyClick(licz, Qt::Key_Space);
            QVERIFY(t.okno->Przebieg().Trwa());
            for (int i = 0; i < SterownikPrzebiegu::TikiDoZmianyZakladki; ++i) {
                t.okno->Przebieg().TimerZmienZakladkeTimer();
            }
            QCOMPARE(t.o().currentIndex(), 0);
            QCOMPARE(QApplication::focusWidget(), t.k<QWidget>("TBZatrzymaj"));
            t.okno->Przebieg().Zatrzymaj();
        }
        {
            OknoTestowe t;
            QVERIFY(Aktywne(t));
            t.okno->BSiecDalejClick();
            auto* licz = t.k<PrzyciskPrzezroczysty>("TBLicz");
            QTest::mouseClick(licz, Qt::LeftButton);
            QVERIFY(t.okno->Przebieg().Trwa());
            for (int i = 0; i < SterownikPrzebiegu::TikiDoZmianyZakladki; ++i) {
                t.okno->Przebieg().TimerZmienZakladkeTimer();
            }
            QCOMPARE(t.o().currentIndex(), 1);
            QWidget* fokus = QApplication::focusWidget();
            QVERIFY(fokus && fokus->isVisible());
            QCOMPARE(fokus, t.o().tabBar());
            t.okno->Przebieg().Zatrzymaj();
        }
    }

    // Tab into a radio group lands on its checked button, however it was
    // checked.
    void TabNaZaznaczonymRadiu() {
        OknoTestowe t;
        auto* pojedyncza = t.k<QRadioButton>("RBPojedynczaSymulacja");
        auto* seria = t.k<QRadioButton>("RBSeriaSymulacji");
        for (QRadioButton* zaznaczony : {pojedyncza, seria}) {
            zaznaczony->setChecked(true);
            QRadioButton* drugi = zaznaczony == pojedyncza ? seria : pojedyncza;
            QVERIFY(zaznaczony->focusPolicy() & Qt::TabFocus);
            QVERIFY(!(drugi->focusPolicy() & Qt::TabFocus));
        }
        auto* przypadkowe = t.k<QRadioButton>("RBPrzypadkowe");
        QVERIFY(przypadkowe->isChecked());
        QVERIFY(przypadkowe->focusPolicy() & Qt::TabFocus);
        QVERIFY(!(t.k<QRadioButton>("RBUporzadkowane")->focusPolicy() & Qt::TabFocus));
    }

    // A focused chart shows a focus mark.
    void WykresZFokusemOznaczony() {
        OknoTestowe t;
        QVERIFY(Aktywne(t));
        t.okno->BSiecDalejClick();
        t.o().PokazWykresy();
        Wykres* wykres = t.okno->Wykresy().ChartSigma;
        wykres->Odswiez();
        const QImage bez = wykres->grab().toImage();
        wykres->setFocus();
        QVERIFY(wykres->hasFocus());
        const QImage z = wykres->grab().toImage();
        QVERIFY(bez != z);
        const QColor ramka = wykres->palette().color(QPalette::Highlight);
        QCOMPARE(z.pixelColor(1, z.height() / 2), ramka);
        QCOMPARE(z.pixelColor(z.width() / 2, z.height() - 2), ramka);
    }

    // Every text and trace of the run stands out at least 3:1 from what is
    // behind it: both colours of the blinking "Licz    ", every line and point
    // of the charts.
    void Kontrast() {
        OknoTestowe t;
        t.okno->BSiecDalejClick();
        auto* licz = t.k<PrzyciskPrzezroczysty>("TBLicz");
        const QColor tloStrony = licz->parentWidget()->palette().color(QPalette::Window);
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(::Kontrast(licz->KolorCzcionki(), tloStrony) >= 3.0,
                     qPrintable(licz->KolorCzcionki().name()));
            t.okno->TimerDalejTimer();
        }
        t.okno->BSiecDalejClick();
        QList<Wykres*> wykresy = t.okno->findChildren<Wykres*>();
        QVERIFY(wykresy.size() >= 10);
        for (const Wykres* wykres : wykresy) {
            const QColor tlo = wykres->backgroundBrush().color();
            for (const auto& seria : wykres->Serie()) {
                if (seria->RodzajSerii() == SeriaWykresu::Rodzaj::Slupki || !seria->Aktywna()) {
                    continue;
                }
                QVERIFY2(::Kontrast(seria->Kolor(), tlo) >= 3.0,
                         qPrintable(wykres->accessibleName() + QLatin1Char(' ') +
                                    seria->Kolor().name() + QLatin1Char(' ') + tlo.name()));
            }
        }
    }

    // The view's box holds its longest captions whole.
    void PolaWidokuMieszczaNapisy() {
        OknoTestowe t(QStringLiteral("3DR"));
        t.okno->BSiecDalejClick();
        auto* sasiednie = t.k<QCheckBox>("CBAtomySasiadujace");
        auto* plaszczyzna = t.k<QLabel>("PPlaszczyzna");
        // Inside the box's frame line.
        const QRect wnetrze =
            t.k<QWidget>("GBSposobWyswietlaniaSieci")->rect().adjusted(2, 2, -2, -2);
        QVERIFY(wnetrze.contains(sasiednie->geometry()));
        QVERIFY(wnetrze.contains(plaszczyzna->geometry()));
        QVERIFY2(sasiednie->sizeHint().width() <= sasiednie->width(),
                 qPrintable(QString::number(sasiednie->sizeHint().width())));
        const int tekst =
            plaszczyzna->fontMetrics().horizontalAdvance(QStringLiteral("Płaszczyzna: (0,0,K)"));
        QVERIFY2(tekst + 2 * plaszczyzna->frameWidth() + 4 <= plaszczyzna->width(),
                 qPrintable(QString::number(tekst)));
    }

    // Leaving a finished series that was never saved asks first, Nie by
    // default; saved results, or none, leave without a word.
    void NiezapisaneWynikiPytaja_data() {
        QTest::addColumn<QString>("przycisk");
        QTest::addColumn<QString>("pytanie");
        QTest::newRow("Koniec") << "BSiecZamknij"
                                << "Czy mimo to zakończyć ?";
        QTest::newRow("Powtórz obliczenia") << "BSiecNowe"
                                            << "Czy mimo to powtórzyć obliczenia ?";
    }
    void NiezapisaneWynikiPytaja() {
        QFETCH(QString, przycisk);
        QFETCH(QString, pytanie);
        const QByteArray nazwa = przycisk.toLatin1();
        OknoTestowe t;
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());

        t.dialogi.Zadane.clear();
        t.k<PrzyciskPrzezroczysty>(nazwa.constData())->click();
        QCOMPARE(t.dialogi.Zadane.size(), 1);
        QVERIFY(t.dialogi.Zadane[0].Tekst.endsWith(pytanie));
        QVERIFY(t.dialogi.Zadane[0].Tekst.startsWith(
            QStringLiteral("Wyniki serii nie zostały zapisane.")));
        QCOMPARE(t.dialogi.Zadane[0].Rodzaj, Przyciski::TakNieDomyslnieNie);
        // Nie (the default): everything stays as it was.
        QVERIFY(t.okno->isVisible());
        QVERIFY(t.k<QWidget>("TNObliczenia")->isVisible());
        QCloseEvent zamkniecie;
        QCoreApplication::sendEvent(t.okno.get(), &zamkniecie);
        QVERIFY(!zamkniecie.isAccepted());
        QVERIFY(t.okno->isVisible());

        // Saved: the status bar says so, and leaving asks nothing.
        t.okno->BSiecDalejClick();
        t.okno->BSiecDalejClick();
        QTemporaryDir folder;
        t.dialogi.Plik = WybranyPlik{folder.filePath(QStringLiteral("seria.csv")), 1};
        t.k<PrzyciskPrzezroczysty>("BZapiszWyniki")->click();
        QCOMPARE(t.k<QStatusBar>("PasekStanu")->currentMessage(),
                 QStringLiteral("Zapisano: seria.csv"));
        t.dialogi.Zadane.clear();
        t.dialogi.Odpowiedzi = {Odpowiedz::Nie};
        t.k<PrzyciskPrzezroczysty>(nazwa.constData())->click();
        for (const auto& p : t.dialogi.Zadane) {
            QVERIFY2(!p.Tekst.startsWith(QStringLiteral("Wyniki serii")), qPrintable(p.Tekst));
        }
    }

    void TakPorzucaNiezapisaneWyniki() {
        OknoTestowe t;
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        t.dialogi.Odpowiedzi = {Odpowiedz::Tak};
        t.okno->BSiecZamknijClick();
        QVERIFY(!t.okno->isVisible());
        QVERIFY(t.menu.isVisible());
    }

    // A paused series has no results to lose: no question.
    void WstrzymanyPrzebiegBezPytania() {
        OknoTestowe t;
        t.okno->BSiecDalejClick();
        t.k<PrzyciskPrzezroczysty>("TBLicz")->click();
        t.k<PrzyciskPrzezroczysty>("TBZatrzymaj")->click();
        t.dialogi.Zadane.clear();
        t.okno->BSiecZamknijClick();
        QVERIFY(t.dialogi.Zadane.isEmpty());
        QVERIFY(!t.okno->isVisible());
    }

    // A folder that is there but takes no files is not called missing.
    void ZapisDoFolderuBezPlikow() {
        if (!QFileInfo(QStringLiteral("/proc")).isDir()) {
            QSKIP("no /proc here");
        }
        OknoTestowe t;
        t.k<PoleIteracji>("SEMaxIloscCykli")->setValue(10000);
        t.okno->BSiecDalejClick();
        QVERIFY(t.LiczDoKonca());
        t.okno->BSiecDalejClick();
        t.okno->BSiecDalejClick();
        t.dialogi.Plik = WybranyPlik{QStringLiteral("/proc/wynik.csv"), 1};
        t.dialogi.Zadane.clear();
        t.k<PrzyciskPrzezroczysty>("BZapiszWyniki")->click();
        QCOMPARE(t.dialogi.Zadane.size(), 1);
        QVERIFY2(t.dialogi.Zadane[0].Tekst.contains(
                     QStringLiteral("W tym folderze nie można tworzyć plików.")),
                 qPrintable(t.dialogi.Zadane[0].Tekst));
        QVERIFY(!t.dialogi.Zadane[0].Tekst.contains(QStringLiteral("nie istnieje")));
        QVERIFY(!t.k<QStatusBar>("PasekStanu")
                     ->currentMessage()
                     .startsWith(QStringLiteral("Zapisano")));
    }

private:
    SrodowiskoOkna srodowisko_;
};

QTEST_MAIN(RzetelnoscOknaTest)
#include "RzetelnoscOknaTest.moc"
