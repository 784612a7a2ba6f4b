#pragma once

#include "TekstyFluktuacji.h"

#include <string>
#include <vector>

// The texts of the "Wyniki" page, UTF-8, exactly as the memos and edits show
// them; the results file copies them from here.
struct TekstyWynikow {
    std::vector<std::string> MOpisSieci;
    std::vector<std::string> MLambda; // one line per series
    std::vector<std::string> MSigma;
    std::vector<std::string> MCvkN;
    std::string ELambdaTc;
    std::string ECvkNTc;
    // Empty, or the words that go beside ECvkNTc when the fitted curve gives
    // a Cv/kN no specific heat can have (UwagaCvkNUjemne) or its maximum lies
    // at an end of the range (UwagaMaksimumNaBrzegu).
    std::string UwagaCvkNTc;
    // The estimate from the fluctuations, written only when asked for
    // (PolaWynikow::Fluktuacje); empty until the caller fills it.
    TekstyFluktuacji Fluktuacje;
};

inline constexpr const char* UwagaCvkNUjemne = "wartość ujemna: dopasowanie niefizyczne";
inline constexpr const char* UwagaMaksimumNaBrzegu = "maksimum na brzegu zakresu";
// Beside the fitted curve's transition when no warning stands there, and what
// a pointer or a screen reader is told of it: it is the fit's, not the
// fluctuations' estimate with its error.
inline constexpr const char* UwagaDopasowania = "z krzywej dopasowanej, bez błędu";
inline constexpr const char* OpisDopasowania =
    "Z krzywej dopasowanej do sigma: bez błędu, dla tej skończonej sieci. Maksimum Cv/kN z "
    "fluktuacji energii, z błędem: strona „Fluktuacje”.";

// The check boxes of " Zapis wyników do pliku ": the six of the fitted curve,
// and the estimate from the fluctuations, off by default so that a file
// written with the defaults stays as it was.
struct PolaWynikow {
    bool Opis = true;     // CBWynikiOpis
    bool Lambda = true;   // CBWynikiLambda
    bool Sigma = true;    // CBWynikiSigma
    bool CvkN = true;     // CBWynikiCvkN
    bool LambdaTc = true; // CBWynikiLambdaTc
    bool CvkNTc = true;   // CBWynikiCvkNTc
    // The Cv/kN column of the fluctuations with its error column after the
    // Cv/kN column, and the transition line after the other transition lines.
    bool Fluktuacje = false;
};
