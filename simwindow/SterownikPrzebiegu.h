#pragma once

#include <QObject>

#include <functional>

class Obliczenia;
class QTimer;
class StronaObliczen;

// The window's side of a run: the buttons "Licz    " and "Zatrzymaj", the
// timer TimerLicz whose every tick advances the engine, the gauges, the end
// of a run, and TimerZmienZakladke, which turns to the charts five seconds
// of running after "Licz    ". It reports when a run starts, pauses and ends;
// the window sets its own buttons from that.
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

    // `wylaczonaGrafika`: whether "Wyłącz wizualizację graficzną" is checked.
    SterownikPrzebiegu(Obliczenia& obliczenia, StronaObliczen& strona,
                       std::function<bool()> wylaczonaGrafika, QObject* rodzic = nullptr);

    void TBLiczClick();
    void TBZatrzymajClick();
    void TimerLiczTimer();
    void TimerZmienZakladkeTimer();

    void ZerujLicznikZakladki() { licznikZakladki_ = 0; }
    // Stops both timers without touching anything else (the window is left).
    void Zatrzymaj();
    bool Trwa() const;

signals:
    void PrzebiegRozpoczety();
    void PrzebiegWstrzymany();
    void PrzebiegZakonczony();

private:
    // One chunk with its redraw and bookkeeping; false when the run ended.
    bool KrokSymulacji();
    void PokazPostep();
    void KoniecPrzebiegu();

    Obliczenia& obliczenia_;
    StronaObliczen& strona_;
    std::function<bool()> wylaczonaGrafika_;
    // Children named "TimerLicz" and "TimerZmienZakladke".
    QTimer* timerLicz_;
    QTimer* timerZmienZakladke_;
    int licznikZakladki_ = 0;
    // Within a slice of chunks with drawing off.
    bool plaster_ = false;
};
