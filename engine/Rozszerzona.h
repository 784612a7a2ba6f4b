#pragma once

#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The engine's extended precision is the x87 format's: a 64-bit significand,
// which long double has on x86 (Linux, MinGW, Intel macOS). Where long double
// is wider (IEEE binary128: WebAssembly, Linux on ARM64) every extended result
// passes through here and is rounded to 64 bits, so that those builds draw,
// sample and write the same bits: the wider result, exact for a sum of the
// engine's operands and rounded once for a product or a quotient, rounds to
// the x87 one except at an exact tie 113 bits down, which a run does not meet.
// Where long double is a double (MSVC, ARM64 macOS) nothing can restore the
// lost bits, and the last digits of a trace may differ.
inline long double Rozszerzona(long double x) {
#if LDBL_MANT_DIG == 113
    // The bits themselves, as a sample pays for a few of these: the 49 lowest
    // of the 112 stored fraction bits go, rounded to nearest, a tie to even; a
    // carry may run on into the exponent, which is the rounding up it stands
    // for. Zero, the infinities and NaN have nothing to round.
    static_assert(sizeof(long double) == 16);
    std::array<std::uint64_t, 2> slowa{};
    std::memcpy(slowa.data(), &x, sizeof x);
    const std::size_t nizsze = std::endian::native == std::endian::little ? 0 : 1;
    std::uint64_t& dol = slowa[nizsze];
    std::uint64_t& gora = slowa[1 - nizsze];
    if ((gora & 0x7FFF000000000000ull) == 0x7FFF000000000000ull) {
        return x;
    }
    constexpr std::uint64_t Jednostka = 1ull << 49;
    const std::uint64_t reszta = dol & (Jednostka - 1);
    dol -= reszta;
    if (reszta > Jednostka / 2 || (reszta == Jednostka / 2 && (dol & Jednostka) != 0)) {
        dol += Jednostka;
        gora += dol == 0 ? 1 : 0;
    }
    std::memcpy(&x, slowa.data(), sizeof x);
    return x;
#elif LDBL_MANT_DIG > 64
    if (x == 0 || !std::isfinite(x)) {
        return x;
    }
    int wykladnik = 0;
    const long double znaczaca = std::frexp(x, &wykladnik); // 0.5 <= |znaczaca| < 1
    return std::ldexp(std::nearbyint(std::ldexp(znaczaca, 64)), wykladnik - 64);
#else
    return x;
#endif
}

// e^x in the same precision. The C library of WebAssembly (musl) computes a
// binary128 exponential in double precision only, which would move the
// acceptance thresholds; there it is summed here instead: x = k ln 2 + r,
// |r| <= ln 2 / 2, and the Taylor series of e^r to the last bit of binary128.
inline long double WykladniczaRozszerzona(long double x) {
#if LDBL_MANT_DIG > 64
    constexpr long double Ln2 = 0.693147180559945309417232121458176568L;
    const long double k = std::nearbyint(x / Ln2);
    const long double r = x - k * Ln2;
    long double suma = 1;
    long double wyraz = 1;
    for (int n = 1; n < 40 && std::fabs(wyraz) > 1e-36L; ++n) {
        wyraz *= r / n;
        suma += wyraz;
    }
    return Rozszerzona(std::ldexp(suma, static_cast<int>(k)));
#else
    return std::exp(x);
#endif
}
