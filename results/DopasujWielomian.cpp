#include "DopasujWielomian.h"

#include "Rozszerzona.h"

#include <algorithm>
#include <stdexcept>

namespace {
using Macierz = std::array<TablicaPunktow, RozmiarTablicyPunktow>;

// An extended result stored in 8 bytes; every operand of one is an 8-byte
// value or another extended result, each rounded as the x87 rounds it.
double Zaokraglij(long double v) {
    return static_cast<double>(Rozszerzona(v));
}

// The sums of powers: M[j][l] = sum x_i^(j+l) on the upper triangle, R_j =
// sum y_i x_i^j. The lower triangle is never written nor read.
void UlozRownania(int n, int d, const TablicaPunktow& x, const TablicaPunktow& y, Macierz& m,
                  TablicaPunktow& r) {
    TablicaPunktow potegi(static_cast<std::size_t>(n) + 1);
    m[0][0] = n + 1;
    double sumaY = 0.0;
    for (int i = 0; i <= n; ++i) {
        potegi[i] = 1.0;
        sumaY = Zaokraglij(static_cast<long double>(sumaY) + y[i]);
    }
    r[0] = sumaY;
    for (int s = 1; s <= d + n; ++s) {
        double sx = 0.0;
        double sy = 0.0;
        for (int i = 0; i <= n; ++i) {
            potegi[i] = Zaokraglij(static_cast<long double>(potegi[i]) * x[i]);
            sx = Zaokraglij(static_cast<long double>(sx) + potegi[i]);
            if (s <= d) {
                sy = Zaokraglij(static_cast<long double>(sy) +
                                Rozszerzona(static_cast<long double>(potegi[i]) * y[i]));
            }
        }
        for (int j = s / 2; j >= std::max(0, s - d); --j) {
            m[j][s - j] = sx;
        }
        if (s <= d) {
            r[s] = sy;
        }
    }
}

// Elimination in pivot order on the upper triangle: M[r][i] stands for the
// symmetric M[i][r], and the trailing block stays symmetric.
void Eliminuj(int d, Macierz& m, TablicaPunktow& r) {
    for (int w = 0; w < d; ++w) {
        for (int i = w + 1; i <= d; ++i) {
            const double f = Zaokraglij(static_cast<long double>(m[w][i]) / m[w][w]);
            for (int q = i; q <= d; ++q) {
                m[i][q] = Zaokraglij(m[i][q] - Rozszerzona(static_cast<long double>(f) * m[w][q]));
            }
            r[i] = Zaokraglij(r[i] - Rozszerzona(static_cast<long double>(f) * r[w]));
        }
    }
}

void PodstawWstecz(int d, const Macierz& m, const TablicaPunktow& r, TablicaPunktow& a) {
    for (int w = d; w >= 0; --w) {
        double suma = 0.0;
        for (int q = w + 1; q <= d; ++q) {
            suma = Zaokraglij(suma + Rozszerzona(static_cast<long double>(m[w][q]) * a[q]));
        }
        a[w] = Zaokraglij(Rozszerzona(static_cast<long double>(r[w]) - suma) / m[w][w]);
    }
}
} // namespace

TablicaPunktow DopasujWielomian(int n, int d, const TablicaPunktow& x, const TablicaPunktow& y) {
    if (n < 0 || static_cast<std::size_t>(n) >= std::min(x.size(), y.size()) || d < 0 ||
        d >= RozmiarTablicyPunktow) {
        throw std::invalid_argument("DopasujWielomian: n lub stopień poza zakresem");
    }
    TablicaPunktow a{};
    // n + 1 points determine no more than degree n; the surplus stays zero.
    d = std::min(d, n);
    Macierz m{};
    TablicaPunktow r{};
    UlozRownania(n, d, x, y, m, r);
    Eliminuj(d, m, r);
    PodstawWstecz(d, m, r, a);
    return a;
}
