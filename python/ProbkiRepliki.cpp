#include "ProbkiRepliki.h"

#include "Pomiar.h"

ProbkiRepliki::ProbkiRepliki(std::size_t pomiarow) {
    Seria.reserve(pomiarow);
    Iteracja.reserve(pomiarow);
    Lambda.reserve(pomiarow);
    Energia.reserve(pomiarow);
    Sigma.reserve(pomiarow);
    ParyAB.reserve(pomiarow);
}

void ProbkiRepliki::NowyPomiar(const Pomiar& p) {
    if (Histogram.empty()) {
        LiczbaSasiadow = p.LiczbaSasiadow;
        Histogram.reserve(Seria.capacity() * static_cast<std::size_t>(LiczbaSasiadow + 1));
    }
    Seria.push_back(p.Seria);
    Iteracja.push_back(p.Iteracja);
    Lambda.push_back(p.Lambda);
    Energia.push_back(p.Energia);
    Sigma.push_back(p.Sigma);
    ParyAB.push_back(p.LiczbaParAB);
    Histogram.insert(Histogram.end(), p.Histogram.begin(),
                     p.Histogram.begin() + LiczbaSasiadow + 1);
}
