#include "UlozenieOknaPomocy.h"

#include <algorithm>

namespace {
// The start of a span of `dlugosc` inside [od, do_], as near to `pozadany` as
// it can be.
int Wewnatrz(int pozadany, int dlugosc, int od, int do_) {
    return std::clamp(pozadany, od, std::max(od, do_ - dlugosc + 1));
}
} // namespace

QRect UlozenieOknaPomocy(const QRect& program, QSize rozmiar, const QRect& ekran) {
    rozmiar = rozmiar.boundedTo(ekran.size());
    const int wysokosc = rozmiar.height();
    const int gora = Wewnatrz(program.top(), wysokosc, ekran.top(), ekran.bottom());
    const int zPrawej = ekran.right() - program.right();
    const int zLewej = program.left() - ekran.left();
    if (zPrawej >= NajwezszaObok) {
        const int szerokosc = std::min(rozmiar.width(), zPrawej);
        return {program.right() + 1, gora, szerokosc, wysokosc};
    }
    if (zLewej >= NajwezszaObok) {
        const int szerokosc = std::min(rozmiar.width(), zLewej);
        return {program.left() - szerokosc, gora, szerokosc, wysokosc};
    }
    // Over the program's window: its right part, so that its left edge, where
    // the stage pictures are, stays in sight as long as the screen allows.
    const int lewa = Wewnatrz(program.right() + 1 - rozmiar.width(), rozmiar.width(), ekran.left(),
                              ekran.right());
    return {lewa, gora, rozmiar.width(), wysokosc};
}
