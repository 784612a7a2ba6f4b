#include "StronaObliczen.h"

#include "ObrazSieci.h"
#include "RysunekSieci.h"
#include "Siec.h"
#include "Kontrolki.h"
#include "Opis.h"
#include "PrzyciskPrzezroczysty.h"
#include "SuwakZZaznaczeniem.h"
#include "TRot3D.h"
#include "WskaznikPostepu.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMovie>
#include <QRadioButton>

namespace {
void Pokaz(std::initializer_list<QWidget*> kontrolki, bool widoczne) {
    for (QWidget* kontrolka : kontrolki) {
        kontrolka->setVisible(widoczne);
    }
}

constexpr int WysokoscGrupyPostepu = 137;

QFrame* Panel(QWidget* rodzic, const QRect& miejsce) {
    auto* panel = new QFrame(rodzic);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setGeometry(miejsce);
    return panel;
}

WskaznikPostepu* Gauge(QWidget* rodzic, const QString& nazwa) {
    auto* gauge = new WskaznikPostepu(rodzic);
    gauge->setFixedSize(129, 18);
    Opisz(gauge, nazwa, QStringLiteral("Postęp obliczeń: ") + nazwa);
    return gauge;
}

} // namespace

StronaObliczen::~StronaObliczen() = default;

StronaObliczen::StronaObliczen(QWidget* rodzic) : QTabWidget(rodzic) {
    auto* strona0 = new QWidget;
    strona1_ = new QWidget;
    addTab(strona0, QStringLiteral("Ułożenie atomów w sieci"));
    addTab(strona1_, QStringLiteral("Wykresy liczonych parametrów"));
    Opisz(this, QStringLiteral("Obliczenia"), {}, 20000);
    Opisz(strona0, QStringLiteral("Ułożenie atomów w sieci"), {}, 21000);
    Opisz(strona1_, QStringLiteral("Wykresy liczonych parametrów"), {}, 22000);
    ZbudujStroneSieci(strona0);
    ZbudujStroneWykresow(strona1_);
}

// Page 0 in reading order: the lattice on the left, its plane slider, then
// the column on the right from the view choice down to the progress.
void StronaObliczen::ZbudujStroneSieci(QWidget* strona) {
    P2D = Panel(strona, QRect(0, 4, 403, 372));
    ISiecXYZ = new ObrazSieci(P2D);
    ISiecXYZ->move(1, 1);
    Opisz(ISiecXYZ, QStringLiteral("Ułożenie atomów w sieci"));

    P3D = Panel(strona, QRect(0, 4, 403, 372));
    RotSiec3D = new TRot3D(P3D);
    RotSiec3D->setGeometry(0, 0, 403, 372);
    RotSiec3D->SetViewAngleX(60);
    RotSiec3D->SetViewAngleY(45);
    RotSiec3D->SetViewAngleZ(90);
    RotSiec3D->SetMagnification(2.0 / 3.0);
    RotSiec3D->SetCentX(195);
    RotSiec3D->SetCentY(200);
    RotSiec3D->SetIsoMetric(false);
    RotSiec3D->SetAutoOrigin(true);
    RotSiec3D->SetAutoScale(true);
    Opisz(RotSiec3D, QStringLiteral("Widok 3D sieci"),
          QStringLiteral("Przeciągnij myszą, aby obrócić sieć..."));
    P3D->hide();

    PSeriaObliczen = Panel(strona, QRect(0, 4, 403, 372));
    ISeriaObliczen = new QLabel(PSeriaObliczen);
    ISeriaObliczen->setGeometry(1, 1, 401, 370);
    ISeriaObliczen->setPixmap(QPixmap(QStringLiteral(":/okna/seria_obliczen.jpg")));
    Animacja3D = new QLabel(PSeriaObliczen);
    Animacja3D->setGeometry(121, 111, 160, 120);
    LTrwajaObliczenia = Etykieta(PSeriaObliczen, QStringLiteral("Trwają obliczenia"),
                                 QRect(1, 262, 401, 24), Qt::AlignCenter);
    LProszeCzekac = Etykieta(PSeriaObliczen, QStringLiteral("Proszę czekać..."),
                             QRect(1, 292, 401, 24), Qt::AlignCenter);
    for (QLabel* napis : {LTrwajaObliczenia, LProszeCzekac}) {
        QFont czcionka = napis->font();
        czcionka.setBold(true);
        czcionka.setPixelSize(18);
        napis->setFont(czcionka);
    }
    PSeriaObliczen->hide();

    TBOsZ = new SuwakZZaznaczeniem(Qt::Vertical, strona);
    TBOsZ->setGeometry(404, 4, 25, 370);
    TBOsZ->setTickInterval(1);
    TBOsZ->setRange(1, 1);
    TBOsZ->setInvertedAppearance(true);
    Opisz(TBOsZ, QStringLiteral("Oś Z"), QStringLiteral("Oś Z"), 21000);

    GBSposobWyswietlaniaSieci = new QGroupBox(QStringLiteral(" Rodzaj wyśw. sieci: "), strona);
    GBSposobWyswietlaniaSieci->setGeometry(434, 0, 145, 110);
    RBWidok2D = new QRadioButton(QStringLiteral("2D"), GBSposobWyswietlaniaSieci);
    RBWidok2D->setGeometry(10, 18, 50, 20);
    RBWidok2D->setChecked(true);
    Opisz(RBWidok2D, QStringLiteral("2D"), QStringLiteral("Pokazuje sieć płasko..."), 21000);
    RBWidok3D = new QRadioButton(QStringLiteral("3D"), GBSposobWyswietlaniaSieci);
    RBWidok3D->setGeometry(70, 18, 50, 20);
    Opisz(RBWidok3D, QStringLiteral("3D"),
          QStringLiteral("Pokazuje sieć kubiczną (do 1000 atomów) w obracanym widoku 3D..."),
          21000);
    CBAtomySasiadujace =
        new QCheckBox(QStringLiteral("Atomy sąsiadujące"), GBSposobWyswietlaniaSieci);
    CBAtomySasiadujace->setGeometry(10, 42, 132, 20);
    Opisz(CBAtomySasiadujace, QStringLiteral("Atomy sąsiadujące"),
          QStringLiteral("Pokazuje okresowe kopie atomów wokół sieci..."), 21000);
    PPlaszczyzna = new QLabel(QStringLiteral("Płaszczyzna: (0,0,0)"), GBSposobWyswietlaniaSieci);
    PPlaszczyzna->setGeometry(6, 72, 133, 26);
    PPlaszczyzna->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PPlaszczyzna->setAlignment(Qt::AlignCenter);
    Opisz(PPlaszczyzna, QStringLiteral("Płaszczyzna"));

    TBLicz =
        Przycisk(strona, QStringLiteral("Licz    "), QStringLiteral(":/okna/licz.png"),
                 QRect(434, 114, 145, 28), QStringLiteral("Uruchamia obliczenia..."), 21000, 14);
    TBLicz->UstawKolorCzcionki(QColor(0, 255, 0));
    TBZatrzymaj =
        Przycisk(strona, QStringLiteral("Zatrzymaj"), QStringLiteral(":/okna/zatrzymaj.png"),
                 QRect(434, 144, 145, 28), QStringLiteral("Wstrzymuje obliczenia..."), 21000, 14);
    TBZatrzymaj->UstawKolorCzcionki(QColor(128, 0, 0));
    TBZatrzymaj->setEnabled(false);

    LObliczeniaLambda =
        Wiersz(strona, QStringLiteral("Lambda:"), QRect(434, 176, 92, 16), QRect(528, 176, 56, 16));
    LObliczeniaKoncentracja = Wiersz(strona, QStringLiteral("Koncentracja:"),
                                     QRect(434, 192, 92, 16), QRect(528, 192, 56, 16));
    LObliczeniaIlAtWSieci = Wiersz(strona, QStringLiteral("Ilość atomów:"), QRect(434, 208, 92, 16),
                                   QRect(528, 208, 56, 16));
    LObliczeniaLiczbaIteracji = Wiersz(strona, QStringLiteral("Iteracje:"), QRect(434, 224, 92, 16),
                                       QRect(528, 224, 56, 16));

    GBPostepObliczeen = new QGroupBox(QStringLiteral(" Postęp obliczeń "), strona);
    GBPostepObliczeen->setGeometry(434, 240, 145, WysokoscGrupyPostepu);
    LPojedynczaSymulacja =
        Etykieta(GBPostepObliczeen, QStringLiteral("Symulacja:"), QRect(21, 29, 110, 16));
    GPojedynczaSymulacja = Gauge(GBPostepObliczeen, QStringLiteral("Symulacja"));
    LSeriaSymulacji =
        Etykieta(GBPostepObliczeen, QStringLiteral("Seria symulacji:"), QRect(21, 78, 110, 16));
    GSeriaSymulacji = Gauge(GBPostepObliczeen, QStringLiteral("Seria symulacji"));
    GSeriaSymulacji->move(8, 93);
    UlozPostep(true);
}

// The charts stand where the chart set puts them; the free corner at the top
// left repeats the gauges.
void StronaObliczen::ZbudujStroneWykresow(QWidget* strona) {
    auto* postep = new QGroupBox(QStringLiteral(" Postęp obliczeń "), strona);
    postep->setGeometry(9, 8, 272, 120);
    LPojedynczaSymulacja2 = Etykieta(postep, QStringLiteral("Symulacja:"), QRect(12, 22, 200, 16));
    GPojedynczaSymulacja2 = Gauge(postep, QStringLiteral("Symulacja"));
    GPojedynczaSymulacja2->setFixedSize(248, 18);
    GPojedynczaSymulacja2->move(12, 40);
    LSeriaSymulacji2 = Etykieta(postep, QStringLiteral("Seria symulacji:"), QRect(12, 66, 200, 16));
    GSeriaSymulacji2 = Gauge(postep, QStringLiteral("Seria symulacji"));
    GSeriaSymulacji2->setFixedSize(248, 18);
    GSeriaSymulacji2->move(12, 84);
    postep->lower();
}

void StronaObliczen::UlozPostep(bool seria) {
    if (seria) {
        GPojedynczaSymulacja->move(8, 44);
        LPojedynczaSymulacja->move(21, 29);
    } else {
        const int gora = WysokoscGrupyPostepu / 2;
        GPojedynczaSymulacja->move(8, gora);
        LPojedynczaSymulacja->move(21, gora - 17);
    }
    GPojedynczaSymulacja->show();
    LPojedynczaSymulacja->show();
}

void StronaObliczen::PokazGaugeSerii(bool pokaz) {
    for (QWidget* kontrolka :
         {static_cast<QWidget*>(GSeriaSymulacji), static_cast<QWidget*>(LSeriaSymulacji),
          static_cast<QWidget*>(GSeriaSymulacji2), static_cast<QWidget*>(LSeriaSymulacji2)}) {
        kontrolka->setVisible(pokaz);
    }
}

void StronaObliczen::UstawMaksimaGauge(int pojedyncza, int seria) {
    GPojedynczaSymulacja->UstawMaksimum(pojedyncza);
    GPojedynczaSymulacja2->UstawMaksimum(pojedyncza);
    GSeriaSymulacji->UstawMaksimum(seria);
    GSeriaSymulacji2->UstawMaksimum(seria);
}

void StronaObliczen::UstawGaugePojedynczej(int pozycja) {
    GPojedynczaSymulacja->UstawPozycje(pozycja);
    GPojedynczaSymulacja2->UstawPozycje(pozycja);
}

void StronaObliczen::UstawGaugeSerii(int pozycja) {
    GSeriaSymulacji->UstawPozycje(pozycja);
    GSeriaSymulacji2->UstawPozycje(pozycja);
}

void StronaObliczen::ZerujGauge() {
    UstawGaugePojedynczej(0);
    UstawGaugeSerii(0);
}

void StronaObliczen::UstawAnimacje(const QString& plik) {
    delete film_;
    film_ = nullptr;
    Animacja3D->clear();
    if (!plik.isEmpty()) {
        film_ = new QMovie(plik, QByteArray(), this);
        Animacja3D->setMovie(film_);
        film_->jumpToFrame(0);
    }
    Animacja3D->setVisible(film_ != nullptr);
}

void StronaObliczen::AnimacjaAktywna(bool aktywna) {
    if (!film_) {
        return;
    }
    if (aktywna) {
        film_->start();
    } else {
        film_->stop();
    }
}

void StronaObliczen::UstawRysowanie(const Siec& siec, std::function<bool()> wylaczonaGrafika) {
    siec_ = &siec;
    wylaczonaGrafika_ = std::move(wylaczonaGrafika);
    rysunek_ = std::make_unique<RysunekSieci>(siec, *ISiecXYZ, *RotSiec3D);
    connect(CBAtomySasiadujace, &QAbstractButton::clicked, this,
            &StronaObliczen::CBAtomySasiadujaceClick);
    connect(RBWidok2D, &QAbstractButton::clicked, this, &StronaObliczen::RBWidok2DClick);
    connect(RBWidok3D, &QAbstractButton::clicked, this, &StronaObliczen::RBWidok3DClick);
    connect(TBOsZ, &QSlider::valueChanged, this, &StronaObliczen::RysujSiec);
}

void StronaObliczen::NoweTlo() {
    UstawZakresOsiZ();
    rysunek_->UstawTlo();
}

void StronaObliczen::RysujSiec() {
    if (isHidden() || !rysunek_ || siec_->IloscAtomow() == 0) {
        return;
    }
    StronaObliczen& o = *this;
    const KontrolkiRysunku kontrolki{o.RBWidok3D->isChecked(), wylaczonaGrafika_(),
                                     o.CBAtomySasiadujace->isChecked(), o.TBOsZ->value()};
    switch (rysunek_->RysujSiec(kontrolki)) {
    case Rysunek::Widok3D:
        break;
    case Rysunek::Wylaczony:
        o.PSeriaObliczen->show();
        Pokaz({o.GBSposobWyswietlaniaSieci, o.P2D, o.P3D, o.CBAtomySasiadujace, o.TBOsZ}, false);
        break;
    case Rysunek::Widok2D:
        if (rysunek_->RozmiarAtomu() == 16) {
            o.P2D->show();
            o.PSeriaObliczen->hide();
        }
        o.PPlaszczyzna->setText(rysunek_->OpisPlaszczyzny());
        break;
    }
}

void StronaObliczen::UstawZakresOsiZ() {
    const auto [od, doPlaszczyzny] =
        RysunekSieci::ZakresOsiZ(*siec_, CBAtomySasiadujace->isChecked());
    const QSignalBlocker cisza(TBOsZ);
    TBOsZ->setRange(od, doPlaszczyzny);
}

void StronaObliczen::CBAtomySasiadujaceClick() {
    rysunek_->UstawTlo();
    UstawZakresOsiZ();
    RysujSiec();
}

void StronaObliczen::RBWidok3DClick() {
    StronaObliczen& o = *this;
    o.P3D->show();
    o.P2D->hide();
    if (siec_->Rodzaj() == RodzajSieci::Kubiczna3D) {
        o.TBOsZ->hide();
    }
    o.PPlaszczyzna->hide();
    o.CBAtomySasiadujace->setEnabled(false);
    rysunek_->RysujSiec3D();
}

void StronaObliczen::RBWidok2DClick() {
    StronaObliczen& o = *this;
    o.P3D->hide();
    o.P2D->show();
    if (siec_->Rodzaj() == RodzajSieci::Kubiczna3D) {
        o.TBOsZ->show();
    }
    o.PPlaszczyzna->show();
    o.CBAtomySasiadujace->setEnabled(true);
    RysujSiec();
}
