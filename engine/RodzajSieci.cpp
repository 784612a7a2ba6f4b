#include "RodzajSieci.h"

std::optional<RodzajSieci> RodzajZKlucza(std::string_view klucz) {
    for (const OpisRodzajuSieci& opis : RodzajeSieci) {
        if (opis.Klucz == klucz) {
            return opis.Rodzaj;
        }
    }
    return std::nullopt;
}
