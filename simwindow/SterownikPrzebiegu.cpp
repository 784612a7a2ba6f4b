#include "SterownikPrzebiegu.h"

#include "Obliczenia.h"
#include "StronaObliczen.h"

#include <QElapsedTimer>
#include <QTimer>

SterownikPrzebiegu::SterownikPrzebiegu(Obliczenia& obliczenia, StronaObliczen& strona,
                                       std::function<bool()> wylaczonaGrafika, QObject* rodzic)
    : QObject(rodzic), obliczenia_(obliczenia), strona_(strona),
      wylaczonaGrafika_(std::move(wylaczonaGrafika)), timerLicz_(new QTimer(this)),
      timerZmienZakladke_(new QTimer(this)) {
    timerLicz_->setObjectName(QStringLiteral("TimerLicz"));
    timerZmienZakladke_->setObjectName(QStringLiteral("TimerZmienZakladke"));
    timerLicz_->setInterval(InterwalLicz);
    timerZmienZakladke_->setInterval(InterwalZakladki);
    connect(timerLicz_, &QTimer::timeout, this, &SterownikPrzebiegu::TimerLiczTimer);
    connect(timerZmienZakladke_, &QTimer::timeout, this,
            &SterownikPrzebiegu::TimerZmienZakladkeTimer);
    connect(&strona_, &StronaObliczen::LiczKlikniete, this, &SterownikPrzebiegu::TBLiczClick);
    connect(&strona_, &StronaObliczen::ZatrzymajKlikniete, this,
            &SterownikPrzebiegu::TBZatrzymajClick);
}

bool SterownikPrzebiegu::Trwa() const {
    return timerLicz_->isActive();
}

void SterownikPrzebiegu::TBLiczClick() {
    emit PrzebiegRozpoczety();
    // Drawing off: ticks follow each other at once, each one a slice of chunks.
    timerLicz_->setInterval(wylaczonaGrafika_() ? 0 : InterwalLicz);
    timerLicz_->start();
    strona_.UstawPrzyciskiBiegu(false, true);
    timerZmienZakladke_->start();
    if (wylaczonaGrafika_()) {
        strona_.AnimacjaAktywna(true);
        strona_.PokazNapisyObliczen(true);
    }
    // The pressed button is disabled now; the keyboard goes on with the other.
    strona_.FokusNaZatrzymaj();
}

void SterownikPrzebiegu::TBZatrzymajClick() {
    emit PrzebiegWstrzymany();
    timerLicz_->stop();
    timerZmienZakladke_->stop();
    strona_.UstawPrzyciskiBiegu(true, false);
    if (wylaczonaGrafika_()) {
        strona_.AnimacjaAktywna(false);
        strona_.PokazNapisyObliczen(false);
    }
    strona_.FokusNaLicz();
}

void SterownikPrzebiegu::TimerZmienZakladkeTimer() {
    ++licznikZakladki_;
    if (licznikZakladki_ == TikiDoZmianyZakladki) {
        strona_.PokazWykresyPoCzasie();
        timerZmienZakladke_->stop();
    }
}

void SterownikPrzebiegu::Zatrzymaj() {
    timerLicz_->stop();
    timerZmienZakladke_->stop();
    strona_.AnimacjaAktywna(false);
}

void SterownikPrzebiegu::TimerLiczTimer() {
    if (!wylaczonaGrafika_()) {
        KrokSymulacji();
        return;
    }
    // The panel and the gauges show the state once per slice: what a chunk
    // would write there is overwritten by the next one before anyone sees it.
    QElapsedTimer czas;
    czas.start();
    plaster_ = true;
    bool trwa = true;
    while (trwa && czas.elapsed() < PlasterCzasu) {
        trwa = KrokSymulacji();
    }
    plaster_ = false;
    if (trwa) {
        strona_.RysujSiec();
        PokazPostep();
    }
}

bool SterownikPrzebiegu::KrokSymulacji() {
    const StanKroku stan = obliczenia_.KrokSymulacji();
    if (!plaster_) {
        strona_.RysujSiec();
    }
    switch (stan) {
    case StanKroku::Trwa:
        if (!plaster_) {
            PokazPostep();
        }
        return true;
    case StanKroku::SeriaZakonczona:
        obliczenia_.RozpocznijNastepnaSerie();
        if (!plaster_) {
            PokazPostep();
        }
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
    timerLicz_->stop();
    strona_.UstawPrzyciskiBiegu(false, false);
    PokazPostep();
    strona_.PokazNapisyObliczen(false);
    strona_.AnimacjaAktywna(false);
    strona_.PokazWykresy();
    timerZmienZakladke_->stop();
    emit PrzebiegZakonczony();
}
