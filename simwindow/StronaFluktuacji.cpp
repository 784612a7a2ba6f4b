#include "StronaFluktuacji.h"

#include "DostepnaEtykieta.h"
#include "FluktuacjaSerii.h"
#include "FluktuacjeSerii.h"
#include "Kontrolki.h"
#include "Opis.h"
#include "PrzyciskPrzezroczysty.h"
#include "Rozklad.h"
#include "SeriaWykresu.h"
#include "SiecNieskonczona.h"
#include "TekstyFluktuacji.h"
#include "Wykres.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace {
// Point colours by the equilibrium verdict, each at least 3:1 against the
// white plot.
const QColor Czerwony(0xD0, 0x00, 0x00);
const QColor Pomaranczowy(0xB3, 0x5C, 0x00);
const QColor Niebieski(0x1F, 0x4E, 0xA8);
const QColor Szary(0x60, 0x60, 0x60);

const char* const TytulWykresu = "Ciepło właściwe z fluktuacji energii";
const char* const Wyjasnienie =
    "Tu Cv/kN = λ²·Var(N_AB)/N z fluktuacji energii, z błędem. Na stronie „Ciepło właściwe…” "
    "Cv/kN to pochodna krzywej dopasowanej do sigma, z czynnikiem 10: obie oceny się różnią.";
// A drift test shows a drift, never equilibrium itself.
const char* const WszystkieWRownowadze = "Test nie wykrył dryfu w żadnej serii.";

// The page's fixed layout in reading order: the chart on the left, the
// transition, the equilibrium and the explanation on the right, each box
// tall enough for its longest text (24 lambdas in the equilibrium box). The
// note on the infinite lattice is read after the transition it qualifies;
// the right column has no room left, so it sits under the chart.
void Rozmiesc(StronaFluktuacji* strona) {
    // clang-format off
    Rozmiesc(strona, {
        {"ChartFluktuacje", {0, 0, 360, 296}},
        {"GBPrzejscieFluktuacji", {364, 0, 218, 88}},
        {"LPrzejscieFluktuacjiPodpis", {8, 18, 202, 16}},
        {"LPrzejscieFluktuacji", {8, 34, 202, 50}},
        {"LGranicaSieci", {6, 296, 350, 84}},
        {"GBRownowaga", {364, 90, 218, 162}},
        {"LRownowaga", {8, 18, 202, 140}},
        {"GBDwaOszacowania", {364, 254, 218, 126}},
        {"LWyjasnienie", {8, 16, 202, 78}},
        {"BPomocFluktuacji", {41, 95, 136, 28}},
    });
    // clang-format on
}

// The transition's own size for a number, smaller steps for the words that
// may stand beside it or instead of it, so that the whole text stays in its
// box.
void DopasujCzcionke(QLabel* etykieta) {
    QFont czcionka = etykieta->font();
    for (const int rozmiar : {16, 14, 12, 11}) {
        czcionka.setPixelSize(rozmiar);
        etykieta->setFont(czcionka);
        if (etykieta->heightForWidth(etykieta->width()) <= etykieta->height()) {
            return;
        }
    }
}

// A top for the Cv/kN axis with room for the highest error bar and its
// marker, on a step that writes at least four labels.
ZakresOsiWykresu ZakresCvkN(double najwyzej) {
    const double gora = std::max(najwyzej * 1.08, 0.01);
    const double rzad = std::pow(10.0, std::floor(std::log10(gora / 4.0)));
    double krok = rzad;
    for (const double mnoznik : {1.0, 2.0, 5.0, 10.0}) {
        if (gora / (mnoznik * rzad) >= 4.0) {
            krok = mnoznik * rzad;
        }
    }
    return ZakresOsiWykresu::Staly(0.0, std::ceil(gora / krok) * krok, krok);
}
} // namespace

StronaFluktuacji::StronaFluktuacji(QWidget* rodzic) : QWidget(rodzic) {
    Opisz(this, QStringLiteral("Fluktuacje"), {}, Kontekst);
    ZbudujWykres();
    ZbudujOpis();
    Rozmiesc(this);
    connect(BPomocFluktuacji, &QAbstractButton::clicked, this,
            [this] { emit PomocPotrzebna(Kontekst); });
}

void StronaFluktuacji::ZbudujWykres() {
    ChartFluktuacje = new Wykres(this);
    ChartFluktuacje->setObjectName(QStringLiteral("ChartFluktuacje"));
    const QString nazwa = QStringLiteral("WYKRES: ") + QString::fromUtf8(TytulWykresu);
    ChartFluktuacje->setAccessibleName(nazwa);
    ChartFluktuacje->setStatusTip(nazwa);
    ChartFluktuacje->UstawTytul({QString::fromUtf8(TytulWykresu)});
    ChartFluktuacje->UstawOs(Wykres::Os::Dolna, ZakresOsiWykresu::Staly(0, 2.45, 0.2));
    ChartFluktuacje->UstawOs(Wykres::Os::Lewa, ZakresOsiWykresu{0.0, std::nullopt, 0.5, {}});
    ChartFluktuacje->UstawTytulOsi(Wykres::Os::Dolna, QStringLiteral("|λ|"), font());
    ChartFluktuacje->UstawTytulOsi(Wykres::Os::Lewa, QStringLiteral("Cv/kN"), font());
    ChartFluktuacje->UstawLegende(Wykres::Legenda::TytulySerii);
    for (SeriaWykresu*& blad : bledy_) {
        blad = ChartFluktuacje->DodajSerie(SeriaWykresu::Rodzaj::Linia, Szary);
    }
    // Told under the chart with its value, so the legend keeps its room.
    lambdaKrytyczna_ = ChartFluktuacje->DodajSerie(SeriaWykresu::Rodzaj::Linia, Szary);
    lambdaKrytyczna_->UstawAktywna(false);
    punkty_[static_cast<int>(Rownowaga::Osiagnieta)] = ChartFluktuacje->DodajSerie(
        SeriaWykresu::Rodzaj::Punkty, Czerwony, QStringLiteral("czerwone: w równowadze"));
    punkty_[static_cast<int>(Rownowaga::Nieosiagnieta)] =
        ChartFluktuacje->DodajSerie(SeriaWykresu::Rodzaj::Punkty, Pomaranczowy,
                                    QStringLiteral("pomarańczowe: mogły nie osiągnąć równowagi"));
    punkty_[static_cast<int>(Rownowaga::Nieznana)] =
        ChartFluktuacje->DodajSerie(SeriaWykresu::Rodzaj::Punkty, Niebieski,
                                    QStringLiteral("niebieskie: nie da się ocenić równowagi"));
    // The unjudged points stand out by shape as well as colour: flat, larger.
    punkty_[static_cast<int>(Rownowaga::Nieznana)]->UstawZnaczniki(5, true);
}

void StronaFluktuacji::ZbudujOpis() {
    auto* przejscie =
        Grupa(this, "GBPrzejscieFluktuacji", QStringLiteral(" Przejście fazowe "), Kontekst);
    LPrzejscieFluktuacjiPodpis =
        Etykieta(przejscie, "LPrzejscieFluktuacjiPodpis", QStringLiteral("λ_max dla tej sieci:"));
    LPrzejscieFluktuacji =
        Etykieta(przejscie, "LPrzejscieFluktuacji", QString(), Qt::AlignLeft | Qt::AlignTop);
    LPrzejscieFluktuacji->setWordWrap(true);
    QFont czcionka = LPrzejscieFluktuacji->font();
    czcionka.setBold(true);
    czcionka.setPixelSize(16);
    LPrzejscieFluktuacji->setFont(czcionka);
    LPrzejscieFluktuacji->setStyleSheet(QStringLiteral("color: #800000;"));
    DostepnaEtykieta::OpiszWartosc(LPrzejscieFluktuacji,
                                   QStringLiteral("Lambda maksimum Cv/kN dla tej sieci"));
    // The status bar repeats it while the pointer is on the transition.
    for (QWidget* w :
         {static_cast<QWidget*>(przejscie), static_cast<QWidget*>(LPrzejscieFluktuacjiPodpis),
          static_cast<QWidget*>(LPrzejscieFluktuacji)}) {
        w->setStatusTip(QString::fromUtf8(UwagaGranicySieci));
    }
    LGranicaSieci = Etykieta(this, "LGranicaSieci", QString::fromUtf8(UwagaGranicySieci),
                             Qt::AlignLeft | Qt::AlignTop);
    QLabel* granica = LGranicaSieci;
    granica->setWordWrap(true);
    QFont drobna = granica->font();
    drobna.setPixelSize(11);
    granica->setFont(drobna);
    granica->setStatusTip(QString::fromUtf8(UwagaGranicySieci));

    auto* rownowaga = Grupa(this, "GBRownowaga", QStringLiteral(" Równowaga "), Kontekst);
    // A label, not a box with a scroll bar: the whole verdict and its advice
    // stay in sight.
    LRownowaga = Etykieta(rownowaga, "LRownowaga", QString(), Qt::AlignLeft | Qt::AlignTop);
    LRownowaga->setWordWrap(true);
    LRownowaga->setStatusTip(QStringLiteral("Serie, które mogły nie osiągnąć równowagi..."));
    DostepnaEtykieta::OpiszWartosc(LRownowaga, QStringLiteral("Równowaga"));

    auto* dwa = Grupa(this, "GBDwaOszacowania", QStringLiteral(" Dwa oszacowania "), Kontekst);
    QLabel* wyjasnienie =
        Etykieta(dwa, "LWyjasnienie", QString::fromUtf8(Wyjasnienie), Qt::AlignLeft | Qt::AlignTop);
    wyjasnienie->setWordWrap(true);
    wyjasnienie->setFont(drobna);
    BPomocFluktuacji =
        Przycisk(dwa, "BPomocFluktuacji", QStringLiteral("Więcej w pomocy"),
                 QStringLiteral(":/okna/pomoc.png"),
                 QStringLiteral("Otwiera pomoc o dwóch oszacowaniach..."), Kontekst, 11);
}

void StronaFluktuacji::Pokaz(const FluktuacjeSerii& fluktuacje, const TekstyFluktuacji& teksty,
                             const ParametrySymulacji& parametry) {
    for (SeriaWykresu* seria : punkty_) {
        seria->Wyczysc();
    }
    for (SeriaWykresu* blad : bledy_) {
        blad->Wyczysc();
    }
    double najwyzej = 0.0;
    std::size_t i = 0;
    for (const FluktuacjaSerii& seria : fluktuacje.Serie) {
        const double x = std::abs(seria.Lambda);
        const double y = seria.CvkN.Srednia;
        if (!std::isfinite(y)) {
            continue;
        }
        punkty_[static_cast<int>(seria.Stan)]->DodajPunkt(x, y);
        najwyzej = std::max(najwyzej, y);
        if (std::isfinite(seria.CvkN.Blad) && i < bledy_.size()) {
            bledy_[i]->DodajPunkty(
                {QPointF(x, y - seria.CvkN.Blad), QPointF(x, y + seria.CvkN.Blad)});
            najwyzej = std::max(najwyzej, y + seria.CvkN.Blad);
        }
        ++i;
    }
    // Only the kinds of point shown are listed under the chart.
    for (SeriaWykresu* seria : punkty_) {
        seria->UstawAktywna(seria->LiczbaPunktow() > 0);
    }
    const ZakresOsiWykresu zakres = ZakresCvkN(najwyzej);
    ChartFluktuacje->UstawOs(Wykres::Os::Lewa, zakres);
    const std::optional<double> lambdaC =
        LambdaKrytyczna(parametry.Rodzaj, parametry.Tryb, parametry.PozycjaKoncentracji);
    lambdaKrytyczna_->Wyczysc();
    lambdaKrytyczna_->UstawAktywna(lambdaC.has_value());
    if (lambdaC) {
        lambdaKrytyczna_->DodajPunkty(
            {QPointF(*lambdaC, 0.0), QPointF(*lambdaC, *zakres.Maksimum)});
    }
    const std::string odniesienie =
        TekstLambdyKrytycznej(parametry.Rodzaj, parametry.Tryb, parametry.PozycjaKoncentracji);
    QString granica = QString::fromUtf8(UwagaGranicySieci);
    if (!odniesienie.empty()) {
        granica += QStringLiteral("\n") + QString::fromStdString(odniesienie) +
                   (lambdaC ? QStringLiteral(": szara pionowa linia") : QString());
    }
    LGranicaSieci->setText(granica);
    LPrzejscieFluktuacjiPodpis->setText(QString::fromStdString(teksty.EPodpisPrzejscia));
    LPrzejscieFluktuacji->setText(QString::fromStdString(teksty.EPrzejscie));
    DopasujCzcionke(LPrzejscieFluktuacji);
    LRownowaga->setText(teksty.ERownowaga.empty() ? QString::fromUtf8(WszystkieWRownowadze)
                                                  : QString::fromStdString(teksty.ERownowaga));
}
