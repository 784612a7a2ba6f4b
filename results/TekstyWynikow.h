#pragma once

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
};

// The six check boxes of " Zapis wyników do pliku ".
struct PolaWynikow {
    bool Opis = true;     // CBWynikiOpis
    bool Lambda = true;   // CBWynikiLambda
    bool Sigma = true;    // CBWynikiSigma
    bool CvkN = true;     // CBWynikiCvkN
    bool LambdaTc = true; // CBWynikiLambdaTc
    bool CvkNTc = true;   // CBWynikiCvkNTc
};
