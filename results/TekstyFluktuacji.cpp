#include "TekstyFluktuacji.h"

#include "Fixed.h"
#include "FluktuacjeSerii.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int MiejscaCvkN = 4;
// The refined position and its error are told to the hundredth, as the
// fitted curve's transition.
constexpr int MiejscaPrzejscia = 2;
constexpr const char* NazwaLinii = "Lambda (fluktuacje)=";
constexpr const char* NaBrzegu = "maksimum na brzegu zakresu";

std::string Liczba(double v, int miejsca) {
    return std::isnan(v) ? std::string() : fixed(v, miejsca);
}
} // namespace

std::string ZPrzecinkiem(double v, int miejsca) {
    std::string tekst = fixed(v, miejsca);
    std::replace(tekst.begin(), tekst.end(), '.', ',');
    return tekst;
}

std::string TekstPrzejsciaFluktuacji(const MaksimumFluktuacji& przejscie) {
    std::string tekst = "λ = " + ZPrzecinkiem(przejscie.Lambda, MiejscaPrzejscia);
    if (przejscie.NaBrzegu) {
        return tekst + " (" + NaBrzegu + ")";
    }
    if (!std::isnan(przejscie.Blad)) {
        tekst += " ± " + ZPrzecinkiem(przejscie.Blad, MiejscaPrzejscia);
    }
    return tekst;
}

std::vector<std::string> PolaLiniiPrzejscia(const MaksimumFluktuacji& przejscie) {
    std::vector<std::string> pola{NazwaLinii, fixed(przejscie.Lambda, MiejscaPrzejscia)};
    if (przejscie.NaBrzegu) {
        pola.emplace_back(NaBrzegu);
    } else if (!std::isnan(przejscie.Blad)) {
        pola.emplace_back("±");
        pola.push_back(fixed(przejscie.Blad, MiejscaPrzejscia));
    }
    pola.emplace_back();
    return pola;
}

std::string TekstRownowagi(const std::vector<FluktuacjaSerii>& serie, int miejscaLambdy) {
    std::string lambdy;
    int ile = 0;
    for (const FluktuacjaSerii& s : serie) {
        if (s.Stan != Rownowaga::Nieosiagnieta) {
            continue;
        }
        lambdy += (ile++ > 0 ? "; " : "") + ZPrzecinkiem(s.Lambda, miejscaLambdy);
    }
    if (ile == 0) {
        return {};
    }
    return (ile == 1 ? "Seria dla λ = " + lambdy + " mogła"
                     : "Serie dla λ = " + lambdy + " mogły") +
           " nie osiągnąć równowagi: zwiększ ilość iteracji.";
}

TekstyFluktuacji TekstyFluktuacjiZ(const FluktuacjeSerii& fluktuacje, int miejscaLambdy) {
    TekstyFluktuacji t;
    for (const FluktuacjaSerii& s : fluktuacje.Serie) {
        t.MCvkN.push_back(Liczba(s.CvkN.Srednia, MiejscaCvkN));
        t.MBlad.push_back(Liczba(s.CvkN.Blad, MiejscaCvkN));
    }
    t.PolaPrzejscia = PolaLiniiPrzejscia(fluktuacje.Przejscie);
    t.EPrzejscie = TekstPrzejsciaFluktuacji(fluktuacje.Przejscie);
    t.ERownowaga = TekstRownowagi(fluktuacje.Serie, miejscaLambdy);
    return t;
}
