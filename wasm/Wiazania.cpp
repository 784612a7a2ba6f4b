// The module's face to JavaScript (embind). Every entry catches what the
// core throws and hands it over as {Blad: "..."}: the JavaScript module
// (fazolab.mjs) turns that into a BladFazolab, and the page stays usable.
#include "FluktuacjeSerii.h"
#include "ObliczWyniki.h"
#include "Odtwarzanie.h"
#include "ParametryJs.h"
#include "ParametrySymulacji.h"
#include "PlikWynikow.h"
#include "PrzebiegWsadowy.h"
#include "PunktyWidoczne.h"
#include "ReplikaWeb.h"
#include "RodzajSieci.h"
#include "ScalPowtorzenia.h"
#include "SesjaWeb.h"
#include "SiatkaLambdy.h"
#include "TytulOknaSieci.h"
#include "WartosciJs.h"
#include "WynikRepliki.h"
#include "ZakresyParametrow.h"
#include "ZegarDoby.h"

#include <emscripten/bind.h>
#include <exception>
#include <new>
#include <sstream>

using emscripten::val;

namespace {
constexpr const char* BrakPamieci =
    "Za mało pamięci: zmniejsz sieć albo zamknij inne karty i spróbuj ponownie.";

val Blad(const std::string& komunikat) {
    val o = val::object();
    o.set("Blad", komunikat);
    return o;
}

// Runs `cialo`, turning what the core throws into {Blad}.
template <class Cialo> val Chronione(Cialo&& cialo) {
    try {
        return cialo();
    } catch (const std::bad_alloc&) {
        return Blad(BrakPamieci);
    } catch (const std::exception& e) {
        return Blad(e.what());
    }
}

std::vector<std::string> Argumenty(const val& tablica) {
    return emscripten::vecFromJSArray<std::string>(tablica);
}

val Przygotowano(const std::string& blad) {
    return blad.empty() ? val::object() : Blad(blad);
}

// The page's parameters on the window's scale and the seed, read and checked
// here, once.
val PrzygotujSesje(SesjaWeb& s, const val& parametry, const val& ziarno) {
    return Chronione([&] {
        ParametrySymulacji p;
        std::uint32_t z = 0;
        std::string blad = ParametryZJs(parametry, p);
        if (blad.empty()) {
            blad = ZiarnoZJs(ziarno, z);
        }
        return Przygotowano(blad.empty() ? s.Przygotuj(p, z) : blad);
    });
}

val KrokSesji(SesjaWeb& s) {
    return Chronione([&] { return KrokJs(s.Krok(), s.Silnik().Postep()); });
}

val LiczSesje(SesjaWeb& s, double ms) {
    return Chronione([&] { return KrokJs(s.Licz(ms), s.Silnik().Postep()); });
}

val NastepnaSeria(SesjaWeb& s) {
    return Chronione([&] {
        s.RozpocznijNastepnaSerie();
        return KrokJs(StanKroku::Trwa, s.Silnik().Postep());
    });
}

val StanSesji(SesjaWeb& s) {
    return StanJs(s.Silnik().Stan());
}

val SiecSesji(SesjaWeb& s) {
    return SiecJs(s.Silnik().SiecAtomow());
}

val PomiarSesji(SesjaWeb& s) {
    return PomiarJs(s.Probki().Ostatni());
}

val NowePomiary(SesjaWeb& s) {
    return LiczbyJs(s.Probki().Odbierz());
}

val CyklSesji(SesjaWeb& s, int seria, int iteracja) {
    return Chronione([&] {
        const WidokCyklu widok = PokazCykl(s.Silnik(), seria, iteracja);
        std::vector<double> historia;
        for (const PunktWykresu& p : widok.Series8) {
            historia.push_back(p.X);
            historia.push_back(p.Y);
        }
        val o = val::object();
        o.set("LambdaSerii", widok.LambdaSerii);
        o.set("Series8", LiczbyJs(historia));
        o.set("Series6", LiczbyJs(widok.Series6));
        o.set("Series7", LiczbyJs(widok.Series7));
        return o;
    });
}

val WynikiSesji(SesjaWeb& s, const val& stopien) {
    return Chronione([&] {
        const std::optional<int> d =
            stopien.isNumber() ? std::optional<int>(stopien.as<int>()) : std::nullopt;
        return WynikiJs(s.Wyniki(d));
    });
}

val FluktuacjeSesji(SesjaWeb& s) {
    return Chronione([&] { return FluktuacjeJs(s.Fluktuacje(), s.Silnik().Stan().Parametry); });
}

PolaWynikow Pola(const val& o) {
    PolaWynikow p;
    const auto pole = [&](const char* nazwa, bool& cel) {
        if (o[nazwa].isTrue() || o[nazwa].isFalse()) {
            cel = o[nazwa].as<bool>();
        }
    };
    if (o.isUndefined() || o.isNull()) {
        return p;
    }
    pole("Opis", p.Opis);
    pole("Lambda", p.Lambda);
    pole("Sigma", p.Sigma);
    pole("CvkN", p.CvkN);
    pole("LambdaTc", p.LambdaTc);
    pole("CvkNTc", p.CvkNTc);
    pole("Fluktuacje", p.Fluktuacje);
    return p;
}

val PlikSesji(SesjaWeb& s, int typ, const val& pola) {
    return Chronione([&] { return BajtyJs(s.PlikWynikow(typ, Pola(pola))); });
}

std::string NazwaPlikuSesji(SesjaWeb& s) {
    return DomyslnaNazwaPliku(s.Silnik().SiecAtomow().Rodzaj());
}

val PrzygotujReplike(ReplikaWeb& r, const val& argumenty, int nr) {
    return Chronione([&] { return Przygotowano(r.Przygotuj(Argumenty(argumenty), nr)); });
}

// A replica of the page's parameters: the same study as the batch runner's.
val PrzygotujReplikeOkna(ReplikaWeb& r, const val& parametry, const val& opcje, int nr) {
    return Chronione([&] {
        OpcjeWsadowe o;
        const std::string blad = OpcjeReplikiZJs(parametry, opcje, o);
        return Przygotowano(blad.empty() ? r.Przygotuj(std::move(o), nr) : blad);
    });
}

val KrokRepliki(ReplikaWeb& r) {
    return Chronione([&] { return KrokJs(r.Krok(), r.Silnik().Postep()); });
}

val LiczReplike(ReplikaWeb& r, double ms) {
    return Chronione([&] { return KrokJs(r.Licz(ms), r.Silnik().Postep()); });
}

val WynikReplikiJs(ReplikaWeb& r) {
    return Chronione([&] { return val(r.Wynik()); });
}

// The results model of a merged study: the files are replica files in the
// module's file system.
val ModelBadania(const val& pliki) {
    return Chronione([&] {
        auto scalone = ScalPowtorzenia(Argumenty(pliki));
        if (const std::string* blad = std::get_if<std::string>(&scalone)) {
            return Blad(*blad);
        }
        const BadaniePowtorzen& b = std::get<BadaniePowtorzen>(scalone);
        val o = val::object();
        o.set("wyniki", b.Parametry.Seria ? WynikiJs(ObliczWyniki(b.Repliki.size() == 1
                                                                      ? b.Repliki.front().Dane
                                                                      : SrednieReplik(b.Repliki)))
                                          : val::null());
        o.set("fluktuacje", FluktuacjeJs(FluktuacjeReplik(b.Repliki), b.Parametry));
        return o;
    });
}

// One call of fazolab-batch in the module's file system.
val Wsadowo(const val& argumenty) {
    return Chronione([&] {
        std::ostringstream wyjscie;
        std::ostringstream bledy;
        ZegarDoby zegar;
        const int status = UruchomWsadowo(Argumenty(argumenty), zegar, wyjscie, bledy, false);
        val o = val::object();
        o.set("status", status);
        o.set("wyjscie", wyjscie.str());
        o.set("bledy", bledy.str());
        return o;
    });
}

val ZakresJs(const ZakresParametru& z) {
    val o = val::object();
    o.set("Min", z.Min);
    o.set("Max", z.Max);
    o.set("Krok", z.Krok);
    return o;
}

val Zakresy() {
    val o = val::object();
    o.set("osi", ZakresJs(ZakresOsi));
    o.set("koncentracji", ZakresJs(ZakresKoncentracji));
    o.set("lambdy", ZakresJs(SiatkaOkna.Zakres()));
    o.set("przedzialu", ZakresJs(ZakresPrzedzialu));
    o.set("iteracji", ZakresJs(ZakresIteracji));
    o.set("stopnia", ZakresJs(ZakresStopnia));
    o.set("powtorzen", ZakresJs(ZakresPowtorzen));
    return o;
}

// The parameters of a freshly set-up window, by the names of the page's
// parameters (PolaParametrow); the start and the mode as their enums' indices.
val DomyslneJs() {
    const ParametrySymulacji p;
    val o = val::object();
    const val pola = PolaParametrowJs();
    for (int i = 0; i < pola["length"].as<int>(); ++i) {
        o.set(pola[i]["nazwa"], pola[i]["domyslna"]);
    }
    o.set("uklad", static_cast<int>(p.Uklad));
    o.set("tryb", static_cast<int>(p.Tryb));
    return o;
}

// What the core says about each lattice kind, in the enum's order.
val RodzajeSieciJs() {
    val lista = val::array();
    for (const OpisRodzajuSieci& r : RodzajeSieci) {
        val o = val::object();
        o.set("Klucz", std::string(r.Klucz));
        o.set("LiczbaSasiadow", r.LiczbaSasiadow);
        o.set("Wymiary", r.Wymiary);
        o.set("Nazwa", std::string(r.Nazwa));
        o.set("NazwaPliku", std::string(r.NazwaPliku));
        o.set("CzescTytulu", std::string(CzescTytuluOkna(r.Rodzaj)));
        lista.call<void>("push", o);
    }
    return lista;
}

val TytulOknaJs(const std::string& klucz, const std::string& etap) {
    const std::optional<RodzajSieci> rodzaj = RodzajZKlucza(klucz);
    if (!rodzaj) {
        return Blad("Nieznany rodzaj sieci: " + klucz + ".");
    }
    return val(TekstTytuluOkna(*rodzaj, etap));
}

// The indices of a line's points (x, y pairs in one array) that a chart
// `kolumny` pixels wide draws.
val PunktyWidoczneJs(const val& xy, double xMin, double xMax, int kolumny) {
    const std::vector<double> p = emscripten::convertJSArrayToNumberVector<double>(xy);
    const std::vector<std::size_t> wybrane = PunktyWidoczne(
        p.size() / 2, [&](std::size_t i) { return p[2 * i]; },
        [&](std::size_t i) { return p[2 * i + 1]; }, xMin, xMax, kolumny);
    return LiczbyJs(std::vector<double>(wybrane.begin(), wybrane.end()));
}
} // namespace

EMSCRIPTEN_BINDINGS(fazolab) {
    emscripten::class_<SesjaWeb>("SesjaWeb")
        .constructor<>()
        .function("przygotuj", &PrzygotujSesje)
        .function("krok", &KrokSesji)
        .function("licz", &LiczSesje)
        .function("rozpocznijNastepnaSerie", &NastepnaSeria)
        .function("stan", &StanSesji)
        .function("siec", &SiecSesji)
        .function("pomiar", &PomiarSesji)
        .function("nowePomiary", &NowePomiary)
        .function("cykl", &CyklSesji)
        .function("wyniki", &WynikiSesji)
        .function("fluktuacje", &FluktuacjeSesji)
        .function("plikWynikow", &PlikSesji)
        .function("nazwaPliku", &NazwaPlikuSesji);
    emscripten::class_<ReplikaWeb>("ReplikaWeb")
        .constructor<>()
        .function("przygotuj", &PrzygotujReplike)
        .function("przygotujOkna", &PrzygotujReplikeOkna)
        .function("krok", &KrokRepliki)
        .function("licz", &LiczReplike)
        .function("wynik", &WynikReplikiJs);
    emscripten::function("modelBadania", &ModelBadania);
    emscripten::function("wsadowo", &Wsadowo);
    emscripten::function("zakresy", &Zakresy);
    emscripten::function("rodzajeSieci", &RodzajeSieciJs);
    emscripten::function("domyslne", &DomyslneJs);
    emscripten::function("polaParametrow", &PolaParametrowJs);
    emscripten::function("tytulOkna", &TytulOknaJs);
    emscripten::function("punktyWidoczne", &PunktyWidoczneJs);
}
