#include "PoprawnoscParametrow.h"

#include "Obliczenia.h"
#include "ParametrySymulacji.h"
#include "ZakresyParametrow.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
// The window's axes, or the batch runner's (shorter on the cubic lattice,
// whose atoms grow as the cube).
bool RozmiarPoprawny(const ParametrySymulacji& p, int n) {
    if (p.Skala == SkalaParametrow::Okna) {
        return NaSkaliZakresu(ZakresOsi, n) && n <= Siec::MaxOs;
    }
    return NaSkaliZakresu(JestPlaska(p.Rodzaj) ? ZakresOsiWsadowych : ZakresOsiWsadowych3D, n);
}

// A list of lambdas: a batch series of increasing millionths within the
// grid's range, its ends also the run's start and end.
bool ListaPoprawna(const ParametrySymulacji& p) {
    const std::vector<int>& lista = p.ListaLambd;
    if (p.Skala != SkalaParametrow::Wsadowa || !p.Seria || lista.front() != p.PozycjaLambdy ||
        lista.back() != p.PozycjaLambdyKoncowej) {
        return false;
    }
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (!NaSkaliZakresu(SiatkaListy.Zakres(), lista[i]) ||
            (i > 0 && lista[i] <= lista[i - 1])) {
            return false;
        }
    }
    return true;
}
} // namespace

const char* NiepoprawnyParametr(const ParametrySymulacji& p) {
    const bool wsadowa = p.Skala == SkalaParametrow::Wsadowa;
    const SiatkaLambdy& siatka = Siatka(p);
    const ZakresParametru& lambdy = siatka.Zakres();
    const ZakresParametru& przedzialy = wsadowa ? ZakresPrzedzialuWsadowego : ZakresPrzedzialu;
    const ZakresParametru& iteracje = wsadowa ? ZakresIteracjiWsadowych : ZakresIteracji;
    if (!RozmiarPoprawny(p, p.IloscAtomowOsX)) {
        return "IloscAtomowOsX";
    }
    if (!RozmiarPoprawny(p, p.IloscAtomowOsY)) {
        return "IloscAtomowOsY";
    }
    if (!JestPlaska(p.Rodzaj) && !RozmiarPoprawny(p, p.IloscAtomowOsZ)) {
        return "IloscAtomowOsZ";
    }
    if (!NaSkaliZakresu(ZakresKoncentracji, p.PozycjaKoncentracji)) {
        return "Koncentracja";
    }
    if (!p.ListaLambd.empty()) {
        if (!ListaPoprawna(p)) {
            return "Lambda";
        }
    } else if (!NaSkaliZakresu(lambdy, p.PozycjaLambdy)) {
        return "Lambda";
    }
    // A single run leaves the end and the step where they stand: they are not used.
    const bool kroki = p.Seria && p.ListaLambd.empty();
    if (kroki && (p.PozycjaLambdyKoncowej < p.PozycjaLambdy ||
                  !NaSkaliZakresu(lambdy, p.PozycjaLambdyKoncowej))) {
        return "LambdaKoncowa";
    }
    if (kroki &&
        (p.PozycjaKroku < 1 ||
         p.PozycjaKroku > siatka.NajwiekszyKrok(p.PozycjaLambdy, p.PozycjaLambdyKoncowej))) {
        return "Krok";
    }
    // The window's per-series tables hold 24 series; a batch series takes
    // what memory holds.
    if (!wsadowa && LiczbaSerii(p) > LiczbaWpisowSerii - 2) {
        return "Krok";
    }
    if (!NaSkaliZakresu(przedzialy, p.PozycjaPrzedzialu)) {
        return "PrzedzialCzasowy";
    }
    if (!WZakresie(iteracje, p.MaxIloscCykli) ||
        (!wsadowa && Przedzial(p).Pomiarow(p.MaxIloscCykli) > MaxPomiarowSerii)) {
        return "MaxIloscCykli";
    }
    return nullptr;
}

void SprawdzParametry(const ParametrySymulacji& p) {
    if (const char* nazwa = NiepoprawnyParametr(p)) {
        throw std::invalid_argument(std::string("Niepoprawny parametr: ") + nazwa);
    }
}

int PomiarowSerii(const ParametrySymulacji& p) {
    return static_cast<int>(Przedzial(p).Pomiarow(p.MaxIloscCykli)) + 2;
}

double PamiecObliczen(const ParametrySymulacji& p) {
    const double bok = p.IloscAtomowOsX + 2.0;
    const double siec =
        bok * (p.IloscAtomowOsY + 2.0) * (JestPlaska(p.Rodzaj) ? 2.0 : p.IloscAtomowOsZ + 2.0);
    const int wpisow = LiczbaSerii(p) + 2;
    return std::max(siec,
                    static_cast<double>(Siec::MaxOs + 2) * (Siec::MaxOs + 2) * (Siec::MaxOs + 2)) +
           MagazynPomiarow::Bajty(wpisow, PomiarowSerii(p)) + 2.0 * wpisow * sizeof(double) +
           2.0 * siec; // the order parameter's masks of a study (MiaraPorzadku)
}
