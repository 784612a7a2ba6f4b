#include "ParametryJs.h"

#include "PolaParametrow.h"

#include <cmath>

using emscripten::val;

namespace {
val WartoscJs(const WartoscPola& w) {
    return std::visit([](const auto& v) { return val(v); }, w);
}

bool Brak(const val& v) {
    return v.isUndefined() || v.isNull();
}

// A whole number within [od, do] or nothing.
std::optional<double> Calkowita(const val& v, double od, double doWartosci) {
    if (!v.isNumber()) {
        return std::nullopt;
    }
    const double d = v.as<double>();
    if (!std::isfinite(d) || d != std::floor(d) || d < od || d > doWartosci) {
        return std::nullopt;
    }
    return d;
}

// The value of `v` of the type of `wzor`, or nothing when its type differs.
std::optional<WartoscPola> Wartosc(const val& v, const WartoscPola& wzor) {
    if (std::holds_alternative<int>(wzor)) {
        const auto d = Calkowita(v, -2147483648.0, 2147483647.0);
        return d ? std::optional<WartoscPola>(static_cast<int>(*d)) : std::nullopt;
    }
    if (std::holds_alternative<std::string>(wzor)) {
        return v.isString() ? std::optional<WartoscPola>(v.as<std::string>()) : std::nullopt;
    }
    return v.isTrue() || v.isFalse() ? std::optional<WartoscPola>(v.as<bool>()) : std::nullopt;
}

const char* OpisTypu(const WartoscPola& wzor) {
    return std::holds_alternative<int>(wzor)           ? "liczby całkowitej"
           : std::holds_alternative<std::string>(wzor) ? "tekstu"
                                                       : "wartości true lub false";
}
} // namespace

std::string ParametryZJs(const val& o, ParametrySymulacji& p) {
    p = ParametrySymulacji{};
    if (Brak(o)) {
        return SprawdzParametryOkna(p);
    }
    if (o.typeOf().as<std::string>() != "object") {
        return "Parametry to obiekt z polami takimi jak w domyslneParametry().";
    }
    const val nazwy = val::global("Object").call<val>("keys", o);
    const int n = nazwy["length"].as<int>();
    for (int i = 0; i < n; ++i) {
        const std::string nazwa = nazwy[i].as<std::string>();
        if (ZnajdzPole(nazwa) == nullptr) {
            return "Nieznany parametr: " + nazwa + ".";
        }
    }
    for (const PoleParametru& pole : PolaParametrow) {
        const val v = o[pole.Nazwa];
        if (v.isUndefined()) {
            continue;
        }
        const auto w = Wartosc(v, pole.Odczyt(p));
        if (!w) {
            return std::string("Błędny typ parametru ") + pole.Nazwa + ": oczekiwano " +
                   OpisTypu(pole.Odczyt(p)) + ".";
        }
        if (!pole.Zapis(p, *w)) {
            return BladPola(pole, p);
        }
    }
    return SprawdzParametryOkna(p);
}

std::string ZiarnoZJs(const val& z, std::uint32_t& ziarno) {
    if (z.isUndefined()) {
        ziarno = 0;
        return {};
    }
    const auto d = Calkowita(z, 0.0, 4294967295.0);
    if (!d) {
        return "Błędne ziarno: dozwolone liczby całkowite od 0 do 4294967295.";
    }
    ziarno = static_cast<std::uint32_t>(*d);
    return {};
}

std::string OpcjeReplikiZJs(const val& parametry, const val& opcje, OpcjeWsadowe& o) {
    o = OpcjeWsadowe{};
    ParametrySymulacji okna;
    if (std::string blad = ParametryZJs(parametry, okna); !blad.empty()) {
        return blad;
    }
    o.Parametry = NaSkaliWsadowej(okna);
    const val brak = val::undefined();
    const auto pole = [&](const char* nazwa) { return Brak(opcje) ? brak : opcje[nazwa]; };
    std::uint32_t ziarno = 0;
    if (std::string blad = ZiarnoZJs(pole("ziarno"), ziarno); !blad.empty()) {
        return blad;
    }
    o.Ziarno = ziarno;
    if (const val v = pole("powtorzenia"); !v.isUndefined()) {
        const auto d = Calkowita(v, ZakresPowtorzen.Min, ZakresPowtorzen.Max);
        if (!d) {
            return "Błędna liczba powtórzeń: dozwolone liczby całkowite od " +
                   std::to_string(ZakresPowtorzen.Min) + " do " +
                   std::to_string(ZakresPowtorzen.Max) + ".";
        }
        o.Powtorzenia = static_cast<int>(*d);
    }
    if (const val v = pole("stopien"); !Brak(v)) {
        const auto d = Calkowita(v, ZakresStopnia.Min, ZakresStopnia.Max);
        if (!d) {
            return "Błędny stopień wielomianu: dozwolone liczby całkowite od " +
                   std::to_string(ZakresStopnia.Min) + " do " + std::to_string(ZakresStopnia.Max) +
                   " albo null (stopień dobrany sam).";
        }
        o.Stopien = static_cast<int>(*d);
    }
    if (const val v = pole("generator"); !Brak(v)) {
        const auto rodzaj = v.isString() ? GeneratorZNazwy(v.as<std::string>()) : std::nullopt;
        if (!rodzaj) {
            return "Błędny generator: dozwolone okna, xoshiro albo null (xoshiro).";
        }
        o.Generator = *rodzaj;
    }
    o.DwaStarty = pole("dwaStarty").isTrue();
    if (o.DwaStarty && o.Parametry.PozycjaKoncentracji != 50) {
        return "Kontrola dwóch startów porównuje start przypadkowy z uporządkowanym, który ma "
               "zawsze połowę atomów A: wymaga TBKoncentracja 50.";
    }
    return {};
}

val PolaParametrowJs() {
    const ParametrySymulacji domyslne;
    val lista = val::array();
    for (const PoleParametru& pole : PolaParametrow) {
        val o = val::object();
        o.set("nazwa", std::string(pole.Nazwa));
        o.set("domyslna", WartoscJs(pole.Odczyt(domyslne)));
        lista.call<void>("push", o);
    }
    return lista;
}
