#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The marks the lattice view paints for the two kinds of atom at the moment:
// the pictures at the drawing's pitch on its background, or the points of the
// 3D view on its white ground, each with the words a screen reader says.
struct ZnakiAtomow {
    QImage A;
    QImage B;
    QColor Tlo;
    QString OpisA; // "bursztynowa kula"
    QString OpisB;

    bool operator==(const ZnakiAtomow& inne) const {
        return A == inne.A && B == inne.B && Tlo == inne.Tlo;
    }
};
