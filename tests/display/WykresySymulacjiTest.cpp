#include "WykresySymulacji.h"

#include "DoKonca.h"
#include "KoloryHistogramu.h"
#include "MalaSiec.h"
#include "Obliczenia.h"
#include "Pomiar.h"
#include "StaleZiarno.h"
#include "Wykres.h"

#include <QBarSet>
#include <QDir>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLegend>
#include <QStackedBarSeries>
#include <QTest>
#include <QWidget>
#include <QXYSeries>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>

namespace {

using Os = Wykres::Os;
using Rodzaj = SeriaWykresu::Rodzaj;

struct Okno {
    QWidget strona;
    QWidget cieplo;
    QWidget histogramy;
    QWidget historia;
    std::unique_ptr<WykresySymulacji> wykresy;

    Okno() {
        strona.resize(580, 380);
        cieplo.resize(425, 380);
        histogramy.resize(480, 160);
        historia.resize(490, 180);
        wykresy = std::make_unique<WykresySymulacji>(
            MiejscaWykresow{&strona, &cieplo, &histogramy, &historia});
    }
};

// The engine, fed to the charts as the window feeds them.
struct Silnik {
    StaleZiarno ziarno;
    Obliczenia obliczenia;
    Silnik(WykresySymulacji& wykresy, std::uint32_t z) : ziarno(z), obliczenia(ziarno) {
        obliczenia.UstawObserwatora(&wykresy);
    }
};

// A sample as the engine reports it, with bars 0..n for the n + 1 values given.
Pomiar PomiarWykresu(int iteracja, double energia, double sigma,
                     std::initializer_list<double> slupki = {}) {
    Pomiar p{};
    p.Seria = 1;
    p.Iteracja = iteracja;
    p.Energia = energia;
    p.Sigma = sigma;
    p.LiczbaSasiadow = static_cast<int>(slupki.size()) - 1;
    std::copy(slupki.begin(), slupki.end(), p.Histogram.begin());
    return p;
}

// The overlay pictures of a chart, by position.
QList<QLabel*> Obrazki(Wykres* w) {
    QList<QLabel*> obrazki;
    for (QLabel* l : w->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!l->pixmap().isNull()) {
            obrazki.append(l);
        }
    }
    return obrazki;
}

QLabel* ObrazekW(Wykres* w, QPoint pozycja) {
    for (QLabel* l : Obrazki(w)) {
        if (l->pos() == pozycja) {
            return l;
        }
    }
    return nullptr;
}

void SprawdzZakres(Wykres* w, Os os, double min, double max) {
    QCOMPARE(w->Zakres(os).Minimum.value(), min);
    QCOMPARE(w->Zakres(os).Maksimum.value(), max);
    QCOMPARE(w->Minimum(os), min);
    QCOMPARE(w->Maksimum(os), max);
}

// Qt Charts writes "..." for a label it had to shorten.
bool CosSkrocone(Wykres* w) {
    for (QGraphicsItem* element : w->scene()->items()) {
        const auto* tekst = dynamic_cast<const QGraphicsTextItem*>(element);
        if (tekst && tekst->isVisible() && tekst->toPlainText().contains(QLatin1String("..."))) {
            return true;
        }
    }
    return false;
}

struct NazwanyWykres {
    Wykres* wykres;
    const char* nazwa;
};

std::vector<NazwanyWykres> Wszystkie(const WykresySymulacji& w) {
    return {{w.ChartEnergia, "ChartEnergia"},
            {w.ChartSigmaSeria, "ChartSigmaSeria"},
            {w.ChartSigma, "ChartSigma"},
            {w.ChartLA, "ChartLA"},
            {w.ChartSigmaLambda, "ChartSigmaLambda"},
            {w.ChartCvkNLambda, "ChartCvkNLambda"},
            {w.Chart5, "Chart5"},
            {w.Chart6, "Chart6"},
            {w.ChartSigma2, "ChartSigma2"}};
}

// Shows every chart, saves its picture as wykresy_png/<name><przyrostek>.png
// and checks that no label had to be shortened.
void Zapisz(Okno& o, const QString& przyrostek) {
    for (const NazwanyWykres& n : Wszystkie(*o.wykresy)) {
        n.wykres->show();
    }
    for (QWidget* rodzic : {&o.strona, &o.cieplo, &o.histogramy, &o.historia}) {
        rodzic->show();
    }
    QCoreApplication::processEvents();
    QDir().mkpath(QStringLiteral("wykresy_png"));
    for (const NazwanyWykres& n : Wszystkie(*o.wykresy)) {
        n.wykres->Odswiez();
        const QImage obraz = n.wykres->grab().toImage();
        QCOMPARE(obraz.size(), n.wykres->size());
        QVERIFY(obraz.save(
            QStringLiteral("wykresy_png/%1%2.png").arg(QLatin1String(n.nazwa), przyrostek)));
        QVERIFY2(!CosSkrocone(n.wykres), n.nazwa);
    }
}

bool MaKolor(const QImage& obraz, const QRect& obszar, QRgb kolor, int tolerancja = 8) {
    for (int y = obszar.top(); y <= obszar.bottom(); ++y) {
        for (int x = obszar.left(); x <= obszar.right(); ++x) {
            const QRgb p = obraz.pixel(x, y);
            if (std::abs(qRed(p) - qRed(kolor)) <= tolerancja &&
                std::abs(qGreen(p) - qGreen(kolor)) <= tolerancja &&
                std::abs(qBlue(p) - qBlue(kolor)) <= tolerancja) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestWykresySymulacji : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // Each chart on its page, inside it and clear of the other charts shown
    // there, with its hint.
    void miejscaIPodpowiedzi() {
        Okno o;
        const WykresySymulacji& w = *o.wykresy;
        struct Wiersz {
            Wykres* wykres;
            QWidget* rodzic;
            QString podpowiedz;
        };
        const QString histogram = QStringLiteral(
            "WYKRES: Prawdopodobieństwo znalezienia n atomów rodz. B w otoczeniu atomu rodz. A");
        const QString sigma =
            QStringLiteral("WYKRES: Średni parametr uporządkowania bliskiego zasięgu (sigma)");
        const Wiersz wiersze[] = {
            {w.ChartEnergia, &o.strona,
             QStringLiteral("WYKRES: Zmiana energii E w zależności od liczby iteracji")},
            {w.ChartSigmaSeria, &o.strona,
             QStringLiteral("WYKRES: Zależność parametru uporządkowania bliskiego zasięgu "
                            "(sigma) od wartości Lambda")},
            {w.ChartSigma, &o.strona, sigma},
            {w.ChartLA, &o.strona, histogram},
            {w.ChartSigmaLambda, &o.cieplo,
             QStringLiteral("WYKRES: Zależność parametru uporządkowania bliskiego zasięgu od "
                            "Lambda")},
            {w.ChartCvkNLambda, &o.cieplo,
             QStringLiteral("WYKRES: Zależność ciepła właściwego od wartości Lambda")},
            {w.Chart5, &o.histogramy, histogram + QStringLiteral(" (przed symulacją)")},
            {w.Chart6, &o.histogramy, histogram + QStringLiteral(" (po symulacji)")},
            {w.ChartSigma2, &o.historia, sigma},
        };
        for (const Wiersz& r : wiersze) {
            QCOMPARE(r.wykres->parentWidget(), r.rodzic);
            QVERIFY(!r.wykres->geometry().isEmpty());
            QVERIFY(r.rodzic->rect().contains(r.wykres->geometry()));
            for (const Wiersz& inny : wiersze) {
                if (inny.wykres != r.wykres && inny.rodzic == r.rodzic &&
                    !inny.wykres->isHidden() && !r.wykres->isHidden()) {
                    QVERIFY(!r.wykres->geometry().intersects(inny.wykres->geometry()));
                }
            }
            QCOMPARE(r.wykres->statusTip(), r.podpowiedz);
            // Only the energy chart shows its hint as a pop-up too.
            QCOMPARE(r.wykres->toolTip(), r.wykres == w.ChartEnergia ? r.podpowiedz : QString());
        }
        QVERIFY(w.ChartSigmaSeria->isHidden());
        QVERIFY(!w.ChartEnergia->isHidden());
    }

    void tytuly() {
        Okno o;
        const WykresySymulacji& w = *o.wykresy;
        QCOMPARE(w.ChartEnergia->Tytul(),
                 QStringList{QStringLiteral("Zależność energii od ilości stanów konfig.")});
        QVERIFY(w.ChartEnergia->TytulWidoczny());
        QVERIFY(!w.ChartSigmaSeria->TytulWidoczny());
        QVERIFY(!w.ChartSigma->TytulWidoczny());
        QCOMPARE(w.ChartLA->Tytul(),
                 (QStringList{QStringLiteral("Prawdopodobieństwo znalezienia n atomów"),
                              QStringLiteral("rodz. B w otoczeniu atomu rodz. A")}));
        QCOMPARE(w.ChartSigmaLambda->Tytul(),
                 QStringList{QStringLiteral(
                     "Zależność parametru uporządkowania bliskiego zasięgu od Lambda")});
        QCOMPARE(w.ChartCvkNLambda->Tytul(),
                 QStringList{QStringLiteral("Zależność ciepła właściwego od wartości Lambda")});
        QCOMPARE(w.Chart5->Tytul(), QStringList{QStringLiteral("przed symulacją")});
        QCOMPARE(w.Chart6->Tytul(), QStringList{QStringLiteral("po symulacji")});
        QCOMPARE(w.ChartSigma2->Tytul(),
                 QStringList{QStringLiteral("Średni parametr uporządkowania bliskiego zasięgu "
                                            "dla wybranej wart. Lambda")});
        QCOMPARE(w.ChartSigma2->WyrownanieTytulu(), Qt::AlignRight);
        for (Wykres* wykres : {w.ChartEnergia, w.ChartLA, w.ChartSigmaLambda, w.ChartCvkNLambda,
                               w.Chart5, w.Chart6}) {
            QCOMPARE(wykres->WyrownanieTytulu(), Qt::AlignHCenter);
        }
    }

    void osiFormularza() {
        Okno o;
        const WykresySymulacji& w = *o.wykresy;
        SprawdzZakres(w.ChartEnergia, Os::Dolna, 0, 100000);
        QCOMPARE(w.ChartEnergia->Zakres(Os::Dolna).Przyrost, 1000.0);
        QVERIFY(!w.ChartEnergia->Zakres(Os::Lewa).Minimum);
        QVERIFY(!w.ChartEnergia->Zakres(Os::Lewa).Maksimum);

        SprawdzZakres(w.ChartSigmaSeria, Os::Dolna, 0, 2.45);
        QCOMPARE(w.ChartSigmaSeria->Zakres(Os::Dolna).Przyrost, 0.2);
        SprawdzZakres(w.ChartSigmaSeria, Os::Lewa, 0, 1.1);
        QCOMPARE(w.ChartSigmaSeria->Zakres(Os::Lewa).Przyrost, 0.1);

        SprawdzZakres(w.ChartSigma, Os::Dolna, 0, 100000);
        SprawdzZakres(w.ChartSigma, Os::Lewa, 0, 1.1);
        QCOMPARE(w.ChartSigma->Zakres(Os::Lewa).Przyrost, 0.1);

        SprawdzZakres(w.ChartLA, Os::Lewa, 0, 100000);

        SprawdzZakres(w.ChartSigmaLambda, Os::Dolna, 0, 2.45);
        QCOMPARE(w.ChartSigmaLambda->Zakres(Os::Dolna).Przyrost, 0.2);
        QCOMPARE(w.ChartSigmaLambda->Zakres(Os::Dolna).Format, QStringLiteral("# ##0.###"));
        SprawdzZakres(w.ChartSigmaLambda, Os::Lewa, 0, 1.05);
        QCOMPARE(w.ChartSigmaLambda->Zakres(Os::Lewa).Przyrost, 0.1);

        SprawdzZakres(w.ChartCvkNLambda, Os::Dolna, 0, 2.45);
        QCOMPARE(w.ChartCvkNLambda->Zakres(Os::Dolna).Przyrost, 0.2);
        QCOMPARE(w.ChartCvkNLambda->Zakres(Os::Lewa).Minimum.value(), 0.0);
        QVERIFY(!w.ChartCvkNLambda->Zakres(Os::Lewa).Maksimum);
        QCOMPARE(w.ChartCvkNLambda->Zakres(Os::Lewa).Przyrost, 0.5);

        for (Wykres* h : {w.Chart5, w.Chart6}) {
            QVERIFY(!h->Zakres(Os::Lewa).Minimum && !h->Zakres(Os::Lewa).Maksimum);
        }
        SprawdzZakres(w.ChartSigma2, Os::Dolna, 0, 100000);
        SprawdzZakres(w.ChartSigma2, Os::Lewa, 0, 1.0);
        QCOMPARE(w.ChartSigma2->Zakres(Os::Lewa).Przyrost, 0.1);
    }

    void tytulyOsi() {
        Okno o;
        const WykresySymulacji& w = *o.wykresy;
        for (Wykres* wykres : {w.ChartEnergia, w.ChartSigma, w.ChartSigma2}) {
            QCOMPARE(wykres->TytulOsi(Os::Dolna), QStringLiteral("ilość iteracji"));
            const QFont f = wykres->CzcionkaTytuluOsi(Os::Dolna);
            QCOMPARE(f.family(), QStringLiteral("Arial"));
            QCOMPARE(f.pixelSize(), 13);
            QVERIFY(f.bold());
        }
        QCOMPARE(w.ChartLA->TytulOsi(Os::Dolna), QStringLiteral("n"));
        QCOMPARE(w.ChartLA->CzcionkaTytuluOsi(Os::Dolna).pixelSize(), 13);
        QVERIFY(w.ChartLA->CzcionkaTytuluOsi(Os::Dolna).bold());
        QCOMPARE(w.ChartLA->TytulOsi(Os::Lewa), QStringLiteral("ilość atomów"));
        QCOMPARE(w.ChartLA->CzcionkaTytuluOsi(Os::Lewa).pixelSize(), 11);
        QVERIFY(w.ChartLA->CzcionkaTytuluOsi(Os::Lewa).bold());
        QVERIFY(w.ChartEnergia->TytulOsi(Os::Lewa).isEmpty());

        // The energy axis is named by the label "E" laid over the chart.
        QLabel* e = nullptr;
        for (QLabel* l : w.ChartEnergia->findChildren<QLabel*>()) {
            if (l->text() == QStringLiteral("E")) {
                e = l;
            }
        }
        QVERIFY(e);
        QCOMPARE(e->pos(), QPoint(4, 4));
        QCOMPARE(e->font().pixelSize(), 16);
        QVERIFY(e->font().bold());
    }

    void glify() {
        Okno o;
        const WykresySymulacji& w = *o.wykresy;
        struct Glif {
            Wykres* wykres;
            QPoint pozycja;
            QSize rozmiar;
        };
        const QSize sigma(18, 16), lambda(17, 24), cvkn(19, 28);
        const Glif glify[] = {
            {w.ChartSigmaSeria, {4, 4}, sigma},      {w.ChartSigma, {4, 4}, sigma},
            {w.ChartSigmaLambda, {16, 24}, sigma},   {w.ChartSigma2, {24, 16}, sigma},
            {w.ChartSigmaSeria, {256, 152}, lambda}, {w.ChartSigmaLambda, {386, 175}, lambda},
            {w.ChartCvkNLambda, {386, 135}, lambda}, {w.ChartCvkNLambda, {16, 4}, cvkn},
        };
        for (const Glif& g : glify) {
            QLabel* l = ObrazekW(g.wykres, g.pozycja);
            QVERIFY2(l, qPrintable(g.wykres->statusTip()));
            QCOMPARE(l->pixmap().size(), g.rozmiar);
            QCOMPARE(l->size(), g.rozmiar);
            // Black strokes on a transparent ground.
            const QImage obraz = l->pixmap().toImage();
            QCOMPARE(qAlpha(obraz.pixel(0, 0)), 0);
            QVERIFY(MaKolor(obraz, obraz.rect(), qRgb(0, 0, 0), 40));
        }
        QCOMPARE(Obrazki(w.ChartEnergia).size(), 0);
        QCOMPARE(Obrazki(w.ChartLA).size(), 0);
    }

    void legendyIMarginesy() {
        Okno o;
        const WykresySymulacji& w = *o.wykresy;
        QCOMPARE(w.ChartSigma->RodzajLegendy(), Wykres::Legenda::OstatnieWartosci);
        QCOMPARE(w.ChartSigmaLambda->RodzajLegendy(), Wykres::Legenda::TytulySerii);
        for (Wykres* wykres : {w.ChartEnergia, w.ChartSigmaSeria, w.ChartLA, w.ChartCvkNLambda,
                               w.Chart5, w.Chart6, w.ChartSigma2}) {
            QCOMPARE(wykres->RodzajLegendy(), Wykres::Legenda::Ukryta);
        }
        const auto m = [](Wykres* wykres) { return wykres->MarginesyProcent(); };
        QCOMPARE(m(w.ChartEnergia).Dolny, 0.0);
        QCOMPARE(m(w.ChartEnergia).Prawy, 7.0);
        QCOMPARE(m(w.ChartSigmaSeria).Dolny, 7.0);
        QCOMPARE(m(w.ChartSigmaSeria).Lewy, 9.0);
        QCOMPARE(m(w.ChartSigmaSeria).Prawy, 4.0);
        QCOMPARE(m(w.ChartSigma).Dolny, 0.0);
        QCOMPARE(m(w.ChartSigma).Lewy, 9.0);
        QCOMPARE(m(w.ChartSigma).Prawy, 4.0);
        QCOMPARE(m(w.ChartSigma).Gorny, 14.0);
        QCOMPARE(m(w.ChartLA).Dolny, 0.0);
        QCOMPARE(m(w.ChartLA).Lewy, 0.0);
        QCOMPARE(m(w.ChartSigmaLambda).Dolny, 1.0);
        QCOMPARE(m(w.ChartSigmaLambda).Lewy, 7.0);
        QCOMPARE(m(w.ChartSigmaLambda).Prawy, 7.0);
        QCOMPARE(m(w.ChartSigmaLambda).Gorny, 2.0);
        QCOMPARE(m(w.ChartCvkNLambda).Lewy, 8.0);
        QCOMPARE(m(w.ChartCvkNLambda).Prawy, 7.0);
        QCOMPARE(m(w.Chart5).Lewy, 6.0);
        QCOMPARE(m(w.Chart6).Lewy, 6.0);
        QCOMPARE(m(w.ChartSigma2).Dolny, 0.0);
        QCOMPARE(m(w.ChartSigma2).Lewy, 7.0);
        QCOMPARE(m(w.ChartSigma2).Prawy, 7.0);
    }

    void serie() {
        Okno o;
        const WykresySymulacji& w = *o.wykresy;
        struct Wiersz {
            SeriaWykresu* seria;
            Wykres* wykres;
            Rodzaj rodzaj;
            QRgb kolor;
            QString tytul;
        };
        const Wiersz wiersze[] = {
            {w.Series1, w.ChartEnergia, Rodzaj::Linia, 0xFF0000, {}},
            {w.Series13, w.ChartSigmaSeria, Rodzaj::Punkty, 0xFF0000, {}},
            {w.Series2, w.ChartSigma, Rodzaj::Linia, 0x8C6A00, {}},
            {w.Series3, w.ChartLA, Rodzaj::Slupki, 0x008000, {}},
            {w.Series10, w.ChartSigmaLambda, Rodzaj::Linia, 0x007C80,
             QStringLiteral("Krzywa aproksymowana")},
            {w.Series9, w.ChartSigmaLambda, Rodzaj::Punkty, 0xFF0000,
             QStringLiteral("Wart. doświadczalne")},
            {w.Series4, w.ChartSigmaLambda, Rodzaj::Linia, 0x8C6A00, {}},
            {w.Series5, w.ChartCvkNLambda, Rodzaj::Linia, 0x1E8C00, QStringLiteral("CvkN")},
            {w.Series11, w.ChartCvkNLambda, Rodzaj::Linia, 0xFF0000, QStringLiteral("pochodna")},
            {w.Series6, w.Chart5, Rodzaj::Slupki, 0xFF0000, {}},
            {w.Series7, w.Chart6, Rodzaj::Slupki, 0xFF0000, {}},
            {w.Series8, w.ChartSigma2, Rodzaj::Linia, 0x8C6A00, {}},
        };
        for (const Wiersz& r : wiersze) {
            bool naWykresie = false;
            for (const auto& s : r.wykres->Serie()) {
                naWykresie = naWykresie || s.get() == r.seria;
            }
            QVERIFY(naWykresie);
            QCOMPARE(r.seria->RodzajSerii(), r.rodzaj);
            QCOMPARE(r.seria->Kolor().rgb() & 0xFFFFFF, r.kolor);
            QCOMPARE(r.seria->Tytul(), r.tytul);
            QCOMPARE(r.seria->Aktywna(), r.seria != w.Series4);
            QCOMPARE(r.seria->LiczbaPunktow(), 0);
        }
        QCOMPARE(w.Series13->PolowaRozmiaruZnacznika(), 3);
        QVERIFY(!w.Series13->ZnacznikiPlaskie());
        QCOMPARE(w.Series9->PolowaRozmiaruZnacznika(), 3);
        QVERIFY(w.Series9->ZnacznikiPlaskie());
        QCOMPARE(w.Series2->FormatWartosci(), QStringLiteral("#0.##   (sigma śr)"));
        // The measured points are drawn over the fitted curve, both over the
        // infinite lattice's reference, which is off until a run has one.
        const auto& naSigmaLambda = w.ChartSigmaLambda->Serie();
        QCOMPARE(naSigmaLambda.at(0).get(), w.SeriaOnsagera);
        QVERIFY(!w.SeriaOnsagera->Aktywna());
        QCOMPARE(naSigmaLambda.at(1).get(), w.Series10);
        QCOMPARE(naSigmaLambda.at(2).get(), w.Series9);
    }

    void zakresyTrybu_data() {
        QTest::addColumn<Oddzialywanie>("tryb");
        QTest::addColumn<double>("sigmaMin");
        QTest::addColumn<double>("sigmaMax");
        QTest::addColumn<double>("lambdaMin");
        QTest::addColumn<double>("lambdaMax");
        QTest::newRow("porządkowanie")
            << Oddzialywanie::Porzadkowanie << -0.15 << 1.1 << 0.0 << 2.45;
        QTest::newRow("klasteryzacja")
            << Oddzialywanie::Klasteryzacja << -1.1 << 0.1 << -2.45 << 0.15;
    }

    void zakresyTrybu() {
        QFETCH(Oddzialywanie, tryb);
        QFETCH(double, sigmaMin);
        QFETCH(double, sigmaMax);
        QFETCH(double, lambdaMin);
        QFETCH(double, lambdaMax);
        Okno o;
        const WykresySymulacji& w = *o.wykresy;
        o.wykresy->UstawZakresyOsi(tryb, 100000, 100);
        for (Wykres* wykres :
             {w.ChartSigmaSeria, w.ChartSigma, w.ChartSigma2, w.ChartSigmaLambda}) {
            SprawdzZakres(wykres, Os::Lewa, sigmaMin, sigmaMax);
            QCOMPARE(wykres->Zakres(Os::Lewa).Przyrost, 0.1);
        }
        for (Wykres* wykres : {w.ChartSigmaSeria, w.ChartSigmaLambda}) {
            SprawdzZakres(wykres, Os::Dolna, lambdaMin, lambdaMax);
            QCOMPARE(wykres->Zakres(Os::Dolna).Przyrost, 0.2);
        }
        QCOMPARE(w.ChartSigmaLambda->Zakres(Os::Dolna).Format, QStringLiteral("# ##0.###"));
        for (Wykres* wykres : {w.ChartEnergia, w.ChartSigma, w.ChartSigma2}) {
            SprawdzZakres(wykres, Os::Dolna, 0, 100000);
        }
        QCOMPARE(w.ChartEnergia->Zakres(Os::Dolna).Przyrost, 1000.0);
        SprawdzZakres(w.ChartLA, Os::Lewa, 0, 100);
        // Cv/kN is drawn against |lambda| in both modes.
        SprawdzZakres(w.ChartCvkNLambda, Os::Dolna, 0, 2.45);

        o.wykresy->UstawZakresyOsi(tryb, 250000, 1000);
        for (Wykres* wykres : {w.ChartEnergia, w.ChartSigma, w.ChartSigma2}) {
            SprawdzZakres(wykres, Os::Dolna, 0, 250000);
        }
        SprawdzZakres(w.ChartLA, Os::Lewa, 0, 1000);
    }

    void histogramKwadratowej10x10() {
        Okno o;
        WykresySymulacji& w = *o.wykresy;
        Silnik silnik(w, 12345);
        Obliczenia& obliczenia = silnik.obliczenia;
        ParametrySymulacji p;
        p.Rodzaj = RodzajSieci::Kwadratowa;
        p.IloscAtomowOsX = p.IloscAtomowOsY = 10;
        p.Seria = false;
        obliczenia.PrzygotujObliczenia(p);
        w.UstawZakresyOsi(p.Tryb, p.MaxIloscCykli, obliczenia.Stan().IloscAtomow);
        obliczenia.KrokSymulacji();

        const auto& slupki = w.Series3->Slupki();
        QCOMPARE(slupki.size(), 5);
        const QRgb kolory[] = {0x808000, 0xFF0000, 0x008000, 0xFFFF00, 0x0000FF};
        double suma = 0;
        for (int n = 0; n < 5; ++n) {
            QCOMPARE(slupki[n].Etykieta, QString::number(n));
            QCOMPARE(slupki[n].Kolor.rgb() & 0xFFFFFF, kolory[n]);
            suma += slupki[n].Wartosc;
        }
        QCOMPARE(suma, 100.0);
        SprawdzZakres(w.ChartLA, Os::Lewa, 0, 100);

        w.ChartLA->Odswiez();
        QCOMPARE(w.ChartLA->EtykietyOsi(Os::Dolna), (QStringList{"0", "1", "2", "3", "4"}));
        QStringList napisy;
        for (const auto& s : slupki) {
            napisy.append(QString::number(s.Wartosc));
        }
        QCOMPARE(w.Series3->NapisyNadSlupkami(), napisy);
        // Qt Charts draws each bar in its own colour.
        auto* qt = qobject_cast<QStackedBarSeries*>(w.Series3->SeriaQt());
        QVERIFY(qt);
        QCOMPARE(qt->count(), 5);
        for (int n = 0; n < 5; ++n) {
            const QGradient* g = qt->barSets().at(n)->brush().gradient();
            QVERIFY(g);
            QCOMPARE(g->stops().at(1).second.rgb() & 0xFFFFFF, kolory[n]);
        }

        // Samples of the run: the energy and sigma lines have the two samples.
        QCOMPARE(w.Series1->LiczbaPunktow(), 2);
        QCOMPARE(w.Series2->LiczbaPunktow(), 2);
        QCOMPARE(w.Series1->Punkty().at(1).x(), 1000.0);
    }

    void histogramyInnychSieci_data() {
        QTest::addColumn<RodzajSieci>("rodzaj");
        QTest::addColumn<int>("slupkow");
        QTest::newRow("heksagonalna") << RodzajSieci::Heksagonalna << 4;
        QTest::newRow("trójkątna") << RodzajSieci::Trojkatna << 7;
        QTest::newRow("kubiczna") << RodzajSieci::Kubiczna3D << 7;
    }

    void histogramyInnychSieci() {
        QFETCH(RodzajSieci, rodzaj);
        QFETCH(int, slupkow);
        Okno o;
        Silnik silnik(*o.wykresy, 7);
        Obliczenia& obliczenia = silnik.obliczenia;
        ParametrySymulacji p;
        p.Rodzaj = rodzaj;
        p.IloscAtomowOsX = p.IloscAtomowOsY = p.IloscAtomowOsZ = 6;
        p.Seria = false;
        obliczenia.PrzygotujObliczenia(p);
        const auto& slupki = o.wykresy->Series3->Slupki();
        QCOMPARE(slupki.size(), slupkow);
        for (int n = 0; n < slupkow; ++n) {
            QCOMPARE(slupki[n].Etykieta, QString::number(n));
            QCOMPARE(slupki[n].Kolor, KolorSlupka(n));
        }
    }

    void legendaChartSigma_data() {
        QTest::addColumn<QLocale>("jezyk");
        QTest::addColumn<double>("sigma");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("C") << QLocale::c() << 0.5712 << QStringLiteral("0.57   (sigma śr)");
        QTest::newRow("polski") << QLocale(QLocale::Polish, QLocale::Poland) << 0.5712
                                << QStringLiteral("0,57   (sigma śr)");
        QTest::newRow("bez zer") << QLocale::c() << 0.5 << QStringLiteral("0.5   (sigma śr)");
        QTest::newRow("całość") << QLocale::c() << 1.0 << QStringLiteral("1   (sigma śr)");
        QTest::newRow("ujemna") << QLocale(QLocale::Polish, QLocale::Poland) << -0.8
                                << QStringLiteral("-0,8   (sigma śr)");
    }

    void legendaChartSigma() {
        QFETCH(QLocale, jezyk);
        QFETCH(double, sigma);
        QFETCH(QString, tekst);
        QLocale::setDefault(jezyk);
        Okno o;
        WykresySymulacji& w = *o.wykresy;
        w.NowyPomiar(PomiarWykresu(0, 0, 0.1));
        w.NowyPomiar(PomiarWykresu(1000, 0, sigma));
        w.ChartSigma->Odswiez();
        QCOMPARE(w.ChartSigma->TekstyLegendy(), QStringList{tekst});
        // The legend lies over the chart: the plot keeps its place.
        QVERIFY(!w.ChartSigma->chart()->legend()->isAttachedToChart());
    }

    void legendaChartSigmaLambda() {
        Okno o;
        WykresySymulacji& w = *o.wykresy;
        w.ChartSigmaLambda->Odswiez();
        QCOMPARE(w.ChartSigmaLambda->TekstyLegendy(),
                 (QStringList{QStringLiteral("Krzywa aproksymowana"),
                              QStringLiteral("Wart. doświadczalne")}));
        // One line per series, its title in plain text, under the plot.
        QLabel* legenda = nullptr;
        for (QLabel* l : w.ChartSigmaLambda->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (l->textFormat() == Qt::PlainText) {
                legenda = l;
            }
        }
        QVERIFY(legenda);
        QCOMPARE(legenda->text(), QStringLiteral("Krzywa aproksymowana\nWart. doświadczalne"));
        QVERIFY(!w.ChartSigmaLambda->chart()->legend()->isVisible());
    }

    void series11ZostajePusta() {
        Okno o;
        WykresySymulacji& w = *o.wykresy;
        Silnik silnik(w, 99);
        Obliczenia& obliczenia = silnik.obliczenia;
        ParametrySymulacji p = mala::ParametrySerii();
        p.PozycjaLambdy = 20;
        p.PozycjaLambdyKoncowej = 24;
        p.PozycjaKroku = 2;
        obliczenia.PrzygotujObliczenia(p);
        DoKonca(obliczenia);
        QCOMPARE(w.Series13->LiczbaPunktow(), 3);
        for (SeriaWykresu* s : {w.Series11, w.Series4, w.Series5, w.Series9, w.Series10}) {
            QCOMPARE(s->LiczbaPunktow(), 0);
        }
        w.ChartCvkNLambda->Odswiez();
        QCOMPARE(qobject_cast<QXYSeries*>(w.Series11->SeriaQt())->count(), 0);
    }

    // "Powtórz obliczenia" answered No resets through the engine: a second
    // results stage must not add onto the points of the first.
    void zerowanieSilnikaCzysciWykresyPrzebiegu() {
        Okno o;
        WykresySymulacji& w = *o.wykresy;
        Silnik silnik(w, 5);
        Obliczenia& obliczenia = silnik.obliczenia;
        ParametrySymulacji p = mala::ParametrySerii();
        p.PozycjaLambdy = 5;
        p.PozycjaLambdyKoncowej = 7;
        p.PozycjaKroku = 2;
        obliczenia.PrzygotujObliczenia(p);
        DoKonca(obliczenia);
        // What a results stage and a replay put on the other charts.
        for (SeriaWykresu* s :
             {w.Series4, w.Series5, w.Series8, w.Series9, w.Series10, w.Series11}) {
            s->DodajPunkt(0.5, 0.5);
        }
        DodajSlupekHistogramu(*w.Series6, 0, 3);
        DodajSlupekHistogramu(*w.Series7, 0, 3);
        QCOMPARE(w.Series13->LiczbaPunktow(), 2);

        obliczenia.ZerujSymulacje();
        for (SeriaWykresu* s : {w.Series1, w.Series2, w.Series3, w.Series4, w.Series5, w.Series6,
                                w.Series7, w.Series8, w.Series9, w.Series10, w.Series11}) {
            QCOMPARE(s->LiczbaPunktow(), 0);
        }
        QCOMPARE(w.Series13->LiczbaPunktow(), 2);
    }

    void obserwator() {
        Okno o;
        WykresySymulacji& w = *o.wykresy;
        w.NowyPomiar(PomiarWykresu(0, -12, 0.2, {3, 5}));
        w.KoniecSerii(0.4, 0.6);
        QCOMPARE(w.Series1->Punkty(), QList<QPointF>{QPointF(0, -12)});
        QCOMPARE(w.Series2->Punkty(), QList<QPointF>{QPointF(0, 0.2)});
        QCOMPARE(w.Series3->Slupki().size(), 2);
        QCOMPARE(w.Series13->Punkty(), QList<QPointF>{QPointF(0.4, 0.6)});
        // Each sample's histogram replaces the one before.
        w.NowyPomiar(PomiarWykresu(1000, -14, 0.3, {1, 2, 3}));
        QCOMPARE(w.Series3->Slupki().size(), 3);
        QCOMPARE(w.Series3->Slupki().at(2).Wartosc, 3.0);
        QCOMPARE(w.Series1->LiczbaPunktow(), 2);

        // A reset clears the charts of one run; sigma against lambda stays.
        w.PrzebiegWyzerowany();
        QCOMPARE(w.Series1->LiczbaPunktow(), 0);
        QCOMPARE(w.Series2->LiczbaPunktow(), 0);
        QCOMPARE(w.Series3->LiczbaPunktow(), 0);
        QCOMPARE(w.Series13->LiczbaPunktow(), 1);

        w.Series9->DodajPunkt(0.1, 0.9);
        w.Series8->DodajPunkt(0, 0.9);
        w.WyczyscSerie();
        for (SeriaWykresu* s :
             {w.Series1, w.Series2, w.Series3, w.Series8, w.Series9, w.Series13}) {
            QCOMPARE(s->LiczbaPunktow(), 0);
        }
    }

    // Every chart with a few points, as a picture: the pictures are kept in
    // wykresy_png/ to be looked at; the test checks what can be read off them.
    void obrazy() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        Okno o;
        WykresySymulacji& w = *o.wykresy;
        w.UstawZakresyOsi(Oddzialywanie::Porzadkowanie, 100000, 100);
        for (int i = 0; i <= 100; ++i) {
            const double t = i / 100.0;
            w.NowyPomiar(PomiarWykresu(
                i * 1000, -200 * (1 - std::exp(-5 * t)) - 20 * std::sin(20 * t),
                0.75 * (1 - std::exp(-6 * t)) + 0.02 * std::sin(30 * t), {0, 12, 40, 36, 12}));
        }
        for (int i = 0; i < 9; ++i) {
            const double lambda = 0.1 + 0.3 * i;
            const double sigma = 0.95 / (1 + std::exp(-(lambda - 1.0) * 5)) - 0.05;
            w.KoniecSerii(lambda, sigma);
            w.Series9->DodajPunkt(lambda, sigma);
            w.Series5->DodajPunkt(lambda, 2.5 * std::exp(-std::pow((lambda - 1.0) * 2.5, 2)));
        }
        for (int i = 0; i <= 50; ++i) {
            const double lambda = 0.1 + 2.4 * i / 50.0;
            w.Series10->DodajPunkt(lambda, 0.95 / (1 + std::exp(-(lambda - 1.0) * 5)) - 0.05);
            w.Series8->DodajPunkt(i * 2000, 0.8 * (1 - std::exp(-0.1 * i)));
        }
        const double przed[] = {6, 25, 38, 25, 6};
        const double po[] = {0, 0, 10, 30, 60};
        for (int n = 0; n < 5; ++n) {
            DodajSlupekHistogramu(*w.Series6, n, przed[n]);
            DodajSlupekHistogramu(*w.Series7, n, po[n]);
        }
        Zapisz(o, QString());

        const QImage la = w.ChartLA->grab().toImage();
        for (QRgb kolor : {0xFF0000u, 0x008000u, 0xFFFF00u, 0x0000FFu}) {
            QVERIFY(MaKolor(la, la.rect(), kolor));
        }
        const QImage energia = w.ChartEnergia->grab().toImage();
        QVERIFY(MaKolor(energia, energia.rect(), 0xFF0000));
        const QImage sigma = w.ChartSigma->grab().toImage();
        QVERIFY(MaKolor(sigma, sigma.rect(), 0x8C6A00));
        QCOMPARE(w.ChartSigma->TekstyLegendy(), QStringList{QStringLiteral("0,73   (sigma śr)")});
    }

    // The histograms of the largest cubic lattice, a random arrangement of
    // 100 x 100 x 100: six-digit values on bars of about the same height are
    // written smaller and grouped narrowly (the geometry is NapisySlupkowTest's);
    // the small counts of the other pictures keep their 10-pixel type.
    void histogramySzesciocyfrowe() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        Okno o;
        WykresySymulacji& w = *o.wykresy;
        w.UstawZakresyOsi(Oddzialywanie::Porzadkowanie, 100000, 1000000);
        const QList<double> losowa = {15625, 93750, 234375, 312500, 234375, 93750, 15625};
        const QList<double> po = {1000, 12000, 93000, 287000, 390000, 190000, 27000};
        w.NowyPomiar(
            PomiarWykresu(1000, -1.5e6, 0.1, {15625, 93750, 234375, 312500, 234375, 93750, 15625}));
        for (int n = 0; n < 7; ++n) {
            DodajSlupekHistogramu(*w.Series6, n, losowa[n]);
            DodajSlupekHistogramu(*w.Series7, n, po[n]);
        }
        Zapisz(o, QStringLiteral("_100x100x100"));
        // The computation page's axis runs to the number of atoms: the bars
        // in the middle stand within a line of each other.
        const QString napisy = w.Series3->NapisyNadSlupkami().join(QLatin1Char('|'));
        QCOMPARE(napisy, QString::fromUtf8("15\u202F625|93\u202F750|234\u202F375|312\u202F500|"
                                           "234\u202F375|93\u202F750|15\u202F625"));
        QVERIFY(w.Series3->CzcionkaNapisowNadSlupkami().pixelSize() < 10);

        w.Series6->Wyczysc();
        for (const double wartosc : {6, 25, 38, 25, 6}) {
            DodajSlupekHistogramu(*w.Series6, w.Series6->Slupki().size(), wartosc);
        }
        w.Chart5->Odswiez();
        QCOMPARE(w.Series6->CzcionkaNapisowNadSlupkami().pixelSize(), 10);
        QCOMPARE(w.Series6->NapisyNadSlupkami(), (QStringList{"6", "25", "38", "25", "6"}));
    }

    // Clustering, the longest run and the largest cubic lattice: negative
    // lambdas and sigmas, seven bars, values of a million.
    void obrazyKlasteryzacji() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        Okno o;
        WykresySymulacji& w = *o.wykresy;
        w.UstawZakresyOsi(Oddzialywanie::Klasteryzacja, 1000000, 1000000);
        for (int i = 0; i <= 10000; ++i) {
            const double t = i / 10000.0;
            w.NowyPomiar(PomiarWykresu(i * 100,
                                       -2.4e6 * (1 - std::exp(-4 * t)) + 3e4 * std::sin(i * 0.9),
                                       -0.9 * (1 - std::exp(-5 * t)) + 0.03 * std::sin(i * 1.3),
                                       {1000000, 0, 0, 0, 0, 0, 0}));
        }
        for (int i = 0; i < 24; ++i) {
            const double lambda = -0.1 - 0.1 * i;
            w.KoniecSerii(lambda, -0.95 / (1 + std::exp((lambda + 1.0) * 5)));
        }
        w.ChartSigmaSeria->show();
        Zapisz(o, QStringLiteral("_klasteryzacja"));
        QCOMPARE(w.Series3->NapisyNadSlupkami().first(),
                 QStringLiteral("1") + QChar::Nbsp + "000" + QChar::Nbsp + "000");
        QCOMPARE(w.ChartSigma->TekstyLegendy().size(), 1);
        QVERIFY(w.ChartSigma->TekstyLegendy().first().startsWith(QLatin1Char('-')));
    }
};

QTEST_MAIN(TestWykresySymulacji)
#include "WykresySymulacjiTest.moc"
