#include "StronaZapisu.h"

#include "Dialogi.h"
#include "Kontrolki.h"
#include "Opis.h"
#include "PlikWynikow.h"
#include "PrzyciskPrzezroczysty.h"
#include "UstawieniaOkna.h"
#include "WynikiSerii.h"
#include "ZapiszWyniki.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
constexpr int Kontekst = 33000;
const QString KluczKatalogu = QStringLiteral("KatalogDoZapisu");

QPlainTextEdit* Memo(QWidget* rodzic, const QString& tytul, const QRect& miejsce) {
    auto* grupa = new QGroupBox(tytul, rodzic);
    grupa->setGeometry(miejsce);
    auto* memo = new QPlainTextEdit(grupa);
    memo->setGeometry(6, 18, miejsce.width() - 12, miejsce.height() - 24);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Opisz(memo, tytul.trimmed(), {}, Kontekst);
    return memo;
}

QLineEdit* Pole(QWidget* rodzic, const QString& podpis, int y) {
    auto* etykieta = new QLabel(podpis, rodzic);
    etykieta->setGeometry(380, y, 200, 16);
    auto* pole = new QLineEdit(rodzic);
    pole->setGeometry(380, y + 18, 120, 24);
    pole->setReadOnly(true);
    etykieta->setBuddy(pole);
    Opisz(pole, podpis.trimmed(), {}, Kontekst);
    return pole;
}

QCheckBox* Wybor(QWidget* rodzic, const QString& napis, int y) {
    auto* pole = new QCheckBox(napis, rodzic);
    pole->setGeometry(10, y, 186, 20);
    pole->setChecked(true);
    Opisz(pole, napis, QStringLiteral("Zapisuje do pliku: ") + napis, Kontekst);
    return pole;
}

QString Linie(const std::vector<std::string>& linie) {
    QStringList tekst;
    for (const std::string& linia : linie) {
        tekst.append(QString::fromStdString(linia));
    }
    return tekst.join(QLatin1Char('\n'));
}

std::vector<std::string> Linie(const QPlainTextEdit* memo) {
    std::vector<std::string> linie;
    const QString tekst = memo->toPlainText();
    if (tekst.isEmpty()) {
        return linie;
    }
    for (const QString& linia : tekst.split(QLatin1Char('\n'))) {
        linie.push_back(linia.toStdString());
    }
    return linie;
}
} // namespace

StronaZapisu::StronaZapisu(Dialogi& dialogi, QWidget* rodzic) : QWidget(rodzic), dialogi_(dialogi) {
    Zbuduj();
    connect(BZapiszWyniki, &QAbstractButton::clicked, this, &StronaZapisu::BZapiszWynikiClick);
}

void StronaZapisu::Zbuduj() {
    Opisz(this, QStringLiteral("Wyniki"), {}, Kontekst);
    MOpisSieci =
        Memo(this, QStringLiteral(" Opis wybranej sieci i parametrów "), QRect(0, 0, 582, 100));
    MLambda = Memo(this, QStringLiteral(" Lambda "), QRect(0, 104, 120, 272));
    MSigma = Memo(this, QStringLiteral(" Sigma "), QRect(124, 104, 120, 272));
    MCvkN = Memo(this, QStringLiteral(" Cv/kN "), QRect(248, 104, 120, 272));
    ELambdaTc = Pole(this, QStringLiteral("Lambda dla Tc"), 104);
    ECvkNTc = Pole(this, QStringLiteral(" Cv/kN dla Tc "), 148);

    auto* zapis = new QGroupBox(QStringLiteral(" Zapis wyników do pliku "), this);
    zapis->setGeometry(376, 194, 206, 182);
    Opisz(zapis, zapis->title().trimmed(), {}, Kontekst);
    CBWynikiOpis = Wybor(zapis, QStringLiteral("Opis wybranej sieci"), 18);
    CBWynikiLambda = Wybor(zapis, QStringLiteral("Lambda"), 38);
    CBWynikiSigma = Wybor(zapis, QStringLiteral("Sigma"), 58);
    CBWynikiCvkN = Wybor(zapis, QStringLiteral("Cv/kN"), 78);
    CBWynikiLambdaTc = Wybor(zapis, QStringLiteral("Lambda dla Tc"), 98);
    CBWynikiCvkNTc = Wybor(zapis, QStringLiteral("Cv/kN dla Tc"), 118);
    BZapiszWyniki =
        Przycisk(zapis, QStringLiteral("Zapisz wyniki"), QStringLiteral(":/okna/zapisz.png"),
                 QRect(10, 144, 186, 30), QStringLiteral("Zapisuje wyniki do pliku..."), Kontekst);
}

void StronaZapisu::PokazTeksty(const WynikiSerii& wyniki) {
    const TekstyWynikow& teksty = wyniki.Teksty;
    MOpisSieci->setPlainText(Linie(teksty.MOpisSieci));
    MLambda->setPlainText(Linie(teksty.MLambda));
    MSigma->setPlainText(Linie(teksty.MSigma));
    MCvkN->setPlainText(Linie(teksty.MCvkN));
    ELambdaTc->setText(QString::fromStdString(teksty.ELambdaTc));
    if (wyniki.UstawCvkNTc) {
        ECvkNTc->setText(QString::fromStdString(teksty.ECvkNTc));
    }
}

void StronaZapisu::ZaznaczEksport() {
    for (QCheckBox* pole :
         {CBWynikiOpis, CBWynikiLambda, CBWynikiSigma, CBWynikiCvkN, CBWynikiLambdaTc}) {
        pole->setChecked(true);
    }
}

TekstyWynikow StronaZapisu::Teksty() const {
    TekstyWynikow teksty;
    teksty.MOpisSieci = Linie(MOpisSieci);
    teksty.MLambda = Linie(MLambda);
    teksty.MSigma = Linie(MSigma);
    teksty.MCvkN = Linie(MCvkN);
    teksty.ELambdaTc = ELambdaTc->text().toStdString();
    teksty.ECvkNTc = ECvkNTc->text().toStdString();
    return teksty;
}

PolaWynikow StronaZapisu::Pola() const {
    return {CBWynikiOpis->isChecked(), CBWynikiLambda->isChecked(),   CBWynikiSigma->isChecked(),
            CBWynikiCvkN->isChecked(), CBWynikiLambdaTc->isChecked(), CBWynikiCvkNTc->isChecked()};
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
    const auto rodzaj = RodzajZKlucza(rodzaj_.toStdString());
    zapytanie.NazwaPliku = rodzaj ? QString::fromStdString(DomyslnaNazwaPliku(*rodzaj)) : QString();
    zapytanie.Filtry = {QString::fromUtf8(FiltrCsv), QString::fromUtf8(FiltrTxt),
                        QString::fromUtf8(FiltrXlsx)};
    zapytanie.Typ = typ_;
    zapytanie.ZmianaTypu = [this](int typ) { SDZapiszWynikiTypeChange(typ); };

    const std::optional<WybranyPlik> plik = dialogi_.WybierzPlikDoZapisu(this, zapytanie);
    if (!plik) {
        return;
    }
    SDZapiszWynikiTypeChange(plik->Typ);

    const WynikZapisu wynik =
        ::ZapiszWyniki(QDir::toNativeSeparators(plik->Sciezka).toStdString(), Teksty(), Pola(),
                       static_cast<TypPlikuWynikow>(typ_), [](const std::string& folder) {
                           ZapiszUstawienie(KluczKatalogu, QString::fromStdString(folder));
                       });
    if (!wynik.Udany()) {
        dialogi_.Zapytaj(this, QString::fromStdString(wynik.Komunikat),
                         QString::fromStdString(wynik.Tytul), Przyciski::Ok, Ikona::Blad);
    }
}
