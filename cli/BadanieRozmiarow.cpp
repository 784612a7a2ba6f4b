#include "BadanieRozmiarow.h"

#include "AnalizaRozmiarow.h"
#include "OpcjeWsadowe.h"
#include "ProbkiBadania.h"
#include "PrzeciecieBindera.h"
#include "PrzedzialPomiarow.h"
#include "PrzejscieFluktuacji.h"
#include "RodzajSieci.h"
#include "SiecNieskonczona.h"
#include "TekstyFluktuacji.h"
#include "UruchomRepliki.h"
#include "WypiszPodsumowanie.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {
// The correlation-length exponent of the Ising class, which the ordering of
// the bipartite lattices and the clustering of all of them belong to.
constexpr double NuDwuwymiarowe = 1.0;
constexpr double NuTrojwymiarowe = 0.63;

long long Atomow(const ParametrySymulacji& p, int l) {
    const long long n = static_cast<long long>(l) * l;
    return p.Rodzaj == RodzajSieci::Kubiczna3D ? n * l : n;
}

std::string Liczba(double v, int miejsca) {
    if (!std::isfinite(v)) {
        return "-";
    }
    char bufor[32];
    std::snprintf(bufor, sizeof bufor, "%.*f", miejsca, v);
    return bufor;
}

// The position as the results file's line gives it, without its label.
std::string Polozenie(const MaksimumFluktuacji& m) {
    const std::vector<std::string> pola = PolaLiniiPrzejscia(m);
    std::string tekst;
    for (std::size_t i = 1; i < pola.size(); ++i) {
        if (!pola[i].empty()) {
            const bool uwaga = i + 1 == pola.size() && pola.size() > 3;
            tekst += (tekst.empty() ? "" : " ") + (uwaga ? "(" + pola[i] + ")" : pola[i]);
        }
    }
    return tekst;
}

const char* Powtorzen(int n) {
    if (n == 1) {
        return "powtórzenie";
    }
    const int jednosci = n % 10;
    const int dziesiatki = n % 100 / 10;
    return jednosci >= 2 && jednosci <= 4 && dziesiatki != 1 ? "powtórzenia" : "powtórzeń";
}

// Every figure with as many decimals as its error needs for a significant digit.
std::string ZBledem(double v, double blad, int najmniej) {
    int miejsca = najmniej;
    while (std::isfinite(blad) && miejsca < 6 &&
           Liczba(blad, miejsca).find_first_of("123456789") == std::string::npos) {
        ++miejsca;
    }
    return Liczba(v, miejsca) + (std::isfinite(blad) ? " ± " + Liczba(blad, miejsca) : "");
}

void WypiszPrzeciecia(std::ostream& wyjscie, const std::vector<PrzeciecieBindera>& przeciecia) {
    for (const PrzeciecieBindera& p : przeciecia) {
        wyjscie << "kumulant Bindera U4, L = " << p.L1 << " i " << p.L2 << ": ";
        if (!p.Jest) {
            wyjscie << "bez przecięcia w zakresie λ\n";
            continue;
        }
        wyjscie << "przecięcie λ = " << ZBledem(p.Lambda, p.Blad, 4) << ", U4 = " << Liczba(p.U4, 3)
                << ", nu = " << ZBledem(p.Nu, p.BladNu, 2)
                << ", gamma/nu = " << ZBledem(p.GammaNu, p.BladGammaNu, 2) << '\n';
    }
}

void Wypisz(std::ostream& wyjscie, const OpcjeWsadowe& o, const std::vector<PunktRozmiaru>& punkty,
            const std::vector<long long>& iteracje,
            const std::vector<PrzeciecieBindera>& przeciecia) {
    const bool kubiczna = o.Parametry.Rodzaj == RodzajSieci::Kubiczna3D;
    const double nu = kubiczna ? NuTrojwymiarowe : NuDwuwymiarowe;
    wyjscie << "badanie skończonych rozmiarów: sieć " << KluczRodzaju(o.Parametry.Rodzaj) << ", "
            << o.Powtorzenia << ' ' << Powtorzen(o.Powtorzenia) << " na rozmiar\n";
    wyjscie << "     L     iteracje  Cv/kN max   błąd std.  lambda_max(L) dla tej sieci\n";
    for (std::size_t i = 0; i < punkty.size(); ++i) {
        const MaksimumFluktuacji& m = punkty[i].Maksimum;
        char linia[96];
        std::snprintf(linia, sizeof linia, "%6d %12lld %10s %11s  ", punkty[i].L, iteracje[i],
                      Liczba(m.CvkN, 4).c_str(), Liczba(m.BladCvkN, 4).c_str());
        wyjscie << linia << Polozenie(m) << '\n';
    }
    WypiszPrzeciecia(wyjscie, przeciecia);
    const std::string odniesienie = TekstLambdyKrytycznej(o.Parametry.Rodzaj, o.Parametry.Tryb,
                                                          o.Parametry.PozycjaKoncentracji);
    if (!odniesienie.empty()) {
        wyjscie << odniesienie << '\n';
    }
    // The smallest growth of the peak a transition of the Ising class gives:
    // logarithmic in two dimensions, L^(alpha/nu) with alpha/nu = 0.17 in
    // three, both about a sixth of the height per unit of ln L at the sizes a
    // study reaches.
    const WynikRozmiarow w = AnalizujRozmiary(punkty, nu, przeciecia, kubiczna ? 0.17 : 0.15);
    switch (w.Rodzaj) {
    case Przejscie::Jest:
        wyjscie << (w.Przeciecie.Jest ? "kumulanty Bindera przecinają się: przejście fazowe\n"
                                      : "Cv/kN max rośnie z L: przejście fazowe\n");
        break;
    case Przejscie::Brak:
        wyjscie << "Cv/kN max nie rośnie z L, choć przejście by go podniosło o ponad 5 błędów: "
                   "brak przejścia fazowego w tym zakresie rozmiarów\n";
        return;
    case Przejscie::Nieznane:
        wyjscie << "nie da się rozstrzygnąć, czy jest przejście fazowe: Cv/kN max rośnie z L "
                   "o mniej niż 3 błędy, a błędy są za duże, by wykluczyć wzrost — zwiększ "
                   "ilość iteracji, liczbę powtórzeń albo zakres rozmiarów\n";
        return;
    }
    if (w.Przeciecie.Jest) {
        wyjscie << "lambda_c sieci nieskończonej z przecięcia U4 dwóch największych rozmiarów: "
                << ZBledem(w.Przeciecie.Lambda, w.Przeciecie.Blad, 4) << '\n';
    }
    wyjscie << "lambda_c sieci nieskończonej z maksimów Cv/kN: ";
    if (!std::isfinite(w.LambdaC) || !std::isfinite(w.BladLambdaC)) {
        wyjscie << "nie wyznaczono (potrzeba co najmniej dwóch rozmiarów z lambda_max i jego "
                   "błędem)\n";
        return;
    }
    int miejsca = 4;
    while (miejsca < 6 &&
           Liczba(w.BladLambdaC, miejsca).find_first_of("123456789") == std::string::npos) {
        ++miejsca;
    }
    wyjscie << Liczba(w.LambdaC, miejsca) << " ± " << Liczba(w.BladLambdaC, miejsca)
            << " z lambda_max(L) = lambda_c + a·L^(-1/nu) przez " << w.UzyteRozmiary
            << " rozmiary, nu = " << (kubiczna ? "0.63 (trójwymiarowa" : "1 (dwuwymiarowa")
            << " klasa Isinga, przyjęte, nie dopasowane)\n";
}
} // namespace

IteracjeRozmiaru IteracjeDla(long long iteracje, long long co, long long atomowPierwszego,
                             long long atomow, int pierwszy, int l) {
    const long long pomiarow = iteracje / co;
    const double wzgledny = static_cast<double>(l) / pierwszy;
    const double skala =
        static_cast<double>(atomow) / static_cast<double>(atomowPierwszego) * wzgledny * wzgledny;
    const long long nowe =
        PrzedzialPomiarow::Najblizszy(static_cast<double>(co) * skala).Iteracje();
    return {pomiarow * nowe, nowe};
}

int UruchomBadanieRozmiarow(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int watki,
                            NadzorReplik& nadzor, std::ostream& wyjscie, std::ostream& bledy,
                            std::vector<RozmiarBadania>* rozmiary) {
    const ParametrySymulacji& p = opcje.Parametry;
    const long long co = Przedzial(p).Iteracje();
    const long long pierwszy = Atomow(p, opcje.Rozmiary.front());
    const IteracjeRozmiaru najwieksze =
        IteracjeDla(p.MaxIloscCykli, co, pierwszy, Atomow(p, opcje.Rozmiary.back()),
                    opcje.Rozmiary.front(), opcje.Rozmiary.back());
    if (najwieksze.Iteracje > 1000000000LL || najwieksze.Co > 1000000LL) {
        bledy << "Badanie skończonych rozmiarów: dla L = " << opcje.Rozmiary.back() << " wypada "
              << najwieksze.Iteracje << " iteracji co " << najwieksze.Co
              << " (najwyżej 1000000000 co 1000000): zmniejsz --iteracje lub --co.\n";
        return 2;
    }
    std::vector<PunktRozmiaru> punkty;
    std::vector<long long> iteracje;
    std::vector<std::vector<std::vector<FluktuacjaSerii>>> seriiRozmiarow;
    for (const int l : opcje.Rozmiary) {
        OpcjeWsadowe o = opcje;
        o.Rozmiary.clear();
        o.Parametry.IloscAtomowOsX = o.Parametry.IloscAtomowOsY = o.Parametry.IloscAtomowOsZ = l;
        const IteracjeRozmiaru r =
            IteracjeDla(p.MaxIloscCykli, co, pierwszy, Atomow(p, l), opcje.Rozmiary.front(), l);
        o.Parametry.MaxIloscCykli = static_cast<int>(r.Iteracje);
        o.Parametry.PozycjaPrzedzialu =
            PrzedzialPomiarow::Najblizszy(static_cast<double>(r.Co)).Pozycja();
        WynikiReplik wyniki = UruchomRepliki(o, ziarno, watki, nadzor);
        if (wyniki.Sygnal != 0) {
            bledy << "Obliczenia przerwane sygnałem " << wyniki.Sygnal << ".\n";
            return 128 + wyniki.Sygnal;
        }
        std::vector<std::vector<FluktuacjaSerii>> serie;
        for (const WynikRepliki& replika : wyniki.Repliki) {
            std::vector<FluktuacjaSerii>& wiersz = serie.emplace_back();
            for (const SeriaRepliki& s : replika.Serie) {
                wiersz.push_back(s.Fluktuacje);
            }
        }
        punkty.push_back({l, ZnajdzPrzejscie(serie)});
        seriiRozmiarow.push_back(std::move(serie));
        iteracje.push_back(r.Iteracje);
        if (rozmiary) {
            rozmiary->push_back({o, std::move(wyniki.Repliki)});
        }
    }
    std::vector<PrzeciecieBindera> przeciecia;
    // The cumulants cross by the peak of the larger size: the reweighting
    // takes the series about it.
    const auto Wycinek = [](const std::vector<std::vector<FluktuacjaSerii>>& repliki,
                            std::pair<std::size_t, std::size_t> okno) {
        std::vector<std::vector<FluktuacjaSerii>> w;
        for (const std::vector<FluktuacjaSerii>& r : repliki) {
            w.emplace_back(r.begin() + static_cast<std::ptrdiff_t>(okno.first),
                           r.begin() + static_cast<std::ptrdiff_t>(okno.second) + 1);
        }
        return ProbkiBadania(w);
    };
    for (std::size_t i = 1; i < seriiRozmiarow.size(); ++i) {
        const auto okno = OknoSerii(seriiRozmiarow[i], 6);
        przeciecia.push_back(ZnajdzPrzeciecie(Wycinek(seriiRozmiarow[i - 1], okno),
                                              opcje.Rozmiary[i - 1],
                                              Wycinek(seriiRozmiarow[i], okno), opcje.Rozmiary[i]));
    }
    Wypisz(wyjscie, opcje, punkty, iteracje, przeciecia);
    // The peak search at each size took only the series that passed it.
    if (opcje.DwaStarty) {
        wyjscie << UwagaDwochStartow << '\n';
    }
    wyjscie.flush();
    return wyjscie ? 0 : 1;
}
