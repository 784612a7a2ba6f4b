#pragma once

#include "OpcjeWsadowe.h"
#include "SilnikRepliki.h"

#include <memory>
#include <string>
#include <vector>

// One replica of a study, run a tick at a time in its own Web Worker: the
// batch runner's replica engine with seed Z + k, whose figures leave as the
// batch runner's replica file, so that the parts of all Workers merge into
// the study of one `fazolab-batch --powtorzenia N` (ScalPowtorzenia).
class ReplikaWeb {
public:
    // Reads the batch runner's options (with --powtorzenia N and --ziarno Z)
    // and prepares replica `nr`. The Polish refusal, or an empty text.
    std::string Przygotuj(const std::vector<std::string>& argumenty, int nr);
    StanKroku Krok() { return silnik_->Krok(); }
    StanKroku Licz(double ms);
    const Obliczenia& Silnik() const { return silnik_->Silnik(); }
    // After Koniec: the replica file of this one replica.
    std::string Wynik();

private:
    OpcjeWsadowe opcje_;
    int nr_ = 0;
    std::unique_ptr<SilnikRepliki> silnik_;
};
