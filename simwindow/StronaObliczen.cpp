#include "StronaObliczen.h"

#include "Kontrolki.h"
#include "ObrazSieci.h"
#include "Opis.h"
#include "PrzyciskPrzezroczysty.h"
#include "Rozklad.h"
#include "RysunekSieci.h"
#include "Siec.h"
#include "StanObliczen.h"
#include "SuwakZZaznaczeniem.h"
#include "TRot3D.h"
#include "WskaznikPostepu.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMovie>
#include <QRadioButton>
#include <QTabBar>

namespace {
// The caption of "Licz    " blinks between two colours that both stand out
// at least 3:1 from the page behind it (pure yellow and lime did not).
const QColor ZielonyLicz(0, 128, 0);
const QColor ZlotyLicz(0x8C, 0x6A, 0x00);

QFrame* Panel(QWidget* rodzic, const char* nazwa) {
    auto* panel = new QFrame(rodzic);
    panel->setObjectName(QLatin1String(nazwa));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    return panel;
}

WskaznikPostepu* Gauge(QWidget* rodzic, const char* nazwa, const QString& nazwaDostepna) {
    auto* gauge = new WskaznikPostepu(rodzic);
    gauge->setObjectName(QLatin1String(nazwa));
    Opisz(gauge, nazwaDostepna, QStringLiteral("Postęp obliczeń: ") + nazwaDostepna);
    return gauge;
}

QLabel* NapisCzekania(QWidget* rodzic, const char* nazwa, const QString& tekst) {
    QLabel* napis = Etykieta(rodzic, nazwa, tekst, Qt::AlignCenter);
    QFont czcionka = napis->font();
    czcionka.setBold(true);
    czcionka.setPixelSize(18);
    napis->setFont(czcionka);
    return napis;
}

// The pages' fixed layout in reading order: on page 0 the lattice on the
// left, its plane slider, then the column on the right from the view choice
// down to the progress; on page 1 the gauges in the free corner of the charts.
void Rozmiesc(StronaObliczen* strona) {
    // clang-format off
    Rozmiesc(strona, {
        {"P2D", {0, 4, 403, 372}},
        {"P3D", {0, 4, 403, 372}},
        {"RotSiec3D", {0, 0, 403, 372}},
        {"PSeriaObliczen", {0, 4, 403, 372}},
        {"ISeriaObliczen", {1, 1, 401, 370}},
        {"Animacja3D", {121, 111, 160, 120}},
        {"LTrwajaObliczenia", {1, 262, 401, 24}},
        {"LProszeCzekac", {1, 292, 401, 24}},
        {"TBOsZ", {404, 4, 25, 370}},
        {"GBSposobWyswietlaniaSieci", {434, 0, 145, 110}},
        {"RBWidok2D", {10, 18, 50, 20}},
        {"RBWidok3D", {70, 18, 50, 20}},
        {"CBAtomySasiadujace", {4, 42, 139, 20}},
        {"PPlaszczyzna", {8, 70, 128, 26}},
        {"TBLicz", {434, 114, 145, 28}},
        {"TBZatrzymaj", {434, 144, 145, 28}},
        {"LObliczeniaLambdaPodpis", {434, 176, 86, 16}},
        {"LObliczeniaLambda", {522, 176, 60, 16}},
        {"LObliczeniaKoncentracjaPodpis", {434, 192, 86, 16}},
        {"LObliczeniaKoncentracja", {522, 192, 60, 16}},
        {"LObliczeniaIlAtWSieciPodpis", {434, 208, 86, 16}},
        {"LObliczeniaIlAtWSieci", {522, 208, 60, 16}},
        {"LObliczeniaLiczbaIteracjiPodpis", {434, 224, 86, 16}},
        {"LObliczeniaLiczbaIteracji", {522, 224, 60, 16}},
        {"GBPostepObliczeen", {434, 240, 145, 137}},
        {"LSeriaSymulacji", {21, 78, 110, 16}},
        {"GSeriaSymulacji", {8, 93, 129, 18}},
        {"GBPostepObliczeen2", {9, 8, 272, 120}},
        {"LPojedynczaSymulacja2", {12, 22, 200, 16}},
        {"GPojedynczaSymulacja2", {12, 40, 248, 18}},
        {"LSeriaSymulacji2", {12, 66, 200, 16}},
        {"GSeriaSymulacji2", {12, 84, 248, 18}},
    });
    // clang-format on
}

} // namespace

StronaObliczen::~StronaObliczen() = default;

StronaObliczen::StronaObliczen(QWidget* rodzic) : QTabWidget(rodzic) {
    auto* strona0 = new QWidget;
    strona0_ = strona0;
    strona1_ = new QWidget;
    addTab(strona0, QStringLiteral("Ułożenie atomów w sieci"));
    addTab(strona1_, QStringLiteral("Wykresy liczonych parametrów"));
    Opisz(this, QStringLiteral("Obliczenia"), {}, 20000);
    Opisz(strona0, QStringLiteral("Ułożenie atomów w sieci"), {}, 21000);
    Opisz(strona1_, QStringLiteral("Wykresy liczonych parametrów"), {}, 22000);
    ZbudujWidokSieci(strona0);
    ZbudujPanelBezRysowania(strona0);
    ZbudujSposobWyswietlania(strona0);
    ZbudujPrzebieg(strona0);
    ZbudujStroneWykresow(strona1_);
    Rozmiesc(this);
    UlozPostep(true);
    TBLicz->installEventFilter(this);
    connect(TBLicz, &QAbstractButton::clicked, this, [this] {
        liczZKlawiatury_ = !liczMyszka_;
        liczMyszka_ = false;
        emit LiczKlikniete();
    });
    connect(TBZatrzymaj, &QAbstractButton::clicked, this, &StronaObliczen::ZatrzymajKlikniete);
}

void StronaObliczen::ZbudujWidokSieci(QWidget* strona) {
    P2D = Panel(strona, "P2D");
    ISiecXYZ = new ObrazSieci(P2D);
    ISiecXYZ->move(1, 1);
    Opisz(ISiecXYZ, QStringLiteral("Ułożenie atomów w sieci"));

    P3D = Panel(strona, "P3D");
    RotSiec3D = new TRot3D(P3D);
    RotSiec3D->setObjectName(QStringLiteral("RotSiec3D"));
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
}

void StronaObliczen::ZbudujPanelBezRysowania(QWidget* strona) {
    PSeriaObliczen = Panel(strona, "PSeriaObliczen");
    auto* obraz = new QLabel(PSeriaObliczen);
    obraz->setObjectName(QStringLiteral("ISeriaObliczen"));
    obraz->setPixmap(QPixmap(QStringLiteral(":/okna/seria_obliczen.jpg")));
    Animacja3D = new QLabel(PSeriaObliczen);
    Animacja3D->setObjectName(QStringLiteral("Animacja3D"));
    LTrwajaObliczenia =
        NapisCzekania(PSeriaObliczen, "LTrwajaObliczenia", QStringLiteral("Trwają obliczenia"));
    LProszeCzekac =
        NapisCzekania(PSeriaObliczen, "LProszeCzekac", QStringLiteral("Proszę czekać..."));
    PSeriaObliczen->hide();
}

void StronaObliczen::ZbudujSposobWyswietlania(QWidget* strona) {
    TBOsZ = new SuwakZZaznaczeniem(Qt::Vertical, strona);
    TBOsZ->setObjectName(QStringLiteral("TBOsZ"));
    TBOsZ->setTickInterval(1);
    TBOsZ->setRange(1, 1);
    TBOsZ->setInvertedAppearance(true);
    // Heard as the plane's z, as the plane label writes it: (0,0,k-1).
    TBOsZ->UstawSkale(1, 0, -1);
    Opisz(TBOsZ, QStringLiteral("Oś Z"), QStringLiteral("Oś Z"), 21000);

    GBSposobWyswietlaniaSieci =
        Grupa(strona, "GBSposobWyswietlaniaSieci", QStringLiteral(" Rodzaj wyśw. sieci: "));
    RBWidok2D = new QRadioButton(QStringLiteral("2D"), GBSposobWyswietlaniaSieci);
    RBWidok2D->setObjectName(QStringLiteral("RBWidok2D"));
    RBWidok2D->setChecked(true);
    Opisz(RBWidok2D, QStringLiteral("2D"), QStringLiteral("Pokazuje sieć płasko..."), 21000);
    RBWidok3D = new QRadioButton(QStringLiteral("3D"), GBSposobWyswietlaniaSieci);
    RBWidok3D->setObjectName(QStringLiteral("RBWidok3D"));
    Opisz(RBWidok3D, QStringLiteral("3D"),
          QStringLiteral("Pokazuje sieć kubiczną (do 1000 atomów) w obracanym widoku 3D..."),
          21000);
    CBAtomySasiadujace =
        new QCheckBox(QStringLiteral("Atomy sąsiadujące"), GBSposobWyswietlaniaSieci);
    CBAtomySasiadujace->setObjectName(QStringLiteral("CBAtomySasiadujace"));
    Opisz(CBAtomySasiadujace, QStringLiteral("Atomy sąsiadujące"),
          QStringLiteral("Pokazuje okresowe kopie atomów wokół sieci..."), 21000);
    PPlaszczyzna = Etykieta(GBSposobWyswietlaniaSieci, "PPlaszczyzna",
                            QStringLiteral("Płaszczyzna: (0,0,0)"), Qt::AlignCenter);
    PPlaszczyzna->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The box is narrow: a smaller type keeps the longest captions
    // ("Atomy sąsiadujące", "Płaszczyzna: (0,0,K)") inside it.
    for (QWidget* w :
         {static_cast<QWidget*>(CBAtomySasiadujace), static_cast<QWidget*>(PPlaszczyzna)}) {
        QFont czcionka = w->font();
        czcionka.setPixelSize(12);
        w->setFont(czcionka);
    }
    // Its text names itself ("Płaszczyzna: (0,0,3)"): a reader hears it whole.
    Opisz(PPlaszczyzna, QString());
}

void StronaObliczen::ZbudujPrzebieg(QWidget* strona) {
    TBLicz =
        Przycisk(strona, "TBLicz", QStringLiteral("Licz    "), QStringLiteral(":/okna/licz.png"),
                 QStringLiteral("Uruchamia obliczenia..."), 21000, 14);
    TBLicz->UstawKolorCzcionki(ZielonyLicz);
    TBZatrzymaj = Przycisk(strona, "TBZatrzymaj", QStringLiteral("Zatrzymaj"),
                           QStringLiteral(":/okna/zatrzymaj.png"),
                           QStringLiteral("Wstrzymuje obliczenia..."), 21000, 14);
    TBZatrzymaj->UstawKolorCzcionki(QColor(128, 0, 0));
    TBZatrzymaj->setEnabled(false);

    LObliczeniaLambda = Wiersz(strona, "LObliczeniaLambda", QStringLiteral("Lambda:"));
    LObliczeniaKoncentracja =
        Wiersz(strona, "LObliczeniaKoncentracja", QStringLiteral("Koncentracja:"));
    LObliczeniaIlAtWSieci =
        Wiersz(strona, "LObliczeniaIlAtWSieci", QStringLiteral("Ilość atomów:"));
    LObliczeniaLiczbaIteracji =
        Wiersz(strona, "LObliczeniaLiczbaIteracji", QStringLiteral("Iteracje:"));

    auto* postep = Grupa(strona, "GBPostepObliczeen", QStringLiteral(" Postęp obliczeń "));
    LPojedynczaSymulacja = Etykieta(postep, "LPojedynczaSymulacja", QStringLiteral("Symulacja:"));
    GPojedynczaSymulacja = Gauge(postep, "GPojedynczaSymulacja", QStringLiteral("Symulacja"));
    LSeriaSymulacji = Etykieta(postep, "LSeriaSymulacji", QStringLiteral("Seria symulacji:"));
    GSeriaSymulacji = Gauge(postep, "GSeriaSymulacji", QStringLiteral("Seria symulacji"));
}

// The charts stand where the chart set puts them; the free corner at the top
// left repeats the gauges.
void StronaObliczen::ZbudujStroneWykresow(QWidget* strona) {
    auto* postep = Grupa(strona, "GBPostepObliczeen2", QStringLiteral(" Postęp obliczeń "));
    Etykieta(postep, "LPojedynczaSymulacja2", QStringLiteral("Symulacja:"));
    GPojedynczaSymulacja2 = Gauge(postep, "GPojedynczaSymulacja2", QStringLiteral("Symulacja"));
    LSeriaSymulacji2 = Etykieta(postep, "LSeriaSymulacji2", QStringLiteral("Seria symulacji:"));
    GSeriaSymulacji2 = Gauge(postep, "GSeriaSymulacji2", QStringLiteral("Seria symulacji"));
    postep->lower();
}

// The single-run gauge sits under the series gauge's place in a series and in
// the middle of the group alone.
void StronaObliczen::UlozPostep(bool seria) {
    if (seria) {
        Rozmiesc(this, {{"GPojedynczaSymulacja", {8, 44, 129, 18}},
                        {"LPojedynczaSymulacja", {21, 29, 110, 16}}});
    } else {
        Rozmiesc(this, {{"GPojedynczaSymulacja", {8, 68, 129, 18}},
                        {"LPojedynczaSymulacja", {21, 51, 110, 16}}});
    }
    GPojedynczaSymulacja->show();
    LPojedynczaSymulacja->show();
}

void StronaObliczen::PokazGaugeSerii(bool pokaz) {
    Pokaz({GSeriaSymulacji, LSeriaSymulacji, GSeriaSymulacji2, LSeriaSymulacji2}, pokaz);
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

void StronaObliczen::UstawDomyslne() {
    TBOsZ->setValue(0);
    ZerujDlaNowegoPrzebiegu();
    UlozPostep(true);
    RotSiec3D->ClearPoints();
}

void StronaObliczen::ZerujDlaNowegoPrzebiegu() {
    setCurrentIndex(0);
    TBLicz->setEnabled(false);
    ZerujGauge();
    RBWidok2D->setChecked(true);
    P2D->show();
    Pokaz({P3D, PSeriaObliczen, LTrwajaObliczenia, LProszeCzekac}, false);
}

void StronaObliczen::UstawWidoki(bool szescienna, bool widok3D) {
    TBOsZ->setVisible(szescienna);
    RBWidok3D->setEnabled(widok3D);
}

void StronaObliczen::UlozDlaPrzebiegu(bool seria, bool wylaczonaGrafika) {
    TBLicz->setEnabled(true);
    UlozPostep(seria);
    PokazGaugeSerii(seria);
    if (!seria) {
        P2D->show();
        Pokaz({P3D, PSeriaObliczen}, false);
        Pokaz({GBSposobWyswietlaniaSieci, CBAtomySasiadujace, RBWidok2D, RBWidok3D, PPlaszczyzna},
              true);
        return;
    }
    PSeriaObliczen->setVisible(wylaczonaGrafika);
    Pokaz({GBSposobWyswietlaniaSieci, P2D, CBAtomySasiadujace}, !wylaczonaGrafika);
    if (wylaczonaGrafika) {
        Pokaz({P3D, TBOsZ}, false);
    }
}

void StronaObliczen::PokazStan(const StanObliczen& stan) {
    LObliczeniaLambda->setText(FormatOgolny(stan.Lambda));
    LObliczeniaKoncentracja->setText(FormatOgolny(stan.Koncentracja));
    LObliczeniaIlAtWSieci->setText(FormatOgolny(stan.IloscAtomow));
    LObliczeniaLiczbaIteracji->setText(FormatOgolny(stan.MaxIloscCykli));
}

void StronaObliczen::UstawPrzyciskiBiegu(bool licz, bool zatrzymaj) {
    TBLicz->setEnabled(licz);
    TBZatrzymaj->setEnabled(zatrzymaj);
}

// After a pause from the charts page "Licz    " is out of sight: the focus
// waits on the notebook's tab, where Space does nothing unseen.
void StronaObliczen::FokusNaLicz() {
    if (currentIndex() == 0) {
        TBLicz->setFocus();
    } else {
        tabBar()->setFocus();
    }
}

void StronaObliczen::FokusNaZatrzymaj() {
    TBZatrzymaj->setFocus();
}

void StronaObliczen::NacisnijZatrzymaj() {
    if (TBZatrzymaj->isEnabled()) {
        TBZatrzymaj->click();
    }
}

void StronaObliczen::PokazNapisyObliczen(bool pokaz) {
    Pokaz({LTrwajaObliczenia, LProszeCzekac}, pokaz);
}

void StronaObliczen::PokazWykresy() {
    setCurrentIndex(1);
}

void StronaObliczen::PokazWykresyPoCzasie() {
    if (liczZKlawiatury_) {
        return;
    }
    const QWidget* fokus = QApplication::focusWidget();
    const bool naStronie0 = fokus && strona0_->isAncestorOf(fokus);
    setCurrentIndex(1);
    if (naStronie0) {
        tabBar()->setFocus();
    }
}

bool StronaObliczen::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == TBLicz && zdarzenie->type() == QEvent::MouseButtonPress) {
        liczMyszka_ = true;
    }
    return QTabWidget::eventFilter(obiekt, zdarzenie);
}

void StronaObliczen::Mrugnij() {
    ::Mrugnij(TBLicz, ZielonyLicz, ZlotyLicz);
    ::Mrugnij(TBZatrzymaj, QColor(128, 0, 0), Qt::red);
}

void StronaObliczen::UstawRysowanie(const Siec& siec, std::function<bool()> wylaczonaGrafika) {
    siec_ = &siec;
    wylaczonaGrafika_ = std::move(wylaczonaGrafika);
    rysunek_ = std::make_unique<RysunekSieci>(siec, *ISiecXYZ, *RotSiec3D);
    // A change made from code, by the mouse or by a screen reader's toggle
    // raises the same handler.
    connect(CBAtomySasiadujace, &QAbstractButton::toggled, this,
            &StronaObliczen::CBAtomySasiadujaceClick);
    connect(RBWidok2D, &QAbstractButton::toggled, this, [this](bool zaznaczony) {
        if (zaznaczony) {
            RBWidok2DClick();
        }
    });
    connect(RBWidok3D, &QAbstractButton::toggled, this, [this](bool zaznaczony) {
        if (zaznaczony) {
            RBWidok3DClick();
        }
    });
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
    const KontrolkiRysunku kontrolki{RBWidok3D->isChecked(), wylaczonaGrafika_(),
                                     CBAtomySasiadujace->isChecked(), TBOsZ->value()};
    switch (rysunek_->RysujSiec(kontrolki)) {
    case Rysunek::Widok3D:
        OglosZnaki();
        break;
    case Rysunek::Wylaczony:
        PSeriaObliczen->show();
        Pokaz({GBSposobWyswietlaniaSieci, P2D, P3D, CBAtomySasiadujace, TBOsZ}, false);
        break;
    case Rysunek::Widok2D:
        if (rysunek_->RozmiarAtomu() == 16) {
            P2D->show();
            PSeriaObliczen->hide();
        }
        PPlaszczyzna->setText(rysunek_->OpisPlaszczyzny());
        OglosZnaki();
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
    P3D->show();
    P2D->hide();
    if (siec_->Rodzaj() == RodzajSieci::Kubiczna3D) {
        TBOsZ->hide();
    }
    PPlaszczyzna->hide();
    CBAtomySasiadujace->setEnabled(false);
    rysunek_->RysujSiec3D();
    OglosZnaki();
}

void StronaObliczen::RBWidok2DClick() {
    P3D->hide();
    P2D->show();
    if (siec_->Rodzaj() == RodzajSieci::Kubiczna3D) {
        TBOsZ->show();
    }
    PPlaszczyzna->show();
    CBAtomySasiadujace->setEnabled(true);
    RysujSiec();
}

ZnakiAtomow StronaObliczen::Znaki() const {
    return rysunek_ ? rysunek_->Znaki(RBWidok3D->isChecked()) : ZnakiAtomow{};
}

// Told only on a change: a redraw after every chunk keeps the marks.
void StronaObliczen::OglosZnaki() {
    ZnakiAtomow znaki = Znaki();
    if (znaki == znaki_) {
        return;
    }
    znaki_ = std::move(znaki);
    emit ZnakiZmienione(znaki_);
}
