#include "RodzajSieci.h"

std::optional<RodzajSieci> RodzajZKlucza(std::string_view klucz) {
    for (const OpisRodzajuSieci& opis : RodzajeSieci) {
        if (opis.Klucz == klucz) {
            return opis.Rodzaj;
        }
    }
    return std::nullopt;
}

std::string KluczeRodzajow() {
    std::string klucze;
    for (std::size_t i = 0; i < RodzajeSieci.size(); ++i) {
        klucze += (i == 0 ? "" : i + 1 == RodzajeSieci.size() ? " lub " : ", ");
        klucze += RodzajeSieci[i].Klucz;
    }
    return klucze;
}
