#include "PrzejscieFazowe.h"

PrzejscieFazowe ZnajdzPrzejscie(const TablicaPunktow& cvkn, int n) {
    for (int k = 1; k <= n; ++k) {
        if (cvkn[k] < cvkn[k - 1]) {
            return {k - 1, true};
        }
    }
    return {n, false};
}
