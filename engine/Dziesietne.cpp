#include "Dziesietne.h"

#include "LiczbyDziesietne.h"

#include <cmath>

std::string TekstPozycji(int pozycja, int mianownik, int miejsca) {
    std::string ulamek = std::to_string(pozycja % mianownik);
    ulamek.insert(0, static_cast<std::size_t>(miejsca) - ulamek.size(), '0');
    return std::to_string(pozycja / mianownik) + "." + ulamek;
}

std::optional<int> PozycjaZTekstu(std::string tekst, int mianownik) {
    for (char& z : tekst) {
        if (z == ',') {
            z = '.';
        }
    }
    const std::optional<double> wartosc = RzeczywistaZ(tekst);
    if (!wartosc) {
        return std::nullopt;
    }
    const double skalowana = *wartosc * mianownik;
    const double zaokraglona = std::round(skalowana);
    // Positions up to 10^9 fit an int: 2.4 in the millionths of a list of lambdas is 2 400 000.
    if (std::fabs(skalowana - zaokraglona) > 1e-6 || std::fabs(zaokraglona) > 1e9) {
        return std::nullopt;
    }
    return static_cast<int>(zaokraglona);
}
