#pragma once

#include "Obliczenia.h"
#include "OpcjeWsadowe.h"
#include "WynikRepliki.h"
#include "ZapisPrzebiegu.h"
#include "ZiarnoRepliki.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

class ObserwatorPomiarow;
struct PostepWatku;

// One worker's engine, reused for the replicas the worker takes. It is
// aligned to a cache line (and so padded to whole lines), so that the state
// of its run, the generator among it, never shares a line with the engine of
// another core.
class alignas(64) SilnikRepliki {
public:
    SilnikRepliki() : obliczenia_(ziarno_) {}

    // Runs the series or the single run of the options as replica `nr` of a
    // study with the seed `ziarno`, from the state a fresh engine starts in.
    // The options' generator decides the replica's stream: the 64-bit one's
    // stream nr of the seed, or the window's generator seeded with
    // ziarno + nr (modulo 2^32), which makes the replica a plain run of the
    // window with that seed. With `zPrzebiegiem` leaves
    // the trace of every sample as CSV in `przebieg`; `probki`, when given,
    // sees every sample too. Reports its progress to `postep` between ticks,
    // and stops early, with a result of no use, once `przerwij` is set. With
    // the options' DwaStarty it then runs the series once more from the other
    // kind of start (UlozenieDrugiegoStartu) with the same seed (no trace, no
    // observer) and adds the two-start check to each series' verdict; the
    // figures stay the first start's.
    WynikRepliki Uruchom(const OpcjeWsadowe& opcje, int nr, std::uint32_t ziarno, bool zPrzebiegiem,
                         std::string& przebieg, ObserwatorPomiarow* probki, PostepWatku& postep,
                         const std::atomic<bool>& przerwij);

    // The same run a step at a time, for a caller that keeps its own loop
    // (a Web Worker answering between ticks): Przygotuj, then Krok until it
    // reports Koniec, then Zakoncz. The options must outlive the run.
    void Przygotuj(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int nr, bool zPrzebiegiem,
                   ObserwatorPomiarow* probki = nullptr);
    // One tick; a finished series is followed by the next at once.
    StanKroku Krok();
    // The replica's figures (and its trace, when one was asked for).
    WynikRepliki Zakoncz(int nr, std::string& przebieg);
    // The two-start check the same way, after Zakoncz: PrzygotujDrugiStart,
    // Krok until Koniec, then ZakonczDrugiStart adds the check to the first
    // start's verdicts in `wynik`.
    void PrzygotujDrugiStart(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int nr);
    void ZakonczDrugiStart(WynikRepliki& wynik);
    const Obliczenia& Silnik() const { return obliczenia_; }

private:
    // Ticks the prepared run to its end, reporting to `postep`; false when
    // `przerwij` stopped it first.
    bool Przebiegnij(PostepWatku& postep, const std::atomic<bool>& przerwij);
    void DrugiStart(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int nr, WynikRepliki& wynik,
                    PostepWatku& postep, const std::atomic<bool>& przerwij);

    ZiarnoRepliki ziarno_;
    Obliczenia obliczenia_;
    const OpcjeWsadowe* opcje_ = nullptr;
    // The second start's options, while it runs.
    std::optional<OpcjeWsadowe> drugie_;
    std::optional<ZapisPrzebiegu> zapis_;
};
