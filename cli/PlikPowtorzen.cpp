#include "PlikPowtorzen.h"

#include "FluktuacjaSerii.h"
#include "LiczbyDziesietne.h"
#include "Obliczenia.h"
#include "OpcjeWsadowe.h"
#include "PoprawnoscParametrow.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
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

// The window's 26 entries of a per-series table, or series 0..n + 1 where a
// batch series has more.
std::string Tablica(const char* klucz, const TablicaPunktow& tablica, int serii) {
    std::string wiersz = klucz;
    const std::size_t wpisow = std::max<std::size_t>(RozmiarTablicyPunktow, serii + 2ULL);
    for (std::size_t i = 0; i < wpisow; ++i) {
        wiersz += ' ';
        wiersz += Rzeczywista(i < tablica.size() ? tablica[i] : 0.0);
    }
    return wiersz;
}

struct BladPliku {
    std::string Powod;
};

// Reals compared with what the engine forms from the parameters: a file
// rounds nothing (17 digits), so only a forged figure is further away.
constexpr double Tolerancja = 1e-9;

// The lines of a file, each taken apart into its key and fields. A line may
// end in CR LF (the file passed through an editor or a mail of another system).
class Czytnik {
public:
    explicit Czytnik(const std::string& tresc) {
        std::size_t poczatek = 0;
        while (poczatek < tresc.size()) {
            const std::size_t koniec = tresc.find('\n', poczatek);
            std::string linia = tresc.substr(poczatek, koniec - poczatek);
            if (linia.ends_with('\r')) {
                linia.pop_back();
            }
            linie_.push_back(std::move(linia));
            if (koniec == std::string::npos) {
                // The writer ends every line: a last one without its end was cut.
                urwany_ = true;
                break;
            }
            poczatek = koniec + 1;
        }
    }

    bool Koniec() const { return nr_ >= linie_.size(); }
    void SprawdzCaly() const {
        if (urwany_) {
            throw BladPliku{"wiersz " + std::to_string(linie_.size()) +
                            ": plik urwany (ostatni wiersz bez końca wiersza)"};
        }
    }
    const std::string& Surowy() const { return linie_.at(nr_); }
    void Pomin() { ++nr_; }

    // The fields of the next line, which must have the key and exactly `pol` fields.
    std::vector<std::string> Nastepny(const std::string& klucz, std::size_t pol) {
        return Nastepny(klucz, pol, pol);
    }
    // The same with `od` to `doPol` fields.
    std::vector<std::string> Nastepny(const std::string& klucz, std::size_t od, std::size_t doPol) {
        if (Koniec()) {
            Blad("brak wiersza „" + klucz + "” (plik urwany?)");
        }
        std::vector<std::string> pola;
        const std::string& linia = linie_[nr_];
        for (std::size_t poczatek = 0;;) {
            const std::size_t spacja = linia.find(' ', poczatek);
            pola.push_back(linia.substr(poczatek, spacja - poczatek));
            if (spacja == std::string::npos) {
                break;
            }
            poczatek = spacja + 1;
        }
        if (pola.front() != klucz) {
            Blad("oczekiwano wiersza „" + klucz + "”");
        }
        if (pola.size() < od + 1 || pola.size() > doPol + 1) {
            Blad("wiersz „" + klucz + "” ma " + std::to_string(pola.size() - 1) + " pól zamiast " +
                 std::to_string(od) + (doPol == od ? "" : ".." + std::to_string(doPol)));
        }
        ++nr_;
        pola.erase(pola.begin());
        return pola;
    }

    [[noreturn]] void Blad(const std::string& powod) const {
        throw BladPliku{"wiersz " + std::to_string(std::min(nr_, linie_.size() - 1) + 1) + ": " +
                        powod};
    }
    // About the line just read.
    [[noreturn]] void BladPoprzedniego(const std::string& powod) {
        --nr_;
        Blad(powod);
    }

    // A finite real, or a whole number that fits in T.
    template <class T> T Liczba(const std::string& pole) const {
        if constexpr (std::is_floating_point_v<T>) {
            if (const std::optional<double> wartosc = RzeczywistaZ(pole);
                wartosc && std::isfinite(*wartosc)) {
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
        Blad("„" + pole + "” nie jest liczbą skończoną");
    }

    // A real within [od, doWartosci]; "nan" too where `nieokreslona` (an error
    // that too few samples leave undetermined).
    double Rzeczywista(const std::string& pole, double od, double doWartosci,
                       bool nieokreslona = false) const {
        if (nieokreslona && pole == "nan") {
            return std::numeric_limits<double>::quiet_NaN();
        }
        const double wartosc = Liczba<double>(pole);
        if (wartosc < od || wartosc > doWartosci) {
            Blad("liczba " + pole + " poza możliwym zakresem");
        }
        return wartosc;
    }

    // 0 or 1.
    bool Flaga(const std::string& pole) const {
        if (pole != "0" && pole != "1") {
            Blad("oczekiwano 0 albo 1 zamiast „" + pole + "”");
        }
        return pole == "1";
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
    bool urwany_ = false;
};

// The header line that holds an engine's parameter, by the engine's name for it.
std::string KluczParametru(const std::string& parametr) {
    if (parametr.starts_with("IloscAtomowOs")) {
        return "osie";
    }
    if (parametr == "Koncentracja") {
        return "koncentracja";
    }
    if (parametr == "PrzedzialCzasowy") {
        return "co";
    }
    return parametr == "MaxIloscCykli" ? "iteracje" : "lambda";
}

void CzytajNaglowek(Czytnik& c, BadaniePowtorzen& b) {
    ParametrySymulacji& p = b.Parametry;
    const auto siec = c.Nastepny("siec", 1);
    const auto rodzaj = RodzajZKlucza(siec[0]);
    if (!rodzaj) {
        c.BladPoprzedniego("nieznana sieć „" + siec[0] + "”");
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
    if (!c.Koniec() && c.Surowy().starts_with("lista ")) {
        // A series over a list of lambdas, in millionths; the engine's check
        // below finds a list out of order or out of range.
        for (const std::string& pole : c.Nastepny("lista", 1, std::numeric_limits<int>::max())) {
            p.ListaLambd.push_back(c.Liczba<int>(pole));
        }
    }
    p.Seria = c.Flaga(c.Nastepny("seria", 1)[0]);
    p.PozycjaPrzedzialu = c.Liczba<int>(c.Nastepny("co", 1)[0]);
    p.MaxIloscCykli = c.Liczba<int>(c.Nastepny("iteracje", 1)[0]);
    p.Uklad = static_cast<Ulozenie>(c.Nazwa(c.Nastepny("uklad", 1)[0], NazwyUkladow));
    p.Tryb = static_cast<Oddzialywanie>(c.Nazwa(c.Nastepny("tryb", 1)[0], NazwyTrybow));
    const std::string stopien = c.Nastepny("stopien", 1)[0];
    if (stopien != "-") {
        b.Stopien = c.Liczba<int>(stopien);
        if (!WZakresie(ZakresStopnia, *b.Stopien)) {
            c.BladPoprzedniego("stopień dopasowania poza zakresem " +
                               std::to_string(ZakresStopnia.Min) + ".." +
                               std::to_string(ZakresStopnia.Max));
        }
    }
    const auto ziarno = c.Nastepny("ziarno", 2);
    b.Ziarno = c.Liczba<std::uint32_t>(ziarno[0]);
    b.ZiarnoZZegara = c.Flaga(ziarno[1]);
    b.Powtorzenia = c.Liczba<int>(c.Nastepny("powtorzenia", 1)[0]);
    if (!WZakresie(ZakresPowtorzen, b.Powtorzenia)) {
        c.BladPoprzedniego("liczba powtórzeń poza zakresem " + std::to_string(ZakresPowtorzen.Min) +
                           ".." + std::to_string(ZakresPowtorzen.Max));
    }
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
            c.BladPoprzedniego("liczba startów inna niż 2");
        }
        b.DwaStarty = true;
    }
    // The engine's own check: what it would not run cannot have been run.
    // The step and the end of a single run are not used but must be readable.
    const ZakresParametru& lambdy = Siatka(p).Zakres();
    std::string niepoprawny = NiepoprawnyParametr(p) ? NiepoprawnyParametr(p) : "";
    if (niepoprawny.empty() && !p.Seria &&
        (!NaSkaliZakresu(lambdy, p.PozycjaLambdyKoncowej) || p.PozycjaKroku < 1)) {
        niepoprawny = "Krok";
    }
    if (!niepoprawny.empty()) {
        throw BladPliku{"nagłówek: „" + KluczParametru(niepoprawny) +
                        "” poza zakresem, który przyjmuje program (" + niepoprawny + ")"};
    }
}

// The lambda series k of a run of these parameters is taken at (negative for
// clustering): the list's, or from the start in steps, never past the end.
double LambdaSerii(const ParametrySymulacji& p, int k) {
    const int pozycja = !p.ListaLambd.empty()
                            ? p.ListaLambd[static_cast<std::size_t>(k - 1)]
                            : std::min(p.PozycjaLambdy + (k - 1) * p.PozycjaKroku,
                                       p.Seria ? p.PozycjaLambdyKoncowej : p.PozycjaLambdy);
    const double lambda = Siatka(p).Lambda(pozycja);
    return p.Tryb == Oddzialywanie::Klasteryzacja ? -lambda : lambda;
}

// The pair counts a series kept after its burn-in, as many as the burn-in's
// bounds allow (from the longest burn-in to the shortest), and their values.
void CzytajPary(Czytnik& c, const ParametrySymulacji& p, int wiazania, FluktuacjaSerii& f) {
    const auto pomiarow = static_cast<std::size_t>(PomiarowSerii(p));
    const auto najmniej =
        pomiarow -
        static_cast<std::size_t>(ProbkiRozbiegu(pomiarow, std::numeric_limits<double>::infinity()));
    const auto najwiecej = pomiarow - static_cast<std::size_t>(ProbkiRozbiegu(pomiarow, 0.0));
    const auto pary = c.Nastepny("pary", najmniej, najwiecej);
    for (const std::string& pole : pary) {
        const double para = c.Rzeczywista(pole, 0.0, wiazania);
        if (para != std::floor(para)) {
            c.BladPoprzedniego("liczba par „" + pole + "” nie jest całkowita");
        }
        f.Pary.push_back(para);
    }
    // Not written: the kept counts give it again, as the run measured it.
    f.Tau = CzasAutokorelacjiSokala(f.Pary);
}

WynikRepliki CzytajReplike(Czytnik& c, const BadaniePowtorzen& b) {
    const ParametrySymulacji& p = b.Parametry;
    WynikRepliki r;
    r.Nr = c.Liczba<int>(c.Nastepny("replika", 1)[0]);
    const auto dane = c.Nastepny("dane", 8);
    DaneWynikow& d = r.Dane;
    d.NrSerii = c.Liczba<int>(dane[0]);
    // The offset J is drawn below one unit of the run's lambdas, at most a tenth.
    d.J = c.Rzeczywista(dane[1], 0.0, 0.1);
    d.KoncentracjaB = c.Rzeczywista(dane[2], 0.0, 1.0);
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
    if (d.NrSerii != LiczbaSerii(p)) {
        c.BladPoprzedniego("liczba serii nie zgadza się z parametrami");
    }
    if (d.LiczbaSasiadow != LiczbaSasiadowRodzaju(p.Rodzaj) ||
        d.Opis.IloscAtomow != IloscAtomow(p) || d.Opis.IloscAtomowOsX != p.IloscAtomowOsX ||
        d.Opis.IloscAtomowOsY != p.IloscAtomowOsY ||
        d.Opis.IloscAtomowOsZ != (JestPlaska(p.Rodzaj) ? 1 : p.IloscAtomowOsZ) ||
        d.KoncentracjaB == 0.0 || d.KoncentracjaB == 1.0 || (!p.Seria && d.J != 0.0) ||
        d.J == 0.1) {
        c.BladPoprzedniego("sieć lub skład nie zgadza się z parametrami");
    }
    for (const auto& [klucz, tablica] :
         {std::pair{"lambdy", &d.LambdaSerii}, std::pair{"sigmy", &d.SigmaSerii}}) {
        // The window's 26 entries, or one more than the series where they are more.
        const auto pola =
            c.Nastepny(klucz, std::max<std::size_t>(RozmiarTablicyPunktow, LiczbaSerii(p) + 2ULL));
        *tablica = TablicaPunktow(pola.size());
        for (std::size_t i = 0; i < pola.size(); ++i) {
            (*tablica)[i] = c.Rzeczywista(pola[i], -Siatka(p).Najwieksza() - Tolerancja,
                                          Siatka(p).Najwieksza() + Tolerancja);
        }
    }
    // Every pair of neighbours counted once; the heat capacity per atom is at
    // most lambda^2 times the largest variance of that count over the atoms.
    const int wiazania = d.LiczbaSasiadow * d.Opis.IloscAtomow / 2;
    for (int k = 1; k <= d.NrSerii; ++k) {
        const auto w = c.Nastepny("wynik", 7);
        SeriaRepliki& s = r.Serie.emplace_back();
        s.Lambda = c.Liczba<double>(w[0]);
        s.Sigma = c.Liczba<double>(w[1]);
        if (s.Lambda != d.LambdaSerii[k] || std::abs(s.Lambda - LambdaSerii(p, k)) > Tolerancja ||
            s.Sigma != d.SigmaSerii[k]) {
            c.BladPoprzedniego("lambda lub sigma serii " + std::to_string(k) +
                               " nie zgadza się z parametrami");
        }
        // Sigma is -cA/cB for no AB pair at all and (cA/cB)^2 for the most.
        constexpr double Sigma = 1.0 + Tolerancja;
        c.Rzeczywista(w[1], -Sigma, Sigma);
        s.SigmaSrednia = {c.Rzeczywista(w[2], -Sigma, Sigma),
                          c.Rzeczywista(w[3], 0.0, 2 * Sigma, true)};
        const double cvMax = s.Lambda * s.Lambda * wiazania * wiazania / 4.0 / d.Opis.IloscAtomow;
        // The fluctuation was taken at the series' own lambda.
        s.Fluktuacje.Lambda = s.Lambda;
        s.Fluktuacje.CvkN = {c.Rzeczywista(w[4], 0.0, cvMax),
                             c.Rzeczywista(w[5], 0.0, cvMax, true)};
        s.Fluktuacje.Stan = static_cast<Rownowaga>(c.Nazwa(w[6], NazwyRownowagi));
        s.Fluktuacje.IloscAtomow = d.Opis.IloscAtomow;
        CzytajPary(c, p, wiazania, s.Fluktuacje);
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
    };
    // A list of lambdas only where there is one, so that other files keep their bytes.
    if (!p.ListaLambd.empty()) {
        std::string lista = "lista";
        for (const int pozycja : p.ListaLambd) {
            lista += ' ' + calk(pozycja);
        }
        naglowek.push_back(lista);
    }
    naglowek.insert(
        naglowek.end(),
        {
            Wiersz("seria", calk(p.Seria ? 1 : 0)),
            Wiersz("co", calk(p.PozycjaPrzedzialu)),
            Wiersz("iteracje", calk(p.MaxIloscCykli)),
            Wiersz("uklad", std::string(NazwyUkladow.at(static_cast<std::size_t>(p.Uklad)))),
            Wiersz("tryb", std::string(NazwyTrybow.at(static_cast<std::size_t>(p.Tryb)))),
            Wiersz("stopien", b.Stopien ? calk(*b.Stopien) : std::string("-")),
            Wiersz("ziarno", calk(b.Ziarno), calk(b.ZiarnoZZegara ? 1 : 0)),
            Wiersz("powtorzenia", calk(b.Powtorzenia)),
        });
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
        tresc += Tablica("lambdy", d.LambdaSerii, d.NrSerii) + '\n';
        tresc += Tablica("sigmy", d.SigmaSerii, d.NrSerii) + '\n';
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
        c.SprawdzCaly();
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
