#include "WynikBadania.h"

#include "PlikWynikow.h"
#include "PlikWynikowBadania.h"
#include "WypiszPodsumowanie.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <pybind11/stl.h>
#include <sstream>
#include <stdexcept>

namespace py = pybind11;

namespace {
// An array that owns the vector's storage: the vector moves into the array's
// base object and the numbers stay where the engine's samples put them.
template <class T>
py::array_t<T> Przejmij(std::vector<T>&& dane, std::vector<py::ssize_t> ksztalt) {
    auto* wlasciciel = new std::vector<T>(std::move(dane));
    const py::capsule baza(wlasciciel, [](void* w) { delete static_cast<std::vector<T>*>(w); });
    return py::array_t<T>(ksztalt, wlasciciel->data(), baza);
}

py::dict Kolumny(ProbkiRepliki& p) {
    const auto n = static_cast<py::ssize_t>(p.Seria.size());
    py::dict kolumny;
    kolumny["seria"] = Przejmij(std::move(p.Seria), {n});
    kolumny["lambda"] = Przejmij(std::move(p.Lambda), {n});
    kolumny["iteracja"] = Przejmij(std::move(p.Iteracja), {n});
    kolumny["energia"] = Przejmij(std::move(p.Energia), {n});
    kolumny["sigma"] = Przejmij(std::move(p.Sigma), {n});
    kolumny["pary_ab"] = Przejmij(std::move(p.ParyAB), {n});
    kolumny["histogram"] = Przejmij(std::move(p.Histogram), {n, p.LiczbaSasiadow + 1});
    return kolumny;
}

py::array_t<double> Tablica(const std::vector<double>& wartosci) {
    return py::array_t<double>(static_cast<py::ssize_t>(wartosci.size()), wartosci.data());
}

py::object Stan(Rownowaga stan) {
    if (stan == Rownowaga::Nieznana) {
        return py::none();
    }
    return py::bool_(stan == Rownowaga::Osiagnieta);
}

// A number of the results texts, read whatever locale the interpreter has set.
double Liczba(const std::string& tekst) {
    double wartosc = std::nan("");
    std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
    return wartosc;
}
} // namespace

WynikBadania::WynikBadania(BadaniePowtorzen badanie, bool fluktuacje,
                           std::vector<ProbkiRepliki> probki)
    : badanie_(std::move(badanie)), fluktuacje_(fluktuacje), wyniki_(WynikiBadania(badanie_)),
      fluktuacjeReplik_(FluktuacjeReplik(badanie_.Repliki)) {
    for (ProbkiRepliki& p : probki) {
        probki_.append(Kolumny(p));
    }
}

template <class Pole> std::vector<SredniaZBledem> WynikBadania::PoSeriach(Pole pole) const {
    std::vector<SredniaZBledem> wynik;
    const std::vector<WynikRepliki>& repliki = badanie_.Repliki;
    for (std::size_t k = 0; k < repliki.front().Serie.size(); ++k) {
        std::vector<double> wartosci;
        for (const WynikRepliki& r : repliki) {
            wartosci.push_back(pole(r.Serie[k]).Srednia);
        }
        wynik.push_back(repliki.size() == 1 ? pole(repliki.front().Serie[k])
                                            : SredniaNiezaleznych(wartosci));
    }
    return wynik;
}

namespace {
template <class F> py::array_t<double> Srednie(const std::vector<SredniaZBledem>& s, F f) {
    std::vector<double> wartosci;
    for (const SredniaZBledem& x : s) {
        wartosci.push_back(f(x));
    }
    return Tablica(wartosci);
}

SredniaZBledem Zapamietana(const SeriaRepliki& s) {
    return {s.Sigma, std::nan("")};
}
SredniaZBledem ZDrugiejPolowy(const SeriaRepliki& s) {
    return s.SigmaSrednia;
}
double Wartosc(const SredniaZBledem& s) {
    return s.Srednia;
}
double Blad(const SredniaZBledem& s) {
    return s.Blad;
}
} // namespace

py::array_t<double> WynikBadania::Lambdy() const {
    std::vector<double> lambdy;
    for (const SeriaRepliki& s : badanie_.Repliki.front().Serie) {
        lambdy.push_back(s.Lambda);
    }
    return Tablica(lambdy);
}

py::array_t<double> WynikBadania::Sigma() const {
    return Srednie(PoSeriach(Zapamietana), Wartosc);
}
py::array_t<double> WynikBadania::SigmaBlad() const {
    return Srednie(PoSeriach(Zapamietana), Blad);
}
py::array_t<double> WynikBadania::SigmaSrednia() const {
    return Srednie(PoSeriach(ZDrugiejPolowy), Wartosc);
}
py::array_t<double> WynikBadania::SigmaSredniaBlad() const {
    return Srednie(PoSeriach(ZDrugiejPolowy), Blad);
}

py::object WynikBadania::CvkN() const {
    if (!wyniki_) {
        return py::none();
    }
    const auto n = badanie_.Repliki.front().Serie.size();
    return Tablica(std::vector<double>(wyniki_->CvkN.begin() + 1, wyniki_->CvkN.begin() + 1 + n));
}

py::array_t<double> WynikBadania::CvkNFluktuacje() const {
    std::vector<SredniaZBledem> cv;
    for (const FluktuacjaSerii& s : fluktuacjeReplik_.Serie) {
        cv.push_back(s.CvkN);
    }
    return Srednie(cv, Wartosc);
}

py::array_t<double> WynikBadania::CvkNFluktuacjeBlad() const {
    std::vector<SredniaZBledem> cv;
    for (const FluktuacjaSerii& s : fluktuacjeReplik_.Serie) {
        cv.push_back(s.CvkN);
    }
    return Srednie(cv, Blad);
}

py::list WynikBadania::Rownowaga() const {
    py::list stany;
    for (const FluktuacjaSerii& s : fluktuacjeReplik_.Serie) {
        stany.append(Stan(s.Stan));
    }
    return stany;
}

py::list WynikBadania::RownowagaReplik() const {
    py::list repliki;
    for (const WynikRepliki& r : badanie_.Repliki) {
        py::list stany;
        for (const SeriaRepliki& s : r.Serie) {
            stany.append(Stan(s.Fluktuacje.Stan));
        }
        repliki.append(stany);
    }
    return repliki;
}

py::dict WynikBadania::Przejscie() const {
    const MaksimumFluktuacji& m = fluktuacjeReplik_.Przejscie;
    return py::dict(py::arg("lambda") = m.Lambda, py::arg("blad") = m.Blad,
                    py::arg("na_brzegu") = m.NaBrzegu);
}

py::object WynikBadania::PrzejscieDopasowania() const {
    if (!wyniki_) {
        return py::none();
    }
    return py::dict(py::arg("lambda") = Liczba(wyniki_->Teksty.ELambdaTc),
                    py::arg("cvkn") = Liczba(wyniki_->Teksty.ECvkNTc),
                    py::arg("stopien") = wyniki_->Stopien,
                    py::arg("uwaga") = wyniki_->Teksty.UwagaCvkNTc.empty()
                                           ? py::object(py::none())
                                           : py::object(py::str(wyniki_->Teksty.UwagaCvkNTc)));
}

py::object WynikBadania::Teksty() const {
    if (!wyniki_) {
        return py::none();
    }
    const TekstyWynikow& t = wyniki_->Teksty;
    return py::dict(py::arg("MOpisSieci") = t.MOpisSieci, py::arg("MLambda") = t.MLambda,
                    py::arg("MSigma") = t.MSigma, py::arg("MCvkN") = t.MCvkN,
                    py::arg("ELambdaTc") = t.ELambdaTc, py::arg("ECvkNTc") = t.ECvkNTc,
                    py::arg("UwagaCvkNTc") = t.UwagaCvkNTc);
}

std::string WynikBadania::Podsumowanie() const {
    std::ostringstream tekst;
    WypiszPodsumowanie(tekst, badanie_.Repliki, wyniki_);
    if (badanie_.DwaStarty) {
        tekst << UwagaDwochStartow << '\n';
    }
    return tekst.str();
}

const WynikiSerii& WynikBadania::Wyniki() const {
    if (!wyniki_) {
        throw py::value_error("Plik wyników wymaga serii symulacji (lambdy=\"S:E:K\"): "
                              "pojedyncza symulacja nie ma etapu wyników.");
    }
    return *wyniki_;
}

py::bytes WynikBadania::Bajty(const std::string& typ) const {
    TypPlikuWynikow t = TypPlikuWynikow::Csv;
    if (typ == "txt") {
        t = TypPlikuWynikow::Txt;
    } else if (typ == "xlsx") {
        t = TypPlikuWynikow::Xlsx;
    } else if (typ != "csv") {
        throw py::value_error("Nieznany typ pliku wyników: " + typ +
                              " (dozwolone csv, txt lub xlsx).");
    }
    return py::bytes(BajtyWynikowBadania(badanie_, Wyniki(), fluktuacje_, t));
}

void WynikBadania::Zapisz(const std::string& sciezka) const {
    const WynikZapisu zapis = ZapiszWynikiBadania(sciezka, badanie_, Wyniki(), fluktuacje_);
    if (!zapis.Udany()) {
        // One line, as the batch runner reports it.
        std::string komunikat = zapis.Komunikat;
        std::erase(komunikat, '\r');
        std::replace(komunikat.begin(), komunikat.end(), '\n', ' ');
        PyErr_SetString(PyExc_OSError, komunikat.c_str());
        throw py::error_already_set();
    }
}
