#include "StronaZapisu.h"

#include "Dialogi.h"
#include "Kontrolki.h"
#include "Opis.h"
#include "PlikWynikow.h"
#include "PrzyciskPrzezroczysty.h"
#include "RegulaZapisu.h"
#include "Rozklad.h"
#include "UstawieniaOkna.h"
#include "WynikiSerii.h"
#include "ZapiszWyniki.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
constexpr int Kontekst = 33000;
const QString KluczKatalogu = QStringLiteral("KatalogDoZapisu");

QPlainTextEdit* Memo(QWidget* rodzic, const char* nazwa, const QString& tytul) {
    auto* grupa = Grupa(rodzic, (QByteArray("GB") + nazwa).constData(), tytul);
    auto* memo = new QPlainTextEdit(grupa);
    memo->setObjectName(QLatin1String(nazwa));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Opisz(memo, tytul.trimmed(), {}, Kontekst);
    return memo;
}

QLineEdit* Pole(QWidget* rodzic, const char* nazwa, const QString& podpis) {
    QLabel* etykieta = Etykieta(rodzic, (QByteArray(nazwa) + "Podpis").constData(), podpis);
    auto* pole = new QLineEdit(rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    pole->setReadOnly(true);
    etykieta->setBuddy(pole);
    Opisz(pole, podpis.trimmed(), {}, Kontekst);
    return pole;
}

QCheckBox* Wybor(QWidget* rodzic, const char* nazwa, const QString& napis) {
    auto* pole = new QCheckBox(napis, rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    pole->setChecked(true);
    Opisz(pole, napis, QStringLiteral("Zapisuje do pliku: ") + napis, Kontekst);
    return pole;
}

// The page's fixed layout in reading order: the description across the top,
// the three columns of results, the transition and the save on the right.
// clang-format off
void Rozmiesc(StronaZapisu* strona) {
    Rozmiesc(strona, {
        {"GBMOpisSieci", {0, 0, 582, 100}},
        {"MOpisSieci", {6, 18, 570, 76}},
        {"GBMLambda", {0, 104, 120, 272}},
        {"MLambda", {6, 18, 108, 248}},
        {"GBMSigma", {124, 104, 120, 272}},
        {"MSigma", {6, 18, 108, 248}},
        {"GBMCvkN", {248, 104, 120, 272}},
        {"MCvkN", {6, 18, 108, 248}},
        {"ELambdaTcPodpis", {380, 104, 200, 16}},
        {"ELambdaTc", {380, 122, 120, 24}},
        {"ECvkNTcPodpis", {380, 148, 200, 16}},
        {"ECvkNTc", {380, 166, 120, 24}},
        {"GBZapisWynikow", {376, 194, 206, 182}},
        {"CBWynikiOpis", {10, 16, 186, 20}},
        {"CBWynikiLambda", {10, 34, 186, 20}},
        {"CBWynikiSigma", {10, 52, 186, 20}},
        {"CBWynikiCvkN", {10, 70, 186, 20}},
        {"CBWynikiLambdaTc", {10, 88, 186, 20}},
        {"CBWynikiCvkNTc", {10, 106, 186, 20}},
        {"CBWynikiFluktuacje", {10, 124, 186, 20}},
        {"BZapiszWyniki", {10, 146, 186, 30}},
    });
}
// clang-format on

QString Linie(const std::vector<std::string>& linie) {
    QStringList tekst;
    for (const std::string& linia : linie) {
        tekst.append(QString::fromStdString(linia));
    }
    return tekst.join(QLatin1Char('\n'));
}

} // namespace

StronaZapisu::StronaZapisu(Dialogi& dialogi, QWidget* rodzic) : QWidget(rodzic), dialogi_(dialogi) {
    Zbuduj();
    Rozmiesc(this);
    connect(BZapiszWyniki, &QAbstractButton::clicked, this, &StronaZapisu::BZapiszWynikiClick);
}

void StronaZapisu::Zbuduj() {
    Opisz(this, QStringLiteral("Wyniki"), {}, Kontekst);
    MOpisSieci = Memo(this, "MOpisSieci", QStringLiteral(" Opis wybranej sieci i parametrów "));
    MLambda = Memo(this, "MLambda", QStringLiteral(" Lambda "));
    MSigma = Memo(this, "MSigma", QStringLiteral(" Sigma "));
    MCvkN = Memo(this, "MCvkN", QStringLiteral(" Cv/kN "));
    ELambdaTc = Pole(this, "ELambdaTc", QStringLiteral("Lambda dla Tc"));
    ECvkNTc = Pole(this, "ECvkNTc", QStringLiteral(" Cv/kN dla Tc "));

    auto* zapis =
        Grupa(this, "GBZapisWynikow", QStringLiteral(" Zapis wyników do pliku "), Kontekst);
    CBWynikiOpis = Wybor(zapis, "CBWynikiOpis", QStringLiteral("Opis wybranej sieci"));
    CBWynikiLambda = Wybor(zapis, "CBWynikiLambda", QStringLiteral("Lambda"));
    CBWynikiSigma = Wybor(zapis, "CBWynikiSigma", QStringLiteral("Sigma"));
    CBWynikiCvkN = Wybor(zapis, "CBWynikiCvkN", QStringLiteral("Cv/kN"));
    CBWynikiLambdaTc = Wybor(zapis, "CBWynikiLambdaTc", QStringLiteral("Lambda dla Tc"));
    CBWynikiCvkNTc = Wybor(zapis, "CBWynikiCvkNTc", QStringLiteral("Cv/kN dla Tc"));
    // Beyond the six columns of the results: off unless the user asks, so a
    // file written as before stays as it was.
    CBWynikiFluktuacje = Wybor(zapis, "CBWynikiFluktuacje", QStringLiteral("Cv/kN (fluktuacje)"));
    CBWynikiFluktuacje->setChecked(false);
    BZapiszWyniki = Przycisk(zapis, "BZapiszWyniki", QStringLiteral("Zapisz wyniki"),
                             QStringLiteral(":/okna/zapisz.png"),
                             QStringLiteral("Zapisuje wyniki do pliku..."), Kontekst);
}

void StronaZapisu::PokazTeksty(const WynikiSerii& wyniki) {
    // The file is written from these texts, never read back from the memos.
    // Without a transition index Cv/kN keeps the text it showed before.
    const std::string cvkNTc = teksty_.ECvkNTc;
    const std::string uwaga = teksty_.UwagaCvkNTc;
    teksty_ = wyniki.Teksty;
    if (!wyniki.UstawCvkNTc) {
        teksty_.ECvkNTc = cvkNTc;
        teksty_.UwagaCvkNTc = uwaga;
    }
    const TekstyWynikow& teksty = teksty_;
    MOpisSieci->setPlainText(Linie(teksty.MOpisSieci));
    MLambda->setPlainText(Linie(teksty.MLambda));
    MSigma->setPlainText(Linie(teksty.MSigma));
    MCvkN->setPlainText(Linie(teksty.MCvkN));
    ELambdaTc->setText(QString::fromStdString(teksty.ELambdaTc));
    ECvkNTc->setText(QString::fromStdString(teksty.ECvkNTc));
    ECvkNTc->setToolTip(QString::fromStdString(teksty.UwagaCvkNTc));
}

void StronaZapisu::ZaznaczEksport() {
    for (QCheckBox* pole :
         {CBWynikiOpis, CBWynikiLambda, CBWynikiSigma, CBWynikiCvkN, CBWynikiLambdaTc}) {
        pole->setChecked(true);
    }
}

void StronaZapisu::UstawFluktuacje(const TekstyFluktuacji& teksty) {
    fluktuacje_ = teksty;
}

void StronaZapisu::UstawFokus() {
    BZapiszWyniki->setFocus();
}

TekstyWynikow StronaZapisu::Teksty() const {
    TekstyWynikow teksty = teksty_;
    teksty.Fluktuacje = fluktuacje_;
    return teksty;
}

PolaWynikow StronaZapisu::Pola() const {
    PolaWynikow pola;
    pola.Opis = CBWynikiOpis->isChecked();
    pola.Lambda = CBWynikiLambda->isChecked();
    pola.Sigma = CBWynikiSigma->isChecked();
    pola.CvkN = CBWynikiCvkN->isChecked();
    pola.LambdaTc = CBWynikiLambdaTc->isChecked();
    pola.CvkNTc = CBWynikiCvkNTc->isChecked();
    pola.Fluktuacje = CBWynikiFluktuacje->isChecked();
    return pola;
}

void StronaZapisu::BZapiszWynikiClick() {
    ZapiszWyniki();
}

void StronaZapisu::SDZapiszWynikiTypeChange(int typ) {
    typ_ = typ;
}

char StronaZapisu::Separator() const {
    return SeparatorTypu(typ_);
}

void StronaZapisu::ZapiszWyniki() {
    // Without a remembered folder the dialog opens in the user's home.
    const QString zapamietany = CzytajUstawienie(KluczKatalogu);
    const QString katalog = zapamietany.isEmpty() ? QDir::homePath() : zapamietany;

    ZapytanieOZapis zapytanie;
    zapytanie.Tytul = QStringLiteral("Fazolab - Zapis wyników");
    zapytanie.Katalog = katalog;
    zapytanie.NazwaPliku =
        rodzaj_ ? QString::fromStdString(DomyslnaNazwaPliku(*rodzaj_)) : QString();
    zapytanie.Filtry = {QString::fromUtf8(FiltrCsv), QString::fromUtf8(FiltrTxt),
                        QString::fromUtf8(FiltrXlsx)};
    zapytanie.Typ = typ_;
    zapytanie.ZmianaTypu = [this](int typ) { SDZapiszWynikiTypeChange(typ); };

    const std::optional<WybranyPlik> wybrany = dialogi_.WybierzPlikDoZapisu(this, zapytanie);
    if (!wybrany) {
        return;
    }
    // The name's extension and the content always agree: a typed extension of
    // an offered type decides the type and the separator, any other name gets
    // the chosen type's extension.
    const WybranyPlik plik = PlikWedlugTypu(wybrany->Sciezka, zapytanie.Filtry, wybrany->Typ);
    SDZapiszWynikiTypeChange(plik.Typ);

    bool folderZapamietany = true;
    const WynikZapisu wynik =
        ::ZapiszWyniki(QDir::toNativeSeparators(plik.Sciezka).toStdString(), Teksty(), Pola(),
                       static_cast<TypPlikuWynikow>(typ_), [&](const std::string& folder) {
                           folderZapamietany =
                               ZapiszUstawienie(KluczKatalogu, QString::fromStdString(folder));
                       });
    if (!wynik.Udany()) {
        dialogi_.Zapytaj(this, QString::fromStdString(wynik.Komunikat),
                         QString::fromStdString(wynik.Tytul), Przyciski::Ok, Ikona::Blad);
        return;
    }
    // Said where the eye looks last and where a screen reader hears the
    // status bar change.
    QString stan = QStringLiteral("Zapisano: ") + QFileInfo(plik.Sciezka).fileName();
    if (!folderZapamietany) {
        stan += QStringLiteral(". ") + QString::fromUtf8(NieZapamietanoFolderu);
    }
    PokazWPasku(this, stan);
    emit WynikiZapisane(plik.Sciezka);
}
