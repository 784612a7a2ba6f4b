#include "WypiszPodsumowanie.h"

#include "MaksimumFluktuacji.h"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace {
std::string Liczba(double wartosc, const char* format) {
    if (std::isnan(wartosc)) {
        return "-";
    }
    char bufor[32];
    std::snprintf(bufor, sizeof bufor, format, wartosc);
    return bufor;
}

std::string L4(double wartosc) {
    return Liczba(wartosc, "%.4f");
}

// The fitted Cv/kN of series k as the results show it (zero after the fall).
std::string Dopasowane(const std::optional<WynikiSerii>& wyniki, std::size_t k) {
    return wyniki ? wyniki->Teksty.MCvkN.at(k - 1) : "-";
}

// Whether series k reached equilibrium: "tak", "nie" (with several replicas
// "nie (m/N)", m of the N replicas flagged), "-" when it could not be told.
std::string Rownowagi(const std::vector<WynikRepliki>& repliki, std::size_t k) {
    int nie = 0;
    bool nieznana = false;
    for (const WynikRepliki& r : repliki) {
        const Rownowaga stan = r.Serie[k - 1].Fluktuacje.Stan;
        nie += stan == Rownowaga::Nieosiagnieta;
        nieznana = nieznana || stan == Rownowaga::Nieznana;
    }
    if (nie == 0) {
        return nieznana ? "-" : "tak";
    }
    if (repliki.size() == 1) {
        return "nie";
    }
    return "nie (" + std::to_string(nie) + "/" + std::to_string(repliki.size()) + ")";
}

void JednaReplika(std::ostream& wyjscie, const std::vector<WynikRepliki>& repliki,
                  const std::optional<WynikiSerii>& wyniki) {
    wyjscie << "seria    lambda     sigma  sigma śr.  błąd std.  Cv/kN (fluktuacje)"
               "  Cv/kN (dopasowanie)  równowaga\n";
    const WynikRepliki& r = repliki.front();
    for (std::size_t k = 1; k <= r.Serie.size(); ++k) {
        const SeriaRepliki& s = r.Serie[k - 1];
        char linia[200];
        std::snprintf(linia, sizeof linia, "%5zu %9s %9s %10s %10s %19s %20s %10s\n", k,
                      L4(s.Lambda).c_str(), L4(s.Sigma).c_str(), L4(s.SigmaSrednia.Srednia).c_str(),
                      L4(s.SigmaSrednia.Blad).c_str(), L4(s.Fluktuacje.CvkN.Srednia).c_str(),
                      Dopasowane(wyniki, k).c_str(), Rownowagi(repliki, k).c_str());
        wyjscie << linia;
    }
}

// The mean over the replicas of one figure of series k, with its standard error.
template <class Pole>
SredniaZBledem Srednia(const std::vector<WynikRepliki>& repliki, std::size_t k, Pole pole) {
    std::vector<double> wartosci;
    for (const WynikRepliki& r : repliki) {
        wartosci.push_back(pole(r.Serie[k - 1]));
    }
    return SredniaNiezaleznych(wartosci);
}

void Przejscie(std::ostream& wyjscie, const std::vector<WynikRepliki>& repliki) {
    // Clustering runs at negative lambdas; the transition is told by |lambda|,
    // as the results stage tells it, and the grid then increases.
    std::vector<double> lambdy;
    for (const SeriaRepliki& s : repliki.front().Serie) {
        lambdy.push_back(std::fabs(s.Lambda));
    }
    std::vector<std::vector<double>> cv;
    for (const WynikRepliki& r : repliki) {
        std::vector<double>& wiersz = cv.emplace_back();
        for (const SeriaRepliki& s : r.Serie) {
            wiersz.push_back(s.Fluktuacje.CvkN.Srednia);
        }
    }
    const MaksimumFluktuacji m = ZnajdzMaksimumFluktuacji(lambdy, cv);
    wyjscie << "przejście fazowe (fluktuacje): ";
    if (m.NaBrzegu) {
        wyjscie << "maksimum na brzegu zakresu, lambda = " << Liczba(m.Lambda, "%.3f") << '\n';
    } else {
        wyjscie << "lambda = " << Liczba(m.Lambda, "%.3f") << " ± " << Liczba(m.Blad, "%.3f")
                << '\n';
    }
}

void WieleReplik(std::ostream& wyjscie, const std::vector<WynikRepliki>& repliki,
                 const std::optional<WynikiSerii>& wyniki) {
    wyjscie << "seria    lambda     sigma  błąd std.  sigma śr.  błąd std.  Cv/kN (fluktuacje)"
               "  błąd std.  Cv/kN (dopasowanie)   równowaga\n";
    for (std::size_t k = 1; k <= repliki.front().Serie.size(); ++k) {
        const SredniaZBledem sigma =
            Srednia(repliki, k, [](const SeriaRepliki& s) { return s.Sigma; });
        const SredniaZBledem sigmaSrednia =
            Srednia(repliki, k, [](const SeriaRepliki& s) { return s.SigmaSrednia.Srednia; });
        const SredniaZBledem cv =
            Srednia(repliki, k, [](const SeriaRepliki& s) { return s.Fluktuacje.CvkN.Srednia; });
        char linia[260];
        std::snprintf(linia, sizeof linia, "%5zu %9s %9s %10s %10s %10s %19s %10s %20s %11s\n", k,
                      L4(repliki.front().Serie[k - 1].Lambda).c_str(), L4(sigma.Srednia).c_str(),
                      L4(sigma.Blad).c_str(), L4(sigmaSrednia.Srednia).c_str(),
                      L4(sigmaSrednia.Blad).c_str(), L4(cv.Srednia).c_str(), L4(cv.Blad).c_str(),
                      Dopasowane(wyniki, k).c_str(), Rownowagi(repliki, k).c_str());
        wyjscie << linia;
    }
    Przejscie(wyjscie, repliki);
}
} // namespace

void WypiszPodsumowanie(std::ostream& wyjscie, const std::vector<WynikRepliki>& repliki,
                        const std::optional<WynikiSerii>& wyniki) {
    if (repliki.size() == 1) {
        JednaReplika(wyjscie, repliki, wyniki);
    } else {
        WieleReplik(wyjscie, repliki, wyniki);
    }
}
