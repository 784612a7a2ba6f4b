#pragma once

#include <optional>
#include <string_view>

// The four lattice kinds. The window and the files know them by their text key
// ("3DR", "2DKwadrat", "2DTrojkat", "2DHeksagonalna"); the engine by this enum.
enum class RodzajSieci { Kubiczna3D, Kwadratowa, Trojkatna, Heksagonalna };

std::optional<RodzajSieci> RodzajZKlucza(std::string_view klucz);
std::string_view KluczRodzaju(RodzajSieci rodzaj);

// Coordination number: 6, 4, 6, 3.
int LiczbaSasiadowRodzaju(RodzajSieci rodzaj);

constexpr bool JestPlaska(RodzajSieci rodzaj) {
    return rodzaj != RodzajSieci::Kubiczna3D;
}
