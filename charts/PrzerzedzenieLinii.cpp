#include "PrzerzedzenieLinii.h"

#include "PunktyWidoczne.h"

QList<QPointF> PrzerzedzLinie(const QList<QPointF>& punkty, double xMin, double xMax, int kolumny) {
    const auto n = static_cast<std::size_t>(punkty.size());
    const std::vector<std::size_t> wybrane = PunktyWidoczne(
        n, [&](std::size_t i) { return punkty[static_cast<qsizetype>(i)].x(); },
        [&](std::size_t i) { return punkty[static_cast<qsizetype>(i)].y(); }, xMin, xMax, kolumny);
    if (wybrane.size() == n) {
        return punkty;
    }
    QList<QPointF> wynik;
    wynik.reserve(static_cast<qsizetype>(wybrane.size()));
    for (std::size_t i : wybrane) {
        wynik.append(punkty[static_cast<qsizetype>(i)]);
    }
    return wynik;
}
