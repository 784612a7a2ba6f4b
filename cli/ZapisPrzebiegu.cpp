#include "ZapisPrzebiegu.h"

#include "Obliczenia.h"

#include <cstdio>

namespace {
void DopiszLiczbe(std::string& cel, double wartosc) {
    char bufor[32];
    const int dlugosc = std::snprintf(bufor, sizeof bufor, "%.17g", wartosc);
    cel.append(bufor, static_cast<std::size_t>(dlugosc));
}
} // namespace

ZapisPrzebiegu::ZapisPrzebiegu(const Obliczenia& obliczenia, bool zPrzebiegiem)
    : obliczenia_(obliczenia), zPrzebiegiem_(zPrzebiegiem) {
    if (zPrzebiegiem_) {
        przebieg_ = Naglowek;
    }
}

void ZapisPrzebiegu::HistogramWyczyszczony() {
    slupki_ = {};
}

void ZapisPrzebiegu::SlupekHistogramu(int n, double liczbaAtomow) {
    slupki_[n] = liczbaAtomow;
}

void ZapisPrzebiegu::PunktSigmy(int iteracja, double sigma) {
    const StanObliczen& s = obliczenia_.Stan();
    sigmy_[s.NrSerii].push_back(sigma);
    pary_[s.NrSerii].push_back(s.LiczbaParAB);
    if (!zPrzebiegiem_) {
        return;
    }
    przebieg_ += std::to_string(s.NrSerii);
    przebieg_ += ',';
    DopiszLiczbe(przebieg_, s.Lambda);
    przebieg_ += ',';
    przebieg_ += std::to_string(iteracja);
    for (const double wartosc : {s.Energia, sigma, s.LiczbaParAB}) {
        przebieg_ += ',';
        DopiszLiczbe(przebieg_, wartosc);
    }
    for (int n = 0; n < 7; ++n) {
        przebieg_ += ',';
        if (n <= s.LiczbaSasiadow) {
            DopiszLiczbe(przebieg_, slupki_[n]);
        }
    }
    przebieg_ += '\n';
}
