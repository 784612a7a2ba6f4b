#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

// The points of a line that draw the same picture `kolumny` pixels wide, as
// indices into the line (x ascending, as every line of the program keeps it).
// Of the points falling into one pixel column only the first, the lowest, the
// highest and the last are needed, so a line of 10 000 points keeps at most
// four per column and every spike of a long run stays in sight. Points left or
// right of [xMin, xMax] share one column on each side, so the line still
// leaves the plot where it did. A line of at most four points per column keeps
// every point. `x(i)` and `y(i)` read point i. The window's charts and the web
// page's (a port the page's tests compare with this one) thin by this rule.
template <class X, class Y>
std::vector<std::size_t> PunktyWidoczne(std::size_t n, X x, Y y, double xMin, double xMax,
                                        int kolumny) {
    std::vector<std::size_t> wynik;
    if (kolumny < 1 || !(xMax > xMin) || n <= 4 * (static_cast<std::size_t>(kolumny) + 2)) {
        wynik.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            wynik[i] = i;
        }
        return wynik;
    }
    const double naKolumne = kolumny / (xMax - xMin);
    auto kolumna = [&](std::size_t i) {
        const double k = std::floor((x(i) - xMin) * naKolumne);
        return static_cast<int>(std::clamp(k, -1.0, static_cast<double>(kolumny)));
    };
    wynik.reserve(4 * (static_cast<std::size_t>(kolumny) + 2));
    std::size_t i = 0;
    while (i < n) {
        const int k = kolumna(i);
        std::size_t najnizszy = i;
        std::size_t najwyzszy = i;
        std::size_t j = i + 1;
        for (; j < n && kolumna(j) == k; ++j) {
            if (y(j) < y(najnizszy)) {
                najnizszy = j;
            }
            if (y(j) > y(najwyzszy)) {
                najwyzszy = j;
            }
        }
        std::array<std::size_t, 4> wybrane = {i, najnizszy, najwyzszy, j - 1};
        std::sort(wybrane.begin(), wybrane.end());
        for (std::size_t w = 0; w < wybrane.size(); ++w) {
            if (w == 0 || wybrane[w] != wybrane[w - 1]) {
                wynik.push_back(wybrane[w]);
            }
        }
        i = j;
    }
    return wynik;
}
