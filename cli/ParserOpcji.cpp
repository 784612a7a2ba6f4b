#include "ParserOpcji.h"

#include "Dziesietne.h"
#include "OpisyOpcji.h"
#include "PrzedzialPomiarow.h"
#include "ZakresyParametrow.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace {
const std::string ZakresyOsi = "parzyste liczby od " + std::to_string(ZakresOsiWsadowych.Min) +
                               " do " + std::to_string(ZakresOsiWsadowych.Max) + " (3DR: do " +
                               std::to_string(ZakresOsiWsadowych3D.Max) + ")";
const std::string OpisOsi = ZakresyOsi + ": X, XxY (sieci 2D) lub XxYxZ (3DR)";

const std::string OpisLambdy = "S, S:E:K albo lista L1,L2,..., wartości od " +
                               SiatkaWsadowa.Tekst(SiatkaWsadowa.Zakres().Min) + " do " +
                               SiatkaWsadowa.Tekst(SiatkaWsadowa.Zakres().Max) + " co " +
                               SiatkaListy.Tekst(1) + ", E >= S, K > 0 (w setnych K <= E - S + " +
                               SiatkaOkna.Tekst(1) + "), lista bez powtórzeń";
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

// An axis of the batch scale: to 512 atoms on the flat lattices, to 128 on the cubic one.
bool RozmiarOsi(const std::string& tekst, int& wynik, bool kubiczna) {
    const auto n = Calkowita(tekst);
    if (!n || !NaSkaliZakresu(kubiczna ? ZakresOsiWsadowych3D : ZakresOsiWsadowych, *n)) {
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
    // A range S:E:K off the hundredths, or a list: the series' lambdas on the
    // list's grid (millionths).
    std::optional<BladOpcji> ZakresWMilionowych(const std::vector<std::string>& czesci);
    std::optional<BladOpcji> Lista(const std::vector<std::string>& wartosci);
    std::optional<BladOpcji> UstawListe(std::vector<int> pozycje);
    std::optional<BladOpcji> Czesc() const;
    std::variant<OpcjeWsadowe, BladOpcji> Scalanie(const std::set<std::string>& podane) const;

    OpcjeWsadowe o_;
};

std::optional<BladOpcji> Parser::Osie(const std::string& w) {
    ParametrySymulacji& p = o_.Parametry;
    const bool kubiczna = p.Rodzaj == RodzajSieci::Kubiczna3D;
    if (w.find(',') != std::string::npos) {
        // A finite-size study: one size for every axis of each lattice.
        for (const std::string& rozmiar : Podziel(w, ',')) {
            int l = 0;
            if (!RozmiarOsi(rozmiar, l, kubiczna) ||
                (!o_.Rozmiary.empty() && l <= o_.Rozmiary.back())) {
                return BladOpcji{"Opcja --osie: lista rozmiarów badania skończonych rozmiarów to "
                                 "co najmniej dwa rosnące rozmiary, " +
                                 ZakresyOsi + ", po przecinku, np. 12,16,24,32."};
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
    bool dobre = false;
    if (czesci.size() == 1) {
        dobre = RozmiarOsi(czesci[0], p.IloscAtomowOsX, kubiczna);
        p.IloscAtomowOsY = p.IloscAtomowOsZ = p.IloscAtomowOsX;
    } else if (czesci.size() == 2 && !kubiczna) {
        dobre = RozmiarOsi(czesci[0], p.IloscAtomowOsX, false) &&
                RozmiarOsi(czesci[1], p.IloscAtomowOsY, false);
    } else if (czesci.size() == 3 && kubiczna) {
        dobre = RozmiarOsi(czesci[0], p.IloscAtomowOsX, true) &&
                RozmiarOsi(czesci[1], p.IloscAtomowOsY, true) &&
                RozmiarOsi(czesci[2], p.IloscAtomowOsZ, true);
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
        // One decimal ("1,2" is 1.2, as the window writes it), else a list
        // with decimal points; a lambda off the hundredths is a series of one.
        const auto s = SiatkaWsadowa.Pozycja(w);
        if (wZakresie(s)) {
            p.Seria = false;
            p.PozycjaLambdy = *s;
            return std::nullopt;
        }
        if (const auto jedna = SiatkaListy.Pozycja(w)) {
            return UstawListe({*jedna});
        }
        return Lista(Podziel(w, ','));
    }
    if (czesci.size() != 3) {
        return Blad("--lambda", OpisLambdy);
    }
    const auto s = SiatkaWsadowa.Pozycja(czesci[0]);
    const auto e = SiatkaWsadowa.Pozycja(czesci[1]);
    const auto k = SiatkaWsadowa.Pozycja(czesci[2]);
    if (!s || !e || !k) {
        return ZakresWMilionowych(czesci);
    }
    if (!wZakresie(s) || !wZakresie(e) || *e < *s || *k < 1 ||
        *k > SiatkaWsadowa.NajwiekszyKrok(*s, *e)) {
        return Blad("--lambda", OpisLambdy);
    }
    p.Seria = true;
    p.PozycjaLambdy = *s;
    p.PozycjaLambdyKoncowej = *e;
    p.PozycjaKroku = *k;
    return std::nullopt;
}

std::optional<BladOpcji> Parser::ZakresWMilionowych(const std::vector<std::string>& czesci) {
    const auto s = SiatkaListy.Pozycja(czesci[0]);
    const auto e = SiatkaListy.Pozycja(czesci[1]);
    const auto k = SiatkaListy.Pozycja(czesci[2]);
    if (!s || !e || !k || *e < *s || *k < 1) {
        return Blad("--lambda", OpisLambdy);
    }
    // From S in steps of K, the last at E also when the step passes it, as
    // a series in hundredths runs.
    std::vector<int> pozycje;
    for (long long pozycja = *s; pozycja < *e; pozycja += *k) {
        pozycje.push_back(static_cast<int>(pozycja));
    }
    pozycje.push_back(*e);
    return UstawListe(std::move(pozycje));
}

std::optional<BladOpcji> Parser::Lista(const std::vector<std::string>& wartosci) {
    std::vector<int> pozycje;
    for (const std::string& wartosc : wartosci) {
        const auto pozycja = SiatkaListy.Pozycja(wartosc);
        if (!pozycja) {
            return Blad("--lambda", OpisLambdy);
        }
        pozycje.push_back(*pozycja);
    }
    // In increasing order, as every series runs; a lambda twice is a mistake.
    std::sort(pozycje.begin(), pozycje.end());
    if (std::adjacent_find(pozycje.begin(), pozycje.end()) != pozycje.end()) {
        return Blad("--lambda", OpisLambdy);
    }
    return UstawListe(std::move(pozycje));
}

std::optional<BladOpcji> Parser::UstawListe(std::vector<int> pozycje) {
    ParametrySymulacji& p = o_.Parametry;
    if (pozycje.empty() || !WZakresie(SiatkaListy.Zakres(), pozycje.front()) ||
        !WZakresie(SiatkaListy.Zakres(), pozycje.back())) {
        return Blad("--lambda", OpisLambdy);
    }
    p.Seria = true;
    p.PozycjaLambdy = pozycje.front();
    p.PozycjaLambdyKoncowej = pozycje.back();
    p.PozycjaKroku = 1;
    p.ListaLambd = std::move(pozycje);
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
