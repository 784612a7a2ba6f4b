#include "StronaUstawien.h"

#include "Kontrolki.h"
#include "Opis.h"
#include "PoleBezPisania.h"
#include "PoleIteracji.h"
#include "RegulyUstawien.h"
#include "Rozklad.h"
#include "SiatkaLambdy.h"
#include "SuwakZZaznaczeniem.h"
#include "ZakresyParametrow.h"
#include "ZakresyUstawien.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include <string_view>

namespace {
constexpr int KontekstStrony = 10000;

template <class Przycisk>
Przycisk* Wybor(QWidget* rodzic, const char* nazwa, const QString& napis, const QString& podpowiedz,
                int kontekst) {
    auto* przycisk = new Przycisk(napis, rodzic);
    przycisk->setObjectName(QLatin1String(nazwa));
    Opisz(przycisk, napis, podpowiedz, kontekst);
    return przycisk;
}

QSpinBox* PoleOsi(QWidget* rodzic, const char* nazwa, QLabel* etykieta, const QString& podpowiedz,
                  int kontekst) {
    // The arrows and the keyboard step by two; typing is not offered.
    auto* pole = new PoleBezPisania(rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    const ZakresParametru osi = ZakresyStronyUstawien().Os.Zakres;
    pole->setRange(osi.Min, osi.Max);
    pole->setSingleStep(osi.Krok);
    pole->setValue(DomyslneUstawienia(RodzajSieci::Kwadratowa).Parametry.IloscAtomowOsX);
    etykieta->setBuddy(pole);
    Opisz(pole, etykieta->text(), podpowiedz, kontekst);
    return pole;
}

// A track bar heard by a screen reader in the unit its label shows.
SuwakZZaznaczeniem* Suwak(QWidget* rodzic, const char* nazwa, const ZakresKontrolki& k, int pozycja,
                          const QString& nazwaDostepna, const QString& podpowiedz, int kontekst) {
    auto* suwak = new SuwakZZaznaczeniem(Qt::Horizontal, rodzic);
    suwak->setObjectName(QLatin1String(nazwa));
    suwak->UstawSkale(k.Jednostka, k.Miejsca);
    suwak->setRange(k.Zakres.Min, k.Zakres.Max);
    suwak->setSingleStep(k.Zakres.Krok);
    suwak->setPageStep(k.Zakres.Krok);
    suwak->setTickInterval(1);
    suwak->setValue(pozycja);
    Opisz(suwak, nazwaDostepna, podpowiedz, kontekst);
    return suwak;
}

// The controls of one parameter whose value is shown above its track bar and
// whose range is written under its ends.
struct Parametr {
    QLabel* Podpis;
    QLabel* Wartosc;
    SuwakZZaznaczeniem* Suwak;
    QLabel* Min;
    QLabel* Max;
};

struct NazwyParametru {
    const char* Podpis;
    const char* Wartosc;
    const char* Suwak;
    const char* Min;
    const char* Max;
};

QString Napis(std::string_view napis) {
    return QString::fromUtf8(napis.data(), static_cast<qsizetype>(napis.size()));
}

Parametr Suwak(QWidget* grupa, const NazwyParametru& nazwy, const QString& podpis,
               const ZakresKontrolki& k, int pozycja, const QString& nazwaDostepna,
               const QString& podpowiedz, int kontekst) {
    Parametr p;
    p.Podpis = Etykieta(grupa, nazwy.Podpis, podpis);
    p.Wartosc = Wartosc(grupa, nazwy.Wartosc, nazwaDostepna);
    p.Suwak = Suwak(grupa, nazwy.Suwak, k, pozycja, nazwaDostepna, podpowiedz, kontekst);
    p.Min = Etykieta(grupa, nazwy.Min, Napis(k.NapisMin));
    p.Max = Etykieta(grupa, nazwy.Max, Napis(k.NapisMax), Qt::AlignRight);
    return p;
}

// The page's fixed layout, in reading order (the order of the Tab key): the
// left column top to bottom, then the parameters on the right.
void Rozmiesc(StronaUstawien* strona) {
    // clang-format off
    Rozmiesc(strona, {
        {"GBRodzajSymulacji", {6, 4, 272, 88}},
        {"RBPojedynczaSymulacja", {12, 20, 250, 20}},
        {"RBSeriaSymulacji", {12, 42, 250, 20}},
        {"CBWylaczGrafike", {12, 64, 250, 20}},
        {"GBIloscAtomowNaOsiach", {6, 96, 272, 140}},
        {"LOsX", {12, 24, 40, 20}},
        {"SEIloscAtomowOsX", {56, 22, 64, 24}},
        {"LOsY", {12, 54, 40, 20}},
        {"SEIloscAtomowOsY", {56, 52, 64, 24}},
        {"LOsZ", {12, 84, 40, 20}},
        {"SEIloscAtomowOsZ", {56, 82, 64, 24}},
        {"LWCalejSieci", {140, 40, 120, 20}},
        {"LIloscAtomowWSieci", {140, 62, 80, 16}},
        {"CBXRowneYZ", {12, 112, 254, 20}},
        {"GBIloscIteracji", {6, 240, 272, 52}},
        {"SEMaxIloscCykli", {12, 20, 120, 24}},
        {"GBUlozenieAtomow", {6, 296, 272, 82}},
        {"RBPrzypadkowe", {12, 18, 250, 20}},
        {"RBUporzadkowane", {12, 38, 250, 20}},
        {"RBUporzadkowaneWydzielenie", {12, 58, 250, 20}},
        {"GBParametry", {284, 4, 296, 374}},
        {"GBLambda", {8, 18, 280, 160}},
        {"RBPorzadkowanie", {10, 18, 130, 20}},
        {"RBKlasteryzacja", {145, 18, 130, 20}},
        {"LLambdaText", {10, 40, 130, 16}},
        {"LLambda", {145, 40, 80, 16}},
        {"TBLambda", {6, 56, 268, 22}},
        {"LLambdaMin", {8, 80, 40, 16}},
        {"LLambdaMax", {232, 80, 40, 16}},
        {"LLambdaKoncowaText", {10, 98, 130, 16}},
        {"LLambdaKoncowa", {145, 98, 80, 16}},
        {"TBLambdaKoncowa", {6, 114, 268, 22}},
        {"LLambdaKoncowaMin", {8, 138, 40, 16}},
        {"LLambdaKoncowaMax", {232, 138, 40, 16}},
        {"GBKoncentracja", {8, 180, 280, 62}},
        {"LKoncentracjaText", {170, 0, 58, 16}},
        {"LKoncentracja", {232, 0, 46, 16}},
        {"TBKoncentracja", {6, 20, 268, 22}},
        {"LKoncentracjaMin", {8, 43, 40, 16}},
        {"LKoncentracjaMax", {232, 43, 40, 16}},
        {"GBPrzedzialCzasowy", {8, 244, 280, 62}},
        {"LPrzedzialCzasowyText", {170, 0, 58, 16}},
        {"LPrzedzialCzasowy", {232, 0, 46, 16}},
        {"TBLiczbaPrzeskokow", {6, 20, 268, 22}},
        {"LPrzedzialCzasowyMin", {8, 43, 40, 16}},
        {"LPrzedzialCzasowyMax", {222, 43, 50, 16}},
        {"GBKrok", {8, 308, 280, 62}},
        {"LKrokText", {170, 0, 58, 16}},
        {"LKrok", {232, 0, 46, 16}},
        {"TBKrok", {6, 20, 268, 22}},
        {"LKrokMin", {8, 43, 40, 16}},
        {"LKrokMax", {232, 43, 40, 16}},
    });
    // clang-format on
}

} // namespace

StronaUstawien::StronaUstawien(QWidget* rodzic) : QWidget(rodzic) {
    Zbuduj();
    Rozmiesc(this);
    PolaczZmiany();
}

// The controls in reading order, which is the order of the Tab key.
void StronaUstawien::Zbuduj() {
    Opisz(this, QStringLiteral("Ustawienia"), {}, KontekstStrony);
    ZbudujRodzajSymulacji();
    ZbudujOsie();
    ZbudujIteracjeIUlozenie();
    ZbudujParametry();
}

void StronaUstawien::ZbudujRodzajSymulacji() {
    auto* grupa = Grupa(this, "GBRodzajSymulacji", QStringLiteral(" Rodzaj symulacji "), 10100);
    RBPojedynczaSymulacja =
        Wybor<QRadioButton>(grupa, "RBPojedynczaSymulacja", QStringLiteral("Pojedyncza symulacja"),
                            QStringLiteral("Obliczenia dla pojedynczej wartości lambda..."), 11010);
    RBSeriaSymulacji =
        Wybor<QRadioButton>(grupa, "RBSeriaSymulacji", QStringLiteral("Seria symulacji"),
                            QStringLiteral("Obliczenia dla zakresu wartości lambda..."), 11020);
    CBWylaczGrafike =
        Wybor<QCheckBox>(grupa, "CBWylaczGrafike", QStringLiteral("Wyłącz wizualizację graficzną"),
                         QStringLiteral("Wyłącza wyswietlanie atomów w sieci..."), 11030);
}

void StronaUstawien::ZbudujOsie() {
    auto* osie =
        Grupa(this, "GBIloscAtomowNaOsiach", QStringLiteral(" Ilość atomów na osiach "), 10200);
    SEIloscAtomowOsX =
        PoleOsi(osie, "SEIloscAtomowOsX", Etykieta(osie, "LOsX", QStringLiteral("Oś X:")),
                QStringLiteral("Ustawia ilość atomów na osi X..."), 12010);
    SEIloscAtomowOsY =
        PoleOsi(osie, "SEIloscAtomowOsY", Etykieta(osie, "LOsY", QStringLiteral("Oś Y:")),
                QStringLiteral("Ustawia ilość atomów na osi Y..."), 12020);
    LOsZ = Etykieta(osie, "LOsZ", QStringLiteral("Oś Z:"));
    SEIloscAtomowOsZ = PoleOsi(osie, "SEIloscAtomowOsZ", LOsZ,
                               QStringLiteral("Ustawia ilość atomów na osi Z..."), 12030);
    const QString wCalejSieci = QStringLiteral("w całej sieci:");
    Etykieta(osie, "LWCalejSieci", wCalejSieci);
    LIloscAtomowWSieci =
        Wartosc(osie, "LIloscAtomowWSieci", QStringLiteral("Ilość atomów w całej sieci"));
    CBXRowneYZ = Wybor<QCheckBox>(
        osie, "CBXRowneYZ", QStringLiteral("Ta sama ilość atomów na osiach"),
        QStringLiteral("Ustawia taką samą ilość atomów na wszystkich osiach..."), 1204);
}

void StronaUstawien::ZbudujIteracjeIUlozenie() {
    auto* iteracje = Grupa(this, "GBIloscIteracji", QStringLiteral(" Ilość iteracji: "), 10300);
    SEMaxIloscCykli = new PoleIteracji(iteracje);
    SEMaxIloscCykli->setObjectName(QStringLiteral("SEMaxIloscCykli"));
    const ZakresParametru iteracji = ZakresyStronyUstawien().Iteracje.Zakres;
    SEMaxIloscCykli->setRange(iteracji.Min, iteracji.Max);
    SEMaxIloscCykli->setSingleStep(iteracji.Krok);
    SEMaxIloscCykli->setValue(DomyslneUstawienia(RodzajSieci::Kwadratowa).Parametry.MaxIloscCykli);
    Opisz(SEMaxIloscCykli, QStringLiteral("Ilość iteracji:"),
          QStringLiteral("Ustawia ilość iteracji dla danej symulacji..."), 13010);

    auto* ulozenie =
        Grupa(this, "GBUlozenieAtomow", QStringLiteral(" Ułożenie atomów w sieci "), 10500);
    RBPrzypadkowe = Wybor<QRadioButton>(
        ulozenie, "RBPrzypadkowe", QStringLiteral("Przypadkowe"),
        QStringLiteral("Ustawia atomy w sieci w sposób całkowicie przypadkowy..."), 10501);
    RBUporzadkowane = Wybor<QRadioButton>(
        ulozenie, "RBUporzadkowane", QStringLiteral("Uporządkowane"),
        QStringLiteral("Ustawia atomy w sieci w sposób całkowicie uporządkowany..."), 10502);
    RBUporzadkowaneWydzielenie = Wybor<QRadioButton>(
        ulozenie, "RBUporzadkowaneWydzielenie", QStringLiteral("Uporządkowane (wydzielenie)"),
        QStringLiteral("Ustawia atomy w sieci w sposób uporządkowanego wydzielenia..."), 10503);
}

void StronaUstawien::ZbudujParametry() {
    auto* parametry = Grupa(this, "GBParametry", QStringLiteral(" Parametry "), 10400);
    ZbudujLambde(parametry);
    ZbudujSuwakiWartosci(parametry);
}

void StronaUstawien::ZbudujLambde(QWidget* parametry) {
    auto* lambda = Grupa(parametry, "GBLambda", QStringLiteral(" parametr Lambda "), 10410);
    RBPorzadkowanie =
        Wybor<QRadioButton>(lambda, "RBPorzadkowanie", QStringLiteral("Porządkowanie"),
                            QStringLiteral("Przeprowadza symulację porządkowania..."), 10411);
    RBKlasteryzacja =
        Wybor<QRadioButton>(lambda, "RBKlasteryzacja", QStringLiteral("Klasteryzacja"),
                            QStringLiteral("Przeprowadza symulację klasteryzacji..."), 10412);
    const QString poczatkowa = QStringLiteral("początkowa wartość:");
    Etykieta(lambda, "LLambdaText", poczatkowa);
    LLambda = Wartosc(lambda, "LLambda", QStringLiteral("Lambda, początkowa wartość"));
    const ZakresKontrolki& lambdy = ZakresyStronyUstawien().Lambda;
    const ParametrySymulacji domyslne = DomyslneUstawienia(RodzajSieci::Kwadratowa).Parametry;
    TBLambda = Suwak(
        lambda, "TBLambda", lambdy, domyslne.PozycjaLambdy, QStringLiteral("Lambda, ") + poczatkowa,
        QStringLiteral("Ustawia początkową wartość parametru temperaturowego..."), 10413);
    Etykieta(lambda, "LLambdaMin", Napis(lambdy.NapisMin));
    Etykieta(lambda, "LLambdaMax", Napis(lambdy.NapisMax), Qt::AlignRight);
    const QString koncowa = QStringLiteral("końcowa wartość:");
    LLambdaKoncowaText = Etykieta(lambda, "LLambdaKoncowaText", koncowa);
    LLambdaKoncowa = Wartosc(lambda, "LLambdaKoncowa", QStringLiteral("Lambda, końcowa wartość"));
    TBLambdaKoncowa =
        Suwak(lambda, "TBLambdaKoncowa", lambdy, domyslne.PozycjaLambdyKoncowej,
              QStringLiteral("Lambda, ") + koncowa,
              QStringLiteral("Ustawia końcową wartość parametru temperaturowego..."), 10414);
    LLambdaKoncowaMin = Etykieta(lambda, "LLambdaKoncowaMin", Napis(lambdy.NapisMin));
    LLambdaKoncowaMax =
        Etykieta(lambda, "LLambdaKoncowaMax", Napis(lambdy.NapisMax), Qt::AlignRight);
}

// The three parameters whose value stands above their track bar.
void StronaUstawien::ZbudujSuwakiWartosci(QWidget* parametry) {
    const ZakresyUstawien zakresy = ZakresyStronyUstawien();
    const ParametrySymulacji domyslne = DomyslneUstawienia(RodzajSieci::Kwadratowa).Parametry;
    const QString wartosc = QStringLiteral("wartość:");
    auto* koncentracja =
        Grupa(parametry, "GBKoncentracja", QStringLiteral(" Koncentracja atomów "), 10420);
    const Parametr k =
        Suwak(koncentracja,
              {"LKoncentracjaText", "LKoncentracja", "TBKoncentracja", "LKoncentracjaMin",
               "LKoncentracjaMax"},
              wartosc, zakresy.Koncentracja, domyslne.PozycjaKoncentracji,
              QStringLiteral("Koncentracja atomów"),
              QStringLiteral("Ustawia wartość koncentracji atomów A w sieci..."), 10421);
    LKoncentracja = k.Wartosc;
    TBKoncentracja = k.Suwak;

    auto* przedzial = Grupa(parametry, "GBPrzedzialCzasowy",
                            QStringLiteral(" Pobierz dane co:   (iteracji) "), 10430);
    const Parametr p =
        Suwak(przedzial,
              {"LPrzedzialCzasowyText", "LPrzedzialCzasowy", "TBLiczbaPrzeskokow",
               "LPrzedzialCzasowyMin", "LPrzedzialCzasowyMax"},
              wartosc, zakresy.Przedzial, domyslne.PozycjaPrzedzialu,
              QStringLiteral("Pobierz dane co (iteracji)"),
              QStringLiteral("Ustawia wyświetlanie i pobieranie danych do obliczeń..."), 10431);
    LPrzedzialCzasowy = p.Wartosc;
    TBLiczbaPrzeskokow = p.Suwak;

    auto* krok = Grupa(parametry, "GBKrok", QStringLiteral(" Krok "), 10440);
    const Parametr s =
        Suwak(krok, {"LKrokText", "LKrok", "TBKrok", "LKrokMin", "LKrokMax"}, wartosc, zakresy.Krok,
              domyslne.PozycjaKroku, QStringLiteral("Krok"),
              QStringLiteral("Ustawia krok (zmianę) parametru temperaturowego..."), 10441);
    LKrokText = s.Podpis;
    LKrok = s.Wartosc;
    TBKrok = s.Suwak;
    LKrokMin = s.Min;
    LKrokMax = s.Max;
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

StanUstawien StronaUstawien::Stan() const {
    StanUstawien stan;
    stan.Parametry = Parametry();
    stan.RowneOsie = CBXRowneYZ->isChecked();
    stan.WylaczonaGrafika = CBWylaczGrafike->isChecked();
    stan.MinLambdyKoncowej = TBLambdaKoncowa->minimum();
    return stan;
}

// The values, bounds and states come from the rules (Widok); the selection
// bands are drawn from the controls as they stand.
void StronaUstawien::OdswiezParametry() {
    const WidokUstawien w = Widok(Stan());
    TBKoncentracja->UstawZaznaczenie(TBKoncentracja->minimum(), TBKoncentracja->value());
    LKoncentracja->setText(FormatOgolny(w.WartoscKoncentracji));

    TBLambdaKoncowa->UstawZaznaczenie(SiatkaOkna.Zakres().Min,
                                      TBLambdaKoncowa->KoniecZaznaczenia());

    TBLambda->UstawZaznaczenie(SiatkaOkna.Zakres().Min, TBLambda->value());
    LLambda->setText(FormatOgolny(w.WartoscLambdy));

    if (w.Seria) {
        TBLambdaKoncowa->UstawZaznaczenie(TBLambdaKoncowa->minimum(), TBLambdaKoncowa->value());
        LLambdaKoncowa->setText(FormatOgolny(w.WartoscLambdyKoncowej));
        // The end thumb pushed up by its new bound refreshes the page again.
        TBLambdaKoncowa->setMinimum(w.MinLambdyKoncowej);
        LLambdaKoncowaMin->setText(FormatOgolny(w.WartoscMinLambdyKoncowej));
    }

    TBLiczbaPrzeskokow->UstawZaznaczenie(TBLiczbaPrzeskokow->minimum(),
                                         TBLiczbaPrzeskokow->value());
    LPrzedzialCzasowy->setText(FormatOgolny(static_cast<double>(w.IteracjePrzedzialu)));

    TBKrok->setMaximum(w.MaxKroku);
    TBKrok->UstawZaznaczenie(TBKrok->minimum(), TBKrok->value());
    LKrokMax->setText(FormatOgolny(w.WartoscMaxKroku));
    LKrok->setText(FormatOgolny(w.WartoscKroku));

    for (QWidget* kontrolka :
         {static_cast<QWidget*>(CBWylaczGrafike), static_cast<QWidget*>(TBLambdaKoncowa),
          static_cast<QWidget*>(LLambdaKoncowa), static_cast<QWidget*>(LLambdaKoncowaText),
          static_cast<QWidget*>(LLambdaKoncowaMin), static_cast<QWidget*>(LLambdaKoncowaMax),
          static_cast<QWidget*>(TBKrok), static_cast<QWidget*>(LKrok),
          static_cast<QWidget*>(LKrokText), static_cast<QWidget*>(LKrokMin),
          static_cast<QWidget*>(LKrokMax)}) {
        kontrolka->setEnabled(w.Seria);
    }
    if (pokazGaugeSerii_) {
        pokazGaugeSerii_(w.Seria);
    }

    SEIloscAtomowOsY->setValue(w.OsY);
    SEIloscAtomowOsZ->setValue(w.OsZ);
    SEIloscAtomowOsY->setEnabled(w.OsieYZDostepne);
    SEIloscAtomowOsZ->setEnabled(w.OsieYZDostepne);
    // The count appears once a lattice kind is set; until then the label is empty.
    if (rodzaj_) {
        LIloscAtomowWSieci->setText(QString::number(w.IloscAtomow));
    }
}

void StronaUstawien::UstawDomyslne(RodzajSieci rodzaj) {
    const StanUstawien domyslne = DomyslneUstawienia(rodzaj);
    const ParametrySymulacji& p = domyslne.Parametry;
    rodzaj_ = rodzaj;
    SEIloscAtomowOsX->setValue(p.IloscAtomowOsX);
    SEIloscAtomowOsY->setValue(p.IloscAtomowOsY);
    SEIloscAtomowOsZ->setValue(p.IloscAtomowOsZ);
    UstawTrackbaryDomyslne(p);
    Pokaz({LOsZ, SEIloscAtomowOsZ}, Widok(domyslne).OsZWidoczna);
    UstawWyboryDomyslne(domyslne);
    OdswiezParametry();
}

void StronaUstawien::UstawTrackbaryDomyslne(const ParametrySymulacji& p) {
    TBKoncentracja->setValue(p.PozycjaKoncentracji);
    const ZakresParametru& lambdy = SiatkaOkna.Zakres();
    TBLambda->setValue(p.PozycjaLambdy);
    TBLambda->UstawZaznaczenie(lambdy.Min, p.PozycjaLambdy);
    TBLambdaKoncowa->setValue(p.PozycjaLambdyKoncowej);
    TBLambdaKoncowa->UstawZaznaczenie(lambdy.Min, TBLambdaKoncowa->value());
    LLambdaKoncowa->setText(FormatOgolny(SiatkaOkna.Lambda(TBLambdaKoncowa->value())));
    TBLiczbaPrzeskokow->setValue(p.PozycjaPrzedzialu);
    TBKrok->setValue(p.PozycjaKroku);
    SEMaxIloscCykli->setValue(p.MaxIloscCykli);
}

// The switch of the graphics stays off until the refresh offers it.
void StronaUstawien::UstawWyboryDomyslne(const StanUstawien& stan) {
    const ParametrySymulacji& p = stan.Parametry;
    (p.Uklad == Ulozenie::Uporzadkowane              ? RBUporzadkowane
     : p.Uklad == Ulozenie::UporzadkowaneWydzielenie ? RBUporzadkowaneWydzielenie
                                                     : RBPrzypadkowe)
        ->setChecked(true);
    (p.Tryb == Oddzialywanie::Klasteryzacja ? RBKlasteryzacja : RBPorzadkowanie)->setChecked(true);
    CBWylaczGrafike->setChecked(stan.WylaczonaGrafika);
    CBWylaczGrafike->setEnabled(false);
    (p.Seria ? RBSeriaSymulacji : RBPojedynczaSymulacja)->setChecked(true);
    SEIloscAtomowOsY->setEnabled(!stan.RowneOsie);
    SEIloscAtomowOsZ->setEnabled(!stan.RowneOsie);
    CBXRowneYZ->setChecked(stan.RowneOsie);
}

void StronaUstawien::PokazDlaObliczen() {
    // The refresh shows the atom count and sets the step's maximum.
    OdswiezParametry();
    TBKrok->setEnabled(TBKrok->maximum() != 1);
}

void StronaUstawien::UstawFokus() {
    RBSeriaSymulacji->setFocus();
}

bool StronaUstawien::WylaczonaGrafika() const {
    return CBWylaczGrafike->isChecked();
}

void StronaUstawien::UstawWylaczonaGrafike(bool wylaczona) {
    CBWylaczGrafike->setChecked(wylaczona);
}

ParametrySymulacji StronaUstawien::Parametry() const {
    ParametrySymulacji p;
    p.Rodzaj = rodzaj_.value_or(RodzajSieci::Kwadratowa);
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
