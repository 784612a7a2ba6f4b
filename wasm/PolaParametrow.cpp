#include "PolaParametrow.h"

#include "PoprawnoscParametrow.h"
#include "ZakresyParametrow.h"

#include <cstring>
#include <utility>

namespace {
std::string Liczby(const ZakresParametru& z) {
    return (z.Krok == 2 ? "parzyste liczby od " : "liczby całkowite od ") + std::to_string(z.Min) +
           " do " + std::to_string(z.Max);
}

// The words of an enum's values, in its order.
template <class Enum, std::size_t N> struct Slowa {
    std::array<const char*, N> Nazwy;

    WartoscPola Odczyt(Enum e) const { return std::string(Nazwy[static_cast<std::size_t>(e)]); }
    bool Zapis(Enum& e, const WartoscPola& w) const {
        for (std::size_t i = 0; i < N; ++i) {
            if (std::get<std::string>(w) == Nazwy[i]) {
                e = static_cast<Enum>(i);
                return true;
            }
        }
        return false;
    }
    std::string Lista() const {
        std::string lista;
        for (std::size_t i = 0; i < N; ++i) {
            lista += (i == 0 ? "" : i + 1 == N ? " lub " : ", ");
            lista += Nazwy[i];
        }
        return lista;
    }
};

constexpr Slowa<Ulozenie, 3> SlowaUkladu{{"przypadkowe", "uporzadkowane", "wydzielenie"}};
constexpr Slowa<Oddzialywanie, 2> SlowaTrybu{{"porzadkowanie", "klasteryzacja"}};

// A field holding a whole number of ParametrySymulacji.
template <int ParametrySymulacji::*Pole> WartoscPola Liczba(const ParametrySymulacji& p) {
    return p.*Pole;
}
template <int ParametrySymulacji::*Pole>
bool UstawLiczbe(ParametrySymulacji& p, const WartoscPola& w) {
    p.*Pole = std::get<int>(w);
    return true;
}

std::string Osi(const ParametrySymulacji&) {
    return Liczby(ZakresOsi);
}

std::string Lambdy(const ZakresParametru& z) {
    return Liczby(z) + " (dziesiąte części λ: " + SiatkaOkna.Tekst(z.Min) + ".." +
           SiatkaOkna.Tekst(z.Max) + ")";
}
} // namespace

const std::array<PoleParametru, 13> PolaParametrow = {{
    {"siec", "Rodzaj",
     [](const ParametrySymulacji& p) -> WartoscPola { return std::string(KluczRodzaju(p.Rodzaj)); },
     [](ParametrySymulacji& p, const WartoscPola& w) {
         const auto r = RodzajZKlucza(std::get<std::string>(w));
         p.Rodzaj = r.value_or(p.Rodzaj);
         return r.has_value();
     },
     [](const ParametrySymulacji&) { return KluczeRodzajow(); }},
    {"IloscAtomowOsX", "IloscAtomowOsX", Liczba<&ParametrySymulacji::IloscAtomowOsX>,
     UstawLiczbe<&ParametrySymulacji::IloscAtomowOsX>, Osi},
    {"IloscAtomowOsY", "IloscAtomowOsY", Liczba<&ParametrySymulacji::IloscAtomowOsY>,
     UstawLiczbe<&ParametrySymulacji::IloscAtomowOsY>, Osi},
    {"IloscAtomowOsZ", "IloscAtomowOsZ", Liczba<&ParametrySymulacji::IloscAtomowOsZ>,
     UstawLiczbe<&ParametrySymulacji::IloscAtomowOsZ>, Osi},
    {"TBKoncentracja", "Koncentracja", Liczba<&ParametrySymulacji::PozycjaKoncentracji>,
     UstawLiczbe<&ParametrySymulacji::PozycjaKoncentracji>,
     [](const ParametrySymulacji&) {
         return Liczby(ZakresKoncentracji) + " (setne części atomów A)";
     }},
    {"TBLambda", "Lambda", Liczba<&ParametrySymulacji::PozycjaLambdy>,
     UstawLiczbe<&ParametrySymulacji::PozycjaLambdy>,
     [](const ParametrySymulacji&) { return Lambdy(SiatkaOkna.Zakres()); }},
    {"TBLambdaKoncowa", "LambdaKoncowa", Liczba<&ParametrySymulacji::PozycjaLambdyKoncowej>,
     UstawLiczbe<&ParametrySymulacji::PozycjaLambdyKoncowej>,
     [](const ParametrySymulacji& p) {
         return Lambdy({p.PozycjaLambdy, SiatkaOkna.Zakres().Max, 1}) + ", nie mniej niż TBLambda";
     }},
    {"TBKrok", "Krok", Liczba<&ParametrySymulacji::PozycjaKroku>,
     UstawLiczbe<&ParametrySymulacji::PozycjaKroku>,
     [](const ParametrySymulacji& p) {
         return Liczby(
                    {1, SiatkaOkna.NajwiekszyKrok(p.PozycjaLambdy, p.PozycjaLambdyKoncowej), 1}) +
                " (TBLambdaKoncowa - TBLambda + 1)";
     }},
    {"TBLiczbaPrzeskokow", "PrzedzialCzasowy", Liczba<&ParametrySymulacji::PozycjaPrzedzialu>,
     UstawLiczbe<&ParametrySymulacji::PozycjaPrzedzialu>,
     [](const ParametrySymulacji&) {
         return Liczby(ZakresPrzedzialu) + " (setki iteracji między próbkami)";
     }},
    {"SEMaxIloscCykli", "MaxIloscCykli", Liczba<&ParametrySymulacji::MaxIloscCykli>,
     UstawLiczbe<&ParametrySymulacji::MaxIloscCykli>,
     [](const ParametrySymulacji&) { return Liczby(ZakresIteracji); }},
    {"uklad", "Uklad", [](const ParametrySymulacji& p) { return SlowaUkladu.Odczyt(p.Uklad); },
     [](ParametrySymulacji& p, const WartoscPola& w) { return SlowaUkladu.Zapis(p.Uklad, w); },
     [](const ParametrySymulacji&) { return SlowaUkladu.Lista(); }},
    {"tryb", "Tryb", [](const ParametrySymulacji& p) { return SlowaTrybu.Odczyt(p.Tryb); },
     [](ParametrySymulacji& p, const WartoscPola& w) { return SlowaTrybu.Zapis(p.Tryb, w); },
     [](const ParametrySymulacji&) { return SlowaTrybu.Lista(); }},
    {"seria", "Seria", [](const ParametrySymulacji& p) -> WartoscPola { return p.Seria; },
     [](ParametrySymulacji& p, const WartoscPola& w) {
         p.Seria = std::get<bool>(w);
         return true;
     },
     [](const ParametrySymulacji&) { return std::string("true lub false"); }},
}};

const PoleParametru* ZnajdzPole(const std::string& nazwa) {
    for (const PoleParametru& pole : PolaParametrow) {
        if (nazwa == pole.Nazwa) {
            return &pole;
        }
    }
    return nullptr;
}

std::string BladPola(const PoleParametru& pole, const ParametrySymulacji& p) {
    return std::string("Błędna wartość parametru ") + pole.Nazwa + ": dozwolone " +
           pole.Dozwolone(p) + ".";
}

std::string SprawdzParametryOkna(ParametrySymulacji& p) {
    p.Skala = SkalaParametrow::Okna;
    if (!p.Seria) {
        const ParametrySymulacji domyslne;
        p.PozycjaLambdyKoncowej = domyslne.PozycjaLambdyKoncowej;
        p.PozycjaKroku = domyslne.PozycjaKroku;
    }
    const char* niepoprawny = NiepoprawnyParametr(p);
    if (niepoprawny == nullptr) {
        return {};
    }
    for (const PoleParametru& pole : PolaParametrow) {
        if (std::strcmp(pole.Sprawdzane, niepoprawny) == 0) {
            return BladPola(pole, p);
        }
    }
    return std::string("Niepoprawny parametr: ") + niepoprawny + ".";
}

ParametrySymulacji NaSkaliWsadowej(const ParametrySymulacji& okna) {
    ParametrySymulacji p = okna;
    p.Skala = SkalaParametrow::Wsadowa;
    p.PozycjaLambdy = SiatkaWsadowa.Z(SiatkaOkna, okna.PozycjaLambdy);
    p.PozycjaLambdyKoncowej = SiatkaWsadowa.Z(SiatkaOkna, okna.PozycjaLambdyKoncowej);
    p.PozycjaKroku = SiatkaWsadowa.Z(SiatkaOkna, okna.PozycjaKroku);
    return p;
}
