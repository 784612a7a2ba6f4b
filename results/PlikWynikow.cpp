#include "PlikWynikow.h"

#include "Windows1250.h"

namespace {
constexpr const char* KoniecLinii = "\r\n";

// The texts of one line of the table.
struct WierszTabeli {
    std::string Lambda;
    std::string Sigma;
    std::string CvkN;
    std::string CvkNFluktuacje;
    std::string Blad;
};

// The chosen columns of one line of the table: a column left out leaves no
// field, but a line without "Lambda" still starts with the separator.
std::vector<std::string> Wiersz(const WierszTabeli& w, const PolaWynikow& pola) {
    std::vector<std::string> komorki;
    if (pola.Lambda || pola.Sigma || pola.CvkN || pola.Fluktuacje) {
        komorki.push_back(pola.Lambda ? w.Lambda : std::string());
    }
    if (pola.Sigma) {
        komorki.push_back(w.Sigma);
    }
    if (pola.CvkN) {
        komorki.push_back(w.CvkN);
    }
    if (pola.Fluktuacje) {
        komorki.push_back(w.CvkNFluktuacje);
        komorki.push_back(w.Blad);
    }
    return komorki;
}

std::string Linia(const std::vector<std::string>& memo, std::size_t i) {
    return i < memo.size() ? memo[i] : std::string();
}
// A field that holds the separator (words such as "nie wyznaczono, przy …")
// or a line break goes in quotes, its quotes doubled, so that it stays one
// cell; any other is written as it is (the description's "plaster miodu").
std::string Pole(const std::string& pole, char separator) {
    if (pole.find_first_of(std::string{separator, '\r', '\n'}) == std::string::npos) {
        return pole;
    }
    std::string wynik = "\"";
    for (const char znak : pole) {
        wynik += znak == '"' ? "\"\"" : std::string(1, znak);
    }
    return wynik + '"';
}
} // namespace

char SeparatorTypu(int typ) {
    return typ == 2 ? SeparatorTxt : SeparatorCsv;
}

std::vector<std::vector<std::string>> WierszeWynikow(const TekstyWynikow& teksty,
                                                     const PolaWynikow& pola) {
    std::vector<std::vector<std::string>> wiersze;
    if (pola.Opis) {
        // Each description line ends with a separator: an empty last field.
        for (const std::string& linia : teksty.MOpisSieci) {
            wiersze.push_back({linia, std::string()});
        }
    }
    wiersze.emplace_back();
    wiersze.push_back(
        Wiersz({"Lambda:", "Sigma:", "Cv/kN:", "Cv/kN (fluktuacje):", "Błąd std.:"}, pola));
    // One line per series whichever columns are chosen.
    const TekstyFluktuacji& fluktuacje = teksty.Fluktuacje;
    for (std::size_t i = 0; i < teksty.MLambda.size(); ++i) {
        wiersze.push_back(
            Wiersz({teksty.MLambda[i], Linia(teksty.MSigma, i), Linia(teksty.MCvkN, i),
                    Linia(fluktuacje.MCvkN, i), Linia(fluktuacje.MBlad, i)},
                   pola));
    }
    wiersze.emplace_back();
    if (pola.LambdaTc || pola.CvkNTc || pola.Fluktuacje) {
        wiersze.push_back({"Przejście fazowe dla"});
    }
    if (pola.LambdaTc) {
        wiersze.push_back({"Lambda=", teksty.ELambdaTc, std::string()});
    }
    if (pola.CvkNTc) {
        // The words, when there are any, fill the line's last field.
        wiersze.push_back({"Cv/kN=", teksty.ECvkNTc, teksty.UwagaCvkNTc});
    }
    if (pola.Fluktuacje && !fluktuacje.PolaPrzejscia.empty()) {
        wiersze.push_back(fluktuacje.PolaPrzejscia);
    }
    return wiersze;
}

std::string TrescPlikuWynikow(const TekstyWynikow& teksty, const PolaWynikow& pola,
                              char separator) {
    std::string tresc;
    for (const std::vector<std::string>& wiersz : WierszeWynikow(teksty, pola)) {
        for (std::size_t i = 0; i < wiersz.size(); ++i) {
            if (i > 0) {
                tresc += separator;
            }
            tresc += Pole(wiersz[i], separator);
        }
        tresc += KoniecLinii;
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
