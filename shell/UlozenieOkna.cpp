#include "UlozenieOkna.h"

#include <cmath>

QPoint PolozenieNaSrodku(const QRect& ekran, QSize okno) {
    const auto srodek = [](int ekranu, int okna) {
        return static_cast<int>(std::trunc(ekranu / 2.0 - okna / 2.0));
    };
    return ekran.topLeft() +
           QPoint(srodek(ekran.width(), okno.width()), srodek(ekran.height(), okno.height()));
}
