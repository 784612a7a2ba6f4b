#include "PunktyWykresu.h"

QList<QPointF> PunktyWykresu(const std::vector<PunktWykresu>& punkty) {
    QList<QPointF> lista;
    lista.reserve(static_cast<qsizetype>(punkty.size()));
    for (const PunktWykresu& punkt : punkty) {
        lista.append(QPointF(punkt.X, punkt.Y));
    }
    return lista;
}
