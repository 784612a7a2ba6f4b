#include "TekstyFluktuacji.h"

#include "Fixed.h"
#include "FluktuacjeSerii.h"
#include "PrzejscieFluktuacji.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace {
constexpr int MiejscaCvkN = 4;
// The refined position and its error are told to the hundredth, as the
// fitted curve's transition.
constexpr int MiejscaPrzejscia = 2;
constexpr const char* NazwaLinii = "Lambda (fluktuacje)=";
// The reweighted curve is resolved finer than the grid.
constexpr int MiejscaPrzewazenia = 3;
constexpr int MaxMiejsc = 6;
// The words reach the results file, in Windows-1250, which has no λ.
constexpr const char* NaBrzegu = "maksimum na brzegu zakresu: rozszerz zakres lambda";
constexpr const char* Waskie = "maksimum węższe niż krok siatki, zmniejsz krok";
constexpr const char* BrakSerii =
    "nie wyznaczono, przy maksimum za mało serii bez dryfu: zwiększ ilość iteracji";
constexpr const char* Przewazanie = "przeważanie histogramów";
constexpr const char* NieSiega = "serie przy maksimum nie nakładają się: zmniejsz krok lambda";
constexpr const char* NieSiegaBezDryfu =
    "serie przy maksimum nie nakładają się po pominięciu "
    "serii z dryfem: zwiększ ilość iteracji albo zmniejsz krok lambda";
constexpr const char* BezProbek = "parabola: brak próbek do przeważania";
constexpr const char* MaloReplik = "za mało danych na błąd";

std::string Liczba(double v, int miejsca) {
    return std::isnan(v) ? std::string() : fixed(v, miejsca);
}
} // namespace

namespace {
// The decimals of a position: those of its way, and more while its error
// would print without a significant digit ("± 0.00" claims a certainty that
// is not there).
int MiejscaPolozenia(const MaksimumFluktuacji& m) {
    int miejsca = m.Sposob == SposobMaksimum::Przewazanie ? MiejscaPrzewazenia : MiejscaPrzejscia;
    if (!std::isnan(m.Blad)) {
        while (miejsca < MaxMiejsc &&
               fixed(m.Blad, miejsca).find_first_of("123456789") == std::string::npos) {
            ++miejsca;
        }
    }
    return miejsca;
}

// What the position rests on, where it is not the plain parabola.
std::string Uwagi(const MaksimumFluktuacji& m) {
    std::string uwagi;
    const auto dodaj = [&](const char* uwaga) {
        uwagi += (uwagi.empty() ? "" : "; ") + std::string(uwaga);
    };
    if (m.Sposob == SposobMaksimum::Przewazanie) {
        dodaj(Przewazanie);
    }
    if (m.Sposob == SposobMaksimum::Parabola && m.PrzewazanieNieSiega) {
        dodaj(BezProbek);
    }
    if (m.MaloReplik) {
        dodaj(MaloReplik);
    }
    if (m.Pominiete > 0) {
        uwagi += (uwagi.empty() ? "" : "; ") + std::string("pominięte serie z dryfem: ") +
                 std::to_string(m.Pominiete);
    }
    return uwagi;
}

// Said in words where a number would claim too much; empty otherwise.
std::string BezLiczby(const MaksimumFluktuacji& m) {
    if (m.Sposob == SposobMaksimum::BrakSerii) {
        return BrakSerii;
    }
    if (m.NaBrzegu) {
        return NaBrzegu;
    }
    if (m.Sposob == SposobMaksimum::Przewazanie && m.PrzewazanieNieSiega) {
        return m.Pominiete > 0 ? NieSiegaBezDryfu : NieSiega;
    }
    return m.Waskie ? Waskie : "";
}
} // namespace

std::string TekstPrzejsciaFluktuacji(const MaksimumFluktuacji& przejscie) {
    const std::string slowa = BezLiczby(przejscie);
    if (!slowa.empty()) {
        return "λ: " + slowa;
    }
    const int miejsca = MiejscaPolozenia(przejscie);
    std::string tekst = "λ = " + fixed(przejscie.Lambda, miejsca);
    if (!std::isnan(przejscie.Blad)) {
        tekst += " ± " + fixed(przejscie.Blad, miejsca);
    }
    const std::string uwagi = Uwagi(przejscie);
    return uwagi.empty() ? tekst : tekst + " (" + uwagi + ")";
}

std::vector<std::string> PolaLiniiPrzejscia(const MaksimumFluktuacji& przejscie) {
    std::vector<std::string> pola{NazwaLinii};
    const std::string slowa = BezLiczby(przejscie);
    if (!slowa.empty()) {
        pola.push_back(slowa);
        pola.emplace_back();
        return pola;
    }
    const int miejsca = MiejscaPolozenia(przejscie);
    pola.push_back(fixed(przejscie.Lambda, miejsca));
    if (!std::isnan(przejscie.Blad)) {
        pola.emplace_back("±");
        pola.push_back(fixed(przejscie.Blad, miejsca));
    }
    pola.push_back(Uwagi(przejscie));
    return pola;
}

namespace {
// "1 przebieg", "22 przebiegi", "420 przebiegów": sweeps of the lattice.
std::string Przebiegi(long long n) {
    const long long jednosci = n % 10;
    const long long setne = n % 100;
    const char* slowo = n == 1 ? " przebieg"
                        : jednosci >= 2 && jednosci <= 4 && (setne < 12 || setne > 14)
                            ? " przebiegi"
                            : " przebiegów";
    return std::to_string(n) + slowo;
}

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

long long IteracjeDoRownowagi(const std::vector<FluktuacjaSerii>& serie, long long iteracjeSerii) {
    if (iteracjeSerii <= 0) {
        return 0;
    }
    double krotnosc = 0.0;
    for (const FluktuacjaSerii& s : serie) {
        if (s.Stan != Rownowaga::Nieosiagnieta) {
            continue;
        }
        if (!std::isfinite(s.Tau.Tau) || s.Pary.empty()) {
            return 0;
        }
        krotnosc = std::max(
            {krotnosc, 2.0, ProbekNaCzas * s.Tau.Tau / static_cast<double>(s.Pary.size())});
    }
    if (krotnosc == 0.0) {
        return 0;
    }
    // Two significant digits, rounded up: a figure to type, not to trust to the unit.
    const double iteracje = krotnosc * static_cast<double>(iteracjeSerii);
    const double rzad = std::pow(10.0, std::floor(std::log10(iteracje)) - 1.0);
    return static_cast<long long>(std::ceil(iteracje / rzad) * rzad);
}

std::string TekstRownowagi(const std::vector<FluktuacjaSerii>& serie, int miejscaLambdy,
                           long long iteracjeSerii) {
    std::string tekst;
    const auto [nieosiagniete, ileNieosiagnietych] =
        LambdySerii(serie, Rownowaga::Nieosiagnieta, miejscaLambdy);
    if (ileNieosiagnietych > 0) {
        tekst.append(ileNieosiagnietych == 1 ? "Seria dla λ = " : "Serie dla λ = ");
        tekst.append(nieosiagniete);
        tekst.append(ileNieosiagnietych == 1 ? " mogła" : " mogły");
        tekst.append(" nie osiągnąć równowagi: zwiększ ilość iteracji");
        const long long potrzebne = IteracjeDoRownowagi(serie, iteracjeSerii);
        if (potrzebne > 0) {
            tekst.append(" do około " + std::to_string(potrzebne));
            const int atomy = serie.front().IloscAtomow;
            if (atomy > 0) {
                tekst.append(" (" + Przebiegi(potrzebne / atomy) + " sieci)");
            }
        }
        tekst.append(".");
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
    std::string osie;
    for (const int os : fluktuacje.Osie) {
        osie += (osie.empty() ? "" : " × ") + std::to_string(os);
    }
    t.EPodpisPrzejscia = "λ_max dla tej sieci" + (osie.empty() ? "" : " (" + osie + ")") + ":";
    t.ERownowaga = TekstRownowagi(fluktuacje.Serie, miejscaLambdy, fluktuacje.IteracjeSerii);
    return t;
}
