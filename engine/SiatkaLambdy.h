#pragma once

#include "ZakresyParametrow.h"

#include <optional>
#include <string>

// A grid of lambdas: every lambda of a run is a whole number of 1/Mianownik
// (a position) within Zakres. The window offers tenths, the batch runner
// hundredths, both over 0.10..2.40. A real lambda is only ever formed from its
// position here (Iloraz), so a position names the same bits on either grid
// whenever it names the same real.
class SiatkaLambdy {
public:
    constexpr SiatkaLambdy(int mianownik, int miejsca, ZakresParametru zakres)
        : mianownik_(mianownik), miejsca_(miejsca), zakres_(zakres) {}

    constexpr int Mianownik() const { return mianownik_; }
    // The decimals one position needs: 1 for tenths, 2 for hundredths.
    constexpr int Miejsca() const { return miejsca_; }
    constexpr const ZakresParametru& Zakres() const { return zakres_; }

    double Lambda(int pozycja) const;
    long double LambdaDokladna(int pozycja) const;
    // The largest lambda of the grid: no series runs past it.
    long double Najwieksza() const { return LambdaDokladna(zakres_.Max); }

    // The position on this grid of `pozycja` on `inna` (a tenth is ten
    // hundredths); the caller moves only to a finer grid.
    constexpr int Z(const SiatkaLambdy& inna, int pozycja) const {
        return pozycja * mianownik_ / inna.mianownik_;
    }

    // The largest step of a series from `od` to `doPozycji`: one tenth past
    // the end on every grid, as the window's step trackbar allows.
    int NajwiekszyKrok(int od, int doPozycji) const;

    // The decimals a run's lambdas are written with: one unless a lambda of
    // the run falls between tenths.
    int MiejscaPrzebiegu(int od, int doPozycji, int krok, bool seria) const;

    // A random offset below one position of the grid, from a uniform number
    // u in [0, 1): u / Mianownik in extended precision, rounded once.
    double Przesuniecie(double u) const;

    // A position written with the grid's decimals ("0.10" on hundredths).
    std::string Tekst(int pozycja) const;
    // A decimal written with "." or "," as a position of this grid, when it
    // is exactly one (0.35 is none on tenths); the range is not checked.
    std::optional<int> Pozycja(std::string tekst) const;

private:
    int mianownik_;
    int miejsca_;
    ZakresParametru zakres_;
};

// The settings page's grid, the batch runner's finer one over the same range,
// and the millionths a batch run's list of lambdas is read on (0.8637 is
// position 863 700): fine enough for any lambda a study asks for, coarse
// enough that a position is a whole number and every real one division.
inline constexpr SiatkaLambdy SiatkaOkna{10, 1, {1, 24, 1}};
inline constexpr SiatkaLambdy SiatkaWsadowa{100, 2, {10, 240, 1}};
inline constexpr SiatkaLambdy SiatkaListy{1000000, 6, {100000, 2400000, 1}};
