#pragma once

#include "LicznikiSasiedztwa.h"
#include "Pojemnosci.h"
#include "RodzajSieci.h"
#include "Wezel.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The lattice: one byte per cell (1 = atom A, 0 = atom B) for the current
// sizes, framed by a one-cell periodic border so that every neighbour of every
// atom is a fixed offset away. The storage is taken at construction for the
// window's largest lattice (100 x 100 x 100 with its border) and grows only
// when a larger one is set (the batch runner's sizes), so a change of size
// within it only changes the strides. Cells outside the current frame are
// never read.
//
// The face cells of the border hold copies of the opposite faces; the edge and
// corner cells hold B, except the two corners that the triangular rule reads,
// (0, 0) and (nx + 1, ny + 1), which hold the copies of (nx, ny) and (1, 1).
//
// The byte of an atom holds its kind in bit 0 and, above it, the number of its
// A neighbours; a border cell holds the kind of the atom it copies (its upper
// bits are never read). Beside the cells the lattice keeps what a sample
// reads: the unlike pairs and the neighbour histogram. The exchange loop keeps
// all of them current; PoliczOdNowa counts them from the kinds.
class Siec {
public:
    // The longest axis of the window's lattices, which the storage holds from the start.
    static constexpr int MaxOs = 100;
    static constexpr int MaxSasiadow = 6;
    using Sasiedzi = std::array<Wezel, MaxSasiadow>;

    Siec();

    // Sets the kind and sizes (even, from 6; nz is taken as 1 for the flat
    // kinds), taking more storage only when the frame outgrows what it holds.
    void UstawRozmiar(RodzajSieci rodzaj, int nx, int ny, int nz);

    RodzajSieci Rodzaj() const { return rodzaj_; }
    int Nx() const { return nx_; }
    int Ny() const { return ny_; }
    int Nz() const { return nz_; }
    int IloscAtomow() const { return nx_ * ny_ * nz_; }
    int LiczbaSasiadow() const { return q_; }

    // Reads any cell of the frame (z = 1 for the flat kinds).
    int Wartosc(int x, int y, int z) const { return komorki_[Indeks(x, y, z)] & 1; }
    // Writes an atom's kind only; the border and the counts are brought up to
    // date by PoliczOdNowa.
    void Ustaw(int x, int y, int z, int wartosc) {
        komorki_[Indeks(x, y, z)] = static_cast<std::uint8_t>(wartosc);
    }

    // Sets every cell of the frame to B.
    void WyczyscRamke();
    // Copies the faces into the border (and the two triangular corners).
    void OdswiezBrzegi();
    // Refreshes the border and counts the kept values afresh from the cells:
    // once an arrangement is written.
    void PoliczOdNowa();
    // Refreshes the border and counts the histogram from the atoms' bytes,
    // which must be current (the pair count is left as it is): after a chunk
    // that kept only the bytes. Reads one byte per atom, no neighbours.
    void UzupelnijLiczniki();

    // The neighbours of a site under the rule of the kind, as frame cells (the
    // first LiczbaSasiadow() entries are filled).
    Sasiedzi SasiedziWezla(int x, int y, int z) const;
    // The number of B neighbours of the site, or 0 when it does not hold `wymagany`.
    int IloscSasiadowB(int x, int y, int z, int wymagany) const;
    // Whether two atoms are nearest neighbours, also through the periodic border.
    bool Sasiednie(const Wezel& a, const Wezel& b) const;

    // The kept counts, current after every chunk of the loop.
    const LicznikiSasiedztwa& Liczniki() const { return liczniki_; }
    LicznikiSasiedztwa& Liczniki() { return liczniki_; }

    // Unlike nearest-neighbour pairs, each counted once (reads the border).
    int PoliczParyAB() const;
    // Number of atoms with n unlike neighbours, n = 0..6 (reads the border).
    std::array<int, LiczbaSlupkow> HistogramSasiadow() const;
    // Atoms holding 1 in the block.
    int IloscAtomowA() const;

    // Raw access for the exchange loop: cell index of (x, y, z) and the strides.
    std::size_t Indeks(int x, int y, int z) const {
        return static_cast<std::size_t>(x + y * sx_ + z * sxy_ - baza_);
    }
    std::uint8_t* Dane() { return komorki_.data(); }
    const std::uint8_t* Dane() const { return komorki_.data(); }
    int KrokY() const { return sx_; }
    int KrokZ() const { return sxy_; }

private:
    template <class Cialo> void ZaKazdymAtomem(Cialo&& cialo) const;
    // Visits the atoms as ZaKazdymAtomem, handing the cell index, the kind
    // bit and the number of A neighbours (read from the kind bits) to the body.
    template <RodzajSieci R, class Cialo> void ZaKazdymOtoczeniem(Cialo&& cialo) const;

    void PoliczOtoczenie();

    std::vector<std::uint8_t> komorki_;
    LicznikiSasiedztwa liczniki_;
    RodzajSieci rodzaj_ = RodzajSieci::Kwadratowa;
    int nx_ = 0;
    int ny_ = 0;
    int nz_ = 1;
    int q_ = 4;
    int sx_ = 0;   // stride of y
    int sxy_ = 0;  // stride of z
    int baza_ = 0; // offset that maps the lowest z of the frame to the start
};
