#include "TSiec2D3D.h"

#include "Dialogi.h"
#include "DostepneOkno.h"
#include "KontekstPomocy.h"
#include "Kontrolki.h"
#include "LegendaAtomow.h"
#include "MenuWykresu.h"
#include "Obliczenia.h"
#include "Opis.h"
#include "PlikiProgramu.h"
#include "PrzyciskPrzezroczysty.h"
#include "Rozklad.h"
#include "SterownikPrzebiegu.h"
#include "StronaObliczen.h"
#include "StronaUstawien.h"
#include "StronyWynikow.h"
#include "TytulyOkna.h"
#include "UstawieniaOkna.h"
#include "Wykres.h"
#include "WykresySymulacji.h"
#include "ZegarDoby.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>

namespace {
constexpr int ProgDuzejSieci = 5000;
constexpr int MaxAtomowWidoku3D = 1000;
constexpr const char* TrwajaObliczenia =
    "Trwają obliczenia: zatrzymaj je (Esc), zanim zamkniesz okno.";

// The picture strip down the left edge, painted by the window itself: it is
// decoration, which a screen reader should not meet as an unnamed image.
constexpr QRect ObszarPaska{0, 0, 151, 465};

// The window's fixed layout: the panel with the three notebooks stacked at
// one place and the button row, the status bar.
void Rozmiesc(TSiec2D3D* okno) {
    // clang-format off
    Rozmiesc(okno, {
        {"LegendaRysunku", {24, 62, 110, 40}},
        {"PanelOkna", {150, 0, 600, 457}},
        {"TNUstawienia", {5, 5, 590, 408}},
        {"TNObliczenia", {5, 5, 590, 408}},
        {"TNWyniki", {5, 5, 590, 408}},
        {"TBPomoc", {16, 421, 89, 29}},
        {"BSiecNowe", {128, 421, 169, 29}},
        {"BSiecDalej", {309, 421, 156, 29}},
        {"PanelKonca", {488, 410, 108, 46}},
        {"BSiecZamknij", {4, 2, 100, 42}},
        {"PasekStanu", {0, 465, 752, 18}},
    });
    // clang-format on
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
    Rozmiesc(this);
    wykresy_ = std::make_unique<WykresySymulacji>(
        MiejscaWykresow{TNObliczenia->StronaWykresow(), TNWyniki->MiejsceCieplaWlasciwego(),
                        TNWyniki->MiejsceHistogramow(), TNWyniki->MiejsceHistoriiSigmy()});
    obliczenia_->UstawObserwatora(wykresy_.get());
    DodajMenuWykresow();
    TNWyniki->UstawWykresy(wykresy_.get());
    TNObliczenia->UstawRysowanie(obliczenia_->SiecAtomow(),
                                 [this] { return Ustawienia->WylaczonaGrafika(); });
    LegendaRysunku->Pokaz(TNObliczenia->Znaki());

    przebieg_ = new SterownikPrzebiegu(
        *obliczenia_, *TNObliczenia, [this] { return Ustawienia->WylaczonaGrafika(); }, this);
    Polacz();
    UstawPrzyciski();
    TabNaZaznaczonym(this);
    FormCreate();
}

TSiec2D3D::~TSiec2D3D() {
    obliczenia_->UstawObserwatora(nullptr);
}

void TSiec2D3D::Zbuduj() {
    setFixedSize(752, 483);
    // No fixed accessible name: a screen reader hears the caption, which names
    // the lattice and the stage.
    Opisz(this, QString(), {}, 3001);
    DostepneOkno::Opisz(this);
    pasek_ = QPixmap(QStringLiteral(":/okna/pasek.jpg"));
    LegendaRysunku = new LegendaAtomow(this);
    LegendaRysunku->setObjectName(QStringLiteral("LegendaRysunku"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PanelOkna"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    TNUstawienia = new QTabWidget(panel);
    TNUstawienia->setObjectName(QStringLiteral("TNUstawienia"));
    Ustawienia = new StronaUstawien;
    TNUstawienia->addTab(Ustawienia, QStringLiteral("Ustawienia"));
    Opisz(TNUstawienia, QStringLiteral("Ustawienia"), {}, 10000);
    TNObliczenia = new StronaObliczen(panel);
    TNObliczenia->setObjectName(QStringLiteral("TNObliczenia"));
    TNWyniki = new StronyWynikow(*obliczenia_, dialogi_, panel);
    TNWyniki->setObjectName(QStringLiteral("TNWyniki"));
    ZbudujPrzyciski(panel);

    PasekStanu = new QStatusBar(this);
    PasekStanu->setObjectName(QStringLiteral("PasekStanu"));
    PasekStanu->setSizeGripEnabled(false);
    TimerDalej = new QTimer(this);
    TimerDalej->setObjectName(QStringLiteral("TimerDalej"));
    TimerDalej->setInterval(500);
}

void TSiec2D3D::ZbudujPrzyciski(QWidget* panel) {
    TBPomoc =
        Przycisk(panel, "TBPomoc", QStringLiteral("Pomoc"), QStringLiteral(":/okna/pomoc.png"),
                 QStringLiteral("Otwiera pomoc programu..."), 3001);
    BSiecNowe = Przycisk(panel, "BSiecNowe", QStringLiteral("Powtórz obliczenia"),
                         QStringLiteral(":/okna/nowe.png"),
                         QStringLiteral("Wraca do ustawień parametrów..."), 3001);
    BSiecDalej = Przycisk(panel, "BSiecDalej", QStringLiteral("Obliczenia  "),
                          QStringLiteral(":/okna/dalej.png"),
                          QStringLiteral("Przechodzi do następnego etapu..."), 3001);
    auto* panelKonca = new QFrame(panel);
    panelKonca->setObjectName(QStringLiteral("PanelKonca"));
    panelKonca->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    BSiecZamknij = Przycisk(panelKonca, "BSiecZamknij", QStringLiteral("Koniec"),
                            QStringLiteral(":/okna/koniec.png"),
                            QStringLiteral("Wraca do menu głównego..."), 3001);
}

void TSiec2D3D::Polacz() {
    Ustawienia->UstawPokazGaugeSerii([this](bool pokaz) { TNObliczenia->PokazGaugeSerii(pokaz); });
    connect(BSiecDalej, &QAbstractButton::clicked, this, &TSiec2D3D::BSiecDalejClick);
    connect(BSiecNowe, &QAbstractButton::clicked, this, &TSiec2D3D::BSiecNoweClick);
    connect(BSiecZamknij, &QAbstractButton::clicked, this, &TSiec2D3D::BSiecZamknijClick);
    connect(TBPomoc, &QAbstractButton::clicked, this, &TSiec2D3D::TBPomocClick);
    connect(TNWyniki, &StronyWynikow::PomocPotrzebna, this, &TSiec2D3D::OtworzPomoc);
    connect(TNWyniki, &StronyWynikow::WynikiObliczone, this,
            [this] { setWindowIcon(QIcon(QLatin1String(OpisDlaEtapu(Etap::Wyniki).Ikona))); });
    // Five seconds into a run the charts page hides "Zatrzymaj"; Esc pauses
    // from anywhere in the window, so the keyboard never has to look for it.
    auto* zatrzymaj = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(zatrzymaj, &QShortcut::activated, TNObliczenia, &StronaObliczen::NacisnijZatrzymaj);
    connect(TimerDalej, &QTimer::timeout, this, &TSiec2D3D::TimerDalejTimer);
    connect(TNObliczenia, &StronaObliczen::ZnakiZmienione, LegendaRysunku, &LegendaAtomow::Pokaz);
    connect(TNWyniki, &StronyWynikow::WynikiZapisane, this, [this] { wynikiZapisane_ = true; });
    connect(przebieg_, &SterownikPrzebiegu::PrzebiegRozpoczety, this, [this] {
        wynikiZapisane_ = false;
        sytuacja_.Przebieg = StanPrzebiegu::Trwa;
        sytuacja_.Seria = obliczenia_->Stan().Parametry.Seria;
        UstawPrzyciski();
    });
    connect(przebieg_, &SterownikPrzebiegu::PrzebiegWstrzymany, this, [this] {
        sytuacja_.Przebieg = StanPrzebiegu::Wstrzymany;
        UstawPrzyciski();
    });
    connect(przebieg_, &SterownikPrzebiegu::PrzebiegZakonczony, this, [this] {
        sytuacja_.Przebieg = StanPrzebiegu::Zakonczony;
        UstawPrzyciski();
        (sytuacja_.Seria ? BSiecDalej : BSiecNowe)->setFocus();
    });
}

void TSiec2D3D::UstawPrzyciski() {
    sytuacja_.SiecWybrana = rodzaj_.has_value();
    const StanPrzyciskow stan = PrzyciskiDla(sytuacja_);
    BSiecNowe->setEnabled(stan.Nowe);
    BSiecDalej->setEnabled(stan.Dalej);
    BSiecZamknij->setEnabled(stan.Zamknij);
}

// Every chart can be copied or saved as a picture; the folder of the last
// picture is remembered like the folder of the results.
void TSiec2D3D::DodajMenuWykresow() {
    const QString klucz = QStringLiteral("KatalogObrazow");
    const KatalogObrazow katalog{[klucz] { return CzytajUstawienie(klucz); },
                                 [this, klucz](const QString& folder) {
                                     if (!ZapiszUstawienie(klucz, folder)) {
                                         PokazWPasku(this,
                                                     QString::fromUtf8(NieZapamietanoFolderu));
                                     }
                                 }};
    for (Wykres* wykres : {wykresy_->ChartEnergia, wykresy_->ChartSigmaSeria, wykresy_->ChartSigma,
                           wykresy_->ChartLA, wykresy_->ChartSigmaLambda, wykresy_->ChartCvkNLambda,
                           wykresy_->Chart5, wykresy_->Chart6, wykresy_->ChartSigma2,
                           TNWyniki->WykresFluktuacji()}) {
        new MenuWykresu(*wykres, dialogi_, katalog);
    }
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
void TSiec2D3D::paintEvent(QPaintEvent* zdarzenie) {
    QWidget::paintEvent(zdarzenie);
    QPainter(this).drawPixmap(ObszarPaska, pasek_);
}

void TSiec2D3D::closeEvent(QCloseEvent* zdarzenie) {
    // A hidden window is only closed when the program ends.
    if (isHidden()) {
        zdarzenie->accept();
        return;
    }
    if (!BSiecZamknij->isEnabled() || przebieg_->Trwa()) {
        PokazWPasku(this, QString::fromUtf8(TrwajaObliczenia));
        zdarzenie->ignore();
        return;
    }
    // "Nie" to the question about unsaved results keeps the window open.
    BSiecZamknijClick();
    zdarzenie->setAccepted(isHidden());
}

void TSiec2D3D::PrzejdzDoEtapu(Etap etap) {
    sytuacja_.Biezacy = etap;
    sytuacja_.ZapisOtwarty = false;
    if (etap == Etap::Obliczenia) {
        sytuacja_.Przebieg = StanPrzebiegu::Przed;
    }
    const OpisEtapu& opis = OpisDlaEtapu(etap);
    setWindowIcon(QIcon(QLatin1String(opis.Ikona)));
    if (rodzaj_) {
        setWindowTitle(TytulOkna(*rodzaj_, QString::fromUtf8(opis.Tytul)));
    }
    TNUstawienia->setVisible(etap == Etap::Ustawienia);
    TNObliczenia->setVisible(etap == Etap::Obliczenia);
    TNWyniki->setVisible(etap == Etap::Wyniki);
    BSiecDalej->setText(QString::fromUtf8(opis.NapisDalej));
    BSiecDalej->setAccessibleName(BSiecDalej->text().trimmed());
    UstawPrzyciski();
    // F1 on the forward button explains the stage its caption leads to (in
    // the results stage, the save).
    const QWidget* nastepny = etap == Etap::Ustawienia   ? static_cast<QWidget*>(TNObliczenia)
                              : etap == Etap::Obliczenia ? static_cast<QWidget*>(TNWyniki)
                                                         : TNWyniki->widget(2);
    UstawKontekstPomocy(BSiecDalej, KontekstPomocy(nastepny));
}

int TSiec2D3D::KontekstEtapu() const {
    const QTabWidget* notatnik = sytuacja_.Biezacy == Etap::Ustawienia ? TNUstawienia
                                 : sytuacja_.Biezacy == Etap::Obliczenia
                                     ? static_cast<QTabWidget*>(TNObliczenia)
                                     : static_cast<QTabWidget*>(TNWyniki);
    return KontekstPomocy(notatnik->currentWidget());
}

void TSiec2D3D::UstawSiec(const QString& klucz) {
    UstawRodzaj(RodzajZKlucza(klucz.toStdString()).value_or(RodzajSieci::Kwadratowa));
}

void TSiec2D3D::UstawRodzaj(RodzajSieci rodzaj) {
    przebieg_->ZerujLicznikZakladki();
    rodzaj_ = rodzaj;
    TNWyniki->UstawDlaSieci(*rodzaj_, CzytajUstawienie(QStringLiteral("DopasowanieWielomianem")) ==
                                          QLatin1String("Tak"));
    TNObliczenia->UstawAnimacje(ZnajdzPlikProgramu(QStringLiteral("Dane/anim.dat")));
    obliczenia_->UstawSiec();
    wykresy_->WyczyscSerie();
    TNObliczenia->UstawDomyslne();
    TNWyniki->setCurrentIndex(0);
    PrzejdzDoEtapu(Etap::Ustawienia);
    TimerDalej->start();
    Ustawienia->UstawDomyslne(*rodzaj_);
    Ustawienia->UstawFokus();
}

void TSiec2D3D::BSiecDalejClick() {
    switch (sytuacja_.Biezacy) {
    case Etap::Ustawienia:
        PrzejdzDoEtapu(Etap::Obliczenia);
        PrzygotujObliczenia();
        TNObliczenia->FokusNaLicz();
        break;
    case Etap::Obliczenia:
        PrzejdzDoEtapu(Etap::Wyniki);
        TNWyniki->Wejdz(obliczenia_->Stan().NrSerii);
        break;
    case Etap::Wyniki:
        sytuacja_.ZapisOtwarty = true;
        UstawPrzyciski();
        TNWyniki->PrzejdzDoZapisu();
        break;
    }
}

bool TSiec2D3D::MoznaPorzucicWyniki(const QString& pytanie) {
    const bool niezapisane =
        sytuacja_.Przebieg == StanPrzebiegu::Zakonczony && sytuacja_.Seria && !wynikiZapisane_;
    return !niezapisane || dialogi_.Zapytaj(this, pytanie, QStringLiteral("Fazolab"),
                                            Przyciski::TakNieDomyslnieNie) == Odpowiedz::Tak;
}

void TSiec2D3D::BSiecNoweClick() {
    if (!MoznaPorzucicWyniki(QStringLiteral("Wyniki serii nie zostały zapisane.\n"
                                            "Czy mimo to powtórzyć obliczenia ?"))) {
        return;
    }
    const Odpowiedz odpowiedz = dialogi_.Zapytaj(
        this, QStringLiteral("Czy przywrócić ustawienia domyślne wszystkich parametrów ?"),
        QStringLiteral("Fazolab"), Przyciski::TakNie);
    TNWyniki->ZatrzymajPokaz();
    if (odpowiedz == Odpowiedz::Tak) {
        // Every default, the computation page's reset among them.
        UstawRodzaj(rodzaj_.value_or(RodzajSieci::Kwadratowa));
        return;
    }
    obliczenia_->ZerujSymulacje();
    wykresy_->Series13->Wyczysc();
    PrzejdzDoEtapu(Etap::Ustawienia);
    Ustawienia->UstawWylaczonaGrafike(false);
    TNObliczenia->ZerujDlaNowegoPrzebiegu();
    przebieg_->ZerujLicznikZakladki();
    Ustawienia->UstawFokus();
}

void TSiec2D3D::BSiecZamknijClick() {
    if (!MoznaPorzucicWyniki(QStringLiteral("Wyniki serii nie zostały zapisane.\n"
                                            "Czy mimo to zakończyć ?"))) {
        return;
    }
    przebieg_->Zatrzymaj();
    TNWyniki->ZatrzymajPokaz();
    rodzaj_.reset();
    UstawPrzyciski();
    if (menu_) {
        menu_->show();
        menu_->setEnabled(true);
    }
    hide();
}

void TSiec2D3D::TBPomocClick() {
    OtworzPomoc(KontekstEtapu());
}

void TSiec2D3D::OtworzPomoc(int kontekst) {
    if (!plikPomocy_.isEmpty()) {
        emit Pomoc(kontekst);
    }
}

void TSiec2D3D::TimerDalejTimer() {
    Mrugnij(BSiecDalej, Qt::black, Qt::red);
    Mrugnij(BSiecNowe, Qt::black, Qt::red);
    TNObliczenia->Mrugnij();
}

void TSiec2D3D::PrzygotujObliczenia() {
    Ustawienia->PokazDlaObliczen();
    const ParametrySymulacji parametry = Ustawienia->Parametry();
    const int atomy = IloscAtomow(parametry);
    const bool szescienna = !JestPlaska(parametry.Rodzaj);
    TNObliczenia->UstawWidoki(szescienna, szescienna && atomy <= MaxAtomowWidoku3D);

    // The engine forms the run state, the number of series and the gauges'
    // maxima; the window shows them, and a blank drawing area, before it asks
    // anything, so the page behind a question already belongs to the new run.
    obliczenia_->PrzygotujObliczenia(parametry);
    PokazPrzygotowanyPrzebieg();

    if (!Ustawienia->WylaczonaGrafika() && atomy >= ProgDuzejSieci) {
        const Odpowiedz odpowiedz =
            dialogi_.Zapytaj(this,
                             QStringLiteral("Im większa ilość atomów do wyświetlenia w sieci,\n\r"
                                            "tym wolniej będą prowadzone obliczenia.\n\r"
                                            "Czy wyłączyć wyświetlanie sieci ?"),
                             QStringLiteral("Fazolab"), Przyciski::TakNie);
        Ustawienia->UstawWylaczonaGrafike(odpowiedz == Odpowiedz::Tak);
    }

    wykresy_->UstawZakresyOsi(parametry.Tryb, parametry.MaxIloscCykli, atomy);
    TNObliczenia->UlozDlaPrzebiegu(parametry.Seria, Ustawienia->WylaczonaGrafika());
    wykresy_->ChartEnergia->setVisible(!parametry.Seria);
    wykresy_->ChartSigmaSeria->setVisible(parametry.Seria);
    TNObliczenia->RysujSiec();
}

void TSiec2D3D::PokazPrzygotowanyPrzebieg() {
    const StanObliczen& stan = obliczenia_->Stan();
    const PostepObliczen& postep = obliczenia_->Postep();
    TNObliczenia->UstawMaksimaGauge(postep.PojedynczaSymulacjaMax, postep.SeriaSymulacjiMax);
    TNObliczenia->PokazStan(stan);
    TNWyniki->PrzygotujOdtwarzanie(stan);
    TNWyniki->PokazParametry(stan);
    TNObliczenia->NoweTlo();
}
