#pragma once

#include "ILAtomy.h"
#include "KontrolkiRysunku.h"
#include "ZnakiAtomow.h"

#include <QString>

#include <array>
#include <utility>

class ObrazSieci;
class Siec;
class TRot3D;

// What a redraw showed, so that the window can set its panels accordingly.
enum class Rysunek {
    Widok3D,   // the 3D view was fed
    Wylaczony, // drawing is switched off: the window shows PSeriaObliczen
    Widok2D,   // the flat drawing was painted
};

// The lattice display of the computation page: the flat drawing of the square,
// triangular and hexagonal lattices and of one plane of the cubic lattice into
// ISiecXYZ, and the feeding of the 3D view. It reads the lattice only through
// its API. The window owns it together with the two widgets it paints.
class RysunekSieci {
public:
    RysunekSieci(const Siec& siec, ObrazSieci& ISiecXYZ, TRot3D& RotSiec3D);

    // Scale thresholds of the lattice kind and a blank drawing area: white
    // when the lattice is drawn at 16 px, black otherwise. Call it once the
    // lattice has its kind and sizes, and again when the drawn extent changes.
    void UstawTlo();
    // Redraws the lattice as the controls ask: the 3D view, nothing (drawing
    // switched off) or the flat drawing over the previous picture. After a
    // flat drawing at 16 px the window shows P2D and hides PSeriaObliczen.
    Rysunek RysujSiec(const KontrolkiRysunku& kontrolki);
    // Rebuilds the point cloud of the 3D view from the atoms (lime A, blue B).
    void RysujSiec3D();
    // The marks of the two atoms as the last flat redraw chose them (pitch and
    // background), or those of the 3D view.
    ZnakiAtomow Znaki(bool widok3D) const;

    // Pitch of one site in pixels (16, 8, 4 or 2), chosen by the last redraw.
    int RozmiarAtomu() const { return rozmiarAtomu_; }
    // Caption of PPlaszczyzna, set by the drawing of the square lattice.
    const QString& OpisPlaszczyzny() const { return opisPlaszczyzny_; }
    // Range of TBOsZ: the planes of atoms, or the z frame while the
    // neighbours are shown; 1..1 for the flat kinds.
    static std::pair<int, int> ZakresOsiZ(const Siec& siec, bool atomySasiadujace);

private:
    void WybierzSkale();
    bool PonizejPierwszegoProgu() const;
    void RysujSiecKwadratowa(const KontrolkiRysunku& kontrolki);
    void RysujSiecTrojkatna(const KontrolkiRysunku& kontrolki);
    void RysujSiecHeksagonalna(const KontrolkiRysunku& kontrolki);
    // Paints the visited cells of plane z row by row; `pozycja` maps a cell
    // (i, j) to the top-left corner of its picture. The border cells that no
    // site has as a neighbour are painted like the others: the empty pictures
    // (0 and 14) are fully masked, so they are never drawn.
    template <class Pozycja> void RysujKomorki(bool atomySasiadujace, int z, Pozycja&& pozycja);
    // Top-left corner of cell (0, 0); the honeycomb takes two pitches a column.
    std::pair<int, int> Poczatek(bool heksagonalna) const;

    const Siec& siec_;
    ObrazSieci& ISiecXYZ_;
    TRot3D& RotSiec3D_;
    ILAtomy ILAtomy_;
    std::array<int, 3> ProgiSkali_{};
    int rozmiarAtomu_ = 16;
    int obrazekA_ = 6;
    int obrazekB_ = 3;
    QString opisPlaszczyzny_ = QStringLiteral("Płaszczyzna: (0,0,0)");
};
