#pragma once

#include <array>
#include <cstddef>

// The three stages the simulation window leads through, in order.
enum class Etap { Ustawienia, Obliczenia, Wyniki };

// What the window shows on entering a stage: its icon, the stage word of its
// caption, and the button row (the forward button's caption and whether it
// and "Powtórz obliczenia" can be pressed).
struct OpisEtapu {
    const char* Ikona;
    const char* Tytul;
    const char* NapisDalej;
    bool DalejDostepny;
    bool NoweDostepne;
};

// Indexed by the enum. The forward button names the stage it leads to; in the
// results stage it leads to the save.
inline constexpr std::array<OpisEtapu, 3> OpisyEtapow = {{
    {":/okna/ikona_ustawienia.png", "Ustawienia", "Obliczenia   ", true, false},
    {":/okna/ikona_obliczenia.png", "Obliczenia", "Wyniki      ", false, true},
    {":/okna/ikona_wyniki.png", "Wyniki", "Zapisz wyniki", true, true},
}};

constexpr const OpisEtapu& OpisDlaEtapu(Etap etap) {
    return OpisyEtapow[static_cast<std::size_t>(etap)];
}
