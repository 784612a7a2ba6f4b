#include "SilnikRepliki.h"

#include "ObliczWyniki.h"
#include "OpcjeWsadowe.h"
#include "PostepWatku.h"
#include "ZapisPrzebiegu.h"

#include <span>

WynikRepliki SilnikRepliki::Uruchom(const OpcjeWsadowe& opcje, int nr, std::uint32_t ziarno,
                                    bool zPrzebiegiem, std::string& przebieg,
                                    ObserwatorPomiarow* probki, PostepWatku& postep,
                                    const std::atomic<bool>& przerwij) {
    Obliczenia& obl = obliczenia_;
    ziarno_.Ustaw(ziarno);
    ZapisPrzebiegu zapis(zPrzebiegiem, probki);
    obl.UstawObserwatora(&zapis);
    obl.UstawSiec();
    obl.PrzygotujObliczenia(opcje.Parametry);

    const StanObliczen& s = obl.Stan();
    long long proby = postep.Proby.load(std::memory_order_relaxed);
    for (StanKroku krok = StanKroku::Trwa;
         krok != StanKroku::Koniec && !przerwij.load(std::memory_order_relaxed);) {
        postep.Seria.store(s.NrSerii, std::memory_order_relaxed);
        postep.Iteracja.store(s.NrCyklu - s.PrzedzialCzasowy, std::memory_order_relaxed);
        proby += s.PrzedzialCzasowy;
        krok = obl.KrokSymulacji();
        postep.Proby.store(proby, std::memory_order_relaxed);
        if (krok == StanKroku::SeriaZakonczona) {
            obl.RozpocznijNastepnaSerie();
        }
    }
    obl.UstawObserwatora(nullptr);

    WynikRepliki wynik;
    wynik.Nr = nr;
    wynik.Dane =
        DaneWynikowZ(obl, opcje.Stopien, opcje.Parametry.Seria ? obl.LosujPrzesuniecieTc() : 0.0);
    for (int k = 1; k <= s.NrSerii; ++k) {
        const std::vector<double>& sigmy = zapis.Sigmy(k);
        const std::vector<double>& pary = zapis.Pary(k);
        const std::size_t polowa = sigmy.size() / 2;
        const double lambda = s.LambdaSerii[k];
        wynik.Serie.push_back({lambda, s.SigmaSerii[k],
                               SredniaBlokowa(std::span(sigmy).subspan(polowa)),
                               FluktuacjaZProbek(lambda, pary, s.IloscAtomow)});
    }
    przebieg = zapis.Przebieg();
    postep.UkonczoneRepliki.fetch_add(1, std::memory_order_relaxed);
    return wynik;
}
