#include "NadzorPythona.h"
#include "Obliczenia.h"
#include "OpcjeWsadowe.h"
#include "ParserOpcji.h"
#include "UruchomRepliki.h"
#include "WynikBadania.h"
#include "ZegarDoby.h"

#include <algorithm>
#include <array>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <thread>
#include <utility>

namespace py = pybind11;

namespace {
// The options of fazolab-batch, in the order of uruchom's keywords that stand for them.
constexpr std::array<const char*, 13> Opcje{
    "--siec",  "--osie",   "--tryb",      "--lambda",  "--koncentracja", "--iteracje", "--co",
    "--uklad", "--ziarno", "--generator", "--stopien", "--powtorzenia",  "--watki"};
using Wartosci = std::array<py::object, Opcje.size()>;

// The options as the batch runner reads them, each value written as Python
// writes it (20, "20x10", 0.8, "0.8:1.0:0.01"), so that every check and
// every refusal is the batch runner's own. None leaves an option out.
OpcjeWsadowe Przeczytaj(const Wartosci& wartosci, bool dwaStarty) {
    std::vector<std::string> argumenty;
    for (std::size_t i = 0; i < Opcje.size(); ++i) {
        if (!wartosci[i].is_none()) {
            argumenty.emplace_back(Opcje[i]);
            argumenty.push_back(py::str(wartosci[i]));
        }
    }
    if (dwaStarty) {
        argumenty.emplace_back("--dwa-starty");
    }
    auto przeczytane = CzytajOpcje(argumenty);
    if (const BladOpcji* blad = std::get_if<BladOpcji>(&przeczytane)) {
        throw py::value_error(blad->Komunikat);
    }
    return std::get<OpcjeWsadowe>(std::move(przeczytane));
}

std::size_t PomiarowRepliki(const ParametrySymulacji& p) {
    const int serie = p.Seria ? Obliczenia::LiczbaSeriiDla(p.PozycjaLambdy, p.PozycjaLambdyKoncowej,
                                                           p.PozycjaKroku)
                              : 1;
    return static_cast<std::size_t>(serie) *
           static_cast<std::size_t>(p.MaxIloscCykli / (p.PozycjaPrzedzialu * 100) + 2);
}

WynikBadania Uruchom(const Wartosci& wartosci, bool dwaStarty, bool fluktuacje, bool zProbkami,
                     const py::object& postep) {
    const OpcjeWsadowe o = Przeczytaj(wartosci, dwaStarty);
    BadaniePowtorzen badanie{o.Parametry, o.Stopien, 0, !o.Ziarno, o.Powtorzenia, {}};
    badanie.DwaStarty = o.DwaStarty;
    badanie.Generator = o.Generator;
    ZegarDoby zegar;
    badanie.Ziarno = o.Ziarno ? *o.Ziarno : zegar.Ziarno().value_or(0);
    const int sprzetowe = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const int watki = std::min(o.Watki.value_or(sprzetowe), sprzetowe);

    std::vector<ProbkiRepliki> probki;
    // Each made in place: a copy would not keep the room reserved.
    for (int k = 0; zProbkami && k < o.Powtorzenia; ++k) {
        probki.emplace_back(PomiarowRepliki(o.Parametry));
    }
    NadzorPythona nadzor(postep, probki);
    WynikiReplik repliki;
    {
        const py::gil_scoped_release bezGil;
        repliki = UruchomRepliki(o, badanie.Ziarno, watki, nadzor);
    }
    nadzor.Zglos();
    badanie.Repliki = std::move(repliki.Repliki);
    return WynikBadania(std::move(badanie), fluktuacje, std::move(probki));
}
} // namespace

PYBIND11_MODULE(fazolab, m) {
    m.doc() = "Symulacje Monte Carlo przejść fazowych porządek-nieporządek: silnik i wyniki "
              "programu Fazolab (te same liczby i pliki co fazolab-batch).";
    const py::none brak;
    m.def(
        "uruchom",
        [](py::object siec, py::object osie, py::object tryb, py::object lambdy,
           py::object koncentracja, py::object iteracje, py::object co, py::object uklad,
           py::object ziarno, py::object generator, py::object stopien, py::object powtorzenia,
           py::object watki, bool dwaStarty, bool fluktuacje, bool probki,
           const py::object& postep) {
            return Uruchom({siec, osie, tryb, lambdy, koncentracja, iteracje, co, uklad, ziarno,
                            generator, stopien, powtorzenia, watki},
                           dwaStarty, fluktuacje, probki, postep);
        },
        py::kw_only(), py::arg("siec") = brak, py::arg("osie") = brak, py::arg("tryb") = brak,
        py::arg("lambdy") = brak, py::arg("koncentracja") = brak, py::arg("iteracje") = brak,
        py::arg("co") = brak, py::arg("uklad") = brak, py::arg("ziarno") = brak,
        py::arg("generator") = brak, py::arg("stopien") = brak, py::arg("powtorzenia") = brak,
        py::arg("watki") = brak, py::arg("dwa_starty") = false, py::arg("fluktuacje") = false,
        py::arg("probki") = true, py::arg("postep") = brak,
        R"(uruchom(*, siec="2DKwadrat", osie=10, tryb="porzadkowanie", lambdy="0.1:2.4:0.3",
        koncentracja=0.5, iteracje=100000, co=1000, uklad="przypadkowe", ziarno=None,
        generator="xoshiro", stopien=None, powtorzenia=1, watki=None, dwa_starty=False, fluktuacje=False, probki=True,
        postep=None)

Seria symulacji (lambdy="S:E:K") albo pojedyncza symulacja (lambdy=S), z powtórzeniami
liczonymi równolegle w wątkach. Argumenty i ich wartości jak opcje fazolab-batch
(--siec, --osie, ..., --lambda); błędna wartość: ValueError z komunikatem fazolab-batch.
ziarno=None: ziarno z zegara (Wynik.ziarno). generator="okna": 32-bitowy generator okna
(powtórzenie k z ziarnem Z + k, te same liczby co okno), domyślnie 64-bitowy xoshiro256++
ze strumieniem k ziarna Z dla powtórzenia k. dwa_starty=True: równowaga sprawdzana
też drugim startem z ułożenia uporządkowanego (--dwa-starty). fluktuacje=True: plik wyników z kolumnami
Cv/kN z fluktuacji. probki=False: bez próbek (mniej pamięci). postep(zrobione, wszystkie):
wywoływane kilka razy na sekundę z liczbą prób wymiany. Ctrl+C przerywa (KeyboardInterrupt).)");

    py::class_<WynikBadania>(m, "Wynik", "Wynik badania: liczby, próbki i plik wyników.")
        .def_property_readonly("ziarno", [](const WynikBadania& w) { return w.Badanie().Ziarno; })
        .def_property_readonly(
            "generator",
            [](const WynikBadania& w) {
                return std::string(NazwaGeneratora(w.Badanie().Generator));
            },
            "Generator liczb losowych badania: \"xoshiro\" albo \"okna\".")
        .def_property_readonly("powtorzenia",
                               [](const WynikBadania& w) { return w.Badanie().Powtorzenia; })
        .def_property_readonly("seria",
                               [](const WynikBadania& w) { return w.Badanie().Parametry.Seria; })
        .def_property_readonly("fluktuacje", &WynikBadania::Fluktuacje)
        .def_property_readonly("lambdy", &WynikBadania::Lambdy,
                               "Lambda każdej serii (ujemna przy klasteryzacji).")
        .def_property_readonly("sigma", &WynikBadania::Sigma,
                               "Sigma zapamiętana dla serii (średnia z powtórzeń).")
        .def_property_readonly("sigma_blad", &WynikBadania::SigmaBlad,
                               "Błąd std. sigmy z rozrzutu powtórzeń (NaN dla jednego).")
        .def_property_readonly("sigma_srednia", &WynikBadania::SigmaSrednia,
                               "Średnia sigma z drugiej połowy pomiarów serii.")
        .def_property_readonly("sigma_srednia_blad", &WynikBadania::SigmaSredniaBlad,
                               "Jej błąd std. (jedno powtórzenie: metodą bloków).")
        .def_property_readonly(
            "cvkn", &WynikBadania::CvkN,
            "Cv/kN z dopasowanej krzywej sigmy (None dla pojedynczej symulacji).")
        .def_property_readonly("cvkn_fluktuacje", &WynikBadania::CvkNFluktuacje,
                               "Cv/kN z fluktuacji energii, jak w pliku wyników.")
        .def_property_readonly("cvkn_fluktuacje_blad", &WynikBadania::CvkNFluktuacjeBlad,
                               "Błąd std. Cv/kN z fluktuacji.")
        .def_property_readonly(
            "rownowaga", &WynikBadania::Rownowaga,
            "Równowaga każdej serii: True, False (może nie być), None (za mało pomiarów).")
        .def_property_readonly("rownowaga_repliki", &WynikBadania::RownowagaReplik,
                               "Równowaga serii każdego powtórzenia.")
        .def_property_readonly("przejscie", &WynikBadania::Przejscie,
                               "Przejście fazowe z fluktuacji: lambda, blad, na_brzegu.")
        .def_property_readonly(
            "przejscie_dopasowania", &WynikBadania::PrzejscieDopasowania,
            "Przejście z dopasowania, jak na stronie wyników: lambda, cvkn, stopien, uwaga.")
        .def_property_readonly(
            "teksty", &WynikBadania::Teksty,
            "Teksty strony wyników (MOpisSieci, MLambda, MSigma, MCvkN, ELambdaTc, ECvkNTc, "
            "UwagaCvkNTc).")
        .def_property_readonly("podsumowanie", &WynikBadania::Podsumowanie,
                               "Tabela, którą wypisuje fazolab-batch.")
        .def_property_readonly("probki", &WynikBadania::Probki,
                               "Próbki każdego powtórzenia: słownik tablic numpy (seria, lambda, "
                               "iteracja, energia, sigma, pary_ab, histogram).")
        .def("__repr__",
             [](const WynikBadania& w) {
                 const BadaniePowtorzen& b = w.Badanie();
                 const std::size_t lambd = b.Repliki.front().Serie.size();
                 return "<fazolab.Wynik: " +
                        (b.Parametry.Seria ? "seria " + std::to_string(lambd) + " lambd"
                                           : std::string("pojedyncza symulacja")) +
                        ", powtórzeń " + std::to_string(b.Powtorzenia) + ", ziarno " +
                        std::to_string(b.Ziarno) + ">";
             })
        .def("bajty", &WynikBadania::Bajty, py::arg("typ") = "csv",
             "Bajty pliku wyników: typ \"csv\", \"txt\" lub \"xlsx\".")
        .def("zapisz", &WynikBadania::Zapisz, py::arg("sciezka"),
             "Zapisuje plik wyników jak fazolab-batch --wyjscie (typ z rozszerzenia).");
}
