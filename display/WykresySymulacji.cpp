#include "WykresySymulacji.h"

#include "KoloryHistogramu.h"
#include "Podpowiedz.h"
#include "Pomiar.h"
#include "Wykres.h"

#include <QFont>
#include <QPixmap>

// Resources of a static library are registered by hand, from the global
// namespace.
static void ZaladujGlifyWykresow() {
    Q_INIT_RESOURCE(wykresy);
}

namespace {

using Os = Wykres::Os;
using Rodzaj = SeriaWykresu::Rodzaj;

const QColor Czerwony(0xFF, 0x00, 0x00);
// The lines keep their hues (yellow, aqua, lime), darkened to at least 3:1
// against the grey behind the plot, where the pure ones all but vanish.
const QColor Zolty(0x8C, 0x6A, 0x00);
const QColor Zielony(0x00, 0x80, 0x00);
const QColor Morski(0x00, 0x7C, 0x80);
const QColor Limonkowy(0x1E, 0x8C, 0x00);
const QColor Szary(0x70, 0x70, 0x70);

constexpr int FormaIloscCykli = 100000;
constexpr int FormaIloscAtomow = 100000;
const QString FormatLambdy = QStringLiteral("# ##0.###");

QFont CzcionkaTytuluOsi(int piksele) {
    QFont czcionka(QStringLiteral("Arial"));
    czcionka.setStyleHint(QFont::SansSerif);
    czcionka.setPixelSize(piksele);
    czcionka.setBold(true);
    return czcionka;
}

QPixmap Glif(const char* nazwa) {
    return QPixmap(QStringLiteral(":/wykresy/%1.png").arg(QLatin1String(nazwa)));
}

// What every chart of the window has: place, size and hint (in the status
// bar; a tool tip only where asked).
Wykres* NowyWykres(QWidget* rodzic, const QRect& miejsce, const QString& podpowiedz,
                   Dymek dymek = Dymek::Nie) {
    auto* wykres = new Wykres(rodzic);
    wykres->setGeometry(miejsce);
    UstawPodpowiedz(wykres, podpowiedz, dymek);
    // A screen reader names the chart by what it shows, also where no tool
    // tip is wanted.
    wykres->setAccessibleName(podpowiedz);
    return wykres;
}

Wykres::Marginesy Marginesy(double lewy, double gorny, double prawy, double dolny) {
    return Wykres::Marginesy{lewy, gorny, prawy, dolny};
}

// Only the ends of an axis change with the mode; its step and format stay.
void UstawKonce(Wykres* wykres, Os os, double minimum, double maksimum) {
    ZakresOsiWykresu zakres = wykres->Zakres(os);
    zakres.Minimum = minimum;
    zakres.Maksimum = maksimum;
    wykres->UstawOs(os, zakres);
}

Wykres* ZbudujChartEnergia(QWidget* strona) {
    Wykres* w = NowyWykres(
        strona, QRect(291, 8, 278, 177),
        QStringLiteral("WYKRES: Zmiana energii E w zależności od liczby iteracji"), Dymek::Tak);
    w->UstawTytul({QStringLiteral("Zależność energii od ilości stanów konfig.")});
    w->UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, FormaIloscCykli, 1000));
    w->UstawTytulOsi(Os::Dolna, QStringLiteral("ilość iteracji"), CzcionkaTytuluOsi(13));
    w->UstawOs(Os::Lewa, ZakresOsiWykresu::Automatyczny());
    w->UstawMarginesy(Marginesy(3, 4, 7, 0));
    QFont czcionkaE(QStringLiteral("MS Sans Serif"));
    czcionkaE.setStyleHint(QFont::SansSerif);
    czcionkaE.setPixelSize(16);
    czcionkaE.setBold(true);
    w->DodajEtykiete(QStringLiteral("E"), czcionkaE, QPoint(4, 4));
    return w;
}

Wykres* ZbudujChartSigmaSeria(QWidget* strona) {
    Wykres* w = NowyWykres(strona, QRect(291, 8, 278, 177),
                           QStringLiteral("WYKRES: Zależność parametru uporządkowania bliskiego "
                                          "zasięgu (sigma) od wartości Lambda"));
    w->UstawTytulWidoczny(false);
    w->UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, 2.45, 0.2));
    w->UstawOs(Os::Lewa, ZakresOsiWykresu::Staly(0, 1.1, 0.1));
    w->UstawMarginesy(Marginesy(9, 4, 4, 7));
    w->DodajObrazek(Glif("sigma"), QPoint(4, 4));
    w->DodajObrazek(Glif("lambda"), QPoint(256, 152));
    w->hide(); // the series mode shows it instead of ChartEnergia
    return w;
}

Wykres* ZbudujChartSigma(QWidget* strona) {
    Wykres* w = NowyWykres(
        strona, QRect(291, 192, 278, 177),
        QStringLiteral("WYKRES: Średni parametr uporządkowania bliskiego zasięgu (sigma)"));
    w->UstawTytulWidoczny(false);
    w->UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, FormaIloscCykli));
    w->UstawTytulOsi(Os::Dolna, QStringLiteral("ilość iteracji"), CzcionkaTytuluOsi(13));
    w->UstawOs(Os::Lewa, ZakresOsiWykresu::Staly(0, 1.1, 0.1));
    w->UstawMarginesy(Marginesy(9, 14, 4, 0));
    // In the band of the top margin, beside the sigma glyph.
    w->UstawLegende(Wykres::Legenda::OstatnieWartosci, 1);
    w->DodajObrazek(Glif("sigma"), QPoint(4, 4));
    return w;
}

Wykres* ZbudujChartLA(QWidget* strona) {
    Wykres* w = NowyWykres(strona, QRect(9, 192, 272, 177),
                           QStringLiteral("WYKRES: Prawdopodobieństwo znalezienia n atomów rodz. "
                                          "B w otoczeniu atomu rodz. A"));
    w->UstawTytul({QStringLiteral("Prawdopodobieństwo znalezienia n atomów"),
                   QStringLiteral("rodz. B w otoczeniu atomu rodz. A")});
    w->UstawOs(Os::Lewa, ZakresOsiWykresu::Staly(0, FormaIloscAtomow));
    w->UstawTytulOsi(Os::Dolna, QStringLiteral("n"), CzcionkaTytuluOsi(13));
    w->UstawTytulOsi(Os::Lewa, QStringLiteral("ilość atomów"), CzcionkaTytuluOsi(11));
    w->UstawMarginesy(Marginesy(0, 4, 3, 0));
    return w;
}

Wykres* ZbudujChartSigmaLambda(QWidget* grupa) {
    const QString tytul =
        QStringLiteral("Zależność parametru uporządkowania bliskiego zasięgu od Lambda");
    Wykres* w = NowyWykres(grupa, QRect(8, 10, 409, 200), QStringLiteral("WYKRES: ") + tytul);
    w->UstawTytul({tytul});
    w->UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, 2.45, 0.2, FormatLambdy));
    w->UstawOs(Os::Lewa, ZakresOsiWykresu::Staly(0, 1.05, 0.1));
    w->UstawLegende(Wykres::Legenda::TytulySerii);
    w->UstawMarginesy(Marginesy(7, 2, 7, 1));
    w->DodajObrazek(Glif("sigma"), QPoint(16, 24));
    w->DodajObrazek(Glif("lambda"), QPoint(386, 175));
    return w;
}

Wykres* ZbudujChartCvkNLambda(QWidget* grupa) {
    const QString tytul = QStringLiteral("Zależność ciepła właściwego od wartości Lambda");
    Wykres* w = NowyWykres(grupa, QRect(8, 212, 409, 160), QStringLiteral("WYKRES: ") + tytul);
    w->UstawTytul({tytul});
    w->UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, 2.45, 0.2));
    w->UstawOs(Os::Lewa, ZakresOsiWykresu{0.0, std::nullopt, 0.5, {}});
    w->UstawMarginesy(Marginesy(8, 4, 7, 4));
    w->DodajObrazek(Glif("lambda"), QPoint(386, 135));
    w->DodajObrazek(Glif("cvkn"), QPoint(16, 4));
    return w;
}

Wykres* ZbudujHistogram(QWidget* grupa, int lewy, const QString& tytul, const QString& kiedy) {
    Wykres* w = NowyWykres(grupa, QRect(lewy, 15, 230, 138),
                           QStringLiteral("WYKRES: Prawdopodobieństwo znalezienia n atomów rodz. "
                                          "B w otoczeniu atomu rodz. A (%1)")
                               .arg(kiedy));
    w->UstawTytul({tytul});
    w->UstawMarginesy(Marginesy(6, 4, 3, 4));
    return w;
}

Wykres* ZbudujChartSigma2(QWidget* strona) {
    Wykres* w = NowyWykres(
        strona, QRect(8, 5, 473, 169),
        QStringLiteral("WYKRES: Średni parametr uporządkowania bliskiego zasięgu (sigma)"));
    w->UstawTytul({QStringLiteral("Średni parametr uporządkowania bliskiego zasięgu dla "
                                  "wybranej wart. Lambda")},
                  Qt::AlignRight);
    w->UstawOs(Os::Dolna, ZakresOsiWykresu::Staly(0, FormaIloscCykli));
    w->UstawTytulOsi(Os::Dolna, QStringLiteral("ilość iteracji"), CzcionkaTytuluOsi(13));
    w->UstawOs(Os::Lewa, ZakresOsiWykresu::Staly(0, 1.0, 0.1));
    w->UstawMarginesy(Marginesy(7, 4, 7, 0));
    w->DodajObrazek(Glif("sigma"), QPoint(24, 16));
    return w;
}

SeriaWykresu* Punkty(Wykres* wykres, const QColor& kolor, bool plaskie, const QString& tytul = {}) {
    SeriaWykresu* seria = wykres->DodajSerie(Rodzaj::Punkty, kolor, tytul);
    seria->UstawZnaczniki(3, plaskie);
    return seria;
}

} // namespace

WykresySymulacji::WykresySymulacji(const MiejscaWykresow& m)
    : ChartEnergia((ZaladujGlifyWykresow(), ZbudujChartEnergia(m.WykresyLiczonychParametrow))),
      ChartSigmaSeria(ZbudujChartSigmaSeria(m.WykresyLiczonychParametrow)),
      ChartSigma(ZbudujChartSigma(m.WykresyLiczonychParametrow)),
      ChartLA(ZbudujChartLA(m.WykresyLiczonychParametrow)),
      ChartSigmaLambda(ZbudujChartSigmaLambda(m.CieploWlasciwe)),
      ChartCvkNLambda(ZbudujChartCvkNLambda(m.CieploWlasciwe)),
      Chart5(ZbudujHistogram(m.Histogramy, 8, QStringLiteral("przed symulacją"),
                             QStringLiteral("przed symulacją"))),
      Chart6(ZbudujHistogram(m.Histogramy, 244, QStringLiteral("po symulacji"),
                             QStringLiteral("po symulacji"))),
      ChartSigma2(ZbudujChartSigma2(m.HistoriaSigmy)),
      Series1(ChartEnergia->DodajSerie(Rodzaj::Linia, Czerwony)),
      Series13(Punkty(ChartSigmaSeria, Czerwony, false)),
      Series2(ChartSigma->DodajSerie(Rodzaj::Linia, Zolty)),
      Series3(ChartLA->DodajSerie(Rodzaj::Slupki, Zielony)),
      SeriaOnsagera(ChartSigmaLambda->DodajSerie(Rodzaj::Linia, Szary)),
      Series10(ChartSigmaLambda->DodajSerie(Rodzaj::Linia, Morski,
                                            QStringLiteral("Krzywa aproksymowana"))),
      Series9(Punkty(ChartSigmaLambda, Czerwony, true, QStringLiteral("Wart. doświadczalne"))),
      Series4(ChartSigmaLambda->DodajSerie(Rodzaj::Linia, Zolty)),
      Series5(ChartCvkNLambda->DodajSerie(Rodzaj::Linia, Limonkowy, QStringLiteral("CvkN"))),
      Series11(ChartCvkNLambda->DodajSerie(Rodzaj::Linia, Czerwony, QStringLiteral("pochodna"))),
      Series6(Chart5->DodajSerie(Rodzaj::Slupki, Czerwony)),
      Series7(Chart6->DodajSerie(Rodzaj::Slupki, Czerwony)),
      Series8(ChartSigma2->DodajSerie(Rodzaj::Linia, Zolty)) {
    Series2->UstawFormatWartosci(QStringLiteral("#0.##   (sigma śr)"));
    Series4->UstawAktywna(false);
    SeriaOnsagera->UstawAktywna(false);
}

void WykresySymulacji::UstawZakresyOsi(Oddzialywanie tryb, int maxIloscCykli, int iloscAtomow) {
    const bool porzadkowanie = tryb == Oddzialywanie::Porzadkowanie;
    const double sigmaMin = porzadkowanie ? -0.15 : -1.1;
    const double sigmaMax = porzadkowanie ? 1.1 : 0.1;
    const double lambdaMin = porzadkowanie ? 0.0 : -2.45;
    const double lambdaMax = porzadkowanie ? 2.45 : 0.15;
    for (Wykres* w : {ChartSigmaSeria, ChartSigma, ChartSigma2, ChartSigmaLambda}) {
        UstawKonce(w, Os::Lewa, sigmaMin, sigmaMax);
    }
    // Cv/kN is plotted against |lambda|: its axis stays 0..2.45.
    for (Wykres* w : {ChartSigmaSeria, ChartSigmaLambda}) {
        UstawKonce(w, Os::Dolna, lambdaMin, lambdaMax);
    }
    for (Wykres* w : {ChartEnergia, ChartSigma, ChartSigma2}) {
        UstawKonce(w, Os::Dolna, 0, maxIloscCykli);
    }
    UstawKonce(ChartLA, Os::Lewa, 0, iloscAtomow);
}

void WykresySymulacji::WyczyscSerie() {
    for (SeriaWykresu* s : {Series1, Series13, Series2, Series3, SeriaOnsagera, Series10, Series9,
                            Series4, Series5, Series11, Series6, Series7, Series8}) {
        s->Wyczysc();
    }
}

void WykresySymulacji::NowyPomiar(const Pomiar& pomiar) {
    Series1->DodajPunkt(pomiar.Iteracja, pomiar.Energia);
    Series3->Wyczysc();
    for (int n = 0; n <= pomiar.LiczbaSasiadow; ++n) {
        DodajSlupekHistogramu(*Series3, n, pomiar.Histogram[n]);
    }
    Series2->DodajPunkt(pomiar.Iteracja, pomiar.Sigma);
}

void WykresySymulacji::KoniecSerii(double lambda, double sigma) {
    Series13->DodajPunkt(lambda, sigma);
}

void WykresySymulacji::PrzebiegWyzerowany() {
    for (SeriaWykresu* s : {Series1, Series2, Series3, Series4, Series5, Series6, Series7, Series8,
                            Series9, Series10, Series11, SeriaOnsagera}) {
        s->Wyczysc();
    }
}

void DodajSlupekHistogramu(SeriaWykresu& seria, int n, double liczbaAtomow) {
    seria.DodajSlupek(liczbaAtomow, QString::number(n), KolorSlupka(n));
}
