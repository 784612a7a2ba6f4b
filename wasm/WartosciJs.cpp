#include "WartosciJs.h"

#include "FluktuacjeSerii.h"
#include "ParametrySymulacji.h"
#include "Pomiar.h"
#include "Siec.h"
#include "SiecNieskonczona.h"
#include "StanObliczen.h"
#include "TekstyFluktuacji.h"
#include "WynikiSerii.h"

#include <cstddef>
#include <emscripten/val.h>
#include <optional>

using emscripten::val;

namespace {
val PunktyJs(const std::vector<PunktWykresu>& punkty) {
    val tablica = val::array();
    for (const PunktWykresu& p : punkty) {
        val punkt = val::object();
        punkt.set("x", p.X);
        punkt.set("y", p.Y);
        tablica.call<void>("push", punkt);
    }
    return tablica;
}

val TablicaJs(const TablicaPunktow& liczby, std::size_t ile) {
    return LiczbyJs(std::vector<double>(liczby.begin(), liczby.begin() + static_cast<long>(ile)));
}

const char* NazwaRownowagi(Rownowaga stan) {
    switch (stan) {
    case Rownowaga::Osiagnieta:
        return "osiagnieta";
    case Rownowaga::Nieosiagnieta:
        return "nieosiagnieta";
    case Rownowaga::Nieznana:
        break;
    }
    return "nieznana";
}

const char* NazwaStanu(StanKroku stan) {
    switch (stan) {
    case StanKroku::Trwa:
        return "trwa";
    case StanKroku::SeriaZakonczona:
        return "seriaZakonczona";
    case StanKroku::Koniec:
        break;
    }
    return "koniec";
}
} // namespace

val TekstyJs(const std::vector<std::string>& teksty) {
    val tablica = val::array();
    for (const std::string& t : teksty) {
        tablica.call<void>("push", t);
    }
    return tablica;
}

val LiczbyJs(const std::vector<double>& liczby) {
    return val::global("Float64Array")
        .new_(emscripten::typed_memory_view(liczby.size(), liczby.data()))
        .call<val>("slice");
}

val BajtyJs(const std::string& bajty) {
    const auto* dane = reinterpret_cast<const unsigned char*>(bajty.data());
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bajty.size(), dane))
        .call<val>("slice");
}

val KrokJs(StanKroku stan, const PostepObliczen& postep) {
    val p = val::object();
    p.set("pojedyncza", static_cast<double>(postep.PojedynczaSymulacja));
    p.set("pojedynczaMax", static_cast<double>(postep.PojedynczaSymulacjaMax));
    p.set("seria", static_cast<double>(postep.SeriaSymulacji));
    p.set("seriaMax", static_cast<double>(postep.SeriaSymulacjiMax));
    val wynik = val::object();
    wynik.set("stan", std::string(NazwaStanu(stan)));
    wynik.set("postep", p);
    return wynik;
}

val StanJs(const StanObliczen& s) {
    val o = val::object();
    o.set("Lambda", s.Lambda);
    o.set("LambdaKoncowa", s.LambdaKoncowa);
    o.set("Krok", s.Krok);
    o.set("Koncentracja", s.Koncentracja);
    o.set("NrSerii", s.NrSerii);
    o.set("LiczbaSerii", s.LiczbaSerii);
    o.set("ObliczoneSerie", s.ObliczoneSerie);
    o.set("NrCyklu", s.NrCyklu);
    o.set("MaxIloscCykli", s.MaxIloscCykli);
    o.set("PrzedzialCzasowy", s.PrzedzialCzasowy);
    o.set("IloscAtomow", s.IloscAtomow);
    o.set("IloscAtomowA", s.IloscAtomowA);
    o.set("IloscAtomowB", s.IloscAtomowB);
    o.set("LiczbaSasiadow", s.LiczbaSasiadow);
    o.set("Energia", s.Energia);
    o.set("LiczbaParAB", s.LiczbaParAB);
    o.set("Sigma", s.Sigma);
    return o;
}

val PomiarJs(const Pomiar& p) {
    val o = val::object();
    o.set("Seria", p.Seria);
    o.set("Iteracja", p.Iteracja);
    o.set("Lambda", p.Lambda);
    o.set("Energia", p.Energia);
    o.set("LiczbaParAB", p.LiczbaParAB);
    o.set("Sigma", p.Sigma);
    o.set("LiczbaSasiadow", p.LiczbaSasiadow);
    o.set("Histogram", LiczbyJs(std::vector<double>(p.Histogram.begin(), p.Histogram.end())));
    return o;
}

val SiecJs(const Siec& siec) {
    val o = val::object();
    // Every cell of the frame: the flat kinds keep one plane, the cubic one
    // its planes 0..nz + 1.
    const auto komorek = static_cast<std::size_t>(siec.KrokZ()) *
                         static_cast<std::size_t>(JestPlaska(siec.Rodzaj()) ? 1 : siec.Nz() + 2);
    o.set("komorki", val(emscripten::typed_memory_view(komorek, siec.Dane())));
    o.set("nx", siec.Nx());
    o.set("ny", siec.Ny());
    o.set("nz", siec.Nz());
    o.set("krokY", siec.KrokY());
    o.set("krokZ", siec.KrokZ());
    // Indeks(0, 0, 0) is minus the offset, wrapped as an unsigned index.
    o.set("baza", -static_cast<double>(static_cast<std::ptrdiff_t>(siec.Indeks(0, 0, 0))));
    o.set("rodzaj", std::string(KluczRodzaju(siec.Rodzaj())));
    return o;
}

val WynikiJs(const WynikiSerii& w) {
    val o = val::object();
    o.set("Stopien", w.Stopien);
    o.set("Wspolczynniki", TablicaJs(w.Wspolczynniki, static_cast<std::size_t>(w.Stopien) + 1));
    o.set("CvkN", TablicaJs(w.CvkN, w.Series9.size() + 1));
    o.set("IndeksPrzejscia", w.IndeksPrzejscia);
    o.set("Spadek", w.Spadek);
    o.set("J", w.J);
    o.set("Series9", PunktyJs(w.Series9));
    o.set("Series10", PunktyJs(w.Series10));
    o.set("Series5", PunktyJs(w.Series5));
    o.set("UstawCvkNTc", w.UstawCvkNTc);
    val t = val::object();
    t.set("MOpisSieci", TekstyJs(w.Teksty.MOpisSieci));
    t.set("MLambda", TekstyJs(w.Teksty.MLambda));
    t.set("MSigma", TekstyJs(w.Teksty.MSigma));
    t.set("MCvkN", TekstyJs(w.Teksty.MCvkN));
    t.set("ELambdaTc", w.Teksty.ELambdaTc);
    t.set("ECvkNTc", w.Teksty.ECvkNTc);
    t.set("UwagaCvkNTc", w.Teksty.UwagaCvkNTc);
    t.set("UwagaDopasowania", std::string(UwagaDopasowania));
    t.set("OpisDopasowania", std::string(OpisDopasowania));
    o.set("Teksty", t);
    return o;
}

val FluktuacjeJs(const FluktuacjeSerii& f, const ParametrySymulacji& p) {
    const int miejscaLambdy = MiejscaLambdy(p);
    val serie = val::array();
    for (const FluktuacjaSerii& s : f.Serie) {
        val o = val::object();
        o.set("Lambda", s.Lambda);
        o.set("CvkN", s.CvkN.Srednia);
        o.set("Blad", s.CvkN.Blad);
        o.set("Stan", std::string(NazwaRownowagi(s.Stan)));
        serie.call<void>("push", o);
    }
    val przejscie = val::object();
    przejscie.set("Lambda", f.Przejscie.Lambda);
    przejscie.set("Blad", f.Przejscie.Blad);
    przejscie.set("NaBrzegu", f.Przejscie.NaBrzegu);
    const TekstyFluktuacji teksty = TekstyFluktuacjiZ(f, miejscaLambdy);
    val t = val::object();
    t.set("MCvkN", TekstyJs(teksty.MCvkN));
    t.set("MBlad", TekstyJs(teksty.MBlad));
    t.set("PolaPrzejscia", TekstyJs(teksty.PolaPrzejscia));
    t.set("EPodpisPrzejscia", teksty.EPodpisPrzejscia);
    t.set("UwagaGranicySieci", std::string(UwagaGranicySieci));
    t.set("EPrzejscie", teksty.EPrzejscie);
    t.set("ERownowaga", teksty.ERownowaga);
    t.set("OdniesienieSieci", TekstLambdyKrytycznej(p.Rodzaj, p.Tryb, p.PozycjaKoncentracji));
    t.set("OpisSigmyOnsagera", std::string(OpisSigmyOnsagera));
    val o = val::object();
    // The infinite lattice beside the run, where it is known: lambda_c, and on
    // the square lattice sigma(lambda) at the run's sign.
    const std::optional<double> lambdaC = LambdaKrytyczna(p.Rodzaj, p.Tryb, p.PozycjaKoncentracji);
    o.set("LambdaKrytyczna", lambdaC ? val(*lambdaC) : val::null());
    val onsager = val::array();
    if (MaSigmeOnsagera(p.Rodzaj, p.PozycjaKoncentracji)) {
        for (const auto& [lambda, sigma] : KrzywaOnsagera(p.Tryb)) {
            val punkt = val::array();
            punkt.call<void>("push", lambda);
            punkt.call<void>("push", sigma);
            onsager.call<void>("push", punkt);
        }
    }
    o.set("SigmaOnsagera", onsager);
    o.set("Serie", serie);
    o.set("Przejscie", przejscie);
    o.set("Teksty", t);
    return o;
}
