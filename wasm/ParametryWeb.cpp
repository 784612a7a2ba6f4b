#include "ParametryWeb.h"

#include "ParserOpcji.h"
#include "ZakresyParametrow.h"

ParametryWeb CzytajParametry(const std::vector<std::string>& argumenty) {
    auto przeczytane = CzytajOpcje(argumenty);
    if (const BladOpcji* blad = std::get_if<BladOpcji>(&przeczytane)) {
        return {{}, blad->Komunikat};
    }
    return {std::get<OpcjeWsadowe>(std::move(przeczytane)), {}};
}

ParametrySymulacji NaSkaliOkna(const ParametrySymulacji& wsadowe, std::string& blad) {
    ParametrySymulacji p = wsadowe;
    p.Skala = SkalaParametrow::Okna;
    const int naDziesiata = Siatka(wsadowe).Z(Siatka(p), 1);
    const bool lambdy = wsadowe.PozycjaLambdy % naDziesiata == 0 &&
                        wsadowe.PozycjaLambdyKoncowej % naDziesiata == 0 &&
                        wsadowe.PozycjaKroku % naDziesiata == 0;
    p.PozycjaLambdy /= naDziesiata;
    p.PozycjaLambdyKoncowej /= naDziesiata;
    p.PozycjaKroku /= naDziesiata;
    if (!lambdy) {
        blad = "Błędna wartość lambdy: dozwolone wartości od 0.1 do 2.4 co 0.1.";
    } else if (!WZakresie(ZakresIteracji, p.MaxIloscCykli)) {
        blad = "Błędna ilość iteracji: dozwolone liczby całkowite od " +
               std::to_string(ZakresIteracji.Min) + " do " + std::to_string(ZakresIteracji.Max) +
               ".";
    } else if (!NaSkaliZakresu(ZakresPrzedzialu, p.PozycjaPrzedzialu)) {
        blad = "Błędny przedział czasowy: dozwolone wartości od " +
               std::to_string(ZakresPrzedzialu.Min * 100) + " do " +
               std::to_string(ZakresPrzedzialu.Max * 100) + " co 100.";
    }
    return p;
}
