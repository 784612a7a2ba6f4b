#include "Fixed.h"

#include "LiczbyDziesietne.h"

#include <cmath>
#include <stdexcept>

namespace {
// Whether v lies exactly halfway between two values of `miejsca` decimals:
// v = (k + 1/2) / 10^m exactly means v * 2^(m + 1) = k' * 5^m with k' odd,
// that is v * 2^(m + 1) is an odd integer (scaling by a power of two is exact).
bool DokladnieWPolowie(double v, int miejsca) {
    const double skalowana = std::ldexp(std::fabs(v), miejsca + 1);
    return skalowana < 9007199254740992.0 && std::floor(skalowana) == skalowana &&
           std::fmod(skalowana, 2.0) == 1.0;
}

// Adds one unit in the last decimal place to the digits, carrying leftwards.
std::string ZaokraglijWGore(std::string tekst) {
    std::size_t i = tekst.size();
    while (i > 0) {
        --i;
        char& cyfra = tekst[i];
        if (cyfra == '.' || cyfra == '-') {
            continue;
        }
        if (cyfra != '9') {
            ++cyfra;
            return tekst;
        }
        cyfra = '0';
    }
    const std::size_t pierwsza = !tekst.empty() && tekst[0] == '-' ? 1 : 0;
    tekst.insert(pierwsza, 1, '1');
    return tekst;
}
} // namespace

std::string fixed(double v, int miejsca) {
    if (miejsca < 0 || miejsca > 20) {
        throw std::invalid_argument("fixed: liczba miejsc poza zakresem");
    }
    // A negative zero is no negative value: it is shown as 0.
    if (v == 0.0) {
        v = 0.0;
    }
    if (DokladnieWPolowie(v, miejsca)) {
        // A tie is written exactly with one more digit, a 5, which is dropped
        // and rounded away from zero, as a person rounds (the plain digits
        // would round it to even).
        std::string tekst = ZnakiStale(v, miejsca + 1);
        tekst.pop_back();
        if (miejsca == 0) {
            tekst.pop_back(); // the decimal point
        }
        return ZaokraglijWGore(tekst);
    }
    return ZnakiStale(v, miejsca);
}
