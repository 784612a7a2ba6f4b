#include "Windows1250.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace {
class Konwerter {
public:
    Konwerter() : cd_(iconv_open("WINDOWS-1250", "UTF-8")) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("Brak konwertera UTF-8 -> WINDOWS-1250");
        }
    }
    ~Konwerter() { iconv_close(cd_); }
    Konwerter(const Konwerter&) = delete;
    Konwerter& operator=(const Konwerter&) = delete;
    iconv_t Uchwyt() const { return cd_; }

private:
    iconv_t cd_;
};
} // namespace

std::string NaWindows1250(std::string_view utf8) {
    Konwerter konwerter;
    // A single-byte code page never needs more bytes than the UTF-8 text.
    std::vector<char> wejscie(utf8.begin(), utf8.end());
    std::string wynik(utf8.size(), '\0');
    char* we = wejscie.data();
    std::size_t zostaloWe = wejscie.size();
    char* wy = wynik.data();
    std::size_t zostaloWy = wynik.size();
    const std::size_t zamienione = iconv(konwerter.Uchwyt(), &we, &zostaloWe, &wy, &zostaloWy);
    if (zamienione == static_cast<std::size_t>(-1)) {
        throw std::invalid_argument(errno == EILSEQ ? "Znak spoza strony kodowej Windows-1250"
                                                    : "Niepoprawny tekst UTF-8");
    }
    // Some C libraries (musl) write a stand-in for a character the code page
    // lacks and only count it as a conversion that cannot be undone.
    if (zamienione != 0) {
        throw std::invalid_argument("Znak spoza strony kodowej Windows-1250");
    }
    wynik.resize(wynik.size() - zostaloWy);
    return wynik;
}
