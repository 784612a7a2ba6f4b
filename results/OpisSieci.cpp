#include "OpisSieci.h"

#include "Fixed.h"

namespace {
double Iloraz(int licznik, int mianownik) {
    return static_cast<double>(static_cast<long double>(licznik) / mianownik);
}
} // namespace

std::vector<std::string> OpisSieci(const DaneOpisu& dane) {
    return {
        "Siec: " + std::string(OpisRodzaju(dane.Rodzaj).Nazwa),
        "Lambda początkowa: " +
            fixed(Iloraz(dane.PozycjaLambdy, dane.MianownikLambdy), dane.MiejscaLambdy) +
            ";   Lambda końcowa: " +
            fixed(Iloraz(dane.PozycjaLambdyKoncowej, dane.MianownikLambdy), dane.MiejscaLambdy),
        "Ilość atomów w sieci: " + std::to_string(dane.IloscAtomow) +
            ";   Koncentracja atomów: " + fixed(Iloraz(dane.PozycjaKoncentracji, 100), 2),
        "Ilość atomów na osi X: " + std::to_string(dane.IloscAtomowOsX) +
            ";   Ilość atomów na osi Y: " + std::to_string(dane.IloscAtomowOsY) +
            ";   Ilość atomów na osi Z: " + std::to_string(dane.IloscAtomowOsZ),
    };
}
