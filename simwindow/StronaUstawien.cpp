#include "StronaUstawien.h"

#include "Kontrolki.h"
#include "Opis.h"
#include "PoleIteracji.h"
#include "SuwakZZaznaczeniem.h"
#include "ZakresyParametrow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {
constexpr int KontekstStrony = 10000;

QGroupBox* Grupa(QWidget* rodzic, const QString& tytul, const QRect& miejsce, int kontekst) {
    auto* grupa = new QGroupBox(tytul, rodzic);
    grupa->setGeometry(miejsce);
    Opisz(grupa, tytul.trimmed(), {}, kontekst);
    return grupa;
}

template <class Przycisk>
Przycisk* Wybor(QWidget* rodzic, const QString& napis, const QRect& miejsce,
                const QString& podpowiedz, int kontekst) {
    auto* przycisk = new Przycisk(napis, rodzic);
    przycisk->setGeometry(miejsce);
    Opisz(przycisk, napis, podpowiedz, kontekst);
    return przycisk;
}

QSpinBox* PoleOsi(QWidget* rodzic, QLabel* etykieta, int y, const QString& podpowiedz,
                  int kontekst) {
    auto* pole = new QSpinBox(rodzic);
    pole->setGeometry(56, y, 64, 24);
    pole->setRange(ZakresOsi.Min, ZakresOsi.Max);
    pole->setSingleStep(ZakresOsi.Krok);
    pole->setValue(10);
    // The arrows and the keyboard step by two; typing is not offered.
    pole->findChild<QLineEdit*>()->setReadOnly(true);
    etykieta->setBuddy(pole);
    Opisz(pole, etykieta->text(), podpowiedz, kontekst);
    return pole;
}

SuwakZZaznaczeniem* Suwak(QWidget* rodzic, int y, const ZakresParametru& zakres, int pozycja,
                          const QString& nazwa, const QString& podpowiedz, int kontekst) {
    auto* suwak = new SuwakZZaznaczeniem(Qt::Horizontal, rodzic);
    suwak->setGeometry(6, y, 268, 22);
    suwak->setRange(zakres.Min, zakres.Max);
    suwak->setSingleStep(zakres.Krok);
    suwak->setPageStep(zakres.Krok);
    suwak->setTickInterval(1);
    suwak->setValue(pozycja);
    Opisz(suwak, nazwa, podpowiedz, kontekst);
    return suwak;
}

} // namespace

StronaUstawien::StronaUstawien(QWidget* rodzic) : QWidget(rodzic) {
    Zbuduj();
    PolaczZmiany();
}

// The whole page in reading order (the order of the Tab key): the left
// column top to bottom, then the parameters on the right.
void StronaUstawien::Zbuduj() {
    Opisz(this, QStringLiteral("Ustawienia"), {}, KontekstStrony);

    auto* rodzajSymulacji =
        Grupa(this, QStringLiteral(" Rodzaj symulacji "), QRect(6, 4, 272, 88), 10100);
    RBPojedynczaSymulacja = Wybor<QRadioButton>(
        rodzajSymulacji, QStringLiteral("Pojedyncza symulacja"), QRect(12, 20, 250, 20),
        QStringLiteral("Obliczenia dla pojedynczej wartości lambda..."), 11010);
    RBSeriaSymulacji = Wybor<QRadioButton>(
        rodzajSymulacji, QStringLiteral("Seria symulacji"), QRect(12, 42, 250, 20),
        QStringLiteral("Obliczenia dla zakresu wartości lambda..."), 11020);
    CBWylaczGrafike = Wybor<QCheckBox>(
        rodzajSymulacji, QStringLiteral("Wyłącz wizualizację graficzną"), QRect(12, 64, 250, 20),
        QStringLiteral("Wyłącza wyswietlanie atomów w sieci..."), 11030);

    auto* osie =
        Grupa(this, QStringLiteral(" Ilość atomów na osiach "), QRect(6, 96, 272, 140), 10200);
    LOsX = Etykieta(osie, QStringLiteral("Oś X:"), QRect(12, 24, 40, 20));
    SEIloscAtomowOsX =
        PoleOsi(osie, LOsX, 22, QStringLiteral("Ustawia ilość atomów na osi X..."), 12010);
    LOsY = Etykieta(osie, QStringLiteral("Oś Y:"), QRect(12, 54, 40, 20));
    SEIloscAtomowOsY =
        PoleOsi(osie, LOsY, 52, QStringLiteral("Ustawia ilość atomów na osi Y..."), 12020);
    LOsZ = Etykieta(osie, QStringLiteral("Oś Z:"), QRect(12, 84, 40, 20));
    SEIloscAtomowOsZ =
        PoleOsi(osie, LOsZ, 82, QStringLiteral("Ustawia ilość atomów na osi Z..."), 12030);
    const QString wCalejSieci = QStringLiteral("w całej sieci:");
    Etykieta(osie, wCalejSieci, QRect(140, 40, 120, 20));
    LIloscAtomowWSieci = Wartosc(osie, wCalejSieci, QRect(140, 62, 80, 16));
    CBXRowneYZ = Wybor<QCheckBox>(
        osie, QStringLiteral("Ta sama ilość atomów na osiach"), QRect(12, 112, 254, 20),
        QStringLiteral("Ustawia taką samą ilość atomów na wszystkich osiach..."), 1204);

    auto* iteracje =
        Grupa(this, QStringLiteral(" Ilość iteracji: "), QRect(6, 240, 272, 52), 10300);
    SEMaxIloscCykli = new PoleIteracji(iteracje);
    SEMaxIloscCykli->setGeometry(12, 20, 120, 24);
    SEMaxIloscCykli->setRange(ZakresIteracji.Min, ZakresIteracji.Max);
    SEMaxIloscCykli->setSingleStep(ZakresIteracji.Krok);
    SEMaxIloscCykli->setValue(100000);
    Opisz(SEMaxIloscCykli, QStringLiteral("Ilość iteracji:"),
          QStringLiteral("Ustawia ilość iteracji dla danej symulacji..."), 13010);

    auto* ulozenie =
        Grupa(this, QStringLiteral(" Ułożenie atomów w sieci "), QRect(6, 296, 272, 82), 10500);
    RBPrzypadkowe = Wybor<QRadioButton>(
        ulozenie, QStringLiteral("Przypadkowe"), QRect(12, 18, 250, 20),
        QStringLiteral("Ustawia atomy w sieci w sposób całkowicie przypadkowy..."), 10501);
    RBUporzadkowane = Wybor<QRadioButton>(
        ulozenie, QStringLiteral("Uporządkowane"), QRect(12, 38, 250, 20),
        QStringLiteral("Ustawia atomy w sieci w sposób całkowicie uporządkowany..."), 10502);
    RBUporzadkowaneWydzielenie = Wybor<QRadioButton>(
        ulozenie, QStringLiteral("Uporządkowane (wydzielenie)"), QRect(12, 58, 250, 20),
        QStringLiteral("Ustawia atomy w sieci w sposób uporządkowanego wydzielenia..."), 10503);

    auto* parametry = Grupa(this, QStringLiteral(" Parametry "), QRect(284, 4, 296, 374), 10400);
    auto* lambda =
        Grupa(parametry, QStringLiteral(" parametr Lambda "), QRect(8, 18, 280, 160), 10410);
    RBPorzadkowanie =
        Wybor<QRadioButton>(lambda, QStringLiteral("Porządkowanie"), QRect(10, 18, 130, 20),
                            QStringLiteral("Przeprowadza symulację porządkowania..."), 10411);
    RBKlasteryzacja =
        Wybor<QRadioButton>(lambda, QStringLiteral("Klasteryzacja"), QRect(145, 18, 130, 20),
                            QStringLiteral("Przeprowadza symulację klasteryzacji..."), 10412);
    const QString poczatkowa = QStringLiteral("początkowa wartość:");
    Etykieta(lambda, poczatkowa, QRect(10, 40, 130, 16));
    LLambda = Wartosc(lambda, poczatkowa, QRect(145, 40, 80, 16));
    TBLambda =
        Suwak(lambda, 56, ZakresLambdy, 1, QStringLiteral("Lambda, ") + poczatkowa,
              QStringLiteral("Ustawia początkową wartość parametru temperaturowego..."), 10413);
    LLambdaMin = Etykieta(lambda, QStringLiteral("0.1"), QRect(8, 78, 40, 16));
    LLambdaMax = Etykieta(lambda, QStringLiteral("2,4"), QRect(232, 78, 40, 16), Qt::AlignRight);
    const QString koncowa = QStringLiteral("końcowa wartość:");
    LLambdaKoncowaText = Etykieta(lambda, koncowa, QRect(10, 98, 130, 16));
    LLambdaKoncowa = Wartosc(lambda, koncowa, QRect(145, 98, 80, 16));
    TBLambdaKoncowa =
        Suwak(lambda, 114, ZakresLambdy, 24, QStringLiteral("Lambda, ") + koncowa,
              QStringLiteral("Ustawia końcową wartość parametru temperaturowego..."), 10414);
    LLambdaKoncowaMin = Etykieta(lambda, QStringLiteral("0.1"), QRect(8, 136, 40, 16));
    LLambdaKoncowaMax =
        Etykieta(lambda, QStringLiteral("2,4"), QRect(232, 136, 40, 16), Qt::AlignRight);

    const QString wartosc = QStringLiteral("wartość:");
    auto* koncentracja =
        Grupa(parametry, QStringLiteral(" Koncentracja atomów "), QRect(8, 180, 280, 62), 10420);
    Etykieta(koncentracja, wartosc, QRect(10, 14, 60, 16));
    LKoncentracja = Wartosc(koncentracja, QStringLiteral("Koncentracja atomów, wartość"),
                            QRect(72, 14, 80, 16));
    TBKoncentracja =
        Suwak(koncentracja, 28, ZakresKoncentracji, 50, QStringLiteral("Koncentracja atomów"),
              QStringLiteral("Ustawia wartość koncentracji atomów A w sieci..."), 10421);
    LKoncentracjaMin = Etykieta(koncentracja, QStringLiteral("0,1"), QRect(8, 46, 40, 16));
    LKoncentracjaMax =
        Etykieta(koncentracja, QStringLiteral("0,5"), QRect(232, 46, 40, 16), Qt::AlignRight);

    auto* przedzial = Grupa(parametry, QStringLiteral(" Pobierz dane co:   (iteracji) "),
                            QRect(8, 244, 280, 62), 10430);
    Etykieta(przedzial, wartosc, QRect(10, 14, 60, 16));
    LPrzedzialCzasowy = Wartosc(przedzial, QStringLiteral("Pobierz dane co (iteracji), wartość"),
                                QRect(72, 14, 80, 16));
    TBLiczbaPrzeskokow =
        Suwak(przedzial, 28, ZakresPrzedzialu, 20, QStringLiteral("Pobierz dane co (iteracji)"),
              QStringLiteral("Ustawia wyświetlanie i pobieranie danych do obliczeń..."), 10431);
    LPrzedzialCzasowyMin = Etykieta(przedzial, QStringLiteral("100"), QRect(8, 46, 40, 16));
    LPrzedzialCzasowyMax =
        Etykieta(przedzial, QStringLiteral("2000"), QRect(222, 46, 50, 16), Qt::AlignRight);

    auto* krok = Grupa(parametry, QStringLiteral(" Krok "), QRect(8, 308, 280, 62), 10440);
    LKrokText = Etykieta(krok, wartosc, QRect(10, 14, 60, 16));
    LKrok = Wartosc(krok, QStringLiteral("Krok, wartość"), QRect(72, 14, 80, 16));
    TBKrok = Suwak(krok, 28, ZakresParametru{1, ZakresLambdy.Max, 1}, 3, QStringLiteral("Krok"),
                   QStringLiteral("Ustawia krok (zmianę) parametru temperaturowego..."), 10441);
    LKrokMin = Etykieta(krok, QStringLiteral("0.1"), QRect(8, 46, 40, 16));
    LKrokMax = Etykieta(krok, QStringLiteral("2,4"), QRect(232, 46, 40, 16), Qt::AlignRight);
}

void StronaUstawien::PolaczZmiany() {
    const auto odswiez = [this] { OdswiezParametry(); };
    for (QAbstractButton* przycisk :
         {static_cast<QAbstractButton*>(RBPojedynczaSymulacja),
          static_cast<QAbstractButton*>(RBSeriaSymulacji),
          static_cast<QAbstractButton*>(CBWylaczGrafike), static_cast<QAbstractButton*>(CBXRowneYZ),
          static_cast<QAbstractButton*>(RBPorzadkowanie),
          static_cast<QAbstractButton*>(RBKlasteryzacja),
          static_cast<QAbstractButton*>(RBPrzypadkowe),
          static_cast<QAbstractButton*>(RBUporzadkowane),
          static_cast<QAbstractButton*>(RBUporzadkowaneWydzielenie)}) {
        connect(przycisk, &QAbstractButton::toggled, this, odswiez);
    }
    for (QSpinBox* pole : {SEIloscAtomowOsX, SEIloscAtomowOsY, SEIloscAtomowOsZ,
                           static_cast<QSpinBox*>(SEMaxIloscCykli)}) {
        connect(pole, &QSpinBox::valueChanged, this, odswiez);
    }
    for (SuwakZZaznaczeniem* suwak :
         {TBLambda, TBLambdaKoncowa, TBKrok, TBKoncentracja, TBLiczbaPrzeskokow}) {
        connect(suwak, &QSlider::valueChanged, this, odswiez);
    }
}

void StronaUstawien::OdswiezParametry() {
    TBKoncentracja->UstawZaznaczenie(TBKoncentracja->minimum(), TBKoncentracja->value());
    LKoncentracja->setText(FormatOgolny(TBKoncentracja->value() / 100.0));

    TBLambdaKoncowa->UstawZaznaczenie(1, TBLambdaKoncowa->KoniecZaznaczenia());

    TBLambda->UstawZaznaczenie(1, TBLambda->value());
    LLambda->setText(FormatOgolny(TBLambda->value() / 10.0));

    if (RBSeriaSymulacji->isChecked()) {
        TBLambdaKoncowa->UstawZaznaczenie(TBLambdaKoncowa->minimum(), TBLambdaKoncowa->value());
        LLambdaKoncowa->setText(FormatOgolny(TBLambdaKoncowa->value() / 10.0));
        // The end never stands below the start: the end thumb is pushed up,
        // and its own change refreshes the labels again.
        TBLambdaKoncowa->setMinimum(TBLambda->value());
        LLambdaKoncowaMin->setText(FormatOgolny(TBLambda->value() / 10.0));
    }

    TBLiczbaPrzeskokow->UstawZaznaczenie(TBLiczbaPrzeskokow->minimum(),
                                         TBLiczbaPrzeskokow->value());
    LPrzedzialCzasowy->setText(FormatOgolny(TBLiczbaPrzeskokow->value() * 100.0));

    TBKrok->setMaximum(TBLambdaKoncowa->value() - TBLambdaKoncowa->minimum() + 1);
    TBKrok->UstawZaznaczenie(TBKrok->minimum(), TBKrok->value());
    LKrokMax->setText(FormatOgolny(TBKrok->maximum() / 10.0));
    LKrok->setText(FormatOgolny(TBKrok->value() / 10.0));

    const bool seria = RBSeriaSymulacji->isChecked();
    for (QWidget* kontrolka :
         {static_cast<QWidget*>(CBWylaczGrafike), static_cast<QWidget*>(TBLambdaKoncowa),
          static_cast<QWidget*>(LLambdaKoncowa), static_cast<QWidget*>(LLambdaKoncowaText),
          static_cast<QWidget*>(LLambdaKoncowaMin), static_cast<QWidget*>(LLambdaKoncowaMax),
          static_cast<QWidget*>(TBKrok), static_cast<QWidget*>(LKrok),
          static_cast<QWidget*>(LKrokText), static_cast<QWidget*>(LKrokMin),
          static_cast<QWidget*>(LKrokMax)}) {
        kontrolka->setEnabled(seria);
    }
    if (pokazGaugeSerii_) {
        pokazGaugeSerii_(seria);
    }

    if (CBXRowneYZ->isChecked()) {
        SEIloscAtomowOsY->setValue(SEIloscAtomowOsX->value());
        SEIloscAtomowOsZ->setValue(SEIloscAtomowOsX->value());
        SEIloscAtomowOsY->setEnabled(false);
        SEIloscAtomowOsZ->setEnabled(false);
    } else {
        SEIloscAtomowOsY->setEnabled(true);
        SEIloscAtomowOsZ->setEnabled(true);
    }

    if (rodzaj_ == QLatin1String("3DR") || rodzaj_ == QLatin1String("2DKwadrat") ||
        rodzaj_ == QLatin1String("2DTrojkat") || rodzaj_ == QLatin1String("2DHeksagonalna")) {
        LIloscAtomowWSieci->setText(QString::number(IloscAtomowWSieci()));
    }
}

int StronaUstawien::IloscAtomowWSieci() const {
    const int plaska = SEIloscAtomowOsX->value() * SEIloscAtomowOsY->value();
    return rodzaj_ == QLatin1String("3DR") ? plaska * SEIloscAtomowOsZ->value() : plaska;
}

void StronaUstawien::UstawTrackbaryDomyslne(int maxIloscCykli) {
    TBKoncentracja->setValue(50);
    TBLambda->setValue(1);
    TBLambda->UstawZaznaczenie(1, 1);
    TBLambdaKoncowa->setValue(24);
    TBLambdaKoncowa->UstawZaznaczenie(1, TBLambdaKoncowa->value());
    LLambdaKoncowa->setText(FormatOgolny(24 / 10.0));
    TBLiczbaPrzeskokow->setValue(10);
    TBKrok->setValue(3);
    SEMaxIloscCykli->setValue(maxIloscCykli);
}

void StronaUstawien::UstawWyboryDomyslne() {
    RBPrzypadkowe->setChecked(true);
    RBPorzadkowanie->setChecked(true);
    CBWylaczGrafike->setChecked(false);
    CBWylaczGrafike->setEnabled(false);
    RBSeriaSymulacji->setChecked(true);
    SEIloscAtomowOsY->setEnabled(false);
    SEIloscAtomowOsZ->setEnabled(false);
    CBXRowneYZ->setChecked(true);
}

void StronaUstawien::UstawOsie(int wartosc) {
    SEIloscAtomowOsX->setValue(wartosc);
    SEIloscAtomowOsY->setValue(wartosc);
    SEIloscAtomowOsZ->setValue(wartosc);
}

void StronaUstawien::PokazOsZ(bool pokaz) {
    LOsZ->setVisible(pokaz);
    SEIloscAtomowOsZ->setVisible(pokaz);
}

bool StronaUstawien::Seria() const {
    return RBSeriaSymulacji->isChecked();
}

bool StronaUstawien::WylaczonaGrafika() const {
    return CBWylaczGrafike->isChecked();
}

void StronaUstawien::UstawWylaczonaGrafike(bool wylaczona) {
    CBWylaczGrafike->setChecked(wylaczona);
}

ParametrySymulacji StronaUstawien::Parametry() const {
    ParametrySymulacji p;
    p.Rodzaj = RodzajZKlucza(rodzaj_.toStdString()).value_or(RodzajSieci::Kwadratowa);
    const bool rowne = CBXRowneYZ->isChecked();
    p.IloscAtomowOsX = SEIloscAtomowOsX->value();
    p.IloscAtomowOsY = rowne ? p.IloscAtomowOsX : SEIloscAtomowOsY->value();
    p.IloscAtomowOsZ = rowne ? p.IloscAtomowOsX : SEIloscAtomowOsZ->value();
    p.PozycjaKoncentracji = TBKoncentracja->value();
    p.PozycjaLambdy = TBLambda->value();
    p.PozycjaLambdyKoncowej = TBLambdaKoncowa->value();
    p.PozycjaKroku = TBKrok->value();
    p.PozycjaPrzedzialu = TBLiczbaPrzeskokow->value();
    p.MaxIloscCykli = SEMaxIloscCykli->WartoscUzywana();
    p.Uklad = RBUporzadkowane->isChecked()              ? Ulozenie::Uporzadkowane
              : RBUporzadkowaneWydzielenie->isChecked() ? Ulozenie::UporzadkowaneWydzielenie
                                                        : Ulozenie::Przypadkowe;
    p.Tryb =
        RBKlasteryzacja->isChecked() ? Oddzialywanie::Klasteryzacja : Oddzialywanie::Porzadkowanie;
    p.Seria = RBSeriaSymulacji->isChecked();
    return p;
}
