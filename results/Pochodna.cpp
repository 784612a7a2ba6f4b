#include "Pochodna.h"

#include "Rozszerzona.h"

#include <algorithm>
#include <stdexcept>

namespace {
int SprawdzPunkty(int n, const TablicaPunktow& x) {
    if (n < 1) {
        return PochodnaZaMaloPunktow;
    }
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            if (x[i] == x[j]) {
                return PochodnaRowneOdciete;
            }
        }
    }
    return PochodnaBezBledu;
}
} // namespace

long double Pochodna(int n, const TablicaPunktow& x, const TablicaPunktow& y, int& blad, double t) {
    if (n < 0 || static_cast<std::size_t>(n) >= std::min(x.size(), y.size())) {
        throw std::invalid_argument("Pochodna: n poza zakresem");
    }
    blad = SprawdzPunkty(n, x);
    if (blad != PochodnaBezBledu) {
        return 0.0L;
    }
    TablicaPunktow e(static_cast<std::size_t>(n) + 1);
    TablicaPunktow c(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        e[i] = static_cast<double>(Rozszerzona(static_cast<long double>(t) - x[i]));
        c[i] = y[i];
    }
    // In place: c_i becomes f[x_0, ..., x_i], using the finished lower entries.
    for (int i = 1; i <= n; ++i) {
        long double roznica = c[i];
        for (int j = 0; j < i; ++j) {
            roznica = Rozszerzona(Rozszerzona(roznica - c[j]) /
                                  Rozszerzona(static_cast<long double>(x[i]) - x[j]));
        }
        c[i] = static_cast<double>(roznica);
    }
    // d/dt of c_k (t - x_0)...(t - x_(k-1)) is c_k times the sum over i of the
    // product with the factor i left out.
    long double suma = 0.0L;
    for (int k = 1; k <= n; ++k) {
        long double tk = 0.0L;
        for (int i = 0; i < k; ++i) {
            long double iloczyn = 1.0L;
            for (int j = 0; j < k; ++j) {
                if (j != i) {
                    iloczyn = Rozszerzona(iloczyn * e[j]);
                }
            }
            tk = Rozszerzona(tk + iloczyn);
        }
        suma = Rozszerzona(suma + Rozszerzona(c[k] * tk));
    }
    return suma;
}
