#pragma once

#include "ParametrySymulacji.h"
#include "PrzedzialPomiarow.h"
#include "RodzajSieci.h"
#include "SiatkaLambdy.h"
#include "Siec.h"

#include <string>
#include <vector>

// The small set-ups many tests share, written once: a 6 x 6 lattice filled by
// a rule, and the small series that the batch runner and the window's engine
// both run, its options made from its parameters so that the two cannot part.
namespace mala {
inline constexpr int Bok = 6;

// A Bok x Bok (x Bok) lattice of kind `rodzaj` whose atom (x, y, z) is
// `wartosc(x, y, z)` (1 for A), with its border and counts current.
template <class Wartosc> Siec Siec6(RodzajSieci rodzaj, Wartosc&& wartosc) {
    Siec s;
    s.UstawRozmiar(rodzaj, Bok, Bok, Bok);
    s.WyczyscRamke();
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= Bok; ++y) {
            for (int x = 1; x <= Bok; ++x) {
                s.Ustaw(x, y, z, wartosc(x, y, z));
            }
        }
    }
    s.PoliczOdNowa();
    return s;
}

// The ordered square arrangement: A where x + y is even.
inline Siec Szachownica() {
    return Siec6(RodzajSieci::Kwadratowa, [](int x, int y, int) { return (x + y) % 2 == 0; });
}

// The small series: the 6 x 6 square lattice, lambda 0.3..1.5 by 0.4 (four
// series), `iteracje` iterations sampled every `co`.
inline ParametrySymulacji ParametrySerii(int iteracje = 10000, int co = 2000) {
    ParametrySymulacji p;
    p.IloscAtomowOsX = p.IloscAtomowOsY = Bok;
    p.MaxIloscCykli = iteracje;
    p.PozycjaPrzedzialu = co / PrzedzialPomiarow::Jednostka;
    p.PozycjaLambdy = 3;
    p.PozycjaLambdyKoncowej = 15;
    p.PozycjaKroku = 4;
    return p;
}

// The batch runner's options for the window-scale parameters `p` of a square
// lattice series.
inline std::vector<std::string> Opcje(const ParametrySymulacji& p) {
    return {"--osie",
            std::to_string(p.IloscAtomowOsX),
            "--iteracje",
            std::to_string(p.MaxIloscCykli),
            "--co",
            std::to_string(Przedzial(p).Iteracje()),
            "--lambda",
            SiatkaOkna.Tekst(p.PozycjaLambdy) + ":" + SiatkaOkna.Tekst(p.PozycjaLambdyKoncowej) +
                ":" + SiatkaOkna.Tekst(p.PozycjaKroku)};
}
} // namespace mala
