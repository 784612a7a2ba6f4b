#include "TytulyOkna.h"

QString TytulOkna(const QString& rodzaj, const QString& etap) {
    QString czescRodzaju;
    if (rodzaj == QLatin1String("3DR")) {
        czescRodzaju = QStringLiteral("3D  (kubiczna prosta)");
    } else if (rodzaj == QLatin1String("2DKwadrat")) {
        czescRodzaju = QStringLiteral("2D  (kwadratowa)");
    } else if (rodzaj == QLatin1String("2DTrojkat")) {
        czescRodzaju = QStringLiteral("2D  (trójkątna)");
    } else if (rodzaj == QLatin1String("2DHeksagonalna")) {
        czescRodzaju = QStringLiteral("2D  (Heksagonalna)");
    }
    return QStringLiteral("Symulacje - Sieć ") + czescRodzaju + QStringLiteral("  :  ") + etap;
}
