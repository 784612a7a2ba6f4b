#pragma once

#include "FiltrPomocy.h"
#include "TLogo.h"
#include "TPrg.h"
#include "TSiec2D3D.h"

class Dialogi;

// The program's three windows, created in order — the splash (the main
// window), the main menu, the simulation window — and wired together, with
// the one help window that F1 opens from any of them and the simulation
// window's "Pomoc" too. They live until the program ends.
class Program {
public:
    // ekran: the geometry of the screen the windows are centred on.
    Program(Dialogi& dialogi, const QRect& ekran);
    ~Program();

    TLogo Logo;
    FiltrPomocy Pomoc;
    TPrg Menu;
    TSiec2D3D OknoSymulacji;
};
