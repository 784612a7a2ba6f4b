#include "ParserOpcji.h"

#include "Dziesietne.h"
#include "Obliczenia.h"
#include "OpisyOpcji.h"
#include "Pojemnosci.h"
#include "PrzedzialPomiarow.h"
#include "ZakresyParametrow.h"

#include <charconv>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace {
const std::string OpisOsi = "parzyste liczby od " + std::to_string(ZakresOsi.Min) + " do " +
                            std::to_string(ZakresOsi.Max) + ": X, XxY (sieci 2D) lub XxYxZ (3DR)";
// The series tables hold 24 lambdas.
constexpr int MaxLambdSerii = LiczbaWpisowSerii - 2;

const std::string OpisLambdy =
    "S albo S:E:K, wartości od " + SiatkaWsadowa.Tekst(SiatkaWsadowa.Zakres().Min) + " do " +
    SiatkaWsadowa.Tekst(SiatkaWsadowa.Zakres().Max) + " co " + SiatkaWsadowa.Tekst(1) +
    ", E >= S, " + SiatkaWsadowa.Tekst(1) + " <= K <= E - S + " + SiatkaOkna.Tekst(1) + ", " +
    "najwyżej " + std::to_string(MaxLambdSerii) + " wartości lambdy w serii";
// The kinds' keys as the kinds table orders them: "3DR, 2DKwadrat, 2DTrojkat
// lub 2DHeksagonalna".
std::string KluczeRodzajow() {
    std::string klucze;
    for (std::size_t i = 0; i < RodzajeSieci.size(); ++i) {
        klucze += (i == 0 ? "" : i + 1 == RodzajeSieci.size() ? " lub " : ", ");
        klucze += RodzajeSieci[i].Klucz;
    }
    return klucze;
}

const std::string OpisCzesci = "K/M, liczby całkowite 0 <= K < M <= liczba powtórzeń";

std::optional<long long> Calkowita(std::string_view tekst) {
    long long wartosc = 0;
    const auto [koniec, blad] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
    if (blad != std::errc{} || koniec != tekst.data() + tekst.size() || tekst.empty()) {
        return std::nullopt;
    }
    return wartosc;
}

std::vector<std::string> Podziel(const std::string& tekst, char separator) {
    std::vector<std::string> czesci;
    std::stringstream strumien(tekst);
    std::string czesc;
    while (std::getline(strumien, czesc, separator)) {
        czesci.push_back(czesc);
    }
    if (!tekst.empty() && tekst.back() == separator) {
        czesci.emplace_back();
    }
    return czesci;
}

BladOpcji Blad(const std::string& opcja, const std::string& dozwolone) {
    return {"Błędna wartość opcji " + opcja + ": dozwolone " + dozwolone + "."};
}

bool RozmiarOsi(const std::string& tekst, int& wynik) {
    const auto n = Calkowita(tekst);
    if (!n || !NaSkaliZakresu(ZakresOsi, *n)) {
        return false;
    }
    wynik = static_cast<int>(*n);
    return true;
}

// A count of replicas or of threads, into an int or an optional int.
template <class Cel>
std::optional<BladOpcji> Powtorzen(const std::string& opcja, const std::string& w, Cel& cel) {
    const auto n = Calkowita(w);
    if (!n || !WZakresie(ZakresPowtorzen, *n)) {
        return Blad(opcja, "liczby całkowite od " + std::to_string(ZakresPowtorzen.Min) + " do " +
                               std::to_string(ZakresPowtorzen.Max));
    }
    cel = static_cast<int>(*n);
    return std::nullopt;
}

BladOpcji BladFluktuacji() {
    return {"Opcja --fluktuacje dodaje kolumny do pliku wyników: wymaga opcji --wyjscie PLIK."};
}

class Parser {
public:
    std::variant<OpcjeWsadowe, BladOpcji> Czytaj(const std::vector<std::string>& argumenty);

private:
    std::optional<BladOpcji> Osie(const std::string& w);
    std::optional<BladOpcji> Lambda(const std::string& w);
    std::optional<BladOpcji> Czesc() const;
    std::variant<OpcjeWsadowe, BladOpcji> Scalanie(const std::set<std::string>& podane) const;

    OpcjeWsadowe o_;
};

std::optional<BladOpcji> Parser::Osie(const std::string& w) {
    ParametrySymulacji& p = o_.Parametry;
    if (w.find(',') != std::string::npos) {
        // A finite-size study: one size for every axis of each lattice.
        for (const std::string& rozmiar : Podziel(w, ',')) {
            int l = 0;
            if (!RozmiarOsi(rozmiar, l) || (!o_.Rozmiary.empty() && l <= o_.Rozmiary.back())) {
                return BladOpcji{"Opcja --osie: lista rozmiarów badania skończonych rozmiarów to "
                                 "co najmniej dwa rosnące rozmiary parzyste 6..100 po przecinku, "
                                 "np. 12,16,24,32."};
            }
            o_.Rozmiary.push_back(l);
        }
        if (o_.Rozmiary.size() < 2) {
            return Blad("--osie", OpisOsi);
        }
        p.IloscAtomowOsX = p.IloscAtomowOsY = p.IloscAtomowOsZ = o_.Rozmiary.front();
        return std::nullopt;
    }
    const std::vector<std::string> czesci = Podziel(w, 'x');
    const bool kubiczna = p.Rodzaj == RodzajSieci::Kubiczna3D;
    bool dobre = false;
    if (czesci.size() == 1) {
        dobre = RozmiarOsi(czesci[0], p.IloscAtomowOsX);
        p.IloscAtomowOsY = p.IloscAtomowOsZ = p.IloscAtomowOsX;
    } else if (czesci.size() == 2 && !kubiczna) {
        dobre = RozmiarOsi(czesci[0], p.IloscAtomowOsX) && RozmiarOsi(czesci[1], p.IloscAtomowOsY);
    } else if (czesci.size() == 3 && kubiczna) {
        dobre = RozmiarOsi(czesci[0], p.IloscAtomowOsX) &&
                RozmiarOsi(czesci[1], p.IloscAtomowOsY) && RozmiarOsi(czesci[2], p.IloscAtomowOsZ);
    }
    if (!dobre) {
        return Blad("--osie", OpisOsi);
    }
    return std::nullopt;
}

std::optional<BladOpcji> Parser::Lambda(const std::string& w) {
    const std::vector<std::string> czesci = Podziel(w, ':');
    ParametrySymulacji& p = o_.Parametry;
    const auto wZakresie = [](std::optional<int> poz) {
        return poz && WZakresie(SiatkaWsadowa.Zakres(), *poz);
    };
    if (czesci.size() == 1) {
        const auto s = SiatkaWsadowa.Pozycja(czesci[0]);
        if (!wZakresie(s)) {
            return Blad("--lambda", OpisLambdy);
        }
        p.Seria = false;
        p.PozycjaLambdy = *s;
        return std::nullopt;
    }
    if (czesci.size() != 3) {
        return Blad("--lambda", OpisLambdy);
    }
    const auto s = SiatkaWsadowa.Pozycja(czesci[0]);
    const auto e = SiatkaWsadowa.Pozycja(czesci[1]);
    const auto k = SiatkaWsadowa.Pozycja(czesci[2]);
    if (!wZakresie(s) || !wZakresie(e) || !k || *e < *s || *k < 1 ||
        *k > SiatkaWsadowa.NajwiekszyKrok(*s, *e) ||
        Obliczenia::LiczbaSeriiDla(*s, *e, *k) > MaxLambdSerii) {
        return Blad("--lambda", OpisLambdy);
    }
    p.Seria = true;
    p.PozycjaLambdy = *s;
    p.PozycjaLambdyKoncowej = *e;
    p.PozycjaKroku = *k;
    return std::nullopt;
}

std::variant<OpcjeWsadowe, BladOpcji> Parser::Czytaj(const std::vector<std::string>& argumenty) {
    ParametrySymulacji& p = o_.Parametry;
    // The finer grid of lambda and the longer runs; the window's defaults,
    // moved to that grid, stay the defaults.
    p.Skala = SkalaParametrow::Wsadowa;
    p.PozycjaLambdy = SiatkaWsadowa.Z(SiatkaOkna, p.PozycjaLambdy);
    p.PozycjaLambdyKoncowej = SiatkaWsadowa.Z(SiatkaOkna, p.PozycjaLambdyKoncowej);
    p.PozycjaKroku = SiatkaWsadowa.Z(SiatkaOkna, p.PozycjaKroku);
    std::optional<std::string> osie;
    std::optional<std::string> lambda;
    std::set<std::string> podane;
    // Each option with a value: the check of its value, or an error.
    const std::map<std::string, std::function<std::optional<BladOpcji>(const std::string&)>> opcje =
        {
            {"--siec",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 const auto r = RodzajZKlucza(w);
                 if (!r) {
                     return Blad("--siec", KluczeRodzajow());
                 }
                 p.Rodzaj = *r;
                 return std::nullopt;
             }},
            {"--osie", [&](const std::string& w) { return osie = w, std::nullopt; }},
            {"--lambda", [&](const std::string& w) { return lambda = w, std::nullopt; }},
            {"--tryb",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 if (w == "porzadkowanie") {
                     p.Tryb = Oddzialywanie::Porzadkowanie;
                 } else if (w == "klasteryzacja") {
                     p.Tryb = Oddzialywanie::Klasteryzacja;
                 } else {
                     return Blad("--tryb", "porzadkowanie lub klasteryzacja");
                 }
                 return std::nullopt;
             }},
            {"--koncentracja",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 const auto c = PozycjaZTekstu(w, 100);
                 if (!c || !NaSkaliZakresu(ZakresKoncentracji, *c)) {
                     return Blad("--koncentracja",
                                 "wartości od " + TekstPozycji(ZakresKoncentracji.Min, 100, 2) +
                                     " do " + TekstPozycji(ZakresKoncentracji.Max, 100, 2) +
                                     " co 0.01");
                 }
                 p.PozycjaKoncentracji = *c;
                 return std::nullopt;
             }},
            {"--iteracje",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 const auto n = Calkowita(w);
                 if (!n || !WZakresie(ZakresIteracjiWsadowych, *n)) {
                     return Blad("--iteracje", "liczby całkowite od " +
                                                   std::to_string(ZakresIteracjiWsadowych.Min) +
                                                   " do " +
                                                   std::to_string(ZakresIteracjiWsadowych.Max));
                 }
                 p.MaxIloscCykli = static_cast<int>(*n);
                 return std::nullopt;
             }},
            {"--co",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 const auto n = Calkowita(w);
                 const auto przedzial =
                     n ? PrzedzialPomiarow::ZIteracji(*n, ZakresPrzedzialuWsadowego) : std::nullopt;
                 if (!przedzial) {
                     const ZakresParametru z =
                         PrzedzialPomiarow::Iteracji(ZakresPrzedzialuWsadowego);
                     return Blad("--co", "wartości od " + std::to_string(z.Min) + " do " +
                                             std::to_string(z.Max) + " co " +
                                             std::to_string(z.Krok));
                 }
                 p.PozycjaPrzedzialu = przedzial->Pozycja();
                 return std::nullopt;
             }},
            {"--uklad",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 if (w == "przypadkowe") {
                     p.Uklad = Ulozenie::Przypadkowe;
                 } else if (w == "uporzadkowane") {
                     p.Uklad = Ulozenie::Uporzadkowane;
                 } else if (w == "wydzielenie") {
                     p.Uklad = Ulozenie::UporzadkowaneWydzielenie;
                 } else {
                     return Blad("--uklad", "przypadkowe, uporzadkowane lub wydzielenie");
                 }
                 return std::nullopt;
             }},
            {"--ziarno",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 const auto n = Calkowita(w);
                 if (!n || *n < 0 || *n > 4294967295LL) {
                     return Blad("--ziarno", "liczby całkowite od 0 do 4294967295");
                 }
                 o_.Ziarno = static_cast<std::uint32_t>(*n);
                 return std::nullopt;
             }},
            {"--generator",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 const auto rodzaj = GeneratorZNazwy(w);
                 if (!rodzaj) {
                     return Blad("--generator", "okna lub xoshiro");
                 }
                 o_.Generator = *rodzaj;
                 return std::nullopt;
             }},
            {"--stopien",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 const auto n = Calkowita(w);
                 if (!n || !NaSkaliZakresu(ZakresStopnia, *n)) {
                     return Blad("--stopien", "liczby całkowite od " +
                                                  std::to_string(ZakresStopnia.Min) + " do " +
                                                  std::to_string(ZakresStopnia.Max));
                 }
                 o_.Stopien = static_cast<int>(*n);
                 return std::nullopt;
             }},
            {"--powtorzenia",
             [&](const std::string& w) { return Powtorzen("--powtorzenia", w, o_.Powtorzenia); }},
            {"--watki", [&](const std::string& w) { return Powtorzen("--watki", w, o_.Watki); }},
            {"--wyjscie",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 if (w.empty()) {
                     return Blad("--wyjscie", "niepusta nazwa pliku");
                 }
                 o_.Wyjscie = w;
                 return std::nullopt;
             }},
            {"--czesc",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 const std::vector<std::string> czesci = Podziel(w, '/');
                 const auto k = czesci.size() == 2 ? Calkowita(czesci[0]) : std::nullopt;
                 const auto m = czesci.size() == 2 ? Calkowita(czesci[1]) : std::nullopt;
                 if (!k || !m || *k < 0 || *k >= *m || !WZakresie(ZakresPowtorzen, *m)) {
                     return Blad("--czesc", OpisCzesci);
                 }
                 o_.Czesc = {static_cast<int>(*k), static_cast<int>(*m)};
                 return std::nullopt;
             }},
            {"--powtorzenia-plik",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 if (w.empty()) {
                     return Blad("--powtorzenia-plik", "niepusta nazwa pliku");
                 }
                 o_.PlikPowtorzen = w;
                 return std::nullopt;
             }},
            {"--scal",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 if (w.empty()) {
                     return Blad("--scal", "niepuste nazwy plików powtórzeń");
                 }
                 o_.Scal.push_back(w);
                 return std::nullopt;
             }},
            {"--przebieg",
             [&](const std::string& w) -> std::optional<BladOpcji> {
                 if (w.empty()) {
                     return Blad("--przebieg", "niepusta nazwa pliku");
                 }
                 o_.Przebieg = w;
                 return std::nullopt;
             }},
        };

    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        std::string nazwa = argumenty[i];
        std::optional<std::string> wartosc;
        if (const auto rownosc = nazwa.find('='); rownosc != std::string::npos) {
            wartosc = nazwa.substr(rownosc + 1);
            nazwa.resize(rownosc);
        }
        if (nazwa == "--pomoc" || nazwa == "-h" || nazwa == "--help") {
            o_.Pomoc = true;
            return o_;
        }
        // The switches, without a value.
        if (nazwa == "--fluktuacje" || nazwa == "--dwa-starty" || nazwa == "--sprawdz") {
            if (wartosc) {
                return BladOpcji{"Opcja " + nazwa + " nie przyjmuje wartości."};
            }
            (nazwa == "--fluktuacje"   ? o_.Fluktuacje
             : nazwa == "--dwa-starty" ? o_.DwaStarty
                                       : o_.Sprawdz) = true;
            if (nazwa == "--dwa-starty") {
                podane.insert(nazwa);
            }
            continue;
        }
        // Only what --pomoc lists is taken, so that the list cannot leave one out.
        const auto opcja = opcje.find(nazwa);
        if (!ZnajdzOpcje(nazwa) || opcja == opcje.end()) {
            return BladOpcji{"Nieznana opcja: " + nazwa + " (--pomoc wyświetla listę opcji)."};
        }
        if (!wartosc) {
            if (i + 1 >= argumenty.size()) {
                return BladOpcji{"Brak wartości opcji " + nazwa + "."};
            }
            wartosc = argumenty[++i];
        }
        if (auto blad = opcja->second(*wartosc)) {
            return *blad;
        }
        podane.insert(nazwa);
        // --scal takes every file up to the next option.
        while (nazwa == "--scal" && i + 1 < argumenty.size() &&
               !argumenty[i + 1].starts_with("--")) {
            if (auto blad = opcja->second(argumenty[++i])) {
                return *blad;
            }
        }
    }
    if (!o_.Scal.empty()) {
        return Scalanie(podane);
    }
    // The axes depend on the lattice kind, whatever the order of the options.
    if (auto blad = Osie(osie.value_or("10"))) {
        return *blad;
    }
    if (lambda) {
        if (auto blad = Lambda(*lambda)) {
            return *blad;
        }
    }
    // The stores keep MaxPomiarowSerii samples of a series, whatever the order of the options.
    if (Przedzial(p).Pomiarow(p.MaxIloscCykli) > MaxPomiarowSerii) {
        return BladOpcji{"Za dużo pomiarów w serii: --iteracje / --co wynosi " +
                         std::to_string(Przedzial(p).Pomiarow(p.MaxIloscCykli)) +
                         ", dozwolone najwyżej " + std::to_string(MaxPomiarowSerii) +
                         " (zwiększ --co albo zmniejsz --iteracje)."};
    }
    if (!o_.Rozmiary.empty()) {
        for (const char* opcja :
             {"--wyjscie", "--fluktuacje", "--przebieg", "--czesc", "--powtorzenia-plik"}) {
            if (podane.contains(opcja)) {
                return BladOpcji{"Opcja " + std::string(opcja) +
                                 " nie łączy się z listą rozmiarów --osie (badanie skończonych "
                                 "rozmiarów wypisuje tylko podsumowanie)."};
            }
        }
        if (!p.Seria) {
            return BladOpcji{"Badanie skończonych rozmiarów (lista --osie) wymaga serii "
                             "symulacji (--lambda S:E:K)."};
        }
    }
    if (o_.DwaStarty && p.PozycjaKoncentracji != 50) {
        return BladOpcji{"Opcja --dwa-starty porównuje start przypadkowy z uporządkowanym, który "
                         "ma zawsze połowę atomów A: wymaga koncentracji 0.50."};
    }
    if (!o_.Wyjscie.empty() && !p.Seria) {
        return BladOpcji{"Opcja --wyjscie wymaga serii symulacji (--lambda S:E:K): "
                         "pojedyncza symulacja nie ma etapu wyników."};
    }
    if (podane.contains("--czesc")) {
        if (auto blad = Czesc()) {
            return *blad;
        }
    }
    if (o_.Fluktuacje && o_.Wyjscie.empty()) {
        return BladFluktuacji();
    }
    return o_;
}

std::optional<BladOpcji> Parser::Czesc() const {
    if (o_.Czesc.M > o_.Powtorzenia) {
        return Blad("--czesc", OpisCzesci);
    }
    if (!o_.Ziarno) {
        return BladOpcji{"Opcja --czesc wymaga opcji --ziarno: wszystkie części jednego badania "
                         "muszą mieć to samo ziarno."};
    }
    if (o_.PlikPowtorzen.empty()) {
        return BladOpcji{"Opcja --czesc wymaga opcji --powtorzenia-plik: bez niego wyniki "
                         "części nie trafią do --scal."};
    }
    if (o_.Czesc.M > 1 && (o_.Fluktuacje || !o_.Wyjscie.empty())) {
        return BladOpcji{"Opcja " + std::string(o_.Wyjscie.empty() ? "--fluktuacje" : "--wyjscie") +
                         " nie łączy się z --czesc: plik wyników całego badania zapisuje "
                         "fazolab-batch --scal."};
    }
    return std::nullopt;
}

std::variant<OpcjeWsadowe, BladOpcji> Parser::Scalanie(const std::set<std::string>& podane) const {
    for (const std::string& opcja : podane) {
        if (opcja != "--scal" && opcja != "--wyjscie") {
            return BladOpcji{"Opcja " + opcja +
                             " nie łączy się z --scal: parametry badania są zapisane w plikach "
                             "powtórzeń (dozwolone tylko --wyjscie, --fluktuacje i --sprawdz)."};
        }
    }
    if (o_.Fluktuacje && o_.Wyjscie.empty()) {
        return BladFluktuacji();
    }
    return o_;
}
} // namespace

std::variant<OpcjeWsadowe, BladOpcji> CzytajOpcje(const std::vector<std::string>& argumenty) {
    return Parser().Czytaj(argumenty);
}
