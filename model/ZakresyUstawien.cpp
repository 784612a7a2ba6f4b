#include "ZakresyUstawien.h"

#include "PrzedzialPomiarow.h"
#include "SiatkaLambdy.h"

ZakresyUstawien ZakresyStronyUstawien() {
    const ZakresParametru& lambdy = SiatkaOkna.Zakres();
    const double dziesiata = SiatkaOkna.Lambda(1);
    return {
        {ZakresOsi},
        {ZakresIteracji},
        {ZakresKoncentracji, 0.01, 2, "0,1", "0,5"},
        {lambdy, dziesiata, SiatkaOkna.Miejsca(), "0.1", "2,4"},
        {ZakresPrzedzialu, PrzedzialPomiarow::Jednostka, 0, "100", "2000"},
        // Any step up to the whole range; the rules narrow it to the series.
        {{1, lambdy.Max, 1}, dziesiata, SiatkaOkna.Miejsca(), "0.1", "2,4"},
    };
}
