#include "MagazynPomiarow.h"

#include <algorithm>
#include <stdexcept>

MagazynPomiarow::MagazynPomiarow()
    : sigma_(static_cast<std::size_t>(LiczbaWpisowSerii) * MaxPomiarow, 0.0),
      histogram_(static_cast<std::size_t>(LiczbaWpisowSerii) * MaxPomiarow * LiczbaSlupkow, 0.0) {}

std::size_t MagazynPomiarow::Pozycja(int seria, int iteracja) const {
    if (seria < 0 || seria >= LiczbaWpisowSerii || iteracja < 0) {
        throw std::out_of_range("MagazynPomiarow: seria lub iteracja poza zakresem");
    }
    const int pomiar = std::min(iteracja / przedzial_, MaxPomiarow - 1);
    return static_cast<std::size_t>(seria) * MaxPomiarow + static_cast<std::size_t>(pomiar);
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
