#pragma once

#include <string>
#include <vector>

struct FluktuacjaSerii;
struct FluktuacjeSerii;
struct MaksimumFluktuacji;

// The texts of the estimate from the fluctuations, UTF-8, shared by the
// window's page and the results file, with the decimal point of every other
// results text.
struct TekstyFluktuacji {
    std::vector<std::string> MCvkN; // Cv/kN of each series, four decimals
    std::vector<std::string> MBlad; // its error, four decimals; empty when unknown
    // The fields of the transition line of the results file, after the lines
    // of the fitted curve's transition (PolaLiniiPrzejscia).
    std::vector<std::string> PolaPrzejscia;
    std::string EPrzejscie; // TekstPrzejsciaFluktuacji
    // The caption above it: "λ_max dla tej sieci (10 × 10):", the position of
    // the peak at this size, not the infinite lattice's lambda_c.
    std::string EPodpisPrzejscia;
    std::string ERownowaga; // TekstRownowagi; empty when every series was judged and reached it
};

// What the peak of one size is not: said beside it by every front end.
inline constexpr const char* UwagaGranicySieci =
    "Maksimum skończonej sieci to nie λ_c: przesuwa się z rozmiarem. λ_c sieci "
    "nieskończonej z kilku rozmiarów: fazolab-batch --osie 12,16,24,32";

// `miejscaLambdy`: the decimals the run's lambdas are written with.
TekstyFluktuacji TekstyFluktuacjiZ(const FluktuacjeSerii& fluktuacje, int miejscaLambdy);

// The label of the transition: "λ = 0.89 ± 0.03"; "λ = 0.89" when the error is
// unknown; with as many more decimals as the error needs for a significant
// digit; after it, in brackets, what the position rests on where it is not
// the plain parabola ("przeważanie histogramów", "parabola: przeważanie nie
// sięga", "błąd wymaga co najmniej 5 powtórzeń"). A peak at an edge, narrower
// than the grid, or of no usable series is told in words without a number:
// "λ: maksimum na brzegu zakresu".
std::string TekstPrzejsciaFluktuacji(const MaksimumFluktuacji& przejscie);

// The fields of the transition line of the results file (Windows-1250 has no
// λ): "Lambda (fluktuacje)=", "0.89", "±", "0.03", then what it rests on (""
// for the plain parabola); without the error "Lambda (fluktuacje)=", "0.89",
// ""; told in words: "Lambda (fluktuacje)=", the words, "".
std::vector<std::string> PolaLiniiPrzejscia(const MaksimumFluktuacji& przejscie);

// The warning for the series that may not have reached equilibrium, by their
// lambdas as they ran, with `miejscaLambdy` decimals: "Seria dla λ = 0.4 mogła
// nie osiągnąć równowagi: zwiększ ilość iteracji.", for several "Serie dla
// λ = 0.4; 0.5 mogły nie osiągnąć równowagi: zwiększ ilość iteracji."; then,
// on a line of its own, the series too short to be judged: "Dla λ = 0.1; 0.4
// nie da się ocenić równowagi (za mało próbek): zwiększ ilość iteracji albo
// pobieraj dane częściej."; empty when every series was judged and reached it.
// With the run's iterations a series known, the advice for the series that
// may not have reached equilibrium names a length: "zwiększ ilość iteracji do
// około 4200000 (420 przebiegów sieci)." (IteracjeDoRownowagi).
std::string TekstRownowagi(const std::vector<FluktuacjaSerii>& serie, int miejscaLambdy,
                           long long iteracjeSerii = 0);

// The autocorrelation times of the pair count a series should hold after its
// burn-in: enough for the time itself and the errors built on it to be
// trusted.
inline constexpr double ProbekNaCzas = 1000.0;

// The iterations a series needs so that every series that may not have
// reached equilibrium holds ProbekNaCzas of its autocorrelation times after
// the burn-in, at least twice the run's `iteracjeSerii`, rounded up to two
// significant digits; 0 when unknown (no run length, a time not measured) or
// every series reached it.
long long IteracjeDoRownowagi(const std::vector<FluktuacjaSerii>& serie, long long iteracjeSerii);
