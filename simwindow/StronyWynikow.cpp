#include "StronyWynikow.h"

#include "DostepnaEtykieta.h"
#include "FluktuacjeSerii.h"
#include "Kontrolki.h"
#include "ObliczWyniki.h"
#include "Obliczenia.h"
#include "Opis.h"
#include "PunktyWykresu.h"
#include "Rozklad.h"
#include "SeriaWykresu.h"
#include "SiecNieskonczona.h"
#include "StanObliczen.h"
#include "StronaFluktuacji.h"
#include "StronaOdtwarzania.h"
#include "StronaZapisu.h"
#include "TekstyFluktuacji.h"
#include "Wykres.h"
#include "WykresySymulacji.h"
#include "ZakresyParametrow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QSpinBox>
#include <QTabBar>

#include <cmath>

namespace {
constexpr int Kontekst = 31000;
constexpr int StopienDomyslny = 4;

// The program's style with half its room on either side of a tab's name.
class CiasneZakladki : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metryka, const QStyleOption* opcja,
                    const QWidget* kontrolka) const override {
        const int wartosc = QProxyStyle::pixelMetric(metryka, opcja, kontrolka);
        return metryka == PM_TabBarTabHSpace ? wartosc / 2 : wartosc;
    }
};

} // namespace

StronyWynikow::StronyWynikow(Obliczenia& obliczenia, Dialogi& dialogi, QWidget* rodzic)
    : QTabWidget(rodzic), obliczenia_(obliczenia) {
    odtwarzanie_ = new StronaOdtwarzania(obliczenia);
    zapis_ = new StronaZapisu(dialogi);
    fluktuacje_ = new StronaFluktuacji;
    addTab(ZbudujStroneCiepla(),
           QStringLiteral("Ciepło właściwe i temperatura przejścia fazowego"));
    addTab(odtwarzanie_, QStringLiteral("Liczba par AB i parametr Sigma"));
    addTab(zapis_, QStringLiteral("Wyniki"));
    addTab(fluktuacje_, QStringLiteral("Fluktuacje"));
    // The four page names fit side by side only in a smaller type and with
    // less room around each.
    QFont czcionkaZakladek = tabBar()->font();
    czcionkaZakladek.setPixelSize(10);
    tabBar()->setFont(czcionkaZakladek);
    auto* ciasne = new CiasneZakladki;
    ciasne->setParent(tabBar());
    tabBar()->setStyle(ciasne);
    Opisz(this, QStringLiteral("Wyniki"), {}, 30000);
    connect(SEStopienWielomianu, &QSpinBox::valueChanged, this,
            &StronyWynikow::SEStopienWielomianuChange);
    // A screen reader's toggle changes the box without a click.
    connect(CBStopienWielomianu, &QAbstractButton::toggled, this,
            &StronyWynikow::CBStopienWielomianuClick);
    connect(fluktuacje_, &StronaFluktuacji::PomocPotrzebna, this, &StronyWynikow::PomocPotrzebna);
    connect(zapis_, &StronaZapisu::WynikiZapisane, this, &StronyWynikow::WynikiZapisane);
}

// The two charts fill the group on the left; the fit, the parameters of the
// run and the transition stand in the column on the right.
QWidget* StronyWynikow::ZbudujStroneCiepla() {
    auto* strona = new QWidget;
    Opisz(strona, QStringLiteral("Ciepło właściwe i temperatura przejścia fazowego"), {}, Kontekst);
    cieplo_ = new QGroupBox(strona);
    cieplo_->setObjectName(QStringLiteral("GBCieploWlasciwe"));
    cieplo_->setAccessibleName(QStringLiteral("Wykresy ciepła właściwego"));
    ZbudujDopasowanie(strona);
    ZbudujParametry(strona);
    ZbudujPrzejscie(strona);
    // clang-format off
    Rozmiesc(strona, {
        {"GBCieploWlasciwe", {0, 0, 426, 376}},
        {"GBDopasowanieWielomianem", {430, 0, 152, 76}},
        {"CBStopienWielomianu", {8, 18, 130, 20}},
        {"LStopnia", {8, 46, 56, 20}},
        {"SEStopienWielomianu", {66, 44, 60, 24}},
        {"GBParametrySymulacji", {430, 80, 152, 124}},
        {"LWynikiLambdaPodpis", {6, 18, 86, 16}},
        {"LWynikiLambda", {88, 18, 62, 16}},
        {"LWynikiLambdaKoncowaPodpis", {6, 35, 86, 16}},
        {"LWynikiLambdaKoncowa", {88, 35, 62, 16}},
        {"LWynikiKrokPodpis", {6, 52, 86, 16}},
        {"LWynikiKrok", {88, 52, 62, 16}},
        {"LWynikiKonceentracjaPodpis", {6, 69, 86, 16}},
        {"LWynikiKonceentracja", {88, 69, 62, 16}},
        {"LWynikiLiczAtWSieciPodpis", {6, 86, 86, 16}},
        {"LWynikiLiczAtWSieci", {88, 86, 62, 16}},
        {"LWynikiLiczbaIteracjiPodpis", {6, 103, 86, 16}},
        {"LWynikiLiczbaIteracji", {88, 103, 62, 16}},
        {"GBPrzejscieFazowe", {430, 208, 152, 168}},
        {"LLambdaTcPodpis", {8, 18, 140, 34}},
        {"LWynikiLambdaTc", {8, 54, 140, 22}},
        {"LCvkNTcPodpis", {8, 86, 140, 34}},
        {"LWynikiTempTc", {8, 122, 140, 22}},
        {"LUwagaCvkNTc", {8, 144, 140, 22}},
    });
    // clang-format on
    return strona;
}

void StronyWynikow::ZbudujDopasowanie(QWidget* strona) {
    GBDopasowanieWielomianem =
        Grupa(strona, "GBDopasowanieWielomianem", QStringLiteral("Dopasowanie wielom."));
    CBStopienWielomianu = new QCheckBox(QStringLiteral("włącz"), GBDopasowanieWielomianem);
    CBStopienWielomianu->setObjectName(QStringLiteral("CBStopienWielomianu"));
    Opisz(CBStopienWielomianu, QStringLiteral("Dopasowanie wielomianem, włącz"),
          QStringLiteral("Pozwala wybrać stopień wielomianu dopasowania..."), Kontekst);
    QLabel* stopnia = Etykieta(GBDopasowanieWielomianem, "LStopnia", QStringLiteral("stopnia:"));
    SEStopienWielomianu = new QSpinBox(GBDopasowanieWielomianem);
    SEStopienWielomianu->setObjectName(QStringLiteral("SEStopienWielomianu"));
    SEStopienWielomianu->setRange(ZakresStopnia.Min, ZakresStopnia.Max);
    SEStopienWielomianu->setValue(StopienDomyslny);
    SEStopienWielomianu->setEnabled(false);
    stopnia->setBuddy(SEStopienWielomianu);
    Opisz(SEStopienWielomianu, QStringLiteral("stopnia:"),
          QStringLiteral("Stopień wielomianu dopasowanego do wartości sigma..."), Kontekst);
}

void StronyWynikow::ZbudujParametry(QWidget* strona) {
    auto* parametry =
        Grupa(strona, "GBParametrySymulacji", QStringLiteral(" Parametry symulacji "));
    LWynikiLambda = Wiersz(parametry, "LWynikiLambda", QStringLiteral("Lambda pocz.:"));
    LWynikiLambdaKoncowa =
        Wiersz(parametry, "LWynikiLambdaKoncowa", QStringLiteral("Lambda końc.:"));
    LWynikiKrok = Wiersz(parametry, "LWynikiKrok", QStringLiteral("Krok:"));
    // The doubled "e" is the control's own name, kept because the layout
    // table and the tests find the control by it.
    LWynikiKonceentracja =
        Wiersz(parametry, "LWynikiKonceentracja", QStringLiteral("Koncentracja:"));
    LWynikiLiczAtWSieci = Wiersz(parametry, "LWynikiLiczAtWSieci", QStringLiteral("Ilość atomów:"));
    LWynikiLiczbaIteracji = Wiersz(parametry, "LWynikiLiczbaIteracji", QStringLiteral("Iteracje:"));
    // Right-aligned, a short value stands clear of its caption and a long one
    // (1000000) has the whole column.
    for (QLabel* wartosc : {LWynikiLambda, LWynikiLambdaKoncowa, LWynikiKrok, LWynikiKonceentracja,
                            LWynikiLiczAtWSieci, LWynikiLiczbaIteracji}) {
        wartosc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void StronyWynikow::ZbudujPrzejscie(QWidget* strona) {
    auto* przejscie = Grupa(strona, "GBPrzejscieFazowe", QStringLiteral(" Przejście fazowe "));
    Etykieta(przejscie, "LLambdaTcPodpis",
             QStringLiteral("Lambda (dla temp.\nprzejścia fazowego):"));
    LWynikiLambdaTc = Etykieta(przejscie, "LWynikiLambdaTc", QString());
    Etykieta(przejscie, "LCvkNTcPodpis", QStringLiteral("Ciepło właściwe\nCv/kN:"));
    LWynikiTempTc = Etykieta(przejscie, "LWynikiTempTc", QString());
    for (QLabel* wartosc : {LWynikiLambdaTc, LWynikiTempTc}) {
        QFont czcionka = wartosc->font();
        czcionka.setBold(true);
        czcionka.setPixelSize(16);
        wartosc->setFont(czcionka);
        wartosc->setStyleSheet(QStringLiteral("color: #800000;"));
    }
    DostepnaEtykieta::OpiszWartosc(LWynikiLambdaTc,
                                   QStringLiteral("Lambda dla temperatury przejścia fazowego"));
    DostepnaEtykieta::OpiszWartosc(LWynikiTempTc,
                                   QStringLiteral("Ciepło właściwe Cv/kN przy przejściu fazowym"));
    for (QLabel* wartosc : {LWynikiLambdaTc, LWynikiTempTc}) {
        wartosc->setToolTip(QString::fromUtf8(OpisDopasowania));
        wartosc->setAccessibleDescription(QString::fromUtf8(OpisDopasowania));
    }
    // Empty unless the fitted curve's Cv/kN cannot be a specific heat.
    LUwagaCvkNTc = Etykieta(przejscie, "LUwagaCvkNTc", QString());
    LUwagaCvkNTc->setWordWrap(true);
    QFont drobna = LUwagaCvkNTc->font();
    drobna.setPixelSize(10);
    LUwagaCvkNTc->setFont(drobna);
    LUwagaCvkNTc->setStyleSheet(QStringLiteral("color: #800000;"));
}

Wykres* StronyWynikow::WykresFluktuacji() const {
    return fluktuacje_->WykresFluktuacji();
}

QWidget* StronyWynikow::MiejsceHistogramow() const {
    return odtwarzanie_->MiejsceHistogramow();
}

QWidget* StronyWynikow::MiejsceHistoriiSigmy() const {
    return odtwarzanie_->MiejsceHistoriiSigmy();
}

void StronyWynikow::UstawDlaSieci(RodzajSieci rodzaj, bool dopasowanieWielomianem) {
    GBDopasowanieWielomianem->setVisible(dopasowanieWielomianem);
    zapis_->UstawRodzaj(rodzaj);
}

void StronyWynikow::PokazParametry(const StanObliczen& stan) {
    // The panel describes the run as the description does: lambda unsigned,
    // whichever the sign of the interaction.
    LWynikiLambda->setText(FormatOgolny(std::abs(stan.Lambda)));
    LWynikiLambdaKoncowa->setText(FormatOgolny(std::abs(stan.LambdaKoncowa)));
    LWynikiKrok->setText(FormatOgolny(stan.Krok));
    LWynikiKonceentracja->setText(FormatOgolny(stan.Koncentracja));
    LWynikiLiczAtWSieci->setText(FormatOgolny(stan.IloscAtomow));
    LWynikiLiczbaIteracji->setText(FormatOgolny(stan.MaxIloscCykli));
}

void StronyWynikow::PrzygotujOdtwarzanie(const StanObliczen& stan) {
    odtwarzanie_->UstawPrzyrostCyklu(stan.PrzedzialCzasowy);
    odtwarzanie_->UstawMaksimumCyklu(stan.MaxIloscCykli);
    odtwarzanie_->UstawLiczbeSerii(stan.LiczbaSerii);
}

void StronyWynikow::Wejdz(int liczbaSerii) {
    setCurrentIndex(0);
    odtwarzanie_->UstawLiczbeSerii(liczbaSerii);
    odtwarzanie_->PokazPierwszyCykl();
    ObliczWyniki();
    // The fluctuations do not depend on the fitted curve: once per entry.
    const FluktuacjeSerii fluktuacje = FluktuacjeZ(obliczenia_);
    const TekstyFluktuacji teksty =
        TekstyFluktuacjiZ(fluktuacje, MiejscaLambdy(obliczenia_.Stan().Parametry));
    fluktuacje_->Pokaz(fluktuacje, teksty, obliczenia_.Stan().Parametry);
    zapis_->UstawFluktuacje(teksty);
}

void StronyWynikow::PrzejdzDoZapisu() {
    zapis_->ZaznaczEksport();
    setCurrentIndex(2);
    zapis_->UstawFokus();
}

void StronyWynikow::ZatrzymajPokaz() {
    odtwarzanie_->ZatrzymajPokaz();
}

void StronyWynikow::UstawWykresy(WykresySymulacji* wykresy) {
    wykresy_ = wykresy;
    odtwarzanie_->UstawWykresy(wykresy);
}

void StronyWynikow::ObliczWyniki() {
    if (!wykresy_) {
        return;
    }
    const std::optional<int> stopien = CBStopienWielomianu->isChecked()
                                           ? std::optional<int>(SEStopienWielomianu->value())
                                           : std::nullopt;
    const double j = obliczenia_.LosujPrzesuniecieTc();
    const WynikiSerii wyniki = ::ObliczWyniki(obliczenia_, stopien, j);
    emit WynikiObliczone();
    PokazSigmeOnsagera();
    wykresy_->Series9->DodajPunkty(PunktyWykresu(wyniki.Series9));
    wykresy_->Series10->DodajPunkty(PunktyWykresu(wyniki.Series10));
    wykresy_->Series5->DodajPunkty(PunktyWykresu(wyniki.Series5));
    zapis_->PokazTeksty(wyniki);
    LWynikiLambdaTc->setText(QString::fromStdString(wyniki.Teksty.ELambdaTc));
    if (wyniki.UstawCvkNTc) {
        LWynikiTempTc->setText(QString::fromStdString(wyniki.Teksty.ECvkNTc));
        LUwagaCvkNTc->setText(wyniki.Teksty.UwagaCvkNTc.empty()
                                  ? QString::fromUtf8(UwagaDopasowania)
                                  : QString::fromStdString(wyniki.Teksty.UwagaCvkNTc));
    }
}

void StronyWynikow::SEStopienWielomianuChange() {
    if (wykresy_) {
        wykresy_->SeriaOnsagera->Wyczysc();
        wykresy_->Series9->Wyczysc();
        wykresy_->Series10->Wyczysc();
        wykresy_->Series5->Wyczysc();
    }
    ObliczWyniki();
}

void StronyWynikow::CBStopienWielomianuClick() {
    if (CBStopienWielomianu->isChecked()) {
        SEStopienWielomianu->setEnabled(true);
        return;
    }
    const QSignalBlocker cisza(SEStopienWielomianu);
    SEStopienWielomianu->setValue(StopienDomyslny);
    SEStopienWielomianu->setEnabled(false);
    SEStopienWielomianuChange();
}

void StronyWynikow::PokazSigmeOnsagera() {
    const ParametrySymulacji& p = obliczenia_.Stan().Parametry;
    SeriaWykresu& seria = *wykresy_->SeriaOnsagera;
    seria.Wyczysc();
    const bool jest = MaSigmeOnsagera(p.Rodzaj, p.PozycjaKoncentracji);
    seria.UstawAktywna(jest);
    // The legend's two lines fill the room under the plot: the curve is named
    // where the pointer and a screen reader find it.
    const QString opis = jest ? QString::fromUtf8(OpisSigmyOnsagera) : QString();
    wykresy_->ChartSigmaLambda->setToolTip(opis);
    wykresy_->ChartSigmaLambda->setAccessibleDescription(opis);
    if (!jest) {
        return;
    }
    QList<QPointF> punkty;
    for (const auto& [lambda, sigma] : KrzywaOnsagera(p.Tryb)) {
        punkty.append(QPointF(lambda, sigma));
    }
    seria.DodajPunkty(punkty);
}
