#include "RodzajSieci.h"

#include <array>

namespace {
constexpr std::array<std::string_view, 4> Klucze = {"3DR", "2DKwadrat", "2DTrojkat",
                                                    "2DHeksagonalna"};
}

std::optional<RodzajSieci> RodzajZKlucza(std::string_view klucz) {
    for (std::size_t i = 0; i < Klucze.size(); ++i) {
        if (Klucze[i] == klucz) {
            return static_cast<RodzajSieci>(i);
        }
    }
    return std::nullopt;
}

std::string_view KluczRodzaju(RodzajSieci rodzaj) {
    return Klucze[static_cast<int>(rodzaj)];
}

int LiczbaSasiadowRodzaju(RodzajSieci rodzaj) {
    switch (rodzaj) {
    case RodzajSieci::Kubiczna3D:
        return 6;
    case RodzajSieci::Kwadratowa:
        return 4;
    case RodzajSieci::Trojkatna:
        return 6;
    case RodzajSieci::Heksagonalna:
        return 3;
    }
    return 0;
}
