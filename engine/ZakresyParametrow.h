#pragma once

// The ranges of the run parameters as the settings page offers them, in the
// units the parameters are held in: atoms per axis, trackbar positions
// (hundredths of concentration, hundreds of iterations between samples), iterations, the degree of
// the fit.
struct ZakresParametru {
    int Min;
    int Max;
    int Krok; // the step of the control
};

inline constexpr ZakresParametru ZakresOsi{6, 100, 2}, ZakresKoncentracji{10, 50, 1},
    ZakresPrzedzialu{1, 20, 1}, ZakresIteracji{10000, 1000000, 1000}, ZakresStopnia{1, 24, 1};

// The batch runner's ranges (SkalaParametrow::Wsadowa): sampling intervals up
// to 10^6 iterations, runs up to 10^9 iterations, axes up to 512 atoms on the
// flat lattices and 128 on the cubic one (a finite-size study's sizes). The
// concentration keeps the window's range; lambda has its grid (SiatkaLambdy).
inline constexpr ZakresParametru ZakresPrzedzialuWsadowego{1, 10000, 1},
    ZakresIteracjiWsadowych{10000, 1000000000, 1}, ZakresOsiWsadowych{6, 512, 2},
    ZakresOsiWsadowych3D{6, 128, 2};

constexpr bool WZakresie(const ZakresParametru& zakres, long long wartosc) {
    return wartosc >= zakres.Min && wartosc <= zakres.Max;
}

// Within the range and a whole number of steps from its minimum. The spinner
// of iterations also takes a typed value, so only its bounds bind; every other
// control moves in steps (an axis holds an even number of atoms).
constexpr bool NaSkaliZakresu(const ZakresParametru& zakres, long long wartosc) {
    return WZakresie(zakres, wartosc) && (wartosc - zakres.Min) % zakres.Krok == 0;
}
