#include "StronaFluktuacji.h"

#include "DostepnaEtykieta.h"
#include "FluktuacjeSerii.h"
#include "Kontrolki.h"
#include "Opis.h"
#include "PrzyciskPrzezroczysty.h"
#include "Rozklad.h"
#include "SeriaWykresu.h"
#include "TekstyFluktuacji.h"
#include "Wykres.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include <cmath>

namespace {
const QColor Czerwony(0xFF, 0x00, 0x00);
const QColor Szary(0x60, 0x60, 0x60);

const char* const TytulWykresu = "Ciepło właściwe z fluktuacji energii";
const char* const Wyjasnienie =
    "Tu Cv/kN = λ²·Var(N_AB)/N z fluktuacji energii, z błędem. Na stronie „Ciepło właściwe…” "
    "Cv/kN to pochodna krzywej dopasowanej do sigma, z czynnikiem 10: obie oceny się różnią.";
// A drift test shows a drift, never equilibrium itself.
const char* const WszystkieWRownowadze = "Test nie wykrył dryfu w żadnej serii.";
const char* const GranicaSieci = "λ_c sieci nieskończonej wymaga kilku rozmiarów: "
                                 "fazolab-batch --osie 12,16,24,32";

// The page's fixed layout in reading order: the chart on the left, the
// transition, the equilibrium and the explanation on the right.
void Rozmiesc(StronaFluktuacji* strona) {
    // clang-format off
    Rozmiesc(strona, {
        {"ChartFluktuacje", {0, 0, 426, 376}},
        {"GBPrzejscieFluktuacji", {430, 0, 152, 126}},
        {"LPrzejscieFluktuacjiPodpis", {8, 18, 140, 16}},
        {"LPrzejscieFluktuacji", {8, 34, 140, 56}},
        {"LGranicaFluktuacji", {8, 90, 140, 34}},
        {"GBRownowaga", {430, 130, 152, 84}},
        {"MRownowaga", {6, 18, 140, 60}},
        {"GBDwaOszacowania", {430, 218, 152, 158}},
        {"LWyjasnienie", {8, 16, 138, 108}},
        {"BPomocFluktuacji", {8, 126, 136, 28}},
    });
    // clang-format on
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
    for (SeriaWykresu*& blad : bledy_) {
        blad = ChartFluktuacje->DodajSerie(SeriaWykresu::Rodzaj::Linia, Szary);
    }
    punkty_ = ChartFluktuacje->DodajSerie(SeriaWykresu::Rodzaj::Punkty, Czerwony);
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
    czcionka.setPixelSize(13);
    LPrzejscieFluktuacji->setFont(czcionka);
    LPrzejscieFluktuacji->setStyleSheet(QStringLiteral("color: #800000;"));
    DostepnaEtykieta::OpiszWartosc(LPrzejscieFluktuacji,
                                   QStringLiteral("Lambda maksimum Cv/kN dla tej sieci"));
    QLabel* granica = Etykieta(przejscie, "LGranicaFluktuacji", QString::fromUtf8(GranicaSieci),
                               Qt::AlignLeft | Qt::AlignTop);
    granica->setWordWrap(true);
    QFont przypis = granica->font();
    przypis.setPixelSize(10);
    granica->setFont(przypis);

    auto* rownowaga = Grupa(this, "GBRownowaga", QStringLiteral(" Równowaga "), Kontekst);
    MRownowaga = new QPlainTextEdit(rownowaga);
    MRownowaga->setObjectName(QStringLiteral("MRownowaga"));
    MRownowaga->setReadOnly(true);
    Opisz(MRownowaga, QStringLiteral("Równowaga"),
          QStringLiteral("Serie, które mogły nie osiągnąć równowagi..."), Kontekst);

    auto* dwa = Grupa(this, "GBDwaOszacowania", QStringLiteral(" Dwa oszacowania "), Kontekst);
    QLabel* wyjasnienie =
        Etykieta(dwa, "LWyjasnienie", QString::fromUtf8(Wyjasnienie), Qt::AlignLeft | Qt::AlignTop);
    wyjasnienie->setWordWrap(true);
    QFont drobna = wyjasnienie->font();
    drobna.setPixelSize(10);
    wyjasnienie->setFont(drobna);
    BPomocFluktuacji =
        Przycisk(dwa, "BPomocFluktuacji", QStringLiteral("Więcej w pomocy"),
                 QStringLiteral(":/okna/pomoc.png"),
                 QStringLiteral("Otwiera pomoc o dwóch oszacowaniach..."), Kontekst, 11);
}

void StronaFluktuacji::Pokaz(const FluktuacjeSerii& fluktuacje, const TekstyFluktuacji& teksty) {
    punkty_->Wyczysc();
    for (SeriaWykresu* blad : bledy_) {
        blad->Wyczysc();
    }
    std::size_t i = 0;
    for (const FluktuacjaSerii& seria : fluktuacje.Serie) {
        const double x = std::abs(seria.Lambda);
        const double y = seria.CvkN.Srednia;
        if (!std::isfinite(y)) {
            continue;
        }
        punkty_->DodajPunkt(x, y);
        if (std::isfinite(seria.CvkN.Blad) && i < bledy_.size()) {
            bledy_[i]->DodajPunkty(
                {QPointF(x, y - seria.CvkN.Blad), QPointF(x, y + seria.CvkN.Blad)});
        }
        ++i;
    }
    LPrzejscieFluktuacjiPodpis->setText(QString::fromStdString(teksty.EPodpisPrzejscia));
    LPrzejscieFluktuacji->setText(QString::fromStdString(teksty.EPrzejscie));
    MRownowaga->setPlainText(teksty.ERownowaga.empty() ? QString::fromUtf8(WszystkieWRownowadze)
                                                       : QString::fromStdString(teksty.ERownowaga));
}
