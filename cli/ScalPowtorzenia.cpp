#include "ScalPowtorzenia.h"

#include "PlikPowtorzen.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>

namespace {
std::optional<std::string> Czytaj(const std::string& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    std::string tresc{std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
    if (!plik.is_open() || plik.bad()) {
        return std::nullopt;
    }
    return tresc;
}

// The value of a header line ("brak" for a line the part has not: the
// two-start line is written only when the check ran).
std::string WartoscWiersza(const std::vector<std::string>& naglowek, std::size_t i) {
    return i < naglowek.size() ? naglowek[i].substr(naglowek[i].find(' ') + 1) : "brak";
}

// The first header line on which two parts differ, with both values.
std::optional<std::string> Roznica(const BadaniePowtorzen& a, const BadaniePowtorzen& b) {
    const std::vector<std::string> na = NaglowekPlikuPowtorzen(a);
    const std::vector<std::string> nb = NaglowekPlikuPowtorzen(b);
    for (std::size_t i = 0; i < std::max(na.size(), nb.size()); ++i) {
        if (i >= na.size() || i >= nb.size() || na[i] != nb[i]) {
            const std::string& wiersz = i < na.size() ? na[i] : nb[i];
            return "różne „" + wiersz.substr(0, wiersz.find(' ')) + "” (" + WartoscWiersza(na, i) +
                   " i " + WartoscWiersza(nb, i) + ")";
        }
    }
    return std::nullopt;
}
} // namespace

std::variant<BadaniePowtorzen, std::string> ScalPowtorzenia(const std::vector<std::string>& pliki) {
    BadaniePowtorzen badanie;
    std::vector<std::optional<WynikRepliki>> repliki;
    std::vector<std::string> skad; // the file each replica came from
    for (std::size_t i = 0; i < pliki.size(); ++i) {
        const std::optional<std::string> tresc = Czytaj(pliki[i]);
        if (!tresc) {
            return "Nie można odczytać pliku powtórzeń: " + pliki[i] + ".";
        }
        auto przeczytane = CzytajPlikPowtorzen(*tresc);
        if (const std::string* blad = std::get_if<std::string>(&przeczytane)) {
            return "Błędny plik powtórzeń " + pliki[i] + ": " + *blad + ".";
        }
        BadaniePowtorzen& czesc = std::get<BadaniePowtorzen>(przeczytane);
        if (i == 0) {
            badanie = czesc;
            badanie.Repliki.clear();
            repliki.resize(static_cast<std::size_t>(std::max(czesc.Powtorzenia, 0)));
            skad.resize(repliki.size());
        } else if (czesc.Generator != badanie.Generator) {
            return "Pliki " + pliki[0] + " i " + pliki[i] +
                   " zapisano z różnymi generatorami liczb losowych (" +
                   std::string(NazwaGeneratora(badanie.Generator)) + " i " +
                   std::string(NazwaGeneratora(czesc.Generator)) +
                   "): ich powtórzeń nie można scalić w jedno badanie.";
        } else if (const auto roznica = Roznica(badanie, czesc)) {
            return "Pliki " + pliki[0] + " i " + pliki[i] +
                   " nie należą do jednego badania: " + *roznica + ".";
        }
        for (WynikRepliki& r : czesc.Repliki) {
            if (r.Nr < 0 || r.Nr >= czesc.Powtorzenia) {
                return "Błędny plik powtórzeń " + pliki[i] + ": powtórzenie " +
                       std::to_string(r.Nr) + " poza zakresem 0.." +
                       std::to_string(czesc.Powtorzenia - 1) + ".";
            }
            const auto k = static_cast<std::size_t>(r.Nr);
            if (repliki[k]) {
                return "Powtórzenie " + std::to_string(r.Nr) + " występuje dwa razy: w " + skad[k] +
                       " i w " + pliki[i] + ".";
            }
            repliki[k] = std::move(r);
            skad[k] = pliki[i];
        }
    }
    std::string brakujace;
    int brak = 0;
    for (std::size_t k = 0; k < repliki.size(); ++k) {
        if (!repliki[k]) {
            brakujace += (brak++ == 0 ? "" : ", ") + std::to_string(k);
        }
    }
    if (brak > 0) {
        return "Brak " + std::to_string(brak) + " z " + std::to_string(repliki.size()) +
               " powtórzeń badania (nr " + brakujace + "): scal pliki wszystkich części.";
    }
    for (std::optional<WynikRepliki>& r : repliki) {
        badanie.Repliki.push_back(std::move(*r));
    }
    return badanie;
}
