#include "TytulyOkna.h"

namespace {
// The lattice part of the caption, indexed by the lattice kind.
QString CzescRodzaju(RodzajSieci rodzaj) {
    switch (rodzaj) {
    case RodzajSieci::Kubiczna3D:
        return QStringLiteral("3D  (kubiczna prosta)");
    case RodzajSieci::Kwadratowa:
        return QStringLiteral("2D  (kwadratowa)");
    case RodzajSieci::Trojkatna:
        return QStringLiteral("2D  (trójkątna)");
    case RodzajSieci::Heksagonalna:
        return QStringLiteral("2D  (Heksagonalna)");
    }
    return {};
}
} // namespace

QString TytulOkna(RodzajSieci rodzaj, const QString& etap) {
    return QStringLiteral("Symulacje - Sieć ") + CzescRodzaju(rodzaj) + QStringLiteral("  :  ") +
           etap;
}
