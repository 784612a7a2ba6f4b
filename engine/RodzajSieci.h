#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The four lattice kinds. The window and the files know them by their text key;
// the engine by this enum.
enum class RodzajSieci { Kubiczna3D, Kwadratowa, Trojkatna, Heksagonalna };

// What the program says about a lattice kind, in one place.
struct OpisRodzajuSieci {
    RodzajSieci Rodzaj;
    std::string_view Klucz;      // the key the main menu hands over and the options take
    int LiczbaSasiadow;          // coordination number
    int Wymiary;                 // 3 for the cubic lattice, 2 for the flat ones
    std::string_view Nazwa;      // in the description of the results ("Siec: <Nazwa>")
    std::string_view NazwaPliku; // the file name the save dialog proposes
};

// Indexed by the enum. The names go without Polish letters ("Trojkatna"), as
// every results file written so far spells them, kept on purpose.
inline constexpr std::array<OpisRodzajuSieci, 4> RodzajeSieci = {{
    {RodzajSieci::Kubiczna3D, "3DR", 6, 3, "3D Kubiczna prosta", "3DKubiczna"},
    {RodzajSieci::Kwadratowa, "2DKwadrat", 4, 2, "2D Kwadratowa", "2DKwadratowa"},
    {RodzajSieci::Trojkatna, "2DTrojkat", 6, 2, "2D Trojkatna", "2DTrojkatna"},
    {RodzajSieci::Heksagonalna, "2DHeksagonalna", 3, 2, "2D Heksagonalna - \"plaster miodu\"",
     "2DHeksagonalna"},
}};

constexpr const OpisRodzajuSieci& OpisRodzaju(RodzajSieci rodzaj) {
    return RodzajeSieci[static_cast<std::size_t>(rodzaj)];
}

std::optional<RodzajSieci> RodzajZKlucza(std::string_view klucz);

// The kinds' keys as the table orders them, for a message naming what is
// allowed: "3DR, 2DKwadrat, 2DTrojkat lub 2DHeksagonalna".
std::string KluczeRodzajow();

constexpr std::string_view KluczRodzaju(RodzajSieci rodzaj) {
    return OpisRodzaju(rodzaj).Klucz;
}

constexpr int LiczbaSasiadowRodzaju(RodzajSieci rodzaj) {
    return OpisRodzaju(rodzaj).LiczbaSasiadow;
}

constexpr bool JestPlaska(RodzajSieci rodzaj) {
    return OpisRodzaju(rodzaj).Wymiary == 2;
}
