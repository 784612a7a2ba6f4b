#pragma once

#include "OpcjeWsadowe.h"
#include "WynikRepliki.h"

#include <cstdint>
#include <iosfwd>
#include <vector>

class NadzorReplik;

// One size of the study as it ran: its options (that size's axes, iterations
// and interval) and its replicas.
struct RozmiarBadania {
    OpcjeWsadowe Opcje;
    std::vector<WynikRepliki> Repliki;
};

// The finite-size study of --osie L1,L2,..: the series with its replicas at
// each size in turn (L atoms on every axis; the iterations and the sampling
// interval grow with the number of atoms times L^2, so that every size has as
// many samples as the first and as many attempts per atom per correlation
// time, which near the transition grows about as L^2), then one table of
// lambda_max(L) and the peak's height with their errors, whether the height
// grows with L, and lambda_c of the infinite lattice from lambda_max(L) =
// lambda_c + a L^(-1/nu) with nu of the Ising class (1 in two dimensions,
// 0.63 in three). Returns the exit status (128 + the signal when one stopped
// it, nothing printed then but the reason on `bledy`). `rozmiary`, when
// given, receives every size as it ran, for a caller that keeps the data.
int UruchomBadanieRozmiarow(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int watki,
                            NadzorReplik& nadzor, std::ostream& wyjscie, std::ostream& bledy,
                            std::vector<RozmiarBadania>* rozmiary = nullptr);

// The iterations and the sampling interval (in iterations) of size L when the
// first size L0 ran `iteracje` sampled every `co`: both scaled by the number
// of atoms times (L / L0)^2, the interval rounded to a hundred (at least one),
// the iterations a whole number of intervals.
struct IteracjeRozmiaru {
    long long Iteracje = 0;
    long long Co = 0;
};
IteracjeRozmiaru IteracjeDla(long long iteracje, long long co, long long atomowPierwszego,
                             long long atomow, int pierwszy, int l);
