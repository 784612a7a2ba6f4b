#pragma once

// The controls of the computation page that a redraw of the lattice reads.
struct KontrolkiRysunku {
    bool Widok3D = false;          // RBWidok3D checked
    bool WylaczGrafike = false;    // CBWylaczGrafike checked
    bool AtomySasiadujace = false; // CBAtomySasiadujace checked
    int PozycjaOsiZ = 1;           // TBOsZ: the plane of the cubic lattice
};
