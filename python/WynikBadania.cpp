#include "WynikBadania.h"

#include "Dziesietne.h"
#include "LambdaNaSiatce.h"
#include "PlikPowtorzen.h"
#include "PlikWynikow.h"
#include "PlikWynikowBadania.h"
#include "TekstyFluktuacji.h"
#include "WypiszPodsumowanie.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <pybind11/stl.h>
#include <sstream>
#include <stdexcept>

namespace py = pybind11;

namespace {
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

WynikBadania::WynikBadania(BadaniePowtorzen badanie, bool fluktuacje, py::list probki, int watki)
    : badanie_(std::move(badanie)), fluktuacje_(fluktuacje), watki_(watki),
      probki_(std::move(probki)) {
    if (Cale()) {
        wyniki_ = WynikiBadania(badanie_);
        fluktuacjeReplik_ = FluktuacjeReplik(badanie_.Repliki);
    }
}

bool WynikBadania::Cale() const {
    return static_cast<int>(badanie_.Repliki.size()) == badanie_.Powtorzenia;
}

void WynikBadania::WymagajCalego() const {
    if (!Cale()) {
        const int od = badanie_.Repliki.empty() ? 0 : badanie_.Repliki.front().Nr;
        throw py::value_error(
            "To część badania (powtórzenia " + std::to_string(od) + ".." +
            std::to_string(od + static_cast<int>(badanie_.Repliki.size()) - 1) + " z " +
            std::to_string(badanie_.Powtorzenia) +
            "): wyniki daje całe badanie — zapisz części metodą zapisz_powtorzenia i połącz je "
            "funkcją fazolab.scal.");
    }
}

template <class Pole> std::vector<SredniaZBledem> WynikBadania::PoSeriach(Pole pole) const {
    WymagajCalego();
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
        lambdy.push_back(LambdaNaSiatce(badanie_.Parametry, s.Lambda));
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
    WymagajCalego();
    if (!wyniki_) {
        return py::none();
    }
    std::vector<double> cvkn;
    for (const PunktWykresu& punkt : wyniki_->Series5) {
        cvkn.push_back(punkt.Y);
    }
    return Tablica(cvkn);
}

py::object WynikBadania::CvkNSurowe() const {
    WymagajCalego();
    if (!wyniki_) {
        return py::none();
    }
    const auto n = badanie_.Repliki.front().Serie.size();
    return Tablica(std::vector<double>(wyniki_->CvkN.begin() + 1, wyniki_->CvkN.begin() + 1 + n));
}

py::array_t<double> WynikBadania::CvkNFluktuacje() const {
    WymagajCalego();
    std::vector<SredniaZBledem> cv;
    for (const FluktuacjaSerii& s : fluktuacjeReplik_.Serie) {
        cv.push_back(s.CvkN);
    }
    return Srednie(cv, Wartosc);
}

py::array_t<double> WynikBadania::CvkNFluktuacjeBlad() const {
    WymagajCalego();
    std::vector<SredniaZBledem> cv;
    for (const FluktuacjaSerii& s : fluktuacjeReplik_.Serie) {
        cv.push_back(s.CvkN);
    }
    return Srednie(cv, Blad);
}

py::list WynikBadania::Rownowaga() const {
    WymagajCalego();
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
    WymagajCalego();
    const MaksimumFluktuacji& m = fluktuacjeReplik_.Przejscie;
    // The reason is the summary's own words for what the position rests on
    // or why there is none.
    const std::string opis = TekstPrzejsciaFluktuacji(m);
    std::string powod = opis;
    if (const std::string etykieta = "λ: "; powod.starts_with(etykieta)) {
        powod.erase(0, etykieta.size());
    }
    const bool bezLiczby = !std::isfinite(m.Lambda) || !std::isfinite(m.Blad);
    return py::dict(py::arg("lambda") = m.Lambda, py::arg("blad") = m.Blad,
                    py::arg("na_brzegu") = m.NaBrzegu, py::arg("opis") = opis,
                    py::arg("powod") =
                        bezLiczby ? py::object(py::str(powod)) : py::object(py::none()));
}

py::object WynikBadania::PrzejscieDopasowania() const {
    WymagajCalego();
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
    WymagajCalego();
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
    WymagajCalego();
    std::ostringstream tekst;
    WypiszPodsumowanie(tekst, badanie_.Repliki, wyniki_);
    if (badanie_.DwaStarty) {
        tekst << UwagaDwochStartow << '\n';
    }
    return tekst.str();
}

const WynikiSerii& WynikBadania::Wyniki() const {
    WymagajCalego();
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
    ZglosBladZapisu(ZapiszWynikiBadania(sciezka, badanie_, Wyniki(), fluktuacje_));
}

void ZglosBladZapisu(const WynikZapisu& zapis) {
    if (!zapis.Udany()) {
        // One line, as the batch runner reports it.
        std::string komunikat = zapis.Komunikat;
        std::erase(komunikat, '\r');
        std::replace(komunikat.begin(), komunikat.end(), '\n', ' ');
        PyErr_SetString(PyExc_OSError, komunikat.c_str());
        throw py::error_already_set();
    }
}

std::string WynikBadania::TekstPowtorzen() const {
    return TrescPlikuPowtorzen(badanie_);
}

py::dict WynikBadania::Parametry() const {
    const ParametrySymulacji& p = badanie_.Parametry;
    // The names of the kinds, arrangements and modes as the replica file's
    // header writes them, which are the values uruchom takes.
    std::map<std::string, std::string> naglowek;
    for (const std::string& wiersz : NaglowekPlikuPowtorzen(badanie_)) {
        const auto spacja = wiersz.find(' ');
        naglowek[wiersz.substr(0, spacja)] = wiersz.substr(spacja + 1);
    }
    const SiatkaLambdy& siatka = Siatka(p);
    py::list osie;
    osie.append(p.IloscAtomowOsX);
    osie.append(p.IloscAtomowOsY);
    if (!JestPlaska(p.Rodzaj)) {
        osie.append(p.IloscAtomowOsZ);
    }
    std::string lambdy = p.Seria ? siatka.Tekst(p.PozycjaLambdy) + ":" +
                                       siatka.Tekst(p.PozycjaLambdyKoncowej) + ":" +
                                       siatka.Tekst(p.PozycjaKroku)
                                 : siatka.Tekst(p.PozycjaLambdy);
    if (!p.ListaLambd.empty()) {
        // A list as it is typed, each lambda with the decimals of the run.
        lambdy.clear();
        const int miejsca = MiejscaLambdy(p);
        int mianownik = 1;
        for (int i = 0; i < miejsca; ++i) {
            mianownik *= 10;
        }
        for (const int pozycja : p.ListaLambd) {
            lambdy +=
                (lambdy.empty() ? "" : ",") +
                TekstPozycji(pozycja / (SiatkaListy.Mianownik() / mianownik), mianownik, miejsca);
        }
    }
    py::dict d;
    d["siec"] = naglowek["siec"];
    d["osie"] = osie;
    d["tryb"] = naglowek["tryb"];
    d["lambdy"] = lambdy;
    d["koncentracja"] = p.PozycjaKoncentracji / 100.0;
    d["iteracje"] = p.MaxIloscCykli;
    d["co"] = Przedzial(p).Iteracje();
    d["uklad"] = naglowek["uklad"];
    d["ziarno"] = badanie_.Ziarno;
    d["ziarno_z_zegara"] = badanie_.ZiarnoZZegara;
    d["generator"] = std::string(NazwaGeneratora(badanie_.Generator));
    d["stopien"] =
        badanie_.Stopien ? py::object(py::int_(*badanie_.Stopien)) : py::object(py::none());
    d["powtorzenia"] = badanie_.Powtorzenia;
    d["dwa_starty"] = badanie_.DwaStarty;
    d["fluktuacje"] = fluktuacje_;
    return d;
}
