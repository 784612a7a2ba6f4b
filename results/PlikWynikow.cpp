#include "PlikWynikow.h"

#include "Windows1250.h"

namespace {
constexpr const char* KoniecLinii = "\r\n";

std::string Wiersz(const std::string& lambda, const std::string& sigma, const std::string& cvkn,
                   const PolaWynikow& pola, char separator) {
    std::string wiersz;
    if (pola.Lambda) {
        wiersz += lambda;
    }
    if (pola.Sigma) {
        wiersz += separator + sigma;
    }
    if (pola.CvkN) {
        wiersz += separator + cvkn;
    }
    return wiersz + KoniecLinii;
}

std::string Linia(const std::vector<std::string>& memo, std::size_t i) {
    return i < memo.size() ? memo[i] : std::string();
}
} // namespace

char SeparatorTypu(int typ) {
    return typ == 2 ? SeparatorTxt : SeparatorCsv;
}

std::string TrescPlikuWynikow(const TekstyWynikow& teksty, const PolaWynikow& pola,
                              char separator) {
    std::string tresc;
    if (pola.Opis) {
        for (const std::string& linia : teksty.MOpisSieci) {
            tresc += linia + separator + KoniecLinii;
        }
    }
    tresc += KoniecLinii;
    tresc += Wiersz("Lambda:", "Sigma:", "Cv/kN:", pola, separator);
    // One line per series whichever columns are chosen.
    for (std::size_t i = 0; i < teksty.MLambda.size(); ++i) {
        tresc += Wiersz(teksty.MLambda[i], Linia(teksty.MSigma, i), Linia(teksty.MCvkN, i), pola,
                        separator);
    }
    tresc += KoniecLinii;
    if (pola.LambdaTc || pola.CvkNTc) {
        tresc += std::string("Przejście fazowe dla") + KoniecLinii;
    }
    if (pola.LambdaTc) {
        tresc += "Lambda=" + (separator + teksty.ELambdaTc) + separator + KoniecLinii;
    }
    if (pola.CvkNTc) {
        tresc += "Cv/kN=" + (separator + teksty.ECvkNTc) + separator + KoniecLinii;
    }
    return NaWindows1250(tresc);
}

std::string DomyslnaNazwaPliku(RodzajSieci rodzaj) {
    return std::string(OpisRodzaju(rodzaj).NazwaPliku);
}

std::string KatalogPliku(const std::string& sciezka) {
    // A backslash is an ordinary character in a POSIX name; it separates
    // folders only in a path that has no slash at all.
    const char separator = sciezka.find('/') != std::string::npos ? '/' : '\\';
    const std::size_t ostatni = sciezka.rfind(separator);
    if (ostatni == std::string::npos) {
        return {};
    }
    const bool korzen = ostatni == 0 || (ostatni == 2 && sciezka[1] == ':');
    return sciezka.substr(0, korzen ? ostatni + 1 : ostatni);
}
