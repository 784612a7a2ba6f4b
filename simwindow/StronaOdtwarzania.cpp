#include "StronaOdtwarzania.h"

#include "DostepnaEtykieta.h"
#include "Kontrolki.h"
#include "Obliczenia.h"
#include "Odtwarzanie.h"
#include "Opis.h"
#include "PoleBezPisania.h"
#include "PrzyciskPrzezroczysty.h"
#include "PunktyWykresu.h"
#include "Rozklad.h"
#include "SeriaWykresu.h"
#include "SuwakZZaznaczeniem.h"
#include "WykresySymulacji.h"

#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>

namespace {
constexpr int Kontekst = 32000;

QSpinBox* Pole(QWidget* rodzic, const char* nazwa) {
    auto* pole = new PoleBezPisania(rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    return pole;
}

// The page's fixed layout in reading order: the charts on the left (the
// sigma history above the two histograms), the choice of series and cycle and
// the show on the right.
void Rozmiesc(StronaOdtwarzania* strona) {
    // clang-format off
    Rozmiesc(strona, {
        {"HistoriaSigmy", {0, 0, 484, 180}},
        {"GBHistogramy", {0, 180, 484, 160}},
        {"GBSeria", {488, 0, 94, 160}},
        {"Label16", {8, 18, 30, 16}},
        {"TBNrSerii", {8, 34, 25, 104}},
        {"LTBNrSerii", {8, 138, 30, 16}},
        {"LNrSeriiPodpis", {40, 40, 52, 16}},
        {"LNrSerii", {40, 56, 50, 16}},
        {"LWynikiLambdaInfoPodpis", {40, 84, 52, 16}},
        {"LWynikiLambdaInfo", {40, 100, 52, 16}},
        {"GBNumerCyklu", {488, 164, 94, 82}},
        {"SENrCyklu", {6, 20, 82, 24}},
        {"TBPoczatek", {8, 50, 36, 26}},
        {"TBKoniec", {50, 50, 36, 26}},
        {"GBAutoPokaz", {488, 250, 94, 124}},
        {"TBAutoPokazPlay", {8, 20, 36, 26}},
        {"TBAutoPokazStop", {50, 20, 36, 26}},
        {"LOdswierzanie", {6, 52, 84, 16}},
        {"SEOdswierzanie", {6, 70, 62, 24}},
        {"LMs", {70, 70, 20, 24}},
    });
    // clang-format on
}
} // namespace

StronaOdtwarzania::StronaOdtwarzania(const Obliczenia& obliczenia, QWidget* rodzic)
    : QWidget(rodzic), obliczenia_(obliczenia), timerAutoPokaz_(new QTimer(this)) {
    Zbuduj();
    Rozmiesc(this);
    timerAutoPokaz_->setObjectName(QStringLiteral("TimerAutoPokaz"));
    timerAutoPokaz_->setInterval(500);
    connect(timerAutoPokaz_, &QTimer::timeout, this, &StronaOdtwarzania::TimerAutoPokazTimer);
    connect(SENrCyklu, &QSpinBox::valueChanged, this, &StronaOdtwarzania::SENrCykluChange);
    connect(TBNrSerii, &QSlider::valueChanged, this, &StronaOdtwarzania::TBNrSeriiChange);
    connect(TBPoczatek, &QAbstractButton::clicked, this, &StronaOdtwarzania::TBPoczatekClick);
    connect(TBKoniec, &QAbstractButton::clicked, this, &StronaOdtwarzania::TBKoniecClick);
    connect(TBAutoPokazPlay, &QAbstractButton::clicked, this,
            &StronaOdtwarzania::TBAutoPokazPlayClick);
    connect(TBAutoPokazStop, &QAbstractButton::clicked, this,
            &StronaOdtwarzania::TBAutoPokazStopClick);
    connect(SEOdswierzanie, &QSpinBox::valueChanged, this,
            &StronaOdtwarzania::SEOdswierzanieChange);
}

void StronaOdtwarzania::Zbuduj() {
    Opisz(this, QStringLiteral("Liczba par AB i parametr Sigma"), {}, Kontekst);
    historia_ = new QWidget(this);
    historia_->setObjectName(QStringLiteral("HistoriaSigmy"));
    histogramy_ =
        Grupa(this, "GBHistogramy",
              QStringLiteral(
                  " Prawdopodobieństwo znalezienia n atomów rodz. B w otoczeniu atomu rodz. A "));
    ZbudujSerie();
    ZbudujCykl();
    ZbudujPokaz();
}

void StronaOdtwarzania::ZbudujSerie() {
    auto* seria = Grupa(this, "GBSeria", QStringLiteral(" Seria: "));
    Etykieta(seria, "Label16", QStringLiteral("0,1"));
    TBNrSerii = new SuwakZZaznaczeniem(Qt::Vertical, seria);
    TBNrSerii->setObjectName(QStringLiteral("TBNrSerii"));
    TBNrSerii->setRange(1, 24);
    TBNrSerii->setValue(1);
    TBNrSerii->setInvertedAppearance(true);
    TBNrSerii->setTickInterval(1);
    Etykieta(seria, "LTBNrSerii", QStringLiteral("2,4"));
    Etykieta(seria, "LNrSeriiPodpis", QStringLiteral("Nr serii:"));
    LNrSerii = Etykieta(seria, "LNrSerii", QStringLiteral("1"));
    Etykieta(seria, "LWynikiLambdaInfoPodpis", QStringLiteral("Lambda:"));
    LWynikiLambdaInfo = Etykieta(seria, "LWynikiLambdaInfo", QStringLiteral("0"));
    for (QLabel* wartosc : {LNrSerii, LWynikiLambdaInfo}) {
        QFont czcionka = wartosc->font();
        czcionka.setBold(true);
        wartosc->setFont(czcionka);
    }
    Opisz(TBNrSerii, QStringLiteral("Nr serii"),
          QStringLiteral("Wyświetla wartości dla danej serii..."), Kontekst);
    Opisz(LNrSerii, QString(), QStringLiteral("Nr serii"), Kontekst);
    DostepnaEtykieta::OpiszWartosc(LNrSerii, QStringLiteral("Nr serii"));
    DostepnaEtykieta::OpiszWartosc(LWynikiLambdaInfo, QStringLiteral("Lambda serii"));
}

void StronaOdtwarzania::ZbudujCykl() {
    auto* cykl = Grupa(this, "GBNumerCyklu", QStringLiteral(" Numer cyklu: "));
    SENrCyklu = Pole(cykl, "SENrCyklu");
    SENrCyklu->setRange(0, 0);
    Opisz(SENrCyklu, QStringLiteral("Numer cyklu"), QStringLiteral("Numer cyklu..."), Kontekst);
    TBPoczatek = Przycisk(cykl, "TBPoczatek", QString(), QStringLiteral(":/okna/poczatek.png"),
                          QStringLiteral("Kliknij, aby przejść do pierwszego cyklu..."), Kontekst,
                          13, QStringLiteral("Pierwszy cykl"));
    TBKoniec = Przycisk(cykl, "TBKoniec", QString(), QStringLiteral(":/okna/koniec_cyklu.png"),
                        QStringLiteral("Kliknij, aby przejść do ostatniego cyklu..."), Kontekst, 13,
                        QStringLiteral("Ostatni cykl"));
}

void StronaOdtwarzania::ZbudujPokaz() {
    auto* pokaz = Grupa(this, "GBAutoPokaz", QStringLiteral(" Auto pokaz: "));
    TBAutoPokazPlay =
        Przycisk(pokaz, "TBAutoPokazPlay", QString(), QStringLiteral(":/okna/play.png"),
                 QStringLiteral("Kliknij, aby uruchomić automatyczny pokaz..."), Kontekst, 13,
                 QStringLiteral("Uruchom pokaz"));
    TBAutoPokazStop =
        Przycisk(pokaz, "TBAutoPokazStop", QString(), QStringLiteral(":/okna/stop.png"),
                 QStringLiteral("Kliknij, aby zatrzymać automatyczny pokaz..."), Kontekst, 13,
                 QStringLiteral("Zatrzymaj pokaz"));
    TBAutoPokazStop->setEnabled(false);
    const QString odswiez = QStringLiteral("Odświerz co:");
    Etykieta(pokaz, "LOdswierzanie", odswiez);
    SEOdswierzanie = Pole(pokaz, "SEOdswierzanie");
    SEOdswierzanie->setRange(100, 5000);
    SEOdswierzanie->setSingleStep(100);
    SEOdswierzanie->setValue(500);
    Etykieta(pokaz, "LMs", QStringLiteral("ms"));
    Opisz(SEOdswierzanie, odswiez + QStringLiteral(" (ms)"),
          QStringLiteral("Ustawia tempo automatycznego pokazu..."), Kontekst);
}

void StronaOdtwarzania::UstawLiczbeSerii(int liczbaSerii) {
    TBNrSerii->setMaximum(liczbaSerii);
}

void StronaOdtwarzania::PokazPierwszyCykl() {
    SENrCyklu->setValue(0);
    PokazCykl();
}

void StronaOdtwarzania::UstawPrzyrostCyklu(int przyrost) {
    SENrCyklu->setSingleStep(przyrost);
}

void StronaOdtwarzania::UstawMaksimumCyklu(int maksimum) {
    SENrCyklu->setMaximum(maksimum);
}

void StronaOdtwarzania::PokazCykl() {
    if (!wykresy_ || obliczenia_.Stan().PrzedzialCzasowy < 1) {
        return;
    }
    const int seria = TBNrSerii->value();
    const WidokCyklu widok = ::PokazCykl(obliczenia_, seria, SENrCyklu->value());
    wykresy_->Series6->Wyczysc();
    wykresy_->Series7->Wyczysc();
    wykresy_->Series8->Wyczysc();
    LWynikiLambdaInfo->setText(FormatOgolny(widok.LambdaSerii));
    wykresy_->Series8->DodajPunkty(PunktyWykresu(widok.Series8));
    for (int m = 0; m < static_cast<int>(widok.Series6.size()); ++m) {
        DodajSlupekHistogramu(*wykresy_->Series6, m, widok.Series6[static_cast<std::size_t>(m)]);
    }
    for (int m = 0; m < static_cast<int>(widok.Series7.size()); ++m) {
        DodajSlupekHistogramu(*wykresy_->Series7, m, widok.Series7[static_cast<std::size_t>(m)]);
    }
}

void StronaOdtwarzania::SENrCykluChange() {
    PokazCykl();
}

void StronaOdtwarzania::TBNrSeriiChange() {
    LNrSerii->setText(QString::number(TBNrSerii->value()));
    PokazCykl();
}

void StronaOdtwarzania::TBPoczatekClick() {
    SENrCyklu->setValue(SENrCyklu->minimum());
}

void StronaOdtwarzania::TBKoniecClick() {
    SENrCyklu->setValue(SENrCyklu->maximum());
}

void StronaOdtwarzania::TBAutoPokazPlayClick() {
    TBAutoPokazPlay->setEnabled(false);
    TBAutoPokazStop->setEnabled(true);
    timerAutoPokaz_->setInterval(SEOdswierzanie->value());
    SENrCyklu->setValue(SENrCyklu->minimum());
    timerAutoPokaz_->start();
    TBAutoPokazStop->setFocus();
}

void StronaOdtwarzania::TimerAutoPokazTimer() {
    SENrCyklu->setValue(SENrCyklu->value() + SENrCyklu->singleStep());
    if (SENrCyklu->value() == SENrCyklu->maximum()) {
        ZatrzymajPokaz();
    }
}

void StronaOdtwarzania::TBAutoPokazStopClick() {
    ZatrzymajPokaz();
}

void StronaOdtwarzania::ZatrzymajPokaz() {
    const bool mialFokus = TBAutoPokazStop->hasFocus();
    timerAutoPokaz_->stop();
    TBAutoPokazStop->setEnabled(false);
    TBAutoPokazPlay->setEnabled(true);
    if (mialFokus) {
        TBAutoPokazPlay->setFocus();
    }
}

void StronaOdtwarzania::SEOdswierzanieChange() {
    timerAutoPokaz_->setInterval(SEOdswierzanie->value());
}
