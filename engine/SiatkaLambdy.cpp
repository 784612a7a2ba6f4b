#include "SiatkaLambdy.h"

#include "Dziesietne.h"
#include "Iloraz.h"
#include "Rozszerzona.h"

#include <utility>

double SiatkaLambdy::Lambda(int pozycja) const {
    return Iloraz(pozycja, mianownik_);
}

long double SiatkaLambdy::LambdaDokladna(int pozycja) const {
    return IlorazDokladny(pozycja, mianownik_);
}

int SiatkaLambdy::NajwiekszyKrok(int od, int doPozycji) const {
    return doPozycji - od + Z(SiatkaOkna, 1);
}

int SiatkaLambdy::MiejscaPrzebiegu(int od, int doPozycji, int krok, bool seria) const {
    const int naDziesiata = Z(SiatkaOkna, 1);
    const bool dziesiate = od % naDziesiata == 0 &&
                           (!seria || (doPozycji % naDziesiata == 0 && krok % naDziesiata == 0));
    return dziesiate ? SiatkaOkna.Miejsca() : miejsca_;
}

double SiatkaLambdy::Przesuniecie(double u) const {
    return static_cast<double>(Rozszerzona(static_cast<long double>(u) / mianownik_));
}

std::string SiatkaLambdy::Tekst(int pozycja) const {
    return TekstPozycji(pozycja, mianownik_, miejsca_);
}

std::optional<int> SiatkaLambdy::Pozycja(std::string tekst) const {
    return PozycjaZTekstu(std::move(tekst), mianownik_);
}
