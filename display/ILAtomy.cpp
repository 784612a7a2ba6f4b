#include "ILAtomy.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <stdexcept>

// Resources of a static library are registered by hand; the macro declares
// the registration function, so it has to stand outside any namespace.
static void ZaladujZasoby() {
    Q_INIT_RESOURCE(atomy);
}

namespace {

bool Widoczny(QRgb piksel) {
    return qAlpha(piksel) >= 128;
}

} // namespace

ILAtomy::ILAtomy() {
    ZaladujZasoby();
    const QImage pasek(QStringLiteral(":/atomy/ILAtomy.png"));
    if (pasek.width() != Ilosc * Rozmiar || pasek.height() != Rozmiar) {
        throw std::runtime_error("ILAtomy.png: brak lub zły rozmiar obrazków atomów");
    }
    const QImage argb = pasek.convertToFormat(QImage::Format_ARGB32);
    for (int k = 0; k < Ilosc; ++k) {
        QImage obrazek = argb.copy(k * Rozmiar, 0, Rozmiar, Rozmiar);
        for (int y = 0; y < Rozmiar; ++y) {
            auto* wiersz = reinterpret_cast<QRgb*>(obrazek.scanLine(y));
            int x = 0;
            while (x < Rozmiar) {
                if (!Widoczny(wiersz[x])) {
                    wiersz[x] = 0;
                    ++x;
                    continue;
                }
                const int poczatek = x;
                while (x < Rozmiar && Widoczny(wiersz[x])) {
                    wiersz[x] |= 0xFF000000u;
                    ++x;
                }
                odcinki_[k].push_back({poczatek, y, x - poczatek});
            }
        }
        obrazki_[k] = obrazek;
    }
}

void ILAtomy::Rysuj(QImage& plotno, int x, int y, int indeks) const {
    const QImage& obrazek = obrazki_.at(indeks);
    const int szerokosc = plotno.width();
    const int wysokosc = plotno.height();
    for (const Odcinek& o : odcinki_[indeks]) {
        const int wy = y + o.y;
        if (wy < 0 || wy >= wysokosc) {
            continue;
        }
        const int od = std::max(x + o.x, 0);
        const int doX = std::min(x + o.x + o.dlugosc, szerokosc);
        if (od >= doX) {
            continue;
        }
        const auto* zrodlo = reinterpret_cast<const QRgb*>(obrazek.constScanLine(o.y));
        auto* cel = reinterpret_cast<QRgb*>(plotno.scanLine(wy));
        std::memcpy(cel + od, zrodlo + (od - x), sizeof(QRgb) * static_cast<std::size_t>(doX - od));
    }
}
