#include "ProbkiSesji.h"

#include <utility>

void ProbkiSesji::NowyPomiar(const Pomiar& pomiar) {
    ostatni_ = pomiar;
    nowe_.insert(nowe_.end(),
                 {static_cast<double>(pomiar.Seria), static_cast<double>(pomiar.Iteracja),
                  pomiar.Lambda, pomiar.Energia, pomiar.LiczbaParAB, pomiar.Sigma,
                  static_cast<double>(pomiar.LiczbaSasiadow)});
    nowe_.insert(nowe_.end(), pomiar.Histogram.begin(), pomiar.Histogram.end());
}

std::vector<double> ProbkiSesji::Odbierz() {
    return std::exchange(nowe_, {});
}
