#include "PasekPostepu.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <utility>

namespace {
constexpr long long Szerokosc = 30;
// The rate is measured over the run's first seconds; a run shorter than a
// minute is not worth a word; a log line a minute keeps a scheduler's log short.
constexpr std::chrono::seconds Kalibracja{3};
constexpr double Dlugi = 60.0;
constexpr std::chrono::seconds OdstepWpisow{60};

std::string Dwucyfrowo(long long n) {
    std::string tekst = std::to_string(n);
    if (n < 10) {
        tekst.insert(tekst.begin(), '0');
    }
    return tekst;
}

std::string MlnNaSekunde(double proby, double sekundy) {
    char liczba[32];
    std::snprintf(liczba, sizeof liczba, "%.1f", sekundy > 0 ? proby / sekundy / 1e6 : 0.0);
    return std::string(liczba) + " mln prób/s";
}
} // namespace

std::string CzasSlownie(double sekundy) {
    const auto s = static_cast<long long>(std::max(0.0, sekundy) + 0.5);
    if (s < 60) {
        return std::to_string(s) + " s";
    }
    if (s < 3600) {
        return std::to_string(s / 60) + " min " + Dwucyfrowo(s % 60) + " s";
    }
    if (s < 86400) {
        return std::to_string(s / 3600) + " h " + Dwucyfrowo(s % 3600 / 60) + " min";
    }
    const long long dni = s / 86400;
    return std::to_string(dni) + (dni == 1 ? " dzień " : " dni ") +
           std::to_string(s % 86400 / 3600) + " h";
}

PasekPostepu::PasekPostepu(std::ostream& wyjscie, bool aktywny,
                           std::function<Zegar::time_point()> teraz)
    : wyjscie_(wyjscie), aktywny_(aktywny), teraz_(std::move(teraz)), start_(teraz_()),
      ostatni_(start_), wpis_(start_) {}

void PasekPostepu::Wiersz(const std::string& tekst) {
    if (aktywny_ && pokazany_) {
        wyjscie_ << '\n';
    }
    wyjscie_ << tekst << '\n' << std::flush;
    // The bar comes back at its next drawing.
    pokazany_ = false;
}

void PasekPostepu::Koszt(long long proby, long long wszystkieProby, bool koncowy) {
    const auto teraz = teraz_();
    const double sekundy = std::chrono::duration<double>(teraz - start_).count();
    if (koncowy) {
        if (dlugi_) {
            Wiersz("Koniec obliczeń: " + std::to_string(std::max(proby, wszystkieProby)) +
                   " prób wymiany w " + CzasSlownie(sekundy) + ".");
        }
        return;
    }
    if (proby <= 0 || teraz - start_ < Kalibracja) {
        return;
    }
    const double tempo = static_cast<double>(proby) / sekundy;
    const double zostalo = static_cast<double>(std::max(wszystkieProby - proby, 0LL)) / tempo;
    pozostalo_ = CzasSlownie(zostalo);
    if (!oszacowany_) {
        oszacowany_ = true;
        dlugi_ = sekundy + zostalo >= Dlugi;
        if (dlugi_) {
            Wiersz("Szacunek: " + std::to_string(wszystkieProby) + " prób wymiany, ok. " +
                   CzasSlownie(sekundy + zostalo) + " (" +
                   MlnNaSekunde(static_cast<double>(proby), sekundy) + " w pierwszych " +
                   CzasSlownie(sekundy) + ").");
            wpis_ = teraz;
        }
        return;
    }
    if (dlugi_ && !aktywny_ && teraz - wpis_ >= OdstepWpisow) {
        wpis_ = teraz;
        const long long procent = wszystkieProby > 0 ? proby * 100 / wszystkieProby : 0;
        Wiersz("Postęp: " + std::to_string(procent) + " % (" + std::to_string(proby) + " z " +
               std::to_string(wszystkieProby) + " prób), " +
               MlnNaSekunde(static_cast<double>(proby), sekundy) + ", pozostało ok. " + pozostalo_ +
               ".");
    }
}

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
    const auto teraz = teraz_();
    if (!koncowy && pokazany_ && teraz - ostatni_ < std::chrono::milliseconds(100)) {
        return;
    }
    ostatni_ = teraz;
    pokazany_ = true;
    const long long kreski = std::clamp(pelne * Szerokosc / std::max(z, 1LL), 0LL, Szerokosc);
    const double sekundy = std::chrono::duration<double>(teraz - start_).count();
    wyjscie_ << '\r' << przed << " [" << std::string(static_cast<std::size_t>(kreski), '#')
             << std::string(static_cast<std::size_t>(Szerokosc - kreski), '.') << "] " << po
             << MlnNaSekunde(static_cast<double>(proby), sekundy) << ' '
             << (koncowy || pozostalo_.empty() ? "" : "pozostało " + pozostalo_ + " ")
             << std::flush;
}

void PasekPostepu::Zakoncz() {
    if (aktywny_ && pokazany_) {
        wyjscie_ << '\n' << std::flush;
    }
    pokazany_ = false;
    start_ = ostatni_ = wpis_ = teraz_();
    oszacowany_ = dlugi_ = false;
    pozostalo_.clear();
}
