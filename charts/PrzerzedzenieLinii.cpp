#include "PrzerzedzenieLinii.h"

#include <algorithm>
#include <cmath>

QList<QPointF> PrzerzedzLinie(const QList<QPointF>& punkty, double xMin, double xMax, int kolumny) {
    if (kolumny < 1 || !(xMax > xMin) || punkty.size() <= 4 * (kolumny + 2)) {
        return punkty;
    }
    const double naKolumne = kolumny / (xMax - xMin);
    auto kolumna = [&](double x) {
        const double k = std::floor((x - xMin) * naKolumne);
        return static_cast<int>(std::clamp(k, -1.0, static_cast<double>(kolumny)));
    };

    QList<QPointF> wynik;
    wynik.reserve(4 * (kolumny + 2));
    qsizetype i = 0;
    const qsizetype n = punkty.size();
    while (i < n) {
        const int k = kolumna(punkty[i].x());
        qsizetype pierwszy = i;
        qsizetype najnizszy = i;
        qsizetype najwyzszy = i;
        qsizetype j = i + 1;
        while (j < n && kolumna(punkty[j].x()) == k) {
            if (punkty[j].y() < punkty[najnizszy].y()) {
                najnizszy = j;
            }
            if (punkty[j].y() > punkty[najwyzszy].y()) {
                najwyzszy = j;
            }
            ++j;
        }
        const qsizetype ostatni = j - 1;
        qsizetype wybrane[4] = {pierwszy, najnizszy, najwyzszy, ostatni};
        std::sort(std::begin(wybrane), std::end(wybrane));
        qsizetype poprzedni = -1;
        for (qsizetype w : wybrane) {
            if (w != poprzedni) {
                wynik.append(punkty[w]);
                poprzedni = w;
            }
        }
        i = j;
    }
    return wynik;
}
