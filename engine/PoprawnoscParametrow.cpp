#include "PoprawnoscParametrow.h"

#include "Obliczenia.h"
#include "ParametrySymulacji.h"
#include "ZakresyParametrow.h"

#include <stdexcept>
#include <string>

namespace {
bool RozmiarPoprawny(int n) {
    return NaSkaliZakresu(ZakresOsi, n) && n <= Siec::MaxOs;
}
} // namespace

const char* NiepoprawnyParametr(const ParametrySymulacji& p) {
    const bool wsadowa = p.Skala == SkalaParametrow::Wsadowa;
    const SiatkaLambdy& siatka = Siatka(p);
    const ZakresParametru& lambdy = siatka.Zakres();
    const ZakresParametru& przedzialy = wsadowa ? ZakresPrzedzialuWsadowego : ZakresPrzedzialu;
    const ZakresParametru& iteracje = wsadowa ? ZakresIteracjiWsadowych : ZakresIteracji;
    if (!RozmiarPoprawny(p.IloscAtomowOsX)) {
        return "IloscAtomowOsX";
    }
    if (!RozmiarPoprawny(p.IloscAtomowOsY)) {
        return "IloscAtomowOsY";
    }
    if (!JestPlaska(p.Rodzaj) && !RozmiarPoprawny(p.IloscAtomowOsZ)) {
        return "IloscAtomowOsZ";
    }
    if (!NaSkaliZakresu(ZakresKoncentracji, p.PozycjaKoncentracji)) {
        return "Koncentracja";
    }
    if (!NaSkaliZakresu(lambdy, p.PozycjaLambdy)) {
        return "Lambda";
    }
    // A single run leaves the end and the step where they stand: they are not used.
    if (p.Seria && (p.PozycjaLambdyKoncowej < p.PozycjaLambdy ||
                    !NaSkaliZakresu(lambdy, p.PozycjaLambdyKoncowej))) {
        return "LambdaKoncowa";
    }
    if (p.Seria &&
        (p.PozycjaKroku < 1 ||
         p.PozycjaKroku > siatka.NajwiekszyKrok(p.PozycjaLambdy, p.PozycjaLambdyKoncowej))) {
        return "Krok";
    }
    // The per-series tables hold 24 series: the window's scale never asks for more.
    if (p.Seria && Obliczenia::LiczbaSeriiDla(p.PozycjaLambdy, p.PozycjaLambdyKoncowej,
                                              p.PozycjaKroku) > LiczbaWpisowSerii - 2) {
        return "Krok";
    }
    if (!NaSkaliZakresu(przedzialy, p.PozycjaPrzedzialu)) {
        return "PrzedzialCzasowy";
    }
    if (!WZakresie(iteracje, p.MaxIloscCykli) ||
        Przedzial(p).Pomiarow(p.MaxIloscCykli) > MaxPomiarowSerii) {
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
