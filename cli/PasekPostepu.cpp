#include "PasekPostepu.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>

PasekPostepu::PasekPostepu(std::ostream& wyjscie, bool aktywny)
    : wyjscie_(wyjscie), aktywny_(aktywny), start_(Zegar::now()), ostatni_(start_) {}

void PasekPostepu::Pokaz(int seria, int liczbaSerii, int iteracja, int maxIteracji,
                         long long proby) {
    if (!aktywny_) {
        return;
    }
    const auto teraz = Zegar::now();
    if (pokazany_ && teraz - ostatni_ < std::chrono::milliseconds(100)) {
        return;
    }
    ostatni_ = teraz;
    pokazany_ = true;
    constexpr int Szerokosc = 30;
    const int pelne = std::clamp(iteracja * Szerokosc / std::max(maxIteracji, 1), 0, Szerokosc);
    const double sekundy = std::chrono::duration<double>(teraz - start_).count();
    const double tempo = sekundy > 0 ? proby / sekundy / 1e6 : 0.0;
    char linia[160];
    std::snprintf(linia, sizeof linia, "\rseria %d/%d [%s%s] %d/%d iteracji, %.1f mln prób/s ",
                  seria, liczbaSerii, std::string(static_cast<std::size_t>(pelne), '#').c_str(),
                  std::string(static_cast<std::size_t>(Szerokosc - pelne), '.').c_str(),
                  std::min(iteracja, maxIteracji), maxIteracji, tempo);
    wyjscie_ << linia << std::flush;
}

void PasekPostepu::Zakoncz(int liczbaSerii, int maxIteracji, long long proby) {
    if (!aktywny_) {
        return;
    }
    pokazany_ = false;
    Pokaz(liczbaSerii, liczbaSerii, maxIteracji, maxIteracji, proby);
    wyjscie_ << '\n' << std::flush;
}
