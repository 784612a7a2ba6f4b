#pragma once

#include "ParametrySymulacji.h"
#include "SiatkaLambdy.h"

// The settings page as data: what its controls hold, and what it shows and
// lets the user change for that, decided here for every view of the page.

// What the page holds: the run's parameters at the window's scale, and the
// two things of the page's own that the rules read.
struct StanUstawien {
    ParametrySymulacji Parametry;
    bool RowneOsie = true;         // the Y and Z axes follow X
    bool WylaczonaGrafika = false; // a series without the lattice drawn
    // The lowest end of a series the page offers: the start, as the last
    // series left it (a single run leaves it where it stood).
    int MinLambdyKoncowej = SiatkaOkna.Zakres().Min;
};

// A freshly set-up lattice kind: the parameters' own defaults (a series),
// equal axes, the lattice drawn.
StanUstawien DomyslneUstawienia(RodzajSieci rodzaj);

// What the page shows for a state. Positions are on the window's grids;
// reals are what the value labels show.
struct WidokUstawien {
    // A series: the end of lambda, the step and the switch of the graphics
    // take input, and the end's labels follow it; a single run leaves them
    // as they were.
    bool Seria = true;
    bool OsieYZDostepne = false; // the axes differ, so Y and Z take input
    bool OsZWidoczna = false;    // the cubic lattice's third axis
    int OsY = 0, OsZ = 0;        // the atoms on Y and Z (X's when equal)
    int IloscAtomow = 0;         // of the whole lattice

    int LambdaKoncowa = 0;     // its position: never below the start in a series
    int MinLambdyKoncowej = 0; // the end's lower bound
    int MaxKroku = 0;          // the step reaches one tenth past the end at most
    int Krok = 0;              // the step's position, within that

    double WartoscKoncentracji = 0; // the fraction of A atoms
    double WartoscLambdy = 0;
    double WartoscLambdyKoncowej = 0;
    double WartoscMinLambdyKoncowej = 0;
    long long IteracjePrzedzialu = 0; // attempts between samples
    double WartoscKroku = 0;
    double WartoscMaxKroku = 0;
};

WidokUstawien Widok(const StanUstawien& stan);
