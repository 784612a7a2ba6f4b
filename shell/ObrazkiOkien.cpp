#include "ObrazkiOkien.h"

QPixmap ObrazekOkna(std::initializer_list<QString> nazwy) {
    for (const QString& nazwa : nazwy) {
        const QPixmap obrazek(QStringLiteral("okna:") + nazwa);
        if (!obrazek.isNull()) {
            return obrazek;
        }
    }
    return {};
}
