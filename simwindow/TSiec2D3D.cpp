#include "TSiec2D3D.h"

#include "Dialogi.h"
#include "Obliczenia.h"
#include "MenuWykresu.h"
#include "KontekstPomocy.h"
#include "Kontrolki.h"
#include "Opis.h"
#include "PlikiProgramu.h"
#include "PrzyciskPrzezroczysty.h"
#include "SterownikPrzebiegu.h"
#include "StronaObliczen.h"
#include "StronaOdtwarzania.h"
#include "StronaUstawien.h"
#include "StronaZapisu.h"
#include "StronyWynikow.h"
#include "SuwakZZaznaczeniem.h"
#include "TRot3D.h"
#include "TytulyOkna.h"
#include "UstawieniaOkna.h"
#include "WykresySymulacji.h"
#include "Wykres.h"
#include "ZegarDoby.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>

namespace {
constexpr int DomyslnaIloscAtomowNaOsi = 10;
constexpr int DomyslnaMaxIloscCykli = 100000;
constexpr int ProgDuzejSieci = 5000;
constexpr int MaxAtomowWidoku3D = 1000;

const QString CaptionObliczenia = QStringLiteral("Obliczenia   ");
const QString CaptionWyniki = QStringLiteral("Wyniki      ");
const QString CaptionZapisz = QStringLiteral("Zapisz wyniki");

void Pokaz(std::initializer_list<QWidget*> kontrolki, bool widoczne) {
    for (QWidget* kontrolka : kontrolki) {
        kontrolka->setVisible(widoczne);
    }
}

// The caption colour a blink turns `kolor` into: `pierwszy` becomes `drugi`,
// anything else `pierwszy`.
void Mrugnij(PrzyciskPrzezroczysty* przycisk, const QColor& pierwszy, const QColor& drugi) {
    if (przycisk->isEnabled()) {
        przycisk->UstawKolorCzcionki(przycisk->KolorCzcionki() == pierwszy ? drugi : pierwszy);
    }
}
} // namespace

TSiec2D3D::TSiec2D3D(Dialogi& dialogi, QWidget* menu, QWidget* rodzic,
                     std::unique_ptr<ZrodloZiarna> ziarno)
    : QWidget(rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dialogi_(dialogi), menu_(menu),
      ziarno_(ziarno ? std::move(ziarno) : std::make_unique<ZegarDoby>()),
      obliczenia_(std::make_unique<Obliczenia>(*ziarno_)) {
    Zbuduj();
    Wykresy = std::make_unique<WykresySymulacji>(
        MiejscaWykresow{TNObliczenia->StronaWykresow(), TNWyniki->MiejsceCieplaWlasciwego(),
                        TNWyniki->Odtwarzanie->MiejsceHistogramow(),
                        TNWyniki->Odtwarzanie->MiejsceHistoriiSigmy()});
    obliczenia_->UstawObserwatora(Wykresy.get());
    DodajMenuWykresow();
    TNWyniki->UstawWykresy(Wykresy.get());
    TNObliczenia->UstawRysowanie(obliczenia_->SiecAtomow(),
                                 [this] { return Ustawienia->WylaczonaGrafika(); });

    SterownikPrzebiegu::Otoczenie otoczenie;
    otoczenie.BSiecNowe = BSiecNowe;
    otoczenie.BSiecDalej = BSiecDalej;
    otoczenie.BSiecZamknij = BSiecZamknij;
    otoczenie.WylaczonaGrafika = [this] { return Ustawienia->WylaczonaGrafika(); };
    otoczenie.RysujSiec = [this] { TNObliczenia->RysujSiec(); };
    otoczenie.UstawMaksimumCyklu = [this](int n) { TNWyniki->Odtwarzanie->UstawMaksimumCyklu(n); };
    Przebieg = new SterownikPrzebiegu(*obliczenia_, *TNObliczenia, otoczenie, this);

    Ustawienia->UstawPokazGaugeSerii([this](bool pokaz) { TNObliczenia->PokazGaugeSerii(pokaz); });
    connect(BSiecDalej, &QAbstractButton::clicked, this, &TSiec2D3D::BSiecDalejClick);
    connect(BSiecNowe, &QAbstractButton::clicked, this, &TSiec2D3D::BSiecNoweClick);
    connect(BSiecZamknij, &QAbstractButton::clicked, this, &TSiec2D3D::BSiecZamknijClick);
    connect(TBPomoc, &QAbstractButton::clicked, this, &TSiec2D3D::TBPomocClick);
    connect(TNObliczenia->TBLicz, &QAbstractButton::clicked, Przebieg,
            &SterownikPrzebiegu::TBLiczClick);
    connect(TNObliczenia->TBZatrzymaj, &QAbstractButton::clicked, Przebieg,
            &SterownikPrzebiegu::TBZatrzymajClick);
    connect(TNWyniki, &StronyWynikow::WynikiObliczone, this,
            [this] { UstawIkone(QStringLiteral(":/okna/ikona_wyniki.png")); });
    // Five seconds into a run the charts page hides "Zatrzymaj"; Esc pauses
    // from anywhere in the window, so the keyboard never has to look for it.
    auto* zatrzymaj = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(zatrzymaj, &QShortcut::activated, this, [this] {
        if (TNObliczenia->TBZatrzymaj->isEnabled()) {
            TNObliczenia->TBZatrzymaj->click();
        }
    });
    TimerDalej.setInterval(500);
    connect(&TimerDalej, &QTimer::timeout, this, &TSiec2D3D::TimerDalejTimer);
    FormCreate();
}

// Every chart can be copied or saved as a picture; the folder of the last
// picture is remembered like the folder of the results.
void TSiec2D3D::DodajMenuWykresow() {
    const QString klucz = QStringLiteral("KatalogObrazow");
    const KatalogObrazow katalog{
        [klucz] { return CzytajUstawienie(klucz); },
        [klucz](const QString& folder) { ZapiszUstawienie(klucz, folder); }};
    for (Wykres* wykres : {Wykresy->ChartEnergia, Wykresy->ChartSigmaSeria, Wykresy->ChartSigma,
                           Wykresy->ChartLA, Wykresy->ChartSigmaLambda, Wykresy->ChartCvkNLambda,
                           Wykresy->Chart5, Wykresy->Chart6, Wykresy->ChartSigma2}) {
        new MenuWykresu(*wykres, dialogi_, katalog);
    }
}

TSiec2D3D::~TSiec2D3D() {
    obliczenia_->UstawObserwatora(nullptr);
}

// The window's fixed layout: the picture strip, the panel with the three
// notebooks stacked at one place and the button row, the status bar.
void TSiec2D3D::Zbuduj() {
    setFixedSize(752, 483);
    Opisz(this, QStringLiteral("Symulacje"), {}, 3001);
    PasekObrazka = new QLabel(this);
    PasekObrazka->setGeometry(0, 0, 151, 465);
    PasekObrazka->setPixmap(QPixmap(QStringLiteral(":/okna/pasek.jpg")));
    PasekObrazka->setScaledContents(true);

    auto* panel = new QFrame(this);
    panel->setGeometry(150, 0, 600, 457);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    TNUstawienia = new QTabWidget(panel);
    Ustawienia = new StronaUstawien;
    TNUstawienia->addTab(Ustawienia, QStringLiteral("Ustawienia"));
    Opisz(TNUstawienia, QStringLiteral("Ustawienia"), {}, 10000);
    TNObliczenia = new StronaObliczen(panel);
    TNWyniki = new StronyWynikow(*obliczenia_, dialogi_, panel);
    for (QTabWidget* notatnik : {TNUstawienia, static_cast<QTabWidget*>(TNObliczenia),
                                 static_cast<QTabWidget*>(TNWyniki)}) {
        notatnik->setGeometry(5, 5, 590, 408);
    }

    TBPomoc = Przycisk(panel, QStringLiteral("Pomoc"), QStringLiteral(":/okna/pomoc.png"),
                       QRect(16, 421, 89, 29), QStringLiteral("Otwiera pomoc programu..."), 3001);
    BSiecNowe =
        Przycisk(panel, QStringLiteral("Powtórz obliczenia"), QStringLiteral(":/okna/nowe.png"),
                 QRect(128, 421, 169, 29), QStringLiteral("Wraca do ustawień parametrów..."), 3001);
    BSiecDalej = Przycisk(panel, QStringLiteral("Obliczenia  "), QStringLiteral(":/okna/dalej.png"),
                          QRect(309, 421, 156, 29),
                          QStringLiteral("Przechodzi do następnego etapu..."), 3001);
    auto* panelKonca = new QFrame(panel);
    panelKonca->setGeometry(488, 410, 108, 46);
    panelKonca->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    BSiecZamknij =
        Przycisk(panelKonca, QStringLiteral("Koniec"), QStringLiteral(":/okna/koniec.png"),
                 QRect(4, 2, 100, 42), QStringLiteral("Wraca do menu głównego..."), 3001);
    BSiecNowe->setEnabled(false);

    PasekStanu = new QStatusBar(this);
    PasekStanu->setGeometry(0, 465, 752, 18);
    PasekStanu->setSizeGripEnabled(false);
}

void TSiec2D3D::FormCreate() {
    if (const QScreen* ekran = screen()) {
        const QRect obszar = ekran->geometry();
        move(static_cast<int>(obszar.width() / 2.0 - width() / 2.0),
             static_cast<int>(obszar.height() / 2.0 - height() / 2.0 - 20));
    }
    plikPomocy_ = ZnajdzPlikProgramu(QStringLiteral("Pomoc/Fazolab.html"));
    TBPomoc->setVisible(!plikPomocy_.isEmpty());
}

bool TSiec2D3D::event(QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::StatusTip) {
        PasekStanu->showMessage(static_cast<QStatusTipEvent*>(zdarzenie)->tip());
        return true;
    }
    return QWidget::event(zdarzenie);
}

// The close box does what "Koniec" does, and is refused while a run goes on
// ("Koniec" is disabled then).
void TSiec2D3D::closeEvent(QCloseEvent* zdarzenie) {
    // A hidden window is only closed when the program ends.
    if (isHidden()) {
        zdarzenie->accept();
        return;
    }
    if (!BSiecZamknij->isEnabled() || Przebieg->Trwa()) {
        zdarzenie->ignore();
        return;
    }
    BSiecZamknijClick();
    zdarzenie->accept();
}

void TSiec2D3D::UstawTytul(const QString& etap) {
    setWindowTitle(TytulOkna(rodzajSieci_, etap));
}

void TSiec2D3D::UstawIkone(const QString& obrazek) {
    setWindowIcon(QIcon(obrazek));
}

void TSiec2D3D::PokazEtap(QWidget* notebook) {
    for (QWidget* etap : {static_cast<QWidget*>(TNUstawienia), static_cast<QWidget*>(TNObliczenia),
                          static_cast<QWidget*>(TNWyniki)}) {
        etap->setVisible(etap == notebook);
    }
    // F1 on the forward button explains the stage its caption leads to.
    const QWidget* nastepny = TNWyniki->Zapis;
    if (notebook == TNUstawienia) {
        nastepny = TNObliczenia;
    } else if (notebook == TNObliczenia) {
        nastepny = TNWyniki;
    }
    UstawKontekstPomocy(BSiecDalej, KontekstPomocy(nastepny));
}

int TSiec2D3D::KontekstEtapu() const {
    for (const QTabWidget* etap : {TNUstawienia, static_cast<QTabWidget*>(TNObliczenia),
                                   static_cast<QTabWidget*>(TNWyniki)}) {
        if (!etap->isHidden()) {
            return KontekstPomocy(etap->currentWidget());
        }
    }
    return KontekstPomocy(this);
}

void TSiec2D3D::UstawSiec(const QString& rodzaj) {
    Przebieg->ZerujLicznikZakladki();
    TNWyniki->GBDopasowanieWielomianem->setVisible(
        CzytajUstawienie(QStringLiteral("DopasowanieWielomianem")) == QLatin1String("Tak"));

    UstawIkone(QStringLiteral(":/okna/ikona_ustawienia.png"));
    rodzajSieci_ = rodzaj.left(20);
    Ustawienia->UstawRodzaj(rodzajSieci_);
    TNWyniki->Zapis->UstawRodzaj(rodzajSieci_);
    UstawTytul(QStringLiteral("Ustawienia"));

    TNObliczenia->UstawAnimacje(ZnajdzPlikProgramu(QStringLiteral("Dane/anim.dat")));
    Ustawienia->UstawOsie(DomyslnaIloscAtomowNaOsi);
    obliczenia_->UstawSiec();
    Ustawienia->UstawTrackbaryDomyslne(DomyslnaMaxIloscCykli);
    TNObliczenia->TBOsZ->setValue(0);
    Wykresy->WyczyscSerie();
    Ustawienia->PokazOsZ(rodzajSieci_ == QLatin1String("3DR"));
    TNObliczenia->ZerujGauge();

    PokazEtap(TNUstawienia);
    TNObliczenia->setCurrentIndex(0);
    TNWyniki->setCurrentIndex(0);
    TNObliczenia->P2D->show();
    TNObliczenia->P3D->hide();
    TNObliczenia->PSeriaObliczen->hide();
    TNObliczenia->UlozPostep(true);
    TNObliczenia->RBWidok2D->setChecked(true);
    TNObliczenia->RotSiec3D->ClearPoints();
    Pokaz({TNObliczenia->LTrwajaObliczenia, TNObliczenia->LProszeCzekac}, false);

    TimerDalej.start();
    BSiecDalej->setEnabled(true);
    BSiecDalej->setText(CaptionObliczenia);
    Ustawienia->UstawWyboryDomyslne();
    Ustawienia->OdswiezParametry();
    TNObliczenia->TBLicz->setEnabled(false);
    Ustawienia->RBSeriaSymulacji->setFocus();
}

void TSiec2D3D::BSiecDalejClick() {
    if (!TNUstawienia->isHidden()) {
        PokazEtap(TNObliczenia);
        TNObliczenia->TBLicz->setEnabled(true);
        BSiecNowe->setEnabled(true);
        BSiecDalej->setEnabled(false);
        BSiecDalej->setText(CaptionWyniki);
        PrzygotujObliczenia();
        TNObliczenia->TBLicz->setFocus();
    } else if (!TNObliczenia->isHidden()) {
        UstawIkone(QStringLiteral(":/okna/ikona_wyniki.png"));
        UstawTytul(QStringLiteral("Wyniki"));
        TNWyniki->setCurrentIndex(0);
        PokazEtap(TNWyniki);
        BSiecDalej->setEnabled(true);
        BSiecDalej->setText(CaptionZapisz);
        StronaOdtwarzania& odtwarzanie = *TNWyniki->Odtwarzanie;
        odtwarzanie.TBNrSerii->setMaximum(obliczenia_->Stan().NrSerii);
        odtwarzanie.SENrCyklu->setValue(0);
        odtwarzanie.PokazCykl();
        TNWyniki->ObliczWyniki();
    } else {
        TNWyniki->Zapis->ZaznaczEksport();
        BSiecDalej->setEnabled(false);
        TNWyniki->setCurrentIndex(2);
        TNWyniki->Zapis->BZapiszWyniki->setFocus();
    }
}

void TSiec2D3D::BSiecNoweClick() {
    const Odpowiedz odpowiedz = dialogi_.Zapytaj(
        this, QStringLiteral("Czy przywrócić ustawienia domyślne wszystkich parametrów ?"),
        QStringLiteral("Fazolab"), Przyciski::TakNie);
    TNWyniki->Odtwarzanie->ZatrzymajPokaz();
    if (odpowiedz == Odpowiedz::Tak) {
        UstawSiec(rodzajSieci_);
    } else {
        UstawIkone(QStringLiteral(":/okna/ikona_ustawienia.png"));
        UstawTytul(QStringLiteral("Ustawienia"));
        obliczenia_->ZerujSymulacje();
        TNObliczenia->setCurrentIndex(0);
        BSiecDalej->setEnabled(true);
        PokazEtap(TNUstawienia);
        Wykresy->Series13->Wyczysc();
    }
    Ustawienia->UstawWylaczonaGrafike(false);
    BSiecNowe->setEnabled(false);
    BSiecDalej->setText(CaptionObliczenia);
    TNObliczenia->TBLicz->setEnabled(false);
    TNObliczenia->ZerujGauge();
    TNObliczenia->setCurrentIndex(0);
    Przebieg->ZerujLicznikZakladki();
    TNObliczenia->RBWidok2D->setChecked(true);
    TNObliczenia->P2D->show();
    Pokaz({TNObliczenia->P3D, TNObliczenia->PSeriaObliczen, TNObliczenia->LTrwajaObliczenia,
           TNObliczenia->LProszeCzekac},
          false);
    Ustawienia->RBSeriaSymulacji->setFocus();
}

void TSiec2D3D::BSiecZamknijClick() {
    Przebieg->Zatrzymaj();
    TNWyniki->Odtwarzanie->ZatrzymajPokaz();
    rodzajSieci_.clear();
    BSiecNowe->setEnabled(false);
    BSiecDalej->setEnabled(false);
    if (menu_) {
        menu_->show();
        menu_->setEnabled(true);
    }
    hide();
}

void TSiec2D3D::TBPomocClick() {
    if (!plikPomocy_.isEmpty()) {
        emit Pomoc(KontekstEtapu());
    }
}

void TSiec2D3D::TimerDalejTimer() {
    Mrugnij(BSiecDalej, Qt::black, Qt::red);
    Mrugnij(BSiecNowe, Qt::black, Qt::red);
    Mrugnij(TNObliczenia->TBLicz, QColor(0, 128, 0), Qt::yellow);
    Mrugnij(TNObliczenia->TBZatrzymaj, QColor(128, 0, 0), Qt::red);
}

void TSiec2D3D::PrzygotujObliczenia() {
    UstawIkone(QStringLiteral(":/okna/ikona_obliczenia.png"));
    UstawTytul(QStringLiteral("Obliczenia"));
    Ustawienia->OdswiezParametry();

    StronaUstawien& u = *Ustawienia;
    StronaObliczen& o = *TNObliczenia;
    const bool szescienna = rodzajSieci_ == QLatin1String("3DR");
    Pokaz({u.SEIloscAtomowOsZ, u.LOsZ, o.TBOsZ}, szescienna);
    const ParametrySymulacji parametry = u.Parametry();
    u.LIloscAtomowWSieci->setText(QString::number(u.IloscAtomowWSieci()));
    // The refresh above has set the step's maximum.
    u.TBKrok->setEnabled(u.TBKrok->maximum() != 1);
    o.RBWidok3D->setEnabled(szescienna && u.IloscAtomowWSieci() <= MaxAtomowWidoku3D);

    if (!u.WylaczonaGrafika() && u.IloscAtomowWSieci() >= ProgDuzejSieci) {
        const Odpowiedz odpowiedz =
            dialogi_.Zapytaj(this,
                             QStringLiteral("Im większa ilość atomów do wyświetlenia w sieci,\n\r"
                                            "tym wolniej będą prowadzone obliczenia.\n\r"
                                            "Czy wyłączyć wyświetlanie sieci ?"),
                             QStringLiteral("Fazolab"), Przyciski::TakNie);
        u.UstawWylaczonaGrafike(odpowiedz == Odpowiedz::Tak);
    }

    Wykresy->UstawZakresyOsi(parametry.Tryb, parametry.MaxIloscCykli, u.IloscAtomowWSieci());
    o.TBLicz->setEnabled(true);

    const bool wylaczona = u.WylaczonaGrafika();
    if (!parametry.Seria) {
        o.UlozPostep(false);
        o.PokazGaugeSerii(false);
        o.P2D->show();
        Pokaz({o.P3D, o.PSeriaObliczen}, false);
        Pokaz({o.GBSposobWyswietlaniaSieci, o.CBAtomySasiadujace, o.RBWidok2D, o.RBWidok3D,
               o.PPlaszczyzna},
              true);
        Wykresy->ChartEnergia->show();
        Wykresy->ChartSigmaSeria->hide();
    } else {
        o.UlozPostep(true);
        o.PokazGaugeSerii(true);
        Wykresy->ChartEnergia->hide();
        Wykresy->ChartSigmaSeria->show();
        o.PSeriaObliczen->setVisible(wylaczona);
        Pokaz({o.GBSposobWyswietlaniaSieci, o.P2D, o.CBAtomySasiadujace}, !wylaczona);
        if (wylaczona) {
            Pokaz({o.P3D, o.TBOsZ}, false);
        }
    }

    // The engine forms the run state, the number of series and the gauges'
    // maxima; the window shows them.
    obliczenia_->PrzygotujObliczenia(parametry);
    const StanObliczen& stan = obliczenia_->Stan();
    const PostepObliczen& postep = obliczenia_->Postep();
    o.UstawMaksimaGauge(postep.PojedynczaSymulacjaMax, postep.SeriaSymulacjiMax);
    TNWyniki->Odtwarzanie->UstawPrzyrostCyklu(stan.PrzedzialCzasowy);
    TNWyniki->Odtwarzanie->TBNrSerii->setMaximum(stan.LiczbaSerii);
    o.LObliczeniaLambda->setText(FormatOgolny(stan.Lambda));
    o.LObliczeniaKoncentracja->setText(FormatOgolny(stan.Koncentracja));
    o.LObliczeniaIlAtWSieci->setText(FormatOgolny(stan.IloscAtomow));
    o.LObliczeniaLiczbaIteracji->setText(FormatOgolny(stan.MaxIloscCykli));
    TNWyniki->LWynikiLambda->setText(FormatOgolny(stan.Lambda));
    TNWyniki->LWynikiLambdaKoncowa->setText(FormatOgolny(stan.LambdaKoncowa));
    TNWyniki->LWynikiKrok->setText(FormatOgolny(stan.Krok));
    TNWyniki->LWynikiKonceentracja->setText(FormatOgolny(stan.Koncentracja));
    TNWyniki->LWynikiLiczAtWSieci->setText(FormatOgolny(stan.IloscAtomow));
    TNWyniki->LWynikiLiczbaIteracji->setText(FormatOgolny(stan.MaxIloscCykli));

    TNObliczenia->NoweTlo();
    TNObliczenia->RysujSiec();
}
