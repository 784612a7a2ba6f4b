#include "PlikPowtorzen.h"

#include "LiczbyDziesietne.h"
#include "Obliczenia.h"
#include "OpcjeWsadowe.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <optional>
#include <sstream>
#include <type_traits>

namespace {
constexpr const char* PoczatekPierwszego = "fazolab-batch powtorzenia ";
constexpr const char* PierwszyWiersz = "fazolab-batch powtorzenia 3";

constexpr std::array<const char*, 3> NazwyUkladow = {"przypadkowe", "uporzadkowane", "wydzielenie"};
constexpr std::array<const char*, 2> NazwyTrybow = {"porzadkowanie", "klasteryzacja"};
constexpr std::array<const char*, 3> NazwyRownowagi = {"osiagnieta", "nieosiagnieta", "nieznana"};

std::string Rzeczywista(double wartosc) {
    char bufor[32];
    std::snprintf(bufor, sizeof bufor, "%.17g", wartosc);
    return bufor;
}

template <class... Pola> std::string Wiersz(const char* klucz, const Pola&... pola) {
    std::string wiersz = klucz;
    ((wiersz += ' ', wiersz += pola), ...);
    return wiersz;
}

std::string Tablica(const char* klucz, const TablicaPunktow& tablica) {
    std::string wiersz = klucz;
    for (const double v : tablica) {
        wiersz += ' ';
        wiersz += Rzeczywista(v);
    }
    return wiersz;
}

struct BladPliku {
    std::string Powod;
};

// The lines of a file, each taken apart into its key and fields.
class Czytnik {
public:
    explicit Czytnik(const std::string& tresc) {
        std::istringstream strumien(tresc);
        for (std::string linia; std::getline(strumien, linia);) {
            linie_.push_back(linia);
        }
    }

    bool Koniec() const { return nr_ >= linie_.size(); }
    const std::string& Surowy() const { return linie_.at(nr_); }
    void Pomin() { ++nr_; }

    // The fields of the next line, which must have the key and `pol` fields
    // (any number when `pol` is Dowolnie).
    static constexpr std::size_t Dowolnie = static_cast<std::size_t>(-1);
    std::vector<std::string> Nastepny(const std::string& klucz, std::size_t pol) {
        if (Koniec()) {
            Blad("brak wiersza „" + klucz + "”");
        }
        std::vector<std::string> pola;
        std::istringstream strumien(linie_[nr_]);
        for (std::string pole; std::getline(strumien, pole, ' ');) {
            pola.push_back(pole);
        }
        if (pola.empty() || pola.front() != klucz || (pol != Dowolnie && pola.size() != pol + 1)) {
            Blad("oczekiwano wiersza „" + klucz + "” z " + std::to_string(pol) + " polami");
        }
        ++nr_;
        pola.erase(pola.begin());
        return pola;
    }

    [[noreturn]] void Blad(const std::string& powod) const {
        throw BladPliku{"wiersz " + std::to_string(nr_ + 1) + ": " + powod};
    }

    template <class T> T Liczba(const std::string& pole) const {
        if constexpr (std::is_floating_point_v<T>) {
            if (const std::optional<double> wartosc = RzeczywistaZ(pole)) {
                return *wartosc;
            }
        } else {
            T wartosc{};
            const auto [koniec, blad] =
                std::from_chars(pole.data(), pole.data() + pole.size(), wartosc);
            if (blad == std::errc{} && koniec == pole.data() + pole.size() && !pole.empty()) {
                return wartosc;
            }
        }
        Blad("„" + pole + "” nie jest liczbą");
    }

    template <std::size_t N>
    int Nazwa(const std::string& pole, const std::array<const char*, N>& nazwy) const {
        for (std::size_t i = 0; i < N; ++i) {
            if (pole == nazwy[i]) {
                return static_cast<int>(i);
            }
        }
        Blad("nieznana wartość „" + pole + "”");
    }

private:
    std::vector<std::string> linie_;
    std::size_t nr_ = 0;
};

void CzytajNaglowek(Czytnik& c, BadaniePowtorzen& b) {
    ParametrySymulacji& p = b.Parametry;
    const auto siec = c.Nastepny("siec", 1);
    const auto rodzaj = RodzajZKlucza(siec[0]);
    if (!rodzaj) {
        c.Blad("nieznana sieć „" + siec[0] + "”");
    }
    p.Rodzaj = *rodzaj;
    const auto osie = c.Nastepny("osie", 3);
    p.IloscAtomowOsX = c.Liczba<int>(osie[0]);
    p.IloscAtomowOsY = c.Liczba<int>(osie[1]);
    p.IloscAtomowOsZ = c.Liczba<int>(osie[2]);
    // The batch runner's parameters: lambda on its grid, the longer runs.
    p.Skala = SkalaParametrow::Wsadowa;
    p.PozycjaKoncentracji = c.Liczba<int>(c.Nastepny("koncentracja", 1)[0]);
    const auto lambda = c.Nastepny("lambda", 3);
    p.PozycjaLambdy = c.Liczba<int>(lambda[0]);
    p.PozycjaLambdyKoncowej = c.Liczba<int>(lambda[1]);
    p.PozycjaKroku = c.Liczba<int>(lambda[2]);
    p.Seria = c.Liczba<int>(c.Nastepny("seria", 1)[0]) != 0;
    p.PozycjaPrzedzialu = c.Liczba<int>(c.Nastepny("co", 1)[0]);
    p.MaxIloscCykli = c.Liczba<int>(c.Nastepny("iteracje", 1)[0]);
    p.Uklad = static_cast<Ulozenie>(c.Nazwa(c.Nastepny("uklad", 1)[0], NazwyUkladow));
    p.Tryb = static_cast<Oddzialywanie>(c.Nazwa(c.Nastepny("tryb", 1)[0], NazwyTrybow));
    const std::string stopien = c.Nastepny("stopien", 1)[0];
    if (stopien != "-") {
        b.Stopien = c.Liczba<int>(stopien);
    }
    const auto ziarno = c.Nastepny("ziarno", 2);
    b.Ziarno = c.Liczba<std::uint32_t>(ziarno[0]);
    b.ZiarnoZZegara = c.Liczba<int>(ziarno[1]) != 0;
    b.Powtorzenia = c.Liczba<int>(c.Nastepny("powtorzenia", 1)[0]);
    if (!c.Koniec() && c.Surowy().starts_with("generator ")) {
        const std::string nazwa = c.Nastepny("generator", 1)[0];
        const auto generator = GeneratorZNazwy(nazwa);
        if (!generator || *generator == RodzajGeneratora::Okna) {
            c.Blad("nieznany generator „" + nazwa + "”");
        }
        b.Generator = *generator;
    }
    if (!c.Koniec() && c.Surowy().starts_with("starty ")) {
        if (c.Nastepny("starty", 1)[0] != "2") {
            c.Blad("liczba startów inna niż 2");
        }
        b.DwaStarty = true;
    }
    // Enough to make the figures below safe to read and to use.
    const ZakresParametru& lambdy = Siatka(p).Zakres();
    if (!NaSkaliZakresu(lambdy, p.PozycjaLambdy) ||
        !NaSkaliZakresu(lambdy, p.PozycjaLambdyKoncowej) || p.PozycjaKroku < 1 ||
        !WZakresie(ZakresPowtorzen, b.Powtorzenia)) {
        c.Blad("parametry badania poza zakresem");
    }
}

int LiczbaSerii(const ParametrySymulacji& p) {
    return p.Seria ? Obliczenia::LiczbaSeriiDla(p.PozycjaLambdy, p.PozycjaLambdyKoncowej,
                                                p.PozycjaKroku)
                   : 1;
}

WynikRepliki CzytajReplike(Czytnik& c, const BadaniePowtorzen& b) {
    const ParametrySymulacji& p = b.Parametry;
    WynikRepliki r;
    r.Nr = c.Liczba<int>(c.Nastepny("replika", 1)[0]);
    const auto dane = c.Nastepny("dane", 8);
    DaneWynikow& d = r.Dane;
    d.NrSerii = c.Liczba<int>(dane[0]);
    if (d.NrSerii != LiczbaSerii(p)) {
        c.Blad("liczba serii nie zgadza się z parametrami");
    }
    d.J = c.Liczba<double>(dane[1]);
    d.KoncentracjaB = c.Liczba<double>(dane[2]);
    d.LiczbaSasiadow = c.Liczba<int>(dane[3]);
    d.Tryb = p.Tryb;
    d.Stopien = b.Stopien;
    d.Opis = DaneOpisu{p.Rodzaj,
                       p.PozycjaLambdy,
                       p.PozycjaLambdyKoncowej,
                       p.PozycjaKoncentracji,
                       c.Liczba<int>(dane[4]),
                       c.Liczba<int>(dane[5]),
                       c.Liczba<int>(dane[6]),
                       c.Liczba<int>(dane[7]),
                       Siatka(p),
                       MiejscaLambdy(p)};
    for (const auto& [klucz, tablica] :
         {std::pair{"lambdy", &d.LambdaSerii}, std::pair{"sigmy", &d.SigmaSerii}}) {
        const auto pola = c.Nastepny(klucz, RozmiarTablicyPunktow);
        for (std::size_t i = 0; i < pola.size(); ++i) {
            (*tablica)[i] = c.Liczba<double>(pola[i]);
        }
    }
    for (int k = 1; k <= d.NrSerii; ++k) {
        const auto w = c.Nastepny("wynik", 7);
        SeriaRepliki& s = r.Serie.emplace_back();
        s.Lambda = c.Liczba<double>(w[0]);
        s.Sigma = c.Liczba<double>(w[1]);
        s.SigmaSrednia = {c.Liczba<double>(w[2]), c.Liczba<double>(w[3])};
        // The fluctuation was taken at the series' own lambda.
        s.Fluktuacje.Lambda = s.Lambda;
        s.Fluktuacje.CvkN = {c.Liczba<double>(w[4]), c.Liczba<double>(w[5])};
        s.Fluktuacje.Stan = static_cast<Rownowaga>(c.Nazwa(w[6], NazwyRownowagi));
        const auto pary = c.Nastepny("pary", Czytnik::Dowolnie);
        for (const std::string& pole : pary) {
            s.Fluktuacje.Pary.push_back(c.Liczba<double>(pole));
        }
        s.Fluktuacje.IloscAtomow = d.Opis.IloscAtomow;
    }
    return r;
}
} // namespace

std::vector<std::string> NaglowekPlikuPowtorzen(const BadaniePowtorzen& b) {
    const ParametrySymulacji& p = b.Parametry;
    const auto calk = [](auto n) { return std::to_string(n); };
    std::vector<std::string> naglowek{
        Wiersz("siec", std::string(KluczRodzaju(p.Rodzaj))),
        Wiersz("osie", calk(p.IloscAtomowOsX), calk(p.IloscAtomowOsY), calk(p.IloscAtomowOsZ)),
        Wiersz("koncentracja", calk(p.PozycjaKoncentracji)),
        Wiersz("lambda", calk(p.PozycjaLambdy), calk(p.PozycjaLambdyKoncowej),
               calk(p.PozycjaKroku)),
        Wiersz("seria", calk(p.Seria ? 1 : 0)),
        Wiersz("co", calk(p.PozycjaPrzedzialu)),
        Wiersz("iteracje", calk(p.MaxIloscCykli)),
        Wiersz("uklad", std::string(NazwyUkladow.at(static_cast<std::size_t>(p.Uklad)))),
        Wiersz("tryb", std::string(NazwyTrybow.at(static_cast<std::size_t>(p.Tryb)))),
        Wiersz("stopien", b.Stopien ? calk(*b.Stopien) : std::string("-")),
        Wiersz("ziarno", calk(b.Ziarno), calk(b.ZiarnoZZegara ? 1 : 0)),
        Wiersz("powtorzenia", calk(b.Powtorzenia)),
    };
    // The window's generator is named by no line, as before there was a choice.
    if (b.Generator != RodzajGeneratora::Okna) {
        naglowek.push_back(Wiersz("generator", std::string(NazwaGeneratora(b.Generator))));
    }
    if (b.DwaStarty) {
        naglowek.push_back(Wiersz("starty", calk(2)));
    }
    return naglowek;
}

std::string TrescPlikuPowtorzen(const BadaniePowtorzen& b) {
    std::string tresc = PierwszyWiersz;
    tresc += '\n';
    for (const std::string& wiersz : NaglowekPlikuPowtorzen(b)) {
        tresc += wiersz + '\n';
    }
    for (const WynikRepliki& r : b.Repliki) {
        const DaneWynikow& d = r.Dane;
        const auto calk = [](int n) { return std::to_string(n); };
        tresc += Wiersz("replika", calk(r.Nr)) + '\n';
        tresc +=
            Wiersz("dane", calk(d.NrSerii), Rzeczywista(d.J), Rzeczywista(d.KoncentracjaB),
                   calk(d.LiczbaSasiadow), calk(d.Opis.IloscAtomow), calk(d.Opis.IloscAtomowOsX),
                   calk(d.Opis.IloscAtomowOsY), calk(d.Opis.IloscAtomowOsZ)) +
            '\n';
        tresc += Tablica("lambdy", d.LambdaSerii) + '\n';
        tresc += Tablica("sigmy", d.SigmaSerii) + '\n';
        for (const SeriaRepliki& s : r.Serie) {
            tresc +=
                Wiersz(
                    "wynik", Rzeczywista(s.Lambda), Rzeczywista(s.Sigma),
                    Rzeczywista(s.SigmaSrednia.Srednia), Rzeczywista(s.SigmaSrednia.Blad),
                    Rzeczywista(s.Fluktuacje.CvkN.Srednia), Rzeczywista(s.Fluktuacje.CvkN.Blad),
                    std::string(NazwyRownowagi.at(static_cast<std::size_t>(s.Fluktuacje.Stan)))) +
                '\n';
            tresc += "pary";
            for (const double para : s.Fluktuacje.Pary) {
                tresc += ' ';
                tresc += Rzeczywista(para);
            }
            tresc += '\n';
        }
    }
    return tresc;
}

std::variant<BadaniePowtorzen, std::string> CzytajPlikPowtorzen(const std::string& tresc) {
    Czytnik c(tresc);
    try {
        if (c.Koniec() || !c.Surowy().starts_with(PoczatekPierwszego)) {
            c.Blad("to nie jest plik powtórzeń fazolab-batch");
        }
        if (c.Surowy() == std::string(PoczatekPierwszego) + "1" ||
            c.Surowy() == std::string(PoczatekPierwszego) + "2") {
            c.Blad("plik powtórzeń wersji " + c.Surowy().substr(c.Surowy().size() - 1) +
                   " nie ma liczb par próbek do przeważania ani nowej oceny równowagi: policz "
                   "tę część ponownie tą wersją programu");
        }
        if (c.Surowy() != PierwszyWiersz) {
            c.Blad("nieznana wersja pliku powtórzeń (ta wersja programu czyta wersję 3)");
        }
        c.Pomin();
        BadaniePowtorzen b;
        CzytajNaglowek(c, b);
        while (!c.Koniec()) {
            b.Repliki.push_back(CzytajReplike(c, b));
        }
        return b;
    } catch (const BladPliku& blad) {
        return blad.Powod;
    }
}
