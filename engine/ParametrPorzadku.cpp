#include "ParametrPorzadku.h"

#include "GeometriaSieci.h"
#include "Siec.h"
#include "ZakresyParametrow.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace {
template <RodzajSieci R> constexpr bool DwudzielnaRodzaju() {
    for (const auto& klasa : GeometriaSieci<R>::Sasiedzi) {
        for (const Krok& k : klasa) {
            if (((k.dx + k.dy + k.dz) & 1) == 0) {
                return false;
            }
        }
    }
    return true;
}

// A row of the frame, x = 1..nx, one byte a cell with the kind in bit 0: the
// scans below read rows as plain arrays, so that a sample's pass over the
// atoms costs about what the histogram's does.
const std::uint8_t* Wiersz(const Siec& s, int y, int z) {
    return s.Dane() + s.Indeks(1, y, z);
}

double Podsieci(const Siec& s) {
    long long roznica = 0;
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= s.Ny(); ++y) {
            const std::uint8_t* w = Wiersz(s, y, z);
            int naParzystych = 0;
            int wszystkie = 0;
            for (int i = 0; i < s.Nx(); ++i) {
                wszystkie += w[i] & 1;
            }
            for (int i = 0; i < s.Nx(); i += 2) {
                naParzystych += w[i] & 1;
            }
            // The row's first atom, x = 1, is on the even sublattice when y + z is odd.
            const int roznicaWiersza = 2 * naParzystych - wszystkie;
            roznica += ((1 + y + z) & 1) == 0 ? roznicaWiersza : -roznicaWiersza;
        }
    }
    return static_cast<double>(roznica) / (s.IloscAtomow() / 2.0);
}

// The squared amplitude of the wave along one axis, from the A atoms' count
// in each plane across it.
template <class Liczba> double Fala(const Liczba* plaszczyzny, int n) {
    double re = 0.0;
    double im = 0.0;
    for (int i = 0; i < n; ++i) {
        const double faza = 2.0 * std::numbers::pi * i / n;
        re += plaszczyzny[i] * std::cos(faza);
        im += plaszczyzny[i] * std::sin(faza);
    }
    return re * re + im * im;
}

double Skupienie(const Siec& s) {
    // One count per plane of each axis, for the longest axis of any scale: on
    // the stack, since a sample allocates nothing.
    constexpr int Plaszczyzn = ZakresOsiWsadowych.Max;
    int px[Plaszczyzn] = {};
    double py[Plaszczyzn] = {};
    double pz[Plaszczyzn] = {};
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= s.Ny(); ++y) {
            const std::uint8_t* w = Wiersz(s, y, z);
            int wiersz = 0;
            for (int i = 0; i < s.Nx(); ++i) {
                const int a = w[i] & 1;
                px[i] += a;
                wiersz += a;
            }
            py[y - 1] += wiersz;
            pz[z - 1] += wiersz;
        }
    }
    const bool przestrzenna = s.Nz() > 1;
    double suma = Fala(px, s.Nx()) + Fala(py, s.Ny());
    if (przestrzenna) {
        suma += Fala(pz, s.Nz());
    }
    return std::sqrt(suma) / (s.IloscAtomow() / std::numbers::pi);
}
} // namespace

bool Dwudzielna(const Siec& siec) {
    return NaRodzaju(siec.Rodzaj(), [](auto r) { return DwudzielnaRodzaju<decltype(r)::value>(); });
}

double ParametrPorzadku(const Siec& siec, bool porzadkowanie) {
    if (!porzadkowanie) {
        return Skupienie(siec);
    }
    return Dwudzielna(siec) ? Podsieci(siec) : std::numeric_limits<double>::quiet_NaN();
}
