#include "StronaOdtwarzania.h"

#include "Obliczenia.h"
#include "Odtwarzanie.h"
#include "Kontrolki.h"
#include "Opis.h"
#include "PrzyciskPrzezroczysty.h"
#include "PunktyWykresu.h"
#include "SeriaWykresu.h"
#include "SuwakZZaznaczeniem.h"
#include "WykresySymulacji.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {
constexpr int Kontekst = 32000;

QSpinBox* PoleBezPisania(QWidget* rodzic, const QRect& miejsce) {
    auto* pole = new QSpinBox(rodzic);
    pole->setGeometry(miejsce);
    pole->findChild<QLineEdit*>()->setReadOnly(true);
    return pole;
}
} // namespace

StronaOdtwarzania::StronaOdtwarzania(const Obliczenia& obliczenia, QWidget* rodzic)
    : QWidget(rodzic), obliczenia_(obliczenia) {
    Zbuduj();
    TimerAutoPokaz.setInterval(500);
    connect(&TimerAutoPokaz, &QTimer::timeout, this, &StronaOdtwarzania::TimerAutoPokazTimer);
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

// The charts on the left (the sigma history above the two histograms), the
// choice of series and cycle and the show on the right, in reading order.
void StronaOdtwarzania::Zbuduj() {
    Opisz(this, QStringLiteral("Liczba par AB i parametr Sigma"), {}, Kontekst);
    historia_ = new QWidget(this);
    historia_->setGeometry(0, 0, 484, 180);
    auto* histogramy = new QGroupBox(
        QStringLiteral(
            " Prawdopodobieństwo znalezienia n atomów rodz. B w otoczeniu atomu rodz. A "),
        this);
    histogramy->setGeometry(0, 180, 484, 160);
    Opisz(histogramy, histogramy->title().trimmed());
    histogramy_ = histogramy;

    auto* seria = new QGroupBox(QStringLiteral(" Seria: "), this);
    seria->setGeometry(488, 0, 94, 160);
    Label16 = Etykieta(seria, QStringLiteral("0,1"), QRect(8, 18, 30, 16));
    TBNrSerii = new SuwakZZaznaczeniem(Qt::Vertical, seria);
    TBNrSerii->setGeometry(8, 34, 25, 104);
    TBNrSerii->setRange(1, 24);
    TBNrSerii->setValue(1);
    TBNrSerii->setInvertedAppearance(true);
    TBNrSerii->setTickInterval(1);
    LTBNrSerii = Etykieta(seria, QStringLiteral("2,4"), QRect(8, 138, 30, 16));
    Etykieta(seria, QStringLiteral("Nr serii:"), QRect(40, 40, 52, 16));
    LNrSerii = Etykieta(seria, QStringLiteral("1"), QRect(40, 56, 50, 16));
    Etykieta(seria, QStringLiteral("Lambda:"), QRect(40, 84, 52, 16));
    LWynikiLambdaInfo = Etykieta(seria, QStringLiteral("0"), QRect(40, 100, 52, 16));
    for (QLabel* wartosc : {LNrSerii, LWynikiLambdaInfo}) {
        QFont czcionka = wartosc->font();
        czcionka.setBold(true);
        wartosc->setFont(czcionka);
    }
    Opisz(TBNrSerii, QStringLiteral("Nr serii"),
          QStringLiteral("Wyświetla wartości dla danej serii..."), Kontekst);
    Opisz(LNrSerii, QStringLiteral("Nr serii"), QStringLiteral("Nr serii"), Kontekst);
    Opisz(LWynikiLambdaInfo, QStringLiteral("Lambda serii"));

    auto* cykl = new QGroupBox(QStringLiteral(" Numer cyklu: "), this);
    cykl->setGeometry(488, 164, 94, 82);
    SENrCyklu = PoleBezPisania(cykl, QRect(6, 20, 82, 24));
    SENrCyklu->setRange(0, 0);
    Opisz(SENrCyklu, QStringLiteral("Numer cyklu"), QStringLiteral("Numer cyklu..."), Kontekst);
    TBPoczatek =
        Przycisk(cykl, QString(), QStringLiteral(":/okna/poczatek.png"), QRect(8, 50, 36, 26),
                 QStringLiteral("Kliknij, aby przejść do pierwszego cyklu..."), Kontekst, 13,
                 QStringLiteral("Pierwszy cykl"));
    TBKoniec =
        Przycisk(cykl, QString(), QStringLiteral(":/okna/koniec_cyklu.png"), QRect(50, 50, 36, 26),
                 QStringLiteral("Kliknij, aby przejść do ostatniego cyklu..."), Kontekst, 13,
                 QStringLiteral("Ostatni cykl"));

    auto* pokaz = new QGroupBox(QStringLiteral(" Auto pokaz: "), this);
    pokaz->setGeometry(488, 250, 94, 124);
    TBAutoPokazPlay =
        Przycisk(pokaz, QString(), QStringLiteral(":/okna/play.png"), QRect(8, 20, 36, 26),
                 QStringLiteral("Kliknij, aby uruchomić automatyczny pokaz..."), Kontekst, 13,
                 QStringLiteral("Uruchom pokaz"));
    TBAutoPokazStop =
        Przycisk(pokaz, QString(), QStringLiteral(":/okna/stop.png"), QRect(50, 20, 36, 26),
                 QStringLiteral("Kliknij, aby zatrzymać automatyczny pokaz..."), Kontekst, 13,
                 QStringLiteral("Zatrzymaj pokaz"));
    TBAutoPokazStop->setEnabled(false);
    const QString odswiez = QStringLiteral("Odświerz co:");
    Etykieta(pokaz, odswiez, QRect(6, 52, 84, 16));
    SEOdswierzanie = PoleBezPisania(pokaz, QRect(6, 70, 62, 24));
    SEOdswierzanie->setRange(100, 5000);
    SEOdswierzanie->setSingleStep(100);
    SEOdswierzanie->setValue(500);
    Etykieta(pokaz, QStringLiteral("ms"), QRect(70, 70, 20, 24));
    Opisz(SEOdswierzanie, odswiez + QStringLiteral(" (ms)"),
          QStringLiteral("Ustawia tempo automatycznego pokazu..."), Kontekst);
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
    TimerAutoPokaz.setInterval(SEOdswierzanie->value());
    SENrCyklu->setValue(SENrCyklu->minimum());
    TimerAutoPokaz.start();
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
    TimerAutoPokaz.stop();
    TBAutoPokazStop->setEnabled(false);
    TBAutoPokazPlay->setEnabled(true);
    if (mialFokus) {
        TBAutoPokazPlay->setFocus();
    }
}

void StronaOdtwarzania::SEOdswierzanieChange() {
    TimerAutoPokaz.setInterval(SEOdswierzanie->value());
}
