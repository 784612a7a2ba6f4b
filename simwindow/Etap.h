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

// Where the run of the computation stage stands, as the run driver reports it.
enum class StanPrzebiegu { Przed, Trwa, Wstrzymany, Zakonczony };

// What decides the button row besides the stage.
struct SytuacjaOkna {
    Etap Biezacy = Etap::Ustawienia;
    StanPrzebiegu Przebieg = StanPrzebiegu::Przed;
    bool Seria = true;         // the run is a series: its end opens the results
    bool ZapisOtwarty = false; // the results stage has turned to the save
    bool SiecWybrana = true;   // false once the window has gone back to the menu
};

// Whether "Powtórz obliczenia", the forward button and "Koniec" can be pressed.
struct StanPrzyciskow {
    bool Nowe;
    bool Dalej;
    bool Zamknij;
};

// The button row from the stage table and the run: while a run goes nothing
// leaves the stage; a run that ended opens the results only for a series; the
// save, once shown, is not shown again by the forward button.
constexpr StanPrzyciskow PrzyciskiDla(const SytuacjaOkna& s) {
    if (!s.SiecWybrana) {
        return {false, false, true};
    }
    const OpisEtapu& opis = OpisDlaEtapu(s.Biezacy);
    StanPrzyciskow stan{opis.NoweDostepne, opis.DalejDostepny, true};
    if (s.Biezacy == Etap::Obliczenia) {
        const bool trwa = s.Przebieg == StanPrzebiegu::Trwa;
        stan.Nowe = stan.Nowe && !trwa;
        stan.Zamknij = !trwa;
        stan.Dalej = s.Przebieg == StanPrzebiegu::Zakonczony && s.Seria;
    }
    if (s.Biezacy == Etap::Wyniki && s.ZapisOtwarty) {
        stan.Dalej = false;
    }
    return stan;
}
