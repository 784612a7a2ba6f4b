#pragma once

#include <QColor>

#include <array>

// The colour of the histogram bar of atoms with n unlike neighbours, the
// same in every histogram chart: olive, red, green, yellow, blue, purple,
// grey for n = 0 to 6.
inline constexpr std::array<QRgb, 7> KoloryHistogramu = {
    0x808000, 0xFF0000, 0x008000, 0xFFFF00, 0x0000FF, 0x800080, 0x808080,
};

inline QColor KolorSlupka(int n) {
    return QColor::fromRgb(KoloryHistogramu.at(static_cast<std::size_t>(n)));
}
