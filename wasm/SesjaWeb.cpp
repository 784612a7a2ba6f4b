#include "SesjaWeb.h"

#include "FluktuacjeSerii.h"
#include "ObliczWyniki.h"
#include "PlikWynikow.h"
#include "TekstyFluktuacji.h"
#include "ZapiszWyniki.h"

#include <chrono>
#include <stdexcept>

std::string SesjaWeb::Przygotuj(const ParametrySymulacji& parametry, std::uint32_t ziarno) {
    ziarno_.emplace(ziarno);
    obliczenia_ = std::make_unique<Obliczenia>(*ziarno_);
    obliczenia_->UstawObserwatora(&probki_);
    obliczenia_->UstawSiec();
    try {
        obliczenia_->PrzygotujObliczenia(parametry);
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return {};
}

StanKroku SesjaWeb::Krok() {
    return obliczenia_->KrokSymulacji();
}

StanKroku SesjaWeb::Licz(double ms) {
    using Zegar = std::chrono::steady_clock;
    const auto koniec = Zegar::now() + std::chrono::duration<double, std::milli>(ms);
    StanKroku stan = StanKroku::Trwa;
    do {
        stan = obliczenia_->KrokSymulacji();
        if (stan == StanKroku::SeriaZakonczona) {
            obliczenia_->RozpocznijNastepnaSerie();
        }
    } while (stan != StanKroku::Koniec && Zegar::now() < koniec);
    return stan;
}

const WynikiSerii& SesjaWeb::Wyniki(std::optional<int> stopien) {
    const double j = obliczenia_->LosujPrzesuniecieTc();
    wyniki_ = ObliczWyniki(*obliczenia_, stopien, j);
    return wyniki_;
}

FluktuacjeSerii SesjaWeb::Fluktuacje() const {
    return FluktuacjeZ(*obliczenia_);
}

std::string SesjaWeb::PlikWynikow(int typ, const PolaWynikow& pola) const {
    TekstyWynikow teksty = wyniki_.Teksty;
    if (pola.Fluktuacje) {
        teksty.Fluktuacje =
            TekstyFluktuacjiZ(Fluktuacje(), MiejscaLambdy(obliczenia_->Stan().Parametry));
    }
    return TrescWynikow(teksty, pola, static_cast<TypPlikuWynikow>(typ));
}
