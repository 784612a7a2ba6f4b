#include "ParametrySymulacji.h"

#include "Obliczenia.h"

#include <algorithm>

namespace {
// The decimals position p of the list's millionths needs: 0.8637 four.
int MiejscaPozycji(int pozycja) {
    int miejsca = SiatkaListy.Miejsca();
    while (miejsca > 1 && pozycja % 10 == 0) {
        pozycja /= 10;
        --miejsca;
    }
    return miejsca;
}
} // namespace

int MiejscaLambdy(const ParametrySymulacji& p) {
    if (!p.ListaLambd.empty()) {
        int miejsca = 1;
        for (const int pozycja : p.ListaLambd) {
            miejsca = std::max(miejsca, MiejscaPozycji(pozycja));
        }
        return miejsca;
    }
    return Siatka(p).MiejscaPrzebiegu(p.PozycjaLambdy, p.PozycjaLambdyKoncowej, p.PozycjaKroku,
                                      p.Seria);
}

double PrzesuniecieTc(const ParametrySymulacji& p, double u) {
    const int miejsca = MiejscaLambdy(p);
    if (miejsca == SiatkaOkna.Miejsca()) {
        return SiatkaOkna.Przesuniecie(u);
    }
    if (p.ListaLambd.empty()) {
        return Siatka(p).Przesuniecie(u);
    }
    // Below one unit of the list's last decimal: a ten-thousandth for 0.8637.
    int mianownik = 1;
    for (int i = 0; i < miejsca; ++i) {
        mianownik *= 10;
    }
    return SiatkaLambdy(mianownik, miejsca, SiatkaListy.Zakres()).Przesuniecie(u);
}

int LiczbaSerii(const ParametrySymulacji& p) {
    if (!p.ListaLambd.empty()) {
        return static_cast<int>(p.ListaLambd.size());
    }
    return p.Seria ? Obliczenia::LiczbaSeriiDla(p.PozycjaLambdy, p.PozycjaLambdyKoncowej,
                                                p.PozycjaKroku)
                   : 1;
}
