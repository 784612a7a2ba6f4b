#include "PasekPostepu.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace {
constexpr long long Szerokosc = 30;
}

PasekPostepu::PasekPostepu(std::ostream& wyjscie, bool aktywny)
    : wyjscie_(wyjscie), aktywny_(aktywny), start_(Zegar::now()), ostatni_(start_) {}

void PasekPostepu::Pokaz(int seria, int liczbaSerii, int iteracja, int maxIteracji, long long proby,
                         bool koncowy, bool drugiStart) {
    if (koncowy) {
        seria = liczbaSerii;
        iteracja = maxIteracji;
    }
    Rysuj(std::string(drugiStart ? "drugi start, " : "") + "seria " + std::to_string(seria) + "/" +
              std::to_string(liczbaSerii),
          iteracja, maxIteracji,
          std::to_string(std::min(iteracja, maxIteracji)) + "/" + std::to_string(maxIteracji) +
              " iteracji, ",
          proby, koncowy);
}

void PasekPostepu::PokazRepliki(int ukonczone, int liczbaReplik, long long proby,
                                long long wszystkieProby, bool koncowy) {
    if (koncowy) {
        ukonczone = liczbaReplik;
        proby = std::max(proby, wszystkieProby);
    }
    Rysuj("powtórzenia " + std::to_string(ukonczone) + "/" + std::to_string(liczbaReplik), proby,
          wszystkieProby, "", proby, koncowy);
}

void PasekPostepu::Rysuj(const std::string& przed, long long pelne, long long z,
                         const std::string& po, long long proby, bool koncowy) {
    if (!aktywny_) {
        return;
    }
    const auto teraz = Zegar::now();
    if (!koncowy && pokazany_ && teraz - ostatni_ < std::chrono::milliseconds(100)) {
        return;
    }
    ostatni_ = teraz;
    pokazany_ = true;
    const long long kreski = std::clamp(pelne * Szerokosc / std::max(z, 1LL), 0LL, Szerokosc);
    const double sekundy = std::chrono::duration<double>(teraz - start_).count();
    const double tempo = sekundy > 0 ? static_cast<double>(proby) / sekundy / 1e6 : 0.0;
    char liczba[32];
    std::snprintf(liczba, sizeof liczba, "%.1f", tempo);
    wyjscie_ << '\r' << przed << " [" << std::string(static_cast<std::size_t>(kreski), '#')
             << std::string(static_cast<std::size_t>(Szerokosc - kreski), '.') << "] " << po
             << liczba << " mln prób/s " << std::flush;
}

void PasekPostepu::Zakoncz() {
    if (aktywny_) {
        wyjscie_ << '\n' << std::flush;
    }
}
