#pragma once

#include "Obliczenia.h"
#include "ProbkiSesji.h"
#include "StaleZiarno.h"
#include "WynikiSerii.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct FluktuacjeSerii;

// One interactive run, driven as the window's run driver drives its engine:
// a tick at a time, the next series started by the caller once it has shown
// the finished one, then the results stage and the results file. The engine
// is taken when the run is prepared, so an allocation that fails is reported
// there, not thrown out of a constructor.
class SesjaWeb {
public:
    // Prepares the run of parameters on the window's scale, already checked
    // (ParametryZJs), with the window's generator seeded by `ziarno`. The
    // Polish refusal, or an empty text when the run is ready.
    std::string Przygotuj(const ParametrySymulacji& parametry, std::uint32_t ziarno);

    StanKroku Krok();
    // Ticks back to back for at most `ms` milliseconds, starting each next
    // series at once: the window's driver with drawing off.
    StanKroku Licz(double ms);
    void RozpocznijNastepnaSerie() { obliczenia_->RozpocznijNastepnaSerie(); }

    const Obliczenia& Silnik() const { return *obliczenia_; }
    ProbkiSesji& Probki() { return probki_; }

    // The results stage: a fresh J from the run's stream each call, as the
    // window draws one each time it computes. The texts are kept for the file.
    const WynikiSerii& Wyniki(std::optional<int> stopien);
    FluktuacjeSerii Fluktuacje() const;
    // The bytes of "Zapisz wyniki" for the texts of the last Wyniki: typ 1
    // (CSV), 2 (TXT) or 3 (XLSX, TypPlikuWynikow), with the check boxes as given.
    std::string PlikWynikow(int typ, const PolaWynikow& pola) const;

private:
    std::optional<StaleZiarno> ziarno_;
    std::unique_ptr<Obliczenia> obliczenia_;
    ProbkiSesji probki_;
    WynikiSerii wyniki_;
};
