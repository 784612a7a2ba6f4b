#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where and how the values above the bars are written, so that neighbours
// never run into each other. While they fit, as always: 10-pixel type, the
// digits grouped as the locale groups them, each value just above its bar
// (inside the top of a bar that reaches the top of the plot). When two
// neighbours would run into each other (six and seven digits on seven bars of
// about the same height), all are grouped by a narrow no-break space and
// written smaller, down to 8 pixels; a value that still meets its left
// neighbour stands one line above it (below it, where the plot ends).
struct NapisySlupkow {
    static constexpr int Czcionka = 10;
    static constexpr int NajmniejszaCzcionka = 8;

    // `teksty`: the values as formatted; `szczyty`: the bars' tops in pixels
    // above the plot's bottom; `miejsce`: the plot's width in pixels per bar;
    // `wysokosc`: the plot's height in pixels.
    static NapisySlupkow Rozmiesc(const QStringList& teksty, const QList<double>& szczyty,
                                  double miejsce, double wysokosc);

    int RozmiarCzcionki = Czcionka; // pixels
    QStringList Teksty;
    // The points the values are written above, in pixels above the plot's
    // bottom, one per bar.
    QList<double> Punkty;
};
