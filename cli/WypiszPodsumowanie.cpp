#include "WypiszPodsumowanie.h"

#include "PrzejscieFluktuacji.h"
#include "SiecNieskonczona.h"
#include "TekstyFluktuacji.h"

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

// The drift test of series k: its words for one replica; for several, how
// many of the N passed ("m/N") and, when not all did, the worst verdict of
// the others.
std::string Rownowagi(const std::vector<WynikRepliki>& repliki, std::size_t k) {
    int bezDryfu = 0;
    Rownowaga najgorsza = Rownowaga::Osiagnieta;
    for (const WynikRepliki& r : repliki) {
        const Rownowaga stan = r.Serie[k - 1].Fluktuacje.Stan;
        bezDryfu += stan == Rownowaga::Osiagnieta;
        if (stan == Rownowaga::Nieosiagnieta ||
            (stan == Rownowaga::Nieznana && najgorsza == Rownowaga::Osiagnieta)) {
            najgorsza = stan;
        }
    }
    if (repliki.size() == 1) {
        return SlowaRownowagi(najgorsza);
    }
    return std::to_string(bezDryfu) + "/" + std::to_string(repliki.size()) + " " +
           SlowaRownowagi(bezDryfu == static_cast<int>(repliki.size()) ? Rownowaga::Osiagnieta
                                                                       : najgorsza);
}

// The autocorrelation time of series k's pair count in samples (the mean
// over the replicas) and its independent samples after the burn-in, n / 2 tau
// (summed over the replicas).
std::string Autokorelacja(const std::vector<WynikRepliki>& repliki, std::size_t k) {
    double tau = 0.0;
    double niezalezne = 0.0;
    for (const WynikRepliki& r : repliki) {
        const FluktuacjaSerii& f = r.Serie[k - 1].Fluktuacje;
        tau += f.Tau.Tau / static_cast<double>(repliki.size());
        niezalezne += static_cast<double>(f.Pary.size()) / (2.0 * f.Tau.Tau);
    }
    char tekst[48];
    std::snprintf(tekst, sizeof tekst, "%8s %9s", Liczba(tau, "%.1f").c_str(),
                  Liczba(niezalezne, "%.0f").c_str());
    return tekst;
}

void JednaReplika(std::ostream& wyjscie, const std::vector<WynikRepliki>& repliki,
                  const std::optional<WynikiSerii>& wyniki) {
    wyjscie << "seria    lambda     sigma  sigma śr.  błąd std.  Cv/kN (fluktuacje)"
               "  Cv/kN (dopasowanie)  tau_int  niezależne  równowaga\n";
    const WynikRepliki& r = repliki.front();
    for (std::size_t k = 1; k <= r.Serie.size(); ++k) {
        const SeriaRepliki& s = r.Serie[k - 1];
        char linia[200];
        std::snprintf(linia, sizeof linia, "%5zu %9s %9s %10s %10s %19s %20s %s  %s\n", k,
                      L4(s.Lambda).c_str(), L4(s.Sigma).c_str(), L4(s.SigmaSrednia.Srednia).c_str(),
                      L4(s.SigmaSrednia.Blad).c_str(), L4(s.Fluktuacje.CvkN.Srednia).c_str(),
                      Dopasowane(wyniki, k).c_str(), Autokorelacja(repliki, k).c_str(),
                      Rownowagi(repliki, k).c_str());
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

// The transition from the fluctuations, as the results file's line tells it
// (the decimal point, the words where a number would claim too much).
void Przejscie(std::ostream& wyjscie, const std::vector<WynikRepliki>& repliki) {
    std::vector<std::vector<FluktuacjaSerii>> serie;
    for (const WynikRepliki& r : repliki) {
        std::vector<FluktuacjaSerii>& wiersz = serie.emplace_back();
        for (const SeriaRepliki& s : r.Serie) {
            wiersz.push_back(s.Fluktuacje);
        }
    }
    const std::vector<std::string> pola = PolaLiniiPrzejscia(ZnajdzPrzejscie(serie));
    std::string tekst;
    for (std::size_t i = 1; i < pola.size(); ++i) {
        if (pola[i].empty()) {
            continue;
        }
        const bool uwaga = i + 1 == pola.size() && pola.size() > 3;
        tekst += (tekst.empty() ? "" : " ") + (uwaga ? "(" + pola[i] + ")" : pola[i]);
    }
    // One size places the peak of this lattice, which is neither a
    // transition nor the infinite lattice's lambda_c: only a size study tells.
    const DaneOpisu& o = repliki.front().Dane.Opis;
    std::string osie = std::to_string(o.IloscAtomowOsX) + " × " + std::to_string(o.IloscAtomowOsY);
    if (o.Rodzaj == RodzajSieci::Kubiczna3D) {
        osie += " × " + std::to_string(o.IloscAtomowOsZ);
    }
    wyjscie << "maksimum Cv/kN (fluktuacje): lambda_max dla tej sieci (" << osie << ") = " << tekst
            << '\n'
            << UwagaGranicySieci << '\n';
    const std::string odniesienie =
        TekstLambdyKrytycznej(o.Rodzaj, repliki.front().Dane.Tryb, o.PozycjaKoncentracji);
    if (!odniesienie.empty()) {
        wyjscie << odniesienie << '\n';
    }
}

void WieleReplik(std::ostream& wyjscie, const std::vector<WynikRepliki>& repliki,
                 const std::optional<WynikiSerii>& wyniki) {
    wyjscie << "seria    lambda     sigma  błąd std.  sigma śr.  błąd std.  Cv/kN (fluktuacje)"
               "  błąd std.  Cv/kN (dopasowanie)  tau_int  niezależne   równowaga\n";
    for (std::size_t k = 1; k <= repliki.front().Serie.size(); ++k) {
        SredniaZBledem sigma = Srednia(repliki, k, [](const SeriaRepliki& s) { return s.Sigma; });
        SredniaZBledem sigmaSrednia =
            Srednia(repliki, k, [](const SeriaRepliki& s) { return s.SigmaSrednia.Srednia; });
        SredniaZBledem cv =
            Srednia(repliki, k, [](const SeriaRepliki& s) { return s.Fluktuacje.CvkN.Srednia; });
        // The spread of fewer replicas is itself too uncertain to be an error.
        if (repliki.size() < static_cast<std::size_t>(MinReplikDlaBledu)) {
            sigma.Blad = sigmaSrednia.Blad = cv.Blad = std::nan("");
        }
        char linia[300];
        std::snprintf(linia, sizeof linia, "%5zu %9s %9s %10s %10s %10s %19s %10s %20s %s  %s\n", k,
                      L4(repliki.front().Serie[k - 1].Lambda).c_str(), L4(sigma.Srednia).c_str(),
                      L4(sigma.Blad).c_str(), L4(sigmaSrednia.Srednia).c_str(),
                      L4(sigmaSrednia.Blad).c_str(), L4(cv.Srednia).c_str(), L4(cv.Blad).c_str(),
                      Dopasowane(wyniki, k).c_str(), Autokorelacja(repliki, k).c_str(),
                      Rownowagi(repliki, k).c_str());
        wyjscie << linia;
    }
    if (repliki.size() < static_cast<std::size_t>(MinReplikDlaBledu)) {
        wyjscie << "błędy z rozrzutu powtórzeń wymagają co najmniej " << MinReplikDlaBledu
                << " powtórzeń\n";
    }
    Przejscie(wyjscie, repliki);
}
} // namespace

void WypiszPodsumowanie(std::ostream& wyjscie, const std::vector<WynikRepliki>& repliki,
                        const std::optional<WynikiSerii>& wyniki) {
    if (repliki.size() == 1) {
        JednaReplika(wyjscie, repliki, wyniki);
        if (repliki.front().Serie.size() > 1) {
            Przejscie(wyjscie, repliki);
        }
    } else {
        WieleReplik(wyjscie, repliki, wyniki);
    }
}
