#include "BadanieRozmiarow.h"
#include "DostepneProcesory.h"
#include "NadzorPythona.h"
#include "Obliczenia.h"
#include "OpcjeWsadowe.h"
#include "PamiecBadania.h"
#include "ParserOpcji.h"
#include "PlikPowtorzen.h"
#include "PoprawnoscParametrow.h"
#include "RodzajGeneratora.h"
#include "ScalPowtorzenia.h"
#include "UruchomRepliki.h"
#include "WynikBadania.h"
#include "ZapiszPlik.h"
#include "ZegarDoby.h"

#include <algorithm>
#include <array>
#include <new>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <sstream>
#include <string_view>
#include <system_error>
#include <utility>

namespace py = pybind11;

namespace {
// The options of fazolab-batch, in the order of uruchom's keywords that stand for them.
constexpr std::array<const char*, 14> Opcje{
    "--siec",  "--osie",   "--tryb",      "--lambda",  "--koncentracja", "--iteracje", "--co",
    "--uklad", "--ziarno", "--generator", "--stopien", "--powtorzenia",  "--watki",    "--czesc"};
using Wartosci = std::array<py::object, Opcje.size()>;

// The generator a study's replicas draw from and how their streams are
// seeded, in words, as the research summary names it.
const char* OpisGeneratora(RodzajGeneratora generator) {
    switch (generator) {
    case RodzajGeneratora::Okna:
        return "LCG 32-bit s = 134775813 s + 1 (mod 2^32); powtórzenie k: ziarno Z + k";
    case RodzajGeneratora::Xoshiro:
        break;
    }
    return "xoshiro256++ 64-bit, stan z ziarna Z przez splitmix64; powtórzenie k: strumień k "
           "(k skoków o 2^128)";
}

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
    // A part's replica file is written by the caller, after the run.
    if (!wartosci.back().is_none()) {
        argumenty.insert(argumenty.end(), {"--powtorzenia-plik", "czesc"});
    }
    auto przeczytane = CzytajOpcje(argumenty);
    if (const BladOpcji* blad = std::get_if<BladOpcji>(&przeczytane)) {
        throw py::value_error(blad->Komunikat);
    }
    return std::get<OpcjeWsadowe>(std::move(przeczytane));
}

std::size_t PomiarowRepliki(const ParametrySymulacji& p) {
    const int serie = LiczbaSerii(p);
    return static_cast<std::size_t>(serie) * static_cast<std::size_t>(PomiarowSerii(p));
}

// The bytes the samples of the replicas held take: per sample the series
// (4 bytes), iteration, lambda, energy, sigma and pairs (8 each) and up to
// seven histogram bars (8 each).
double BajtyProbek(const OpcjeWsadowe& o) {
    const int replik = o.Czesc.Do(o.Powtorzenia) - o.Czesc.Od(o.Powtorzenia);
    return static_cast<double>(replik) * static_cast<double>(PomiarowRepliki(o.Parametry)) *
           (4.0 + 5 * 8.0 + 7 * 8.0);
}

std::string Gigabajty(double bajty) {
    std::ostringstream tekst;
    tekst.precision(bajty < 1e9 ? 2 : 3);
    tekst << bajty / 1e9 << " GB";
    return tekst.str();
}

// Samples that would take more than `limit` bytes are refused before the run
// (MemoryError); more than half of it is said in a RuntimeWarning.
void SprawdzPamiecProbek(const OpcjeWsadowe& o, double limit) {
    const double bajty = BajtyProbek(o);
    if (limit <= 0 || bajty <= limit / 2) {
        return;
    }
    const std::string ile = "Próbki zajmą ok. " + Gigabajty(bajty) + " pamięci";
    if (bajty > limit) {
        PyErr_SetString(PyExc_MemoryError,
                        (ile + ", więcej niż dozwolone " + Gigabajty(limit) +
                         ": uruchom z probki=False albo zwiększ co (rzadsze próbki).")
                            .c_str());
        throw py::error_already_set();
    }
    if (PyErr_WarnEx(
            PyExc_RuntimeWarning,
            (ile + " (dozwolone " + Gigabajty(limit) + "); probki=False ich nie trzyma.").c_str(),
            2) != 0) {
        throw py::error_already_set();
    }
}

int Watki(const OpcjeWsadowe& o) {
    const int dostepne = DostepneProcesory();
    return std::min(o.Watki.value_or(dostepne), dostepne);
}

BadaniePowtorzen Badanie(const OpcjeWsadowe& o, std::uint32_t ziarno) {
    BadaniePowtorzen badanie{o.Parametry, o.Stopien, ziarno, !o.Ziarno, o.Powtorzenia, {}};
    badanie.DwaStarty = o.DwaStarty;
    badanie.Generator = o.Generator;
    return badanie;
}

// The finite-size study of a list of sizes: the summary fazolab-batch prints
// and each size's study, without samples.
py::tuple UruchomRozmiary(const OpcjeWsadowe& o, std::uint32_t ziarno, bool fluktuacje,
                          const py::object& postep) {
    std::vector<ProbkiRepliki> bezProbek;
    NadzorPythona nadzor(postep, bezProbek);
    std::ostringstream wyjscie;
    std::ostringstream bledy;
    std::vector<RozmiarBadania> rozmiary;
    int status = 0;
    {
        const py::gil_scoped_release bezGil;
        status = UruchomBadanieRozmiarow(o, ziarno, Watki(o), nadzor, wyjscie, bledy, &rozmiary);
    }
    nadzor.Zglos();
    if (status != 0) {
        std::string komunikat = bledy.str();
        komunikat.erase(komunikat.find_last_not_of('\n') + 1);
        throw py::value_error(komunikat);
    }
    py::list wyniki;
    for (RozmiarBadania& r : rozmiary) {
        BadaniePowtorzen badanie = Badanie(r.Opcje, ziarno);
        badanie.Repliki = std::move(r.Repliki);
        wyniki.append(WynikBadania(std::move(badanie), fluktuacje, py::list(), Watki(o)));
    }
    return py::make_tuple(wyjscie.str(), wyniki);
}

py::object Uruchom(const Wartosci& wartosci, bool dwaStarty, bool fluktuacje, bool zProbkami,
                   const py::object& postep, double limitProbek) {
    const OpcjeWsadowe o = Przeczytaj(wartosci, dwaStarty);
    ZegarDoby zegar;
    const std::uint32_t ziarno = o.Ziarno ? *o.Ziarno : zegar.Ziarno().value_or(0);
    // The engines' own memory, as the batch runner refuses it, before the samples' own check.
    if (const auto odmowa = OdmowaPamieci(o, Watki(o), PamiecKomputera())) {
        PyErr_SetString(PyExc_MemoryError, odmowa->c_str());
        throw py::error_already_set();
    }
    if (!o.Rozmiary.empty()) {
        return UruchomRozmiary(o, ziarno, fluktuacje, postep);
    }
    BadaniePowtorzen badanie = Badanie(o, ziarno);
    const int watki = Watki(o);
    if (zProbkami) {
        SprawdzPamiecProbek(o, limitProbek);
    }
    std::vector<ProbkiRepliki> probki;
    // Each made in place: a copy would not keep the room reserved. A part
    // keeps its own replicas' samples, replica k of the study at k.
    for (int k = 0; zProbkami && k < o.Czesc.Do(o.Powtorzenia); ++k) {
        probki.emplace_back(k < o.Czesc.Od(o.Powtorzenia) ? 0 : PomiarowRepliki(o.Parametry));
    }
    NadzorPythona nadzor(postep, probki);
    WynikiReplik repliki;
    {
        const py::gil_scoped_release bezGil;
        repliki = UruchomRepliki(o, badanie.Ziarno, watki, nadzor);
    }
    nadzor.Zglos();
    badanie.Repliki = std::move(repliki.Repliki);
    py::list kolumny;
    for (int k = o.Czesc.Od(o.Powtorzenia); k < static_cast<int>(probki.size()); ++k) {
        kolumny.append(KolumnyProbek(probki[static_cast<std::size_t>(k)], o.Parametry));
    }
    return py::cast(WynikBadania(std::move(badanie), fluktuacje, std::move(kolumny), watki));
}

// A study from its replica file's text, the samples as given.
WynikBadania ZPowtorzen(const std::string& tresc, bool fluktuacje, py::list probki) {
    auto przeczytane = CzytajPlikPowtorzen(tresc);
    if (const std::string* blad = std::get_if<std::string>(&przeczytane)) {
        throw py::value_error("Błędny plik powtórzeń: " + *blad + ".");
    }
    return WynikBadania(std::get<BadaniePowtorzen>(std::move(przeczytane)), fluktuacje,
                        std::move(probki), 0);
}

} // namespace

PYBIND11_MODULE(_rdzen, m) {
    m.doc() = "Rdzeń modułu fazolab (C++): silnik, powtórzenia i wyniki fazolab-batch.";
    m.attr("WERSJA") = FAZOLAB_WERSJA;
    m.attr("GENERATOR") = OpisGeneratora(RodzajGeneratora::Xoshiro);
    py::dict generatory;
    for (const std::string_view nazwa : NazwyGeneratorow) {
        generatory[py::str(std::string(nazwa))] = OpisGeneratora(*GeneratorZNazwy(nazwa));
    }
    m.attr("GENERATORY") = generatory;

    // Out of memory and a thread that could not start end in one Polish line.
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) {
                std::rethrow_exception(p);
            }
        } catch (const std::bad_alloc&) {
            PyErr_SetString(PyExc_MemoryError,
                            "Za mało pamięci: zmniejsz sieć, liczbę powtórzeń lub wątków albo "
                            "uruchom z probki=False.");
        } catch (const std::system_error&) {
            PyErr_SetString(PyExc_RuntimeError,
                            "Nie można uruchomić wątku obliczeń (system nie ma na niego zasobów): "
                            "zmniejsz watki albo liczbę powtórzeń.");
        }
    });

    const py::none brak;
    m.def(
        "uruchom",
        [](py::object siec, py::object osie, py::object tryb, py::object lambdy,
           py::object koncentracja, py::object iteracje, py::object co, py::object uklad,
           py::object ziarno, py::object generator, py::object stopien, py::object powtorzenia,
           py::object watki, py::object czesc, bool dwaStarty, bool fluktuacje, bool probki,
           const py::object& postep, double limitProbek) {
            return Uruchom({siec, osie, tryb, lambdy, koncentracja, iteracje, co, uklad, ziarno,
                            generator, stopien, powtorzenia, watki, czesc},
                           dwaStarty, fluktuacje, probki, postep, limitProbek);
        },
        py::kw_only(), py::arg("siec") = brak, py::arg("osie") = brak, py::arg("tryb") = brak,
        py::arg("lambdy") = brak, py::arg("koncentracja") = brak, py::arg("iteracje") = brak,
        py::arg("co") = brak, py::arg("uklad") = brak, py::arg("ziarno") = brak,
        py::arg("generator") = brak, py::arg("stopien") = brak, py::arg("powtorzenia") = brak,
        py::arg("watki") = brak, py::arg("czesc") = brak, py::arg("dwa_starty") = false,
        py::arg("fluktuacje") = false, py::arg("probki") = true, py::arg("postep") = brak,
        py::arg("limit_probek") = 0.0,
        "Badanie jak fazolab-batch (opcje jako teksty); fazolab.uruchom opisuje argumenty.");

    m.def("z_powtorzen", &ZPowtorzen, py::arg("tresc"), py::arg("fluktuacje") = false,
          py::arg("probki") = py::list(), "Badanie z treści pliku powtórzeń.");
    m.def(
        "scal",
        [](const std::vector<std::string>& pliki, bool fluktuacje) {
            auto scalone = ScalPowtorzenia(pliki);
            if (const std::string* blad = std::get_if<std::string>(&scalone)) {
                throw py::value_error(*blad);
            }
            return WynikBadania(std::get<BadaniePowtorzen>(std::move(scalone)), fluktuacje,
                                py::list(), 0);
        },
        py::arg("pliki"), py::arg("fluktuacje") = false,
        "Całe badanie z plików powtórzeń jego części (fazolab-batch --scal).");

    m.def(
        "zapisz_plik",
        [](const std::string& sciezka, const py::bytes& bajty) {
            ZglosBladZapisu(ZapiszPlik(sciezka, std::string(bajty)));
        },
        py::arg("sciezka"), py::arg("bajty"), "Zapis całego pliku albo nic (plik tymczasowy).");

    py::class_<WynikBadania>(m, "Wynik")
        .def_property_readonly(
            "ziarno", [](const WynikBadania& w) { return w.Badanie().Ziarno; },
            "Ziarno Z badania (powtórzenie k: strumień k albo Z + k). / The seed base Z.")
        .def_property_readonly(
            "generator",
            [](const WynikBadania& w) {
                return std::string(NazwaGeneratora(w.Badanie().Generator));
            },
            "Generator badania: \"xoshiro\" albo \"okna\". / The study's random generator.")
        .def_property_readonly(
            "opis_generatora",
            [](const WynikBadania& w) { return OpisGeneratora(w.Badanie().Generator); },
            "Generator i ziarna powtórzeń słowami. / The generator and the replicas' streams.")
        .def_property_readonly(
            "powtorzenia", [](const WynikBadania& w) { return w.Badanie().Powtorzenia; },
            "Liczba powtórzeń całego badania. / Replicas of the whole study.")
        .def_property_readonly(
            "seria", [](const WynikBadania& w) { return w.Badanie().Parametry.Seria; },
            "True: seria symulacji, False: pojedyncza. / A series or a single run.")
        .def_property_readonly(
            "repliki",
            [](const WynikBadania& w) {
                std::vector<int> nr;
                for (const WynikRepliki& r : w.Badanie().Repliki) {
                    nr.push_back(r.Nr);
                }
                return nr;
            },
            "Numery powtórzeń w tym wyniku. / The replica numbers held.")
        .def_property_readonly("cale", &WynikBadania::Cale,
                               "False dla części badania (czesc=). / False for a part of a study.")
        .def_property_readonly("watki", &WynikBadania::Watki,
                               "Wątki obliczeń (0: wczytany z pliku). / Threads the run had.")
        .def_property_readonly("fluktuacje", &WynikBadania::Fluktuacje,
                               "Plik wyników z kolumnami z fluktuacji. / The results file has the "
                               "fluctuation columns.")
        .def_property_readonly("parametry", &WynikBadania::Parametry,
                               "Wszystkie opcje badania. / Every option of the study.")
        .def_property_readonly("lambdy", &WynikBadania::Lambdy,
                               "Lambda każdej serii, dokładnie z siatki (ujemna przy "
                               "klasteryzacji). / Each series' lambda, exact.")
        .def_property_readonly(
            "sigma", &WynikBadania::Sigma,
            "Sigma zapamiętana dla serii (średnia z powtórzeń). / The stored sigma (replica mean).")
        .def_property_readonly(
            "sigma_blad", &WynikBadania::SigmaBlad,
            "Błąd std. sigmy z rozrzutu powtórzeń (NaN dla jednego). / Its standard error.")
        .def_property_readonly(
            "sigma_srednia", &WynikBadania::SigmaSrednia,
            "Średnia sigma z drugiej połowy pomiarów. / Mean sigma over the second half.")
        .def_property_readonly(
            "sigma_srednia_blad", &WynikBadania::SigmaSredniaBlad,
            "Jej błąd std. (jedno powtórzenie: metodą bloków). / Its standard error.")
        .def_property_readonly("cvkn", &WynikBadania::CvkN,
                               "Cv/kN z dopasowania jak kolumna pliku wyników (0 za spadkiem; None "
                               "dla pojedynczej). / The results file's column.")
        .def_property_readonly(
            "cvkn_surowe", &WynikBadania::CvkNSurowe,
            "Cv/kN z dopasowanej krzywej, także za spadkiem. / The fitted curve's values.")
        .def_property_readonly("cvkn_fluktuacje", &WynikBadania::CvkNFluktuacje,
                               "Cv/kN z fluktuacji energii. / Cv/kN from the energy fluctuations.")
        .def_property_readonly("cvkn_fluktuacje_blad", &WynikBadania::CvkNFluktuacjeBlad,
                               "Błąd std. Cv/kN z fluktuacji. / Its standard error.")
        .def_property_readonly(
            "rownowaga", &WynikBadania::Rownowaga,
            "Równowaga serii: True, False, None (za mało pomiarów). / Equilibrium per lambda.")
        .def_property_readonly("rownowaga_repliki", &WynikBadania::RownowagaReplik,
                               "Równowaga serii każdego powtórzenia. / The same per replica.")
        .def_property_readonly("przejscie", &WynikBadania::Przejscie,
                               "Przejście z fluktuacji: lambda, blad, na_brzegu, opis, powod. / "
                               "The transition from the fluctuations.")
        .def_property_readonly(
            "przejscie_dopasowania", &WynikBadania::PrzejscieDopasowania,
            "Przejście z dopasowania (strona wyników). / The fitted curve's transition.")
        .def_property_readonly("teksty", &WynikBadania::Teksty,
                               "Teksty strony wyników. / The results page's texts.")
        .def_property_readonly(
            "podsumowanie", &WynikBadania::Podsumowanie,
            "Tabela, którą wypisuje fazolab-batch. / The batch runner's summary.")
        .def_property_readonly("probki", &WynikBadania::Probki,
                               "Próbki każdego powtórzenia: słownik tablic numpy. / Every sample, "
                               "numpy arrays per replica.")
        .def("bajty", &WynikBadania::Bajty, py::arg("typ") = "csv")
        .def("tekst_powtorzen", &WynikBadania::TekstPowtorzen)
        .def("_zapisz_okno", &WynikBadania::Zapisz, py::arg("sciezka"))
        .def(py::pickle(
            [](const WynikBadania& w) {
                return py::make_tuple(w.TekstPowtorzen(), w.Fluktuacje(), w.Probki());
            },
            [](const py::tuple& stan) {
                if (stan.size() != 3) {
                    throw py::value_error("Błędny stan wyniku fazolab.");
                }
                return ZPowtorzen(stan[0].cast<std::string>(), stan[1].cast<bool>(),
                                  stan[2].cast<py::list>());
            }));
}
