#pragma once

#include "TablicaPunktow.h"

// Least-squares polynomial of degree d through the n + 1 points (x_i, y_i),
// i = 0..n, by the normal equations solved without pivoting. Returns the
// coefficients a_0..a_d, lowest power first; a degree above n gives zeros for
// a_(n+1)..a_d and the fit of degree n below them. Every stored quantity is an
// 8-byte real, each product and quotient is formed in extended precision
// first, so that results repeat to the last bit across callers.
// Throws std::invalid_argument unless 0 <= n <= 25 and 0 <= d <= 25.
TablicaPunktow DopasujWielomian(int n, int d, const TablicaPunktow& x, const TablicaPunktow& y);
