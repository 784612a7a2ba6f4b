#pragma once

class Siec;

// The order parameter m of an arrangement, for the Binder cumulant
// U4 = 1 - <m^4> / 3 <m^2>^2 of a finite-size study.
//
// Ordering on a lattice whose every step joins the two sublattices of the
// parity of x + y + z (square, honeycomb, simple cubic): the staggered
// order parameter, (A on even sites - A on odd sites) / (N / 2), 1 in the
// perfect order at c = 1/2. Clustering, on every kind: the amplitude of the
// composition wave of the longest wavelength the lattice holds, |sum over A
// atoms of exp(2 pi i x / L)| / (N / pi), taken along every axis and summed in
// square (sqrt of the sum), about 1 for two slabs at c = 1/2: a fixed
// composition separates into slabs, the wave the smallest wavevector sees.
// Ordering on the triangular lattice (no two sublattices, frustrated): NaN.
//
// One pass over the atoms; no allocation.
double ParametrPorzadku(const Siec& siec, bool porzadkowanie);

// Whether the kind's every neighbour step changes the parity of x + y + z.
bool Dwudzielna(const Siec& siec);
