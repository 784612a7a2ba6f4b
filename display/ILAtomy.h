#pragma once

#include <QImage>

#include <array>
#include <vector>

// The 15 masked atom pictures of 16 x 16 pixels that the flat lattice drawing
// paints, one per site: shaded balls (1..6), a circle outline (7), solid red
// (8..10) and green (11..13) squares of 2, 4 and 8 pixels in the top-left
// corner, and two empty pictures (0, 14). A masked-out pixel leaves the canvas
// as it was, so a redraw over an older picture shows it through the mask.
class ILAtomy {
public:
    static constexpr int Ilosc = 15;
    static constexpr int Rozmiar = 16;

    ILAtomy();

    // The picture as loaded (ARGB32, alpha 0 or 255).
    const QImage& Obrazek(int indeks) const { return obrazki_.at(indeks); }

    // Paints picture `indeks` with its top-left corner at (x, y) of an RGB32
    // canvas; pixels that fall outside the canvas are clipped.
    void Rysuj(QImage& plotno, int x, int y, int indeks) const;

private:
    // A horizontal run of unmasked pixels: painting copies whole runs, which
    // keeps a redraw of 10 000 sites far below one timer tick.
    struct Odcinek {
        int x;
        int y;
        int dlugosc;
    };

    std::array<QImage, Ilosc> obrazki_;
    std::array<std::vector<Odcinek>, Ilosc> odcinki_;
};
