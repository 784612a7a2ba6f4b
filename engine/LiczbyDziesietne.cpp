#include "LiczbyDziesietne.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
// The longest text of a double with 20 decimals: 309 digits, the sign, the
// point and the decimals.
using Bufor = std::array<char, 400>;

bool Cyfra(char z) {
    return z >= '0' && z <= '9';
}

bool BezWielkosciLiter(std::string_view tekst, std::string_view wzor) {
    return std::equal(tekst.begin(), tekst.end(), wzor.begin(), wzor.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

// What std::from_chars reads in its general format, the whole text.
bool PoprawnaRzeczywista(std::string_view t) {
    if (t.starts_with('-')) {
        t.remove_prefix(1);
    }
    if (BezWielkosciLiter(t, "inf") || BezWielkosciLiter(t, "infinity") ||
        BezWielkosciLiter(t, "nan")) {
        return true;
    }
    std::size_t i = 0;
    std::size_t cyfry = 0;
    for (; i < t.size() && Cyfra(t[i]); ++i) {
        ++cyfry;
    }
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && Cyfra(t[i]); ++i) {
            ++cyfry;
        }
    }
    if (cyfry == 0) {
        return false;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            ++i;
        }
        const std::size_t poczatek = i;
        while (i < t.size() && Cyfra(t[i])) {
            ++i;
        }
        if (i == poczatek) {
            return false;
        }
    }
    return i == t.size();
}

// The C library writes and reads the locale's decimal separator.
std::string SeparatorLocale() {
    const char* separator = std::localeconv()->decimal_point;
    return separator && *separator ? separator : ".";
}
} // namespace

namespace ZBibliotekiC {
std::string ZnakiStale(double v, int miejsca) {
    Bufor bufor{};
    const int dlugosc = std::snprintf(bufor.data(), bufor.size(), "%.*f", miejsca, v);
    std::string tekst(bufor.data(), static_cast<std::size_t>(std::max(dlugosc, 0)));
    const std::string separator = SeparatorLocale();
    if (separator != ".") {
        if (const auto gdzie = tekst.find(separator); gdzie != std::string::npos) {
            tekst = tekst.substr(0, gdzie) + '.' + tekst.substr(gdzie + separator.size());
        }
    }
    return tekst;
}

std::optional<double> RzeczywistaZ(std::string_view tekst) {
    if (!PoprawnaRzeczywista(tekst)) {
        return std::nullopt;
    }
    std::string kopia(tekst);
    const std::string separator = SeparatorLocale();
    if (const auto kropka = kopia.find('.'); kropka != std::string::npos && separator != ".") {
        kopia = kopia.substr(0, kropka) + separator + kopia.substr(kropka + 1);
    }
    errno = 0;
    char* koniec = nullptr;
    const double wartosc = std::strtod(kopia.c_str(), &koniec);
    // A subnormal value is representable (the C library flags it all the
    // same); one beyond double's range or lost to zero is not.
    const bool pozaZakresem = errno == ERANGE && (std::isinf(wartosc) || wartosc == 0.0);
    if (pozaZakresem || koniec != kopia.c_str() + kopia.size()) {
        return std::nullopt;
    }
    return wartosc;
}
} // namespace ZBibliotekiC

#if defined(__cpp_lib_to_chars)
std::string ZnakiStale(double v, int miejsca) {
    Bufor bufor{};
    const auto wynik = std::to_chars(bufor.data(), bufor.data() + bufor.size(), v,
                                     std::chars_format::fixed, miejsca);
    return std::string(bufor.data(), wynik.ptr);
}

std::optional<double> RzeczywistaZ(std::string_view tekst) {
    double wartosc = 0.0;
    const auto [koniec, blad] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
    if (blad != std::errc() || koniec != tekst.data() + tekst.size() || tekst.empty()) {
        return std::nullopt;
    }
    return wartosc;
}
#else
std::string ZnakiStale(double v, int miejsca) {
    return ZBibliotekiC::ZnakiStale(v, miejsca);
}

std::optional<double> RzeczywistaZ(std::string_view tekst) {
    return ZBibliotekiC::RzeczywistaZ(tekst);
}
#endif
