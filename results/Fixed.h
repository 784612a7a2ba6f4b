#pragma once

#include <string>

// Fixed-point text with exactly `miejsca` decimals, rounded to nearest with an
// exact tie away from zero (0.125 gives "0.13" at two), "." as the decimal
// point whatever the locale, no thousands separator, a leading "-" for every
// negative value (also when the rounded digits are all zero: -0.0001 gives
// "-0.000"). The results texts and the results file use only this format.
std::string fixed(double v, int miejsca);
