#include "StronyWynikow.h"

#include "ObliczWyniki.h"
#include "Obliczenia.h"
#include "Kontrolki.h"
#include "Opis.h"
#include "PunktyWykresu.h"
#include "SeriaWykresu.h"
#include "StronaOdtwarzania.h"
#include "StronaZapisu.h"
#include "WykresySymulacji.h"
#include "ZakresyParametrow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>

namespace {
constexpr int Kontekst = 31000;
constexpr int StopienDomyslny = 4;

} // namespace

StronyWynikow::StronyWynikow(Obliczenia& obliczenia, Dialogi& dialogi, QWidget* rodzic)
    : QTabWidget(rodzic), obliczenia_(obliczenia) {
    Odtwarzanie = new StronaOdtwarzania(obliczenia);
    Zapis = new StronaZapisu(dialogi);
    addTab(ZbudujStroneCiepla(),
           QStringLiteral("Ciepło właściwe i temperatura przejścia fazowego"));
    addTab(Odtwarzanie, QStringLiteral("Liczba par AB i parametr Sigma"));
    addTab(Zapis, QStringLiteral("Wyniki"));
    // The three page names fit side by side only in a smaller type.
    QFont czcionkaZakladek = tabBar()->font();
    czcionkaZakladek.setPixelSize(11);
    tabBar()->setFont(czcionkaZakladek);
    Opisz(this, QStringLiteral("Wyniki"), {}, 30000);
    connect(SEStopienWielomianu, &QSpinBox::valueChanged, this,
            &StronyWynikow::SEStopienWielomianuChange);
    connect(CBStopienWielomianu, &QAbstractButton::clicked, this,
            &StronyWynikow::CBStopienWielomianuClick);
}

// The two charts fill the group on the left; the fit, the parameters of the
// run and the transition stand in the column on the right.
QWidget* StronyWynikow::ZbudujStroneCiepla() {
    auto* strona = new QWidget;
    Opisz(strona, QStringLiteral("Ciepło właściwe i temperatura przejścia fazowego"), {}, Kontekst);
    cieplo_ = new QGroupBox(strona);
    cieplo_->setGeometry(0, 0, 426, 376);
    cieplo_->setAccessibleName(QStringLiteral("Wykresy ciepła właściwego"));

    GBDopasowanieWielomianem = new QGroupBox(QStringLiteral("Dopasowanie wielom."), strona);
    GBDopasowanieWielomianem->setGeometry(430, 0, 152, 76);
    CBStopienWielomianu = new QCheckBox(QStringLiteral("włącz"), GBDopasowanieWielomianem);
    CBStopienWielomianu->setGeometry(8, 18, 130, 20);
    Opisz(CBStopienWielomianu, QStringLiteral("Dopasowanie wielomianem, włącz"),
          QStringLiteral("Pozwala wybrać stopień wielomianu dopasowania..."), Kontekst);
    Label10 = Etykieta(GBDopasowanieWielomianem, QStringLiteral("stopnia:"), QRect(8, 46, 56, 20));
    SEStopienWielomianu = new QSpinBox(GBDopasowanieWielomianem);
    SEStopienWielomianu->setGeometry(66, 44, 60, 24);
    SEStopienWielomianu->setRange(ZakresStopnia.Min, ZakresStopnia.Max);
    SEStopienWielomianu->setValue(StopienDomyslny);
    SEStopienWielomianu->setEnabled(false);
    Label10->setBuddy(SEStopienWielomianu);
    Opisz(SEStopienWielomianu, QStringLiteral("stopnia:"),
          QStringLiteral("Stopień wielomianu dopasowanego do wartości sigma..."), Kontekst);

    auto* parametry = new QGroupBox(QStringLiteral(" Parametry symulacji "), strona);
    parametry->setGeometry(430, 80, 152, 124);
    LWynikiLambda = Wiersz(parametry, QStringLiteral("Lambda pocz.:"), QRect(6, 18, 92, 16),
                           QRect(98, 18, 52, 16));
    LWynikiLambdaKoncowa = Wiersz(parametry, QStringLiteral("Lambda końc.:"), QRect(6, 35, 92, 16),
                                  QRect(98, 35, 52, 16));
    LWynikiKrok =
        Wiersz(parametry, QStringLiteral("Krok:"), QRect(6, 52, 92, 16), QRect(98, 52, 52, 16));
    LWynikiKonceentracja = Wiersz(parametry, QStringLiteral("Koncentracja:"), QRect(6, 69, 92, 16),
                                  QRect(98, 69, 52, 16));
    LWynikiLiczAtWSieci = Wiersz(parametry, QStringLiteral("Ilość atomów:"), QRect(6, 86, 92, 16),
                                 QRect(98, 86, 52, 16));
    LWynikiLiczbaIteracji = Wiersz(parametry, QStringLiteral("Iteracje:"), QRect(6, 103, 92, 16),
                                   QRect(98, 103, 52, 16));

    auto* przejscie = new QGroupBox(QStringLiteral(" Przejście fazowe "), strona);
    przejscie->setGeometry(430, 208, 152, 168);
    const QString lambdaTc = QStringLiteral("Lambda (dla temp.\nprzejścia fazowego):");
    Etykieta(przejscie, lambdaTc, QRect(8, 18, 140, 34));
    LWynikiLambdaTc = Etykieta(przejscie, QString(), QRect(8, 54, 140, 22));
    const QString cvkNTc = QStringLiteral("Ciepło właściwe\nCv/kN:");
    Etykieta(przejscie, cvkNTc, QRect(8, 86, 140, 34));
    LWynikiTempTc = Etykieta(przejscie, QString(), QRect(8, 122, 140, 22));
    for (QLabel* wartosc : {LWynikiLambdaTc, LWynikiTempTc}) {
        QFont czcionka = wartosc->font();
        czcionka.setBold(true);
        czcionka.setPixelSize(16);
        wartosc->setFont(czcionka);
        wartosc->setStyleSheet(QStringLiteral("color: #800000;"));
    }
    Opisz(LWynikiLambdaTc, QStringLiteral("Lambda dla temperatury przejścia fazowego"));
    Opisz(LWynikiTempTc, QStringLiteral("Ciepło właściwe Cv/kN przy przejściu fazowym"));
    return strona;
}

void StronyWynikow::UstawWykresy(WykresySymulacji* wykresy) {
    wykresy_ = wykresy;
    Odtwarzanie->UstawWykresy(wykresy);
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
    wykresy_->Series9->DodajPunkty(PunktyWykresu(wyniki.Series9));
    wykresy_->Series10->DodajPunkty(PunktyWykresu(wyniki.Series10));
    wykresy_->Series5->DodajPunkty(PunktyWykresu(wyniki.Series5));
    Zapis->PokazTeksty(wyniki);
    LWynikiLambdaTc->setText(Zapis->ELambdaTc->text());
    if (wyniki.UstawCvkNTc) {
        LWynikiTempTc->setText(Zapis->ECvkNTc->text());
    }
}

void StronyWynikow::SEStopienWielomianuChange() {
    if (wykresy_) {
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
