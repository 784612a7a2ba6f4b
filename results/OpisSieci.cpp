#include "OpisSieci.h"

#include "Fixed.h"
#include "Iloraz.h"

std::vector<std::string> OpisSieci(const DaneOpisu& dane) {
    return {
        // "Siec" without its accent: the results files have always begun so,
        // kept on purpose for whoever reads them back.
        "Siec: " + std::string(OpisRodzaju(dane.Rodzaj).Nazwa),
        "Lambda początkowa: " + fixed(dane.Siatka.Lambda(dane.PozycjaLambdy), dane.MiejscaLambdy) +
            ";   Lambda końcowa: " +
            fixed(dane.Siatka.Lambda(dane.PozycjaLambdyKoncowej), dane.MiejscaLambdy),
        "Ilość atomów w sieci: " + std::to_string(dane.IloscAtomow) +
            ";   Koncentracja atomów: " + fixed(Iloraz(dane.PozycjaKoncentracji, 100), 2),
        "Ilość atomów na osi X: " + std::to_string(dane.IloscAtomowOsX) +
            ";   Ilość atomów na osi Y: " + std::to_string(dane.IloscAtomowOsY) +
            ";   Ilość atomów na osi Z: " + std::to_string(dane.IloscAtomowOsZ),
    };
}
