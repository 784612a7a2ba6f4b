#include "TLogo.h"

#include "Dialogi.h"
#include "DostepneOkno.h"
#include "KontekstPomocy.h"
#include "ObrazekPrzezroczysty.h"
#include "ObrazkiOkien.h"
#include "PlikiProgramu.h"
#include "Podpowiedz.h"
#include "PrzyciskObrazkowy.h"
#include "UlozenieOkna.h"

#include <QCoreApplication>
#include <QTimer>

TLogo::TLogo(Dialogi& dialogi, const QRect& ekran, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Logo"));
    // The window has no title bar: a reader names it by the program's name
    // written on it, not by the hidden caption.
    setAccessibleName(QStringLiteral("Fazolab"));
    DostepneOkno::Opisz(this);
    setFixedSize(Rozmiar);
    UstawKontekstPomocy(this, 100);

    if (ekran.width() < NajmniejszyEkran.width() || ekran.height() < NajmniejszyEkran.height()) {
        dialogi.Zapytaj(nullptr,
                        QStringLiteral("Program wymaga do prawidłowej pracy rozdzielczości "
                                       "minimum 800x600 pikseli. Twoja rozdzielczość jest "
                                       "mniejsza."),
                        QStringLiteral("Fazolab - Błąd uruchomienia programu (01)"), Przyciski::Ok,
                        Ikona::Blad);
        // The other windows are still created; the program ends when its
        // event loop starts.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    move(PolozenieNaSrodku(ekran, Rozmiar));

    auto* logo = new ObrazekPrzezroczysty(this);
    logo->setObjectName(QStringLiteral("KZTILogo"));
    logo->setGeometry(rect());
    logo->UstawObrazek(ObrazekOkna({QStringLiteral("logo.png"), QStringLiteral("logo.jpg")}),
                       QColor(128, 128, 128));
    logo->UksztaltujOkno();

    auto* przycisk = new PrzyciskObrazkowy(this);
    przycisk->setObjectName(QStringLiteral("ESimageFM1"));
    przycisk->setGeometry(239, 322, 108, 23);
    przycisk->UstawObrazki(ObrazekOkna({QStringLiteral("menu_fm1.jpg")}),
                           ObrazekOkna({QStringLiteral("menu_fm1_pod.jpg")}));
    przycisk->setAccessibleName(QStringLiteral("Menu"));
    UstawPodpowiedz(przycisk, QStringLiteral("Kliknij, aby przejść do Menu głównego programu"));
    przycisk->setFocus();
    connect(przycisk, &QAbstractButton::clicked, this, &TLogo::ESimageFM1Click);
    // The button stays whole even where the picture under it is transparent.
    setMask(mask() + przycisk->geometry());

    plikPomocy_ = ZnajdzPlikProgramu(QStringLiteral("Pomoc/Fazolab.html"));
}

void TLogo::ESimageFM1Click() {
    hide();
    if (menu_ != nullptr) {
        menu_->show();
    }
}
