#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class Obliczenia;
class PrzyciskPrzezroczysty;
class StronaObliczen;

// The window's side of a run: the buttons "Licz    " and "Zatrzymaj", the
// timer TimerLicz whose every tick advances the engine, the gauges, the end
// of a run, and TimerZmienZakladke, which turns to the charts five seconds
// of running after "Licz    ".
//
// With drawing on, a tick runs one chunk. With drawing off a tick runs chunks
// back to back, each with its sample and bookkeeping exactly as if it had a
// tick of its own, for a bounded slice of time, and the next tick follows at
// once: the same samples at the engine's speed, and the window still answers.
class SterownikPrzebiegu : public QObject {
    Q_OBJECT
public:
    static constexpr int InterwalLicz = 100;
    static constexpr int InterwalZakladki = 1000;
    static constexpr int TikiDoZmianyZakladki = 5;
    // The longest slice of chunks in one tick with drawing off, in ms.
    static constexpr int PlasterCzasu = 30;

    struct Otoczenie {
        PrzyciskPrzezroczysty* BSiecNowe = nullptr;
        PrzyciskPrzezroczysty* BSiecDalej = nullptr;
        PrzyciskPrzezroczysty* BSiecZamknij = nullptr;
        // Whether "Wyłącz wizualizację graficzną" is checked.
        std::function<bool()> WylaczonaGrafika;
        // The redraw of the lattice view after a chunk.
        std::function<void()> RysujSiec;
        // The maximum of the cycle spinner of the results stage.
        std::function<void(int)> UstawMaksimumCyklu;
    };

    SterownikPrzebiegu(Obliczenia& obliczenia, StronaObliczen& strona, Otoczenie otoczenie,
                       QObject* rodzic = nullptr);

    void TBLiczClick();
    void TBZatrzymajClick();
    void TimerLiczTimer();
    void TimerZmienZakladkeTimer();

    void ZerujLicznikZakladki() { LicznikZakladki = 0; }
    // Stops both timers without touching anything else (the window is left).
    void Zatrzymaj();
    bool Trwa() const { return TimerLicz.isActive(); }

    QTimer TimerLicz;
    QTimer TimerZmienZakladke;
    int LicznikZakladki = 0;

signals:
    // The run ended; for a series the way to the results stage is open.
    void ObliczeniaZakonczone();

private:
    // One chunk with its redraw and bookkeeping; false when the run ended.
    bool KrokSymulacji();
    void PokazPostep();
    void KoniecPrzebiegu();
    void PokazNapisyObliczen(bool pokaz);

    Obliczenia& obliczenia_;
    StronaObliczen& strona_;
    Otoczenie otoczenie_;
};
