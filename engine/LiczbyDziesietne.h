#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reals as decimal text whatever the locale (the window sets the user's, whose
// decimal separator may be a comma). The digits are those of std::to_chars and
// std::from_chars; a standard library without their floating-point forms gets
// the same digits from the C library (ZBibliotekiC), so every platform writes
// and reads the same bytes.

// `v` with `miejsca` (0..20) decimals, correctly rounded, an exact tie to even.
std::string ZnakiStale(double v, int miejsca);

// The whole text as a real: an optional "-", digits with an optional decimal
// point, an optional exponent ("1e-3"), or "inf", "infinity", "nan" in any
// case. None for anything else (a "+", a space, a comma, hexadecimal) or a
// value beyond the range of double.
std::optional<double> RzeczywistaZ(std::string_view tekst);

namespace ZBibliotekiC {
std::string ZnakiStale(double v, int miejsca);
std::optional<double> RzeczywistaZ(std::string_view tekst);
} // namespace ZBibliotekiC
