#include "Fixed.h"

#include <array>
#include <charconv>
#include <stdexcept>

std::string fixed(double v, int miejsca) {
    if (miejsca < 0 || miejsca > 20) {
        throw std::invalid_argument("fixed: liczba miejsc poza zakresem");
    }
    // A negative zero is no negative value: it is shown as 0.
    if (v == 0.0) {
        v = 0.0;
    }
    // to_chars ignores the locale, which the GUI sets from the user's
    // regional settings; printf would then write a decimal comma.
    std::array<char, 400> bufor{};
    const auto wynik = std::to_chars(bufor.data(), bufor.data() + bufor.size(), v,
                                     std::chars_format::fixed, miejsca);
    return std::string(bufor.data(), wynik.ptr);
}
