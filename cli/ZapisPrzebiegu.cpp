#include "ZapisPrzebiegu.h"

#include "Pomiar.h"

#include <cmath>
#include <cstdio>

namespace {
void DopiszLiczbe(std::string& cel, double wartosc) {
    char bufor[32];
    const int dlugosc = std::snprintf(bufor, sizeof bufor, "%.17g", wartosc);
    cel.append(bufor, static_cast<std::size_t>(dlugosc));
}
} // namespace

ZapisPrzebiegu::ZapisPrzebiegu(bool zPrzebiegiem, ObserwatorPomiarow* dalej)
    : zPrzebiegiem_(zPrzebiegiem), dalej_(dalej) {
    if (zPrzebiegiem_) {
        przebieg_ = Naglowek;
    }
}

void ZapisPrzebiegu::KoniecSerii(double lambda, double sigma) {
    if (dalej_ != nullptr) {
        dalej_->KoniecSerii(lambda, sigma);
    }
}

void ZapisPrzebiegu::PrzebiegWyzerowany() {
    if (dalej_ != nullptr) {
        dalej_->PrzebiegWyzerowany();
    }
}

void ZapisPrzebiegu::NowyPomiar(const Pomiar& p) {
    if (dalej_ != nullptr) {
        dalej_->NowyPomiar(p);
    }
    if (static_cast<std::size_t>(p.Seria) >= sigmy_.size()) {
        // A batch series of more lambdas than the window's: a row per series.
        const auto wierszy = static_cast<std::size_t>(p.Seria) + 1;
        sigmy_.resize(wierszy);
        pary_.resize(wierszy);
        rzad_.resize(wierszy);
    }
    sigmy_[p.Seria].push_back(p.Sigma);
    pary_[p.Seria].push_back(p.LiczbaParAB);
    if (!std::isnan(p.Rzad)) {
        rzad_[p.Seria].push_back(p.Rzad);
    }
    if (!zPrzebiegiem_) {
        return;
    }
    przebieg_ += std::to_string(p.Seria);
    przebieg_ += ',';
    DopiszLiczbe(przebieg_, p.Lambda);
    przebieg_ += ',';
    przebieg_ += std::to_string(p.Iteracja);
    for (const double wartosc : {p.Energia, p.Sigma, p.LiczbaParAB}) {
        przebieg_ += ',';
        DopiszLiczbe(przebieg_, wartosc);
    }
    // The bars a lattice kind cannot have stay empty.
    for (int n = 0; n < LiczbaSlupkow; ++n) {
        przebieg_ += ',';
        if (n <= p.LiczbaSasiadow) {
            DopiszLiczbe(przebieg_, p.Histogram[n]);
        }
    }
    przebieg_ += '\n';
}
