#include "TPrg.h"

#include "Dialogi.h"
#include "DostepneOkno.h"
#include "EtykietaLacza.h"
#include "FiltrPomocy.h"
#include "KontekstPomocy.h"
#include "ObrazkiOkien.h"
#include "Podpowiedz.h"
#include "PrzyciskObrazkowy.h"
#include "UlozenieOkna.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>

TPrg::TPrg(Dialogi& dialogi, const QRect& ekran, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dialogi_(dialogi), tlo_(ObrazekOkna({QStringLiteral("menu.jpg")})) {
    DostepneOkno::Opisz(this);
    setWindowTitle(QStringLiteral(
        "Fazolab - Symulacje przejść fazowych porządek-nieporządek metodą Monte Carlo"));
    setFixedSize(Rozmiar);
    UstawKontekstPomocy(this, 1000);
    move(PolozenieNaSrodku(ekran, Rozmiar));

    connect(DodajPrzycisk("ES3DR", {0, 62, 253, 40}, QStringLiteral("es_3dr"),
                          QStringLiteral("Sieć 3D kubiczna prosta"),
                          QStringLiteral("Uruchamia symulacje dla sieci 3D kubicznej prostej")),
            &QAbstractButton::clicked, this, &TPrg::ES3DRClick);
    connect(DodajPrzycisk("ES2DTrojkat", {0, 125, 253, 42}, QStringLiteral("es_2dtrojkat"),
                          QStringLiteral("Sieć 2D trójkątna"),
                          QStringLiteral("Uruchamia symulacje dla sieci 2D trójkątnej")),
            &QAbstractButton::clicked, this, &TPrg::ES2DTrojkatClick);
    connect(DodajPrzycisk("ES2DKwadrat", {0, 192, 253, 41}, QStringLiteral("es_2dkwadrat"),
                          QStringLiteral("Sieć 2D kwadratowa"),
                          QStringLiteral("Uruchamia symulacje dla sieci 2D kwadratowej")),
            &QAbstractButton::clicked, this, &TPrg::ES2DKwadratClick);
    connect(DodajPrzycisk("ES2DHeksagonalna", {0, 256, 253, 43},
                          QStringLiteral("es_2dheksagonalna"),
                          QStringLiteral("Sieć 2D heksagonalna"),
                          QStringLiteral("Uruchamia symulacje dla sieci 2D heksagonalnej")),
            &QAbstractButton::clicked, this, &TPrg::ES2DHeksagonalnaClick);
    connect(DodajPrzycisk("ESKoniec", {462, 354, 138, 46}, QStringLiteral("es_koniec"),
                          QStringLiteral("Koniec"),
                          QStringLiteral("Zakończenie działania programu")),
            &QAbstractButton::clicked, this, &TPrg::ESKoniecClick);

    DodajPodpis(QStringLiteral("Autor:"), Qt::yellow, 16, 336, QStringLiteral("Zespół Fazolab"),
                "LAutorLacze");
    DodajPodpis(QStringLiteral("Promotor:"), Qt::white, 13, 366,
                QStringLiteral("Opiekun merytoryczny projektu"), "LPromotorLacze");
}

PrzyciskObrazkowy* TPrg::DodajPrzycisk(const char* nazwa, const QRect& miejsce,
                                       const QString& obrazek, const QString& napis,
                                       const QString& podpowiedz) {
    auto* przycisk = new PrzyciskObrazkowy(this);
    przycisk->setObjectName(QString::fromLatin1(nazwa));
    przycisk->setGeometry(miejsce);
    przycisk->UstawObrazki(ObrazekOkna({obrazek + QStringLiteral(".jpg")}),
                           ObrazekOkna({obrazek + QStringLiteral("_pod.jpg")}));
    przycisk->setAccessibleName(napis);
    UstawPodpowiedz(przycisk, podpowiedz);
    return przycisk;
}

void TPrg::DodajPodpis(const QString& napis, const QColor& kolor, int wysokosc, int y,
                       const QString& lacze, const char* nazwaLacza) {
    auto* podpis = new QLabel(napis, this);
    QFont czcionka = podpis->font();
    czcionka.setPixelSize(wysokosc);
    czcionka.setBold(true);
    podpis->setFont(czcionka);
    QPalette paleta = podpis->palette();
    paleta.setColor(QPalette::WindowText, kolor);
    podpis->setPalette(paleta);
    podpis->adjustSize();
    podpis->move(12, y);

    // The credits point to the "O programie" section of the help document.
    auto* etykieta =
        new EtykietaLacza(lacze, FiltrPomocy::Adres(QStringLiteral("o_programie")), this);
    etykieta->setObjectName(QString::fromLatin1(nazwaLacza));
    QFont czcionkaLacza = etykieta->font();
    czcionkaLacza.setPixelSize(wysokosc);
    etykieta->setFont(czcionkaLacza);
    etykieta->UstawKolory(QColor(0x9C, 0xD4, 0xFF), QColor(0xFF, 0xE6, 0x80));
    etykieta->setAccessibleName(napis + QLatin1Char(' ') + lacze);
    UstawPodpowiedz(etykieta, QStringLiteral("Pokazuje w pomocy rozdział „O programie”"));
    etykieta->adjustSize();
    etykieta->move(podpis->geometry().right() + 8, y + (podpis->height() - etykieta->height()) / 2);
}

void TPrg::UstawOknoSymulacji(QWidget* okno, std::function<void(const QString&)> ustawSiec) {
    oknoSymulacji_ = okno;
    ustawSiec_ = std::move(ustawSiec);
}

void TPrg::WybierzSiec(RodzajSieci rodzaj) {
    if (oknoSymulacji_ == nullptr) {
        return;
    }
    oknoSymulacji_->show();
    hide();
    setEnabled(false);
    if (ustawSiec_) {
        const std::string_view klucz = KluczRodzaju(rodzaj);
        ustawSiec_(QString::fromLatin1(klucz.data(), static_cast<qsizetype>(klucz.size())));
    }
}

bool TPrg::CzyZakonczyc() {
    if (!konczy_ &&
        dialogi_.Zapytaj(this, QStringLiteral("    Czy zakończyć działanie programu Fazolab ?"),
                         QStringLiteral("Fazolab"), Przyciski::OkAnuluj) == Odpowiedz::Ok) {
        konczy_ = true;
        // Ended from the event loop, after the handler has returned.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return konczy_;
}

void TPrg::ESKoniecClick() {
    CzyZakonczyc();
}

void TPrg::closeEvent(QCloseEvent* zdarzenie) {
    // A hidden menu is closed only by the program ending from elsewhere (the
    // splash window closed): nothing to ask then.
    if (!isVisible() || CzyZakonczyc()) {
        zdarzenie->accept();
    } else {
        zdarzenie->ignore();
    }
}

void TPrg::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    malarz.drawPixmap(rect(), tlo_);
}
