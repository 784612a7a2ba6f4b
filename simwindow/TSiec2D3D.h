#pragma once

#include "Etap.h"
#include "RodzajSieci.h"
#include "ZrodloZiarna.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class Dialogi;
class LegendaAtomow;
class Obliczenia;
class PrzyciskPrzezroczysty;
class QStatusBar;
class QTabWidget;
class QTimer;
class StronaObliczen;
class StronaUstawien;
class StronyWynikow;
class SterownikPrzebiegu;
class WykresySymulacji;

// The simulation window: one window for all four lattice kinds, leading the
// user through three stages whose notebooks stand at the same place —
// settings (TNUstawienia), computation (TNObliczenia) and results (TNWyniki).
// It owns the engine for the life of the program and talks to it through the
// engine's API; the samples reach the charts through the chart set, which is
// the engine's observer. The window coordinates: each page keeps its controls
// and offers what the stages need of it.
class TSiec2D3D : public QWidget {
    Q_OBJECT
public:
    // `menu` is shown and enabled again by "Koniec". The seed source is the
    // time of day unless a test gives its own.
    TSiec2D3D(Dialogi& dialogi, QWidget* menu, QWidget* rodzic = nullptr,
              std::unique_ptr<ZrodloZiarna> ziarno = {});
    ~TSiec2D3D() override;

    // Sets the window up for a lattice kind by its key ("3DR", "2DKwadrat",
    // "2DTrojkat", "2DHeksagonalna"; an unknown key gives the square lattice)
    // with every default.
    void UstawSiec(const QString& klucz);

    void BSiecDalejClick();
    void BSiecNoweClick();
    void BSiecZamknijClick();
    void TBPomocClick();
    void TimerDalejTimer();

    // The help context of the stage and page the window shows: what "Pomoc"
    // opens.
    int KontekstEtapu() const;

    // The lattice kind set up, none after "Koniec".
    std::optional<RodzajSieci> Rodzaj() const { return rodzaj_; }
    const Obliczenia& Silnik() const { return *obliczenia_; }
    WykresySymulacji& Wykresy() { return *wykresy_; }
    SterownikPrzebiegu& Przebieg() { return *przebieg_; }

signals:
    // The help asked for at this context; the program's one help window
    // answers.
    void Pomoc(int kontekst);

protected:
    bool event(QEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    // The key turned into the lattice kind once; everything after uses the kind.
    void UstawRodzaj(RodzajSieci rodzaj);
    void Zbuduj();
    void ZbudujPrzyciski(QWidget* panel);
    void Polacz();
    void DodajMenuWykresow();
    void FormCreate();
    // Enters a stage: icon, caption, its notebook alone, the button row.
    void PrzejdzDoEtapu(Etap etap);
    void UstawPrzyciski();
    void PrzygotujObliczenia();
    // Whether the window may leave the results of the run: yes when there
    // are none or they were saved, otherwise the user's answer to `pytanie`
    // (Tak / Nie, Nie the default).
    bool MoznaPorzucicWyniki(const QString& pytanie);
    void OtworzPomoc(int kontekst);
    // The prepared run's labels, gauges' maxima and replay steps, and a blank
    // drawing area.
    void PokazPrzygotowanyPrzebieg();

    Dialogi& dialogi_;
    QWidget* menu_;
    std::unique_ptr<ZrodloZiarna> ziarno_;
    std::unique_ptr<Obliczenia> obliczenia_;
    std::unique_ptr<WykresySymulacji> wykresy_;
    QString plikPomocy_;
    QPixmap pasek_;
    std::optional<RodzajSieci> rodzaj_;
    // The stage and the run: the one source of the button row (UstawPrzyciski).
    SytuacjaOkna sytuacja_;
    // The results of the last finished run were written to a file.
    bool wynikiZapisane_ = false;

    QTabWidget* TNUstawienia;
    StronaUstawien* Ustawienia;
    StronaObliczen* TNObliczenia;
    StronyWynikow* TNWyniki;
    PrzyciskPrzezroczysty* TBPomoc;
    PrzyciskPrzezroczysty* BSiecNowe;
    PrzyciskPrzezroczysty* BSiecDalej;
    PrzyciskPrzezroczysty* BSiecZamknij;
    QStatusBar* PasekStanu;
    LegendaAtomow* LegendaRysunku;
    QTimer* TimerDalej;
    SterownikPrzebiegu* przebieg_;
};
