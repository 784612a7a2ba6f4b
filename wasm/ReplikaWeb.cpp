#include "ReplikaWeb.h"

#include "BadaniePowtorzen.h"
#include "ParametryWeb.h"
#include "PlikPowtorzen.h"

#include <chrono>

std::string ReplikaWeb::Przygotuj(const std::vector<std::string>& argumenty, int nr) {
    ParametryWeb wsadowe = CzytajParametry(argumenty);
    if (!wsadowe.Blad.empty()) {
        return wsadowe.Blad;
    }
    opcje_ = std::move(wsadowe.Opcje);
    if (nr < 0 || nr >= opcje_.Powtorzenia) {
        return "Błędny numer powtórzenia: dozwolone od 0 do " +
               std::to_string(opcje_.Powtorzenia - 1) + ".";
    }
    nr_ = nr;
    silnik_ = std::make_unique<SilnikRepliki>();
    pierwszy_.reset();
    silnik_->Przygotuj(opcje_, opcje_.Ziarno.value_or(0), nr_, false);
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
        silnik_->PrzygotujDrugiStart(opcje_, opcje_.Ziarno.value_or(0), nr_);
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
    BadaniePowtorzen badanie{
        opcje_.Parametry, opcje_.Stopien, opcje_.Ziarno.value_or(0), false, opcje_.Powtorzenia, {}};
    badanie.Generator = opcje_.Generator;
    if (pierwszy_) {
        silnik_->ZakonczDrugiStart(*pierwszy_);
        badanie.DwaStarty = true;
        badanie.Repliki.push_back(std::move(*pierwszy_));
        pierwszy_.reset();
    } else {
        badanie.Repliki.push_back(silnik_->Zakoncz(nr_, przebieg));
    }
    return TrescPlikuPowtorzen(badanie);
}
