#include "SilnikRepliki.h"

#include "Autokorelacja.h"
#include "FluktuacjaSerii.h"
#include "ObliczWyniki.h"
#include "OpcjeWsadowe.h"
#include "PostepWatku.h"
#include "RownowagaSerii.h"

#include <span>

WynikRepliki SilnikRepliki::Uruchom(const OpcjeWsadowe& opcje, int nr, std::uint32_t ziarno,
                                    bool zPrzebiegiem, std::string& przebieg,
                                    ObserwatorPomiarow* probki, PostepWatku& postep,
                                    const std::atomic<bool>& przerwij) {
    Przygotuj(opcje, ziarno, nr, zPrzebiegiem, probki);
    const bool caly = Przebiegnij(postep, przerwij);
    WynikRepliki wynik = Zakoncz(nr, przebieg);
    if (caly && opcje.DwaStarty) {
        DrugiStart(opcje, ziarno, nr, wynik, postep, przerwij);
    }
    postep.UkonczoneRepliki.fetch_add(1, std::memory_order_relaxed);
    return wynik;
}

bool SilnikRepliki::Przebiegnij(PostepWatku& postep, const std::atomic<bool>& przerwij) {
    const StanObliczen& s = obliczenia_.Stan();
    long long proby = postep.Proby.load(std::memory_order_relaxed);
    for (StanKroku krok = StanKroku::Trwa; krok != StanKroku::Koniec;) {
        if (przerwij.load(std::memory_order_relaxed)) {
            return false;
        }
        postep.Seria.store(s.NrSerii, std::memory_order_relaxed);
        postep.Iteracja.store(s.NrCyklu - s.PrzedzialCzasowy, std::memory_order_relaxed);
        proby += s.PrzedzialCzasowy;
        krok = Krok();
        postep.Proby.store(proby, std::memory_order_relaxed);
    }
    return true;
}

void SilnikRepliki::DrugiStart(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int nr,
                               WynikRepliki& wynik, PostepWatku& postep,
                               const std::atomic<bool>& przerwij) {
    PrzygotujDrugiStart(opcje, ziarno, nr);
    postep.DrugiStart.store(true, std::memory_order_relaxed);
    const bool caly = Przebiegnij(postep, przerwij);
    postep.DrugiStart.store(false, std::memory_order_relaxed);
    if (caly) {
        ZakonczDrugiStart(wynik);
    }
    obliczenia_.UstawObserwatora(nullptr);
    zapis_.reset();
    opcje_ = &opcje;
    drugie_.reset();
}

void SilnikRepliki::PrzygotujDrugiStart(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int nr) {
    drugie_ = opcje;
    drugie_->Parametry.Uklad = UlozenieDrugiegoStartu(opcje.Parametry);
    Przygotuj(*drugie_, ziarno, nr, false);
}

void SilnikRepliki::ZakonczDrugiStart(WynikRepliki& wynik) {
    for (std::size_t k = 0; k < wynik.Serie.size(); ++k) {
        const std::vector<double>& pary = zapis_->Pary(static_cast<int>(k) + 1);
        FluktuacjaSerii& f = wynik.Serie[k].Fluktuacje;
        const auto rozbieg = static_cast<std::size_t>(ProbkiRozbiegu(
            pary.size(), CzasAutokorelacjiSokala(std::span(pary).subspan(pary.size() / 2)).Tau));
        f.Stan =
            Gorsza(f.Stan, TestDwochStartow(f.Pary, std::span(pary).subspan(rozbieg), f.Lambda));
    }
}

void SilnikRepliki::Przygotuj(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int nr,
                              bool zPrzebiegiem, ObserwatorPomiarow* probki) {
    opcje_ = &opcje;
    const auto k = static_cast<std::uint32_t>(nr);
    const bool okna = opcje.Generator == RodzajGeneratora::Okna;
    obliczenia_.UstawGenerator(opcje.Generator, okna ? 0 : k);
    ziarno_.Ustaw(okna ? ziarno + k : ziarno);
    zapis_.emplace(zPrzebiegiem, probki);
    obliczenia_.UstawObserwatora(&*zapis_);
    obliczenia_.UstawParametrPorzadku(true);
    obliczenia_.UstawSiec();
    obliczenia_.PrzygotujObliczenia(opcje.Parametry);
}

StanKroku SilnikRepliki::Krok() {
    const StanKroku krok = obliczenia_.KrokSymulacji();
    if (krok == StanKroku::SeriaZakonczona) {
        obliczenia_.RozpocznijNastepnaSerie();
    }
    return krok;
}

WynikRepliki SilnikRepliki::Zakoncz(int nr, std::string& przebieg) {
    Obliczenia& obl = obliczenia_;
    obl.UstawObserwatora(nullptr);
    const StanObliczen& s = obl.Stan();
    WynikRepliki wynik;
    wynik.Nr = nr;
    wynik.Dane = DaneWynikowZ(obl, opcje_->Stopien,
                              opcje_->Parametry.Seria ? obl.LosujPrzesuniecieTc() : 0.0);
    for (int k = 1; k <= s.NrSerii; ++k) {
        const std::vector<double>& sigmy = zapis_->Sigmy(k);
        const std::vector<double>& pary = zapis_->Pary(k);
        const std::size_t polowa = sigmy.size() / 2;
        const double lambda = s.LambdaSerii[k];
        wynik.Serie.push_back({lambda, s.SigmaSerii[k],
                               SredniaBlokowa(std::span(sigmy).subspan(polowa)),
                               FluktuacjaZProbek(lambda, pary, s.IloscAtomow, zapis_->Rzad(k))});
    }
    przebieg = zapis_->Przebieg();
    zapis_.reset();
    return wynik;
}
