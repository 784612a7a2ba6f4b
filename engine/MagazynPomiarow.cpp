#include "MagazynPomiarow.h"

#include <algorithm>
#include <stdexcept>

MagazynPomiarow::MagazynPomiarow()
    : sigma_(static_cast<std::size_t>(LiczbaWpisowSerii) * MaxPomiarow, 0.0),
      histogram_(static_cast<std::size_t>(LiczbaWpisowSerii) * MaxPomiarow * LiczbaSlupkow, 0.0) {}

void MagazynPomiarow::Przygotuj(int wpisow, int pomiarow) {
    wpisow = std::max(wpisow, LiczbaWpisowSerii);
    pomiarow = std::max(pomiarow, MaxPomiarow);
    if (wpisow <= wpisow_ && pomiarow <= pomiarow_) {
        return;
    }
    // Longer rows move every sample: the stores start again, as large as the
    // larger of the runs asks.
    wpisow_ = std::max(wpisow, wpisow_);
    pomiarow_ = std::max(pomiarow, pomiarow_);
    const std::size_t komorek = static_cast<std::size_t>(wpisow_) * pomiarow_;
    sigma_.assign(komorek, 0.0);
    histogram_.assign(komorek * LiczbaSlupkow, 0.0);
}

double MagazynPomiarow::Bajty(int wpisow, int pomiarow) {
    return static_cast<double>(std::max(wpisow, LiczbaWpisowSerii)) *
           std::max(pomiarow, MaxPomiarow) * (1 + LiczbaSlupkow) * sizeof(double);
}

std::size_t MagazynPomiarow::Pozycja(int seria, int iteracja) const {
    if (seria < 0 || seria >= wpisow_ || iteracja < 0) {
        throw std::out_of_range("MagazynPomiarow: seria lub iteracja poza zakresem");
    }
    const int pomiar = std::min(iteracja / przedzial_, pomiarow_ - 1);
    return static_cast<std::size_t>(seria) * pomiarow_ + static_cast<std::size_t>(pomiar);
}

void MagazynPomiarow::ZapiszSigme(int seria, int iteracja, double sigma) {
    sigma_[Pozycja(seria, iteracja)] = sigma;
}

void MagazynPomiarow::ZapiszSlupek(int seria, int iteracja, int n, double liczba) {
    histogram_[Pozycja(seria, iteracja) * LiczbaSlupkow + static_cast<std::size_t>(n)] = liczba;
}

double MagazynPomiarow::SigmaCykli(int seria, int iteracja) const {
    return sigma_[Pozycja(seria, iteracja)];
}

double MagazynPomiarow::HistogramCykli(int seria, int iteracja, int n) const {
    return histogram_[Pozycja(seria, iteracja) * LiczbaSlupkow + static_cast<std::size_t>(n)];
}
