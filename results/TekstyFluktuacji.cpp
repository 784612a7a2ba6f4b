#include "TekstyFluktuacji.h"

#include "Fixed.h"
#include "FluktuacjeSerii.h"

#include <cmath>
#include <utility>

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

std::string TekstPrzejsciaFluktuacji(const MaksimumFluktuacji& przejscie) {
    std::string tekst = "λ = " + fixed(przejscie.Lambda, MiejscaPrzejscia);
    if (przejscie.NaBrzegu) {
        return tekst + " (" + NaBrzegu + ")";
    }
    if (!std::isnan(przejscie.Blad)) {
        tekst += " ± " + fixed(przejscie.Blad, MiejscaPrzejscia);
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

namespace {
// The lambdas of the series in the given state, "0.4; 0.5", and how many.
std::pair<std::string, int> LambdySerii(const std::vector<FluktuacjaSerii>& serie, Rownowaga stan,
                                        int miejscaLambdy) {
    std::string lambdy;
    int ile = 0;
    for (const FluktuacjaSerii& s : serie) {
        if (s.Stan == stan) {
            lambdy += (ile++ > 0 ? "; " : "") + fixed(s.Lambda, miejscaLambdy);
        }
    }
    return {lambdy, ile};
}
} // namespace

std::string TekstRownowagi(const std::vector<FluktuacjaSerii>& serie, int miejscaLambdy) {
    std::string tekst;
    const auto [nieosiagniete, ileNieosiagnietych] =
        LambdySerii(serie, Rownowaga::Nieosiagnieta, miejscaLambdy);
    if (ileNieosiagnietych > 0) {
        tekst.append(ileNieosiagnietych == 1 ? "Seria dla λ = " : "Serie dla λ = ");
        tekst.append(nieosiagniete);
        tekst.append(ileNieosiagnietych == 1 ? " mogła" : " mogły");
        tekst.append(" nie osiągnąć równowagi: zwiększ ilość iteracji.");
    }
    const auto [nieznane, ileNieznanych] = LambdySerii(serie, Rownowaga::Nieznana, miejscaLambdy);
    if (ileNieznanych > 0) {
        if (!tekst.empty()) {
            tekst.push_back('\n');
        }
        tekst.append("Dla λ = ");
        tekst.append(nieznane);
        tekst.append(" nie da się ocenić równowagi (za mało próbek): zwiększ ilość iteracji albo "
                     "pobieraj dane częściej.");
    }
    return tekst;
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
