#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class Siec;

// The order parameter of a sample (ParametrPorzadku), measured without a
// pass row by row where the lattice allows: for ordering on a bipartite
// lattice, the cells of the whole frame are weighed at once against masks of
// the sublattice, so that a sample on a small cubic lattice taken every few
// hundred attempts does not cost the exchange loop a tenth of its time.
class MiaraPorzadku {
public:
    // For the lattice's present kind and size: allocates, once per prepared run.
    void Przygotuj(const Siec& siec, bool porzadkowanie);
    // The order parameter of the lattice's arrangement, as ParametrPorzadku
    // gives it. Allocates nothing.
    double Zmierz(const Siec& siec) const;

private:
    bool porzadkowanie_ = true;
    bool maski_ = false;
    std::size_t poczatek_ = 0;
    // Over the frame's cells from the first atom to the last, border cells
    // included: 1 on the even sublattice's atoms, and 1 on every atom.
    std::vector<std::uint8_t> parzyste_;
    std::vector<std::uint8_t> atomy_;
};
