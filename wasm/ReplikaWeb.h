#pragma once

#include "BadaniePowtorzen.h"
#include "OpcjeWsadowe.h"
#include "SilnikRepliki.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// One replica of a study, run a tick at a time in its own Web Worker: the
// batch runner's replica engine on replica k's stream of the seed Z, whose figures leave as the
// batch runner's replica file, so that the parts of all Workers merge into
// the study of one `fazolab-batch --powtorzenia N` (ScalPowtorzenia).
class ReplikaWeb {
public:
    // Reads the batch runner's options (with --powtorzenia N and --ziarno Z)
    // and prepares replica `nr`. The Polish refusal, or an empty text.
    std::string Przygotuj(const std::vector<std::string>& argumenty, int nr);
    // The same for options already read (the page's parameters, OpcjeReplikiZJs).
    std::string Przygotuj(OpcjeWsadowe opcje, int nr);
    // One tick; with --dwa-starty the second start follows the first before
    // the replica reports Koniec.
    StanKroku Krok();
    StanKroku Licz(double ms);
    const Obliczenia& Silnik() const { return silnik_->Silnik(); }
    // After Koniec: the replica file of this one replica.
    std::string Wynik();

private:
    OpcjeWsadowe opcje_;
    BadaniePowtorzen badanie_; // its header, without replicas
    int nr_ = 0;
    std::unique_ptr<SilnikRepliki> silnik_;
    // The first start's figures while the second start runs.
    std::optional<WynikRepliki> pierwszy_;
};
