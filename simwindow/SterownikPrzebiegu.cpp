#include "SterownikPrzebiegu.h"

#include "Obliczenia.h"
#include "PrzyciskPrzezroczysty.h"
#include "StronaObliczen.h"

#include <QElapsedTimer>
#include <QLabel>

SterownikPrzebiegu::SterownikPrzebiegu(Obliczenia& obliczenia, StronaObliczen& strona,
                                       Otoczenie otoczenie, QObject* rodzic)
    : QObject(rodzic), obliczenia_(obliczenia), strona_(strona), otoczenie_(std::move(otoczenie)) {
    TimerLicz.setInterval(InterwalLicz);
    TimerZmienZakladke.setInterval(InterwalZakladki);
    connect(&TimerLicz, &QTimer::timeout, this, &SterownikPrzebiegu::TimerLiczTimer);
    connect(&TimerZmienZakladke, &QTimer::timeout, this,
            &SterownikPrzebiegu::TimerZmienZakladkeTimer);
}

void SterownikPrzebiegu::TBLiczClick() {
    otoczenie_.BSiecNowe->setEnabled(false);
    otoczenie_.BSiecDalej->setEnabled(false);
    otoczenie_.BSiecZamknij->setEnabled(false);
    // Drawing off: ticks follow each other at once, each one a slice of chunks.
    TimerLicz.setInterval(otoczenie_.WylaczonaGrafika() ? 0 : InterwalLicz);
    TimerLicz.start();
    strona_.TBLicz->setEnabled(false);
    strona_.TBZatrzymaj->setEnabled(true);
    TimerZmienZakladke.start();
    if (otoczenie_.WylaczonaGrafika()) {
        strona_.AnimacjaAktywna(true);
        PokazNapisyObliczen(true);
    }
    // The pressed button is disabled now; the keyboard goes on with the other.
    strona_.TBZatrzymaj->setFocus();
}

void SterownikPrzebiegu::TBZatrzymajClick() {
    otoczenie_.BSiecNowe->setEnabled(true);
    otoczenie_.BSiecZamknij->setEnabled(true);
    TimerLicz.stop();
    TimerZmienZakladke.stop();
    strona_.TBLicz->setEnabled(true);
    strona_.TBZatrzymaj->setEnabled(false);
    if (otoczenie_.WylaczonaGrafika()) {
        strona_.AnimacjaAktywna(false);
        PokazNapisyObliczen(false);
    }
    strona_.TBLicz->setFocus();
}

void SterownikPrzebiegu::TimerZmienZakladkeTimer() {
    ++LicznikZakladki;
    if (LicznikZakladki == TikiDoZmianyZakladki) {
        strona_.setCurrentIndex(1);
        TimerZmienZakladke.stop();
    }
}

void SterownikPrzebiegu::Zatrzymaj() {
    TimerLicz.stop();
    TimerZmienZakladke.stop();
    strona_.AnimacjaAktywna(false);
}

void SterownikPrzebiegu::TimerLiczTimer() {
    if (!otoczenie_.WylaczonaGrafika()) {
        KrokSymulacji();
        return;
    }
    QElapsedTimer czas;
    czas.start();
    while (KrokSymulacji() && czas.elapsed() < PlasterCzasu) {
    }
}

bool SterownikPrzebiegu::KrokSymulacji() {
    const StanKroku stan = obliczenia_.KrokSymulacji();
    otoczenie_.RysujSiec();
    switch (stan) {
    case StanKroku::Trwa:
        otoczenie_.UstawMaksimumCyklu(obliczenia_.Stan().MaxIloscCykli);
        PokazPostep();
        return true;
    case StanKroku::SeriaZakonczona:
        obliczenia_.RozpocznijNastepnaSerie();
        PokazPostep();
        return true;
    case StanKroku::Koniec:
        KoniecPrzebiegu();
        return false;
    }
    return false;
}

void SterownikPrzebiegu::PokazPostep() {
    const PostepObliczen& postep = obliczenia_.Postep();
    strona_.UstawGaugePojedynczej(postep.PojedynczaSymulacja);
    strona_.UstawGaugeSerii(postep.SeriaSymulacji);
}

void SterownikPrzebiegu::KoniecPrzebiegu() {
    otoczenie_.BSiecNowe->setEnabled(true);
    otoczenie_.BSiecZamknij->setEnabled(true);
    TimerLicz.stop();
    strona_.TBLicz->setEnabled(false);
    strona_.TBZatrzymaj->setEnabled(false);
    PokazPostep();
    PokazNapisyObliczen(false);
    strona_.AnimacjaAktywna(false);
    strona_.setCurrentIndex(1);
    TimerZmienZakladke.stop();
    otoczenie_.BSiecDalej->setEnabled(obliczenia_.Stan().Parametry.Seria);
    (obliczenia_.Stan().Parametry.Seria ? otoczenie_.BSiecDalej : otoczenie_.BSiecNowe)->setFocus();
    emit ObliczeniaZakonczone();
}

void SterownikPrzebiegu::PokazNapisyObliczen(bool pokaz) {
    strona_.LTrwajaObliczenia->setVisible(pokaz);
    strona_.LProszeCzekac->setVisible(pokaz);
}
