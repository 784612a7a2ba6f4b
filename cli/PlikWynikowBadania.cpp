#include "PlikWynikowBadania.h"

#include "ObliczWyniki.h"
#include "TekstyFluktuacji.h"
#include "ZapiszWyniki.h"

#include <algorithm>
#include <cctype>

namespace {
bool KonczySieNa(const std::string& nazwa, const std::string& rozszerzenie) {
    if (nazwa.size() < rozszerzenie.size()) {
        return false;
    }
    std::string koncowka = nazwa.substr(nazwa.size() - rozszerzenie.size());
    std::transform(koncowka.begin(), koncowka.end(), koncowka.begin(),
                   [](unsigned char z) { return static_cast<char>(std::tolower(z)); });
    return koncowka == rozszerzenie;
}

TekstyWynikow Teksty(const BadaniePowtorzen& b, const WynikiSerii& wyniki, bool fluktuacje) {
    TekstyWynikow teksty = wyniki.Teksty;
    // The window's file names no generator; a study on another says which.
    if (b.Generator != RodzajGeneratora::Okna) {
        teksty.MOpisSieci.push_back("Generator liczb losowych: xoshiro256++ (64-bitowy)");
    }
    if (fluktuacje) {
        teksty.Fluktuacje =
            TekstyFluktuacjiZ(FluktuacjeReplik(b.Repliki), MiejscaLambdy(b.Parametry));
    }
    return teksty;
}

PolaWynikow Pola(bool fluktuacje) {
    PolaWynikow pola;
    pola.Fluktuacje = fluktuacje;
    return pola;
}
} // namespace

std::optional<WynikiSerii> WynikiBadania(const BadaniePowtorzen& b) {
    if (!b.Parametry.Seria) {
        return std::nullopt;
    }
    return ObliczWyniki(b.Repliki.size() == 1 ? b.Repliki.front().Dane : SrednieReplik(b.Repliki));
}

TypPlikuWynikow TypWyjscia(const std::string& nazwa) {
    if (KonczySieNa(nazwa, ".csv")) {
        return TypPlikuWynikow::Csv;
    }
    return KonczySieNa(nazwa, ".xlsx") ? TypPlikuWynikow::Xlsx : TypPlikuWynikow::Txt;
}

WynikZapisu ZapiszWynikiBadania(const std::string& sciezka, const BadaniePowtorzen& badanie,
                                const WynikiSerii& wyniki, bool fluktuacje) {
    return ZapiszWyniki(sciezka, Teksty(badanie, wyniki, fluktuacje), Pola(fluktuacje),
                        TypWyjscia(sciezka), nullptr);
}

std::string BajtyWynikowBadania(const BadaniePowtorzen& badanie, const WynikiSerii& wyniki,
                                bool fluktuacje, TypPlikuWynikow typ) {
    return TrescWynikow(Teksty(badanie, wyniki, fluktuacje), Pola(fluktuacje), typ);
}
