#include "MiaraPorzadku.h"

#include "ParametrPorzadku.h"
#include "Siec.h"

#include <algorithm>
#include <cstring>

namespace {
std::uint64_t Slowo(const std::uint8_t* bajty) {
    std::uint64_t slowo;
    std::memcpy(&slowo, bajty, sizeof slowo);
    return slowo;
}

// The sum of a word's eight bytes.
long long SumaBajtow(std::uint64_t a) {
    a = (a & 0x00FF00FF00FF00FFULL) + ((a >> 8) & 0x00FF00FF00FF00FFULL);
    a = (a & 0x0000FFFF0000FFFFULL) + ((a >> 16) & 0x0000FFFF0000FFFFULL);
    return static_cast<long long>((a & 0xFFFFFFFFULL) + (a >> 32));
}
} // namespace

void MiaraPorzadku::Przygotuj(const Siec& siec, bool porzadkowanie) {
    porzadkowanie_ = porzadkowanie;
    maski_ = porzadkowanie && siec.IloscAtomow() > 0 && Dwudzielna(siec);
    parzyste_.clear();
    atomy_.clear();
    if (!maski_) {
        return;
    }
    poczatek_ = siec.Indeks(1, 1, 1);
    const std::size_t dlugosc = siec.Indeks(siec.Nx(), siec.Ny(), siec.Nz()) + 1 - poczatek_;
    parzyste_.assign(dlugosc, 0);
    atomy_.assign(dlugosc, 0);
    for (int z = 1; z <= siec.Nz(); ++z) {
        for (int y = 1; y <= siec.Ny(); ++y) {
            for (int x = 1; x <= siec.Nx(); ++x) {
                const std::size_t i = siec.Indeks(x, y, z) - poczatek_;
                atomy_[i] = 1;
                parzyste_[i] = ((x + y + z) & 1) == 0 ? 1 : 0;
            }
        }
    }
}

double MiaraPorzadku::Zmierz(const Siec& siec) const {
    if (!maski_) {
        return ParametrPorzadku(siec, porzadkowanie_);
    }
    // The kind is bit 0 of a cell's byte; a mask of 0 or 1 picks it out. Eight
    // cells at a time in one word, each byte a counter of its own, emptied
    // before it could pass 255.
    const std::uint8_t* komorki = siec.Dane() + poczatek_;
    const std::size_t n = atomy_.size();
    const std::size_t slowa = n - n % 8;
    long long naParzystych = 0;
    long long wszystkie = 0;
    std::size_t i = 0;
    while (i < slowa) {
        const std::size_t koniec = std::min(slowa, i + 8 * 255);
        std::uint64_t parzyste = 0;
        std::uint64_t atomy = 0;
        for (; i < koniec; i += 8) {
            const std::uint64_t k = Slowo(komorki + i);
            parzyste += k & Slowo(parzyste_.data() + i);
            atomy += k & Slowo(atomy_.data() + i);
        }
        naParzystych += SumaBajtow(parzyste);
        wszystkie += SumaBajtow(atomy);
    }
    for (; i < n; ++i) {
        naParzystych += komorki[i] & parzyste_[i];
        wszystkie += komorki[i] & atomy_[i];
    }
    return static_cast<double>(2 * naParzystych - wszystkie) / (siec.IloscAtomow() / 2.0);
}
