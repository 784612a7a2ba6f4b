#include "TablicaAkceptacji.h"

#include "Rozszerzona.h"

#include <cmath>

void TablicaAkceptacji::Zbuduj(double lambda, bool porzadkowanie) {
    constexpr long double Skala = 4294967296.0L; // 2^32: scaling by it is exact
    for (int zmiana = MinZmiana; zmiana <= MaxZmiana; ++zmiana) {
        const long double progS =
            Rozszerzona(WykladniczaRozszerzona(Rozszerzona(static_cast<long double>(zmiana) *
                                                           static_cast<long double>(lambda))) *
                        Skala);
        // ordering: s / 2^32 <= p  <=>  s < floor(p * 2^32) + 1
        // clustering: s / 2^32 < p  <=>  s < ceil(p * 2^32)
        const long double granica = porzadkowanie ? std::floor(progS) + 1.0L : std::ceil(progS);
        // A change in the favoured direction is accepted whatever the state,
        // whichever sign lambda is given: the loop asks the table about it too.
        const bool korzystna = porzadkowanie ? zmiana >= 0 : zmiana <= 0;
        granica_[static_cast<unsigned>(zmiana - MinZmiana)] =
            korzystna || granica >= Skala ? static_cast<std::uint64_t>(Skala)
                                          : static_cast<std::uint64_t>(granica);
    }
}
