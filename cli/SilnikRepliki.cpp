#include "SilnikRepliki.h"

#include "ObliczWyniki.h"
#include "OpcjeWsadowe.h"
#include "PostepWatku.h"

#include <span>

WynikRepliki SilnikRepliki::Uruchom(const OpcjeWsadowe& opcje, int nr, std::uint32_t ziarno,
                                    bool zPrzebiegiem, std::string& przebieg,
                                    ObserwatorPomiarow* probki, PostepWatku& postep,
                                    const std::atomic<bool>& przerwij) {
    Przygotuj(opcje, ziarno, zPrzebiegiem, probki);
    const StanObliczen& s = obliczenia_.Stan();
    long long proby = postep.Proby.load(std::memory_order_relaxed);
    for (StanKroku krok = StanKroku::Trwa;
         krok != StanKroku::Koniec && !przerwij.load(std::memory_order_relaxed);) {
        postep.Seria.store(s.NrSerii, std::memory_order_relaxed);
        postep.Iteracja.store(s.NrCyklu - s.PrzedzialCzasowy, std::memory_order_relaxed);
        proby += s.PrzedzialCzasowy;
        krok = Krok();
        postep.Proby.store(proby, std::memory_order_relaxed);
    }
    WynikRepliki wynik = Zakoncz(nr, przebieg);
    postep.UkonczoneRepliki.fetch_add(1, std::memory_order_relaxed);
    return wynik;
}

void SilnikRepliki::Przygotuj(const OpcjeWsadowe& opcje, std::uint32_t ziarno, bool zPrzebiegiem,
                              ObserwatorPomiarow* probki) {
    opcje_ = &opcje;
    ziarno_.Ustaw(ziarno);
    zapis_.emplace(zPrzebiegiem, probki);
    obliczenia_.UstawObserwatora(&*zapis_);
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
                               FluktuacjaZProbek(lambda, pary, s.IloscAtomow)});
    }
    przebieg = zapis_->Przebieg();
    zapis_.reset();
    return wynik;
}
