#pragma once

#include <limits>

class ProbkiBadania;

// Where the Binder cumulants U4 = 1 - <m^4> / 3 <m^2>^2 of two lattice sizes
// cross along |lambda|, each reweighted from its own study's pooled samples:
// at the infinite lattice's transition U4 takes one value whatever the size,
// so the crossings of growing sizes close on lambda_c, much faster than the
// peaks of Cv/kN do. At the crossing the sizes also give the exponents as a
// check: 1 / nu from the ratio of the cumulants' slopes, gamma / nu from that
// of the susceptibilities N (<m^2> - <|m|>^2), each against ln(L2 / L1).
// Errors by a bootstrap over each study's units (ProbkiBadania); NaN where
// there is no crossing (or the studies recorded no order parameter).
struct PrzeciecieBindera {
    static constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
    int L1 = 0;
    int L2 = 0;
    bool Jest = false;
    double Lambda = Nan; // |lambda|
    double Blad = Nan;
    double U4 = Nan; // the cumulant's value there
    double Nu = Nan;
    double BladNu = Nan;
    double GammaNu = Nan;
    double BladGammaNu = Nan;
};

// `a` of size l1 < `b` of size l2, the same kind of run over overlapping
// ranges of lambda. The crossing taken is the one where the larger size's
// cumulant overtakes the smaller's going towards order (|lambda| growing)
// most steeply.
PrzeciecieBindera ZnajdzPrzeciecie(const ProbkiBadania& a, int l1, const ProbkiBadania& b, int l2,
                                   int podzial = 40);
