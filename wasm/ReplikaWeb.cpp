#include "ReplikaWeb.h"

#include "BadanieZOpcji.h"
#include "ParametryWeb.h"
#include "PlikPowtorzen.h"
#include "StaleZiarno.h"

#include <chrono>

std::string ReplikaWeb::Przygotuj(const std::vector<std::string>& argumenty, int nr) {
    ParametryWeb wsadowe = CzytajParametry(argumenty);
    if (!wsadowe.Blad.empty()) {
        return wsadowe.Blad;
    }
    return Przygotuj(std::move(wsadowe.Opcje), nr);
}

std::string ReplikaWeb::Przygotuj(OpcjeWsadowe opcje, int nr) {
    opcje_ = std::move(opcje);
    if (nr < 0 || nr >= opcje_.Powtorzenia) {
        return "Błędny numer powtórzenia: dozwolone od 0 do " +
               std::to_string(opcje_.Powtorzenia - 1) + ".";
    }
    nr_ = nr;
    // The page always gives the seed; without one, every Worker takes Z = 0
    // rather than a clock of its own, so that their parts still merge.
    StaleZiarno bezZegara(0);
    badanie_ = BadanieZOpcji(opcje_, bezZegara);
    silnik_ = std::make_unique<SilnikRepliki>();
    pierwszy_.reset();
    silnik_->Przygotuj(opcje_, badanie_.Ziarno, nr_, false);
    return {};
}

StanKroku ReplikaWeb::Krok() {
    const StanKroku stan = silnik_->Krok();
    if (stan != StanKroku::Koniec || !opcje_.DwaStarty) {
        return stan;
    }
    if (!pierwszy_) {
        std::string bezPrzebiegu;
        pierwszy_ = silnik_->Zakoncz(nr_, bezPrzebiegu);
        silnik_->PrzygotujDrugiStart(opcje_, badanie_.Ziarno, nr_);
        return StanKroku::Trwa;
    }
    return StanKroku::Koniec;
}

StanKroku ReplikaWeb::Licz(double ms) {
    using Zegar = std::chrono::steady_clock;
    const auto koniec = Zegar::now() + std::chrono::duration<double, std::milli>(ms);
    StanKroku stan = StanKroku::Trwa;
    do {
        stan = Krok();
    } while (stan != StanKroku::Koniec && Zegar::now() < koniec);
    return stan;
}

std::string ReplikaWeb::Wynik() {
    std::string przebieg;
    BadaniePowtorzen badanie = badanie_;
    if (pierwszy_) {
        silnik_->ZakonczDrugiStart(*pierwszy_);
        badanie.Repliki.push_back(std::move(*pierwszy_));
        pierwszy_.reset();
    } else {
        badanie.Repliki.push_back(silnik_->Zakoncz(nr_, przebieg));
    }
    return TrescPlikuPowtorzen(badanie);
}
