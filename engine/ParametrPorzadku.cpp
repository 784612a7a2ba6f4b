#include "ParametrPorzadku.h"

#include "GeometriaSieci.h"
#include "Siec.h"
#include "ZakresyParametrow.h"

#include <cmath>
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

double Podsieci(const Siec& s) {
    long long roznica = 0;
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= s.Ny(); ++y) {
            for (int x = 1; x <= s.Nx(); ++x) {
                const int a = s.Wartosc(x, y, z);
                roznica += ((x + y + z) & 1) == 0 ? a : -a;
            }
        }
    }
    return static_cast<double>(roznica) / (s.IloscAtomow() / 2.0);
}

// The squared amplitude of the wave along one axis, from the A atoms' count
// in each plane across it.
double Fala(const double* plaszczyzny, int n) {
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
    double px[Plaszczyzn] = {};
    double py[Plaszczyzn] = {};
    double pz[Plaszczyzn] = {};
    for (int z = 1; z <= s.Nz(); ++z) {
        for (int y = 1; y <= s.Ny(); ++y) {
            for (int x = 1; x <= s.Nx(); ++x) {
                const int a = s.Wartosc(x, y, z);
                px[x - 1] += a;
                py[y - 1] += a;
                pz[z - 1] += a;
            }
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
