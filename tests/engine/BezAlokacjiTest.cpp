// The engine must not allocate once a run is prepared: every tick of a long
// run (chunks, samples, the change of series) is counted here.
#include "SilnikTestowy.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {
long long alokacje = 0;
}

void* operator new(std::size_t rozmiar) {
    ++alokacje;
    if (void* p = std::malloc(rozmiar == 0 ? 1 : rozmiar)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

TEST(BezAlokacji, KrokiSeriiNieAlokuja) {
    for (const auto& [rodzaj, generator] :
         {std::pair{RodzajSieci::Kubiczna3D, RodzajGeneratora::Okna},
          std::pair{RodzajSieci::Kwadratowa, RodzajGeneratora::Okna},
          std::pair{RodzajSieci::Trojkatna, RodzajGeneratora::Okna},
          std::pair{RodzajSieci::Heksagonalna, RodzajGeneratora::Okna},
          std::pair{RodzajSieci::Kubiczna3D, RodzajGeneratora::Xoshiro},
          std::pair{RodzajSieci::Heksagonalna, RodzajGeneratora::Xoshiro}}) {
        SilnikTestowy t;
        t.obl.UstawGenerator(generator, 7);
        ParametrySymulacji p = Parametry(rodzaj, 10, Ulozenie::Przypadkowe);
        p.MaxIloscCykli = 10000;
        p.PozycjaPrzedzialu = 1;
        p.PozycjaKroku = 8;
        t.obl.PrzygotujObliczenia(p);
        const long long przed = alokacje;
        ASSERT_GT(przed, 0) << "the counter sees the engine's own storage";
        int kroki = 0;
        for (StanKroku krok = StanKroku::Trwa; krok != StanKroku::Koniec; ++kroki) {
            krok = t.obl.KrokSymulacji();
            t.obl.RozpocznijNastepnaSerie();
        }
        EXPECT_EQ(alokacje, przed) << KluczRodzaju(rodzaj) << " " << NazwaGeneratora(generator);
        EXPECT_GT(kroki, 300);
    }
}

TEST(BezAlokacji, SeriaBadaniaPonadOknoNieAlokujePoPrzygotowaniu) {
    // The tables and stores grown for 30 lambdas of 10 100 samples on a
    // 200 x 200 lattice, and a list of lambdas: all taken when the run is
    // prepared, none per tick.
    for (const bool lista : {false, true}) {
        SilnikTestowy t;
        t.obl.UstawGenerator(RodzajGeneratora::Xoshiro, 1);
        ParametrySymulacji p = Parametry(RodzajSieci::Kwadratowa, 200, Ulozenie::Przypadkowe);
        p.Skala = SkalaParametrow::Wsadowa;
        p.PozycjaLambdy = 10;
        p.PozycjaLambdyKoncowej = 39;
        p.PozycjaKroku = 1;
        p.MaxIloscCykli = 1010000;
        p.PozycjaPrzedzialu = 1;
        if (lista) {
            p.ListaLambd = {860000, 863700, 870000};
            p.PozycjaLambdy = 860000;
            p.PozycjaLambdyKoncowej = 870000;
            p.MaxIloscCykli = 20000;
        }
        t.obl.PrzygotujObliczenia(p);
        const long long przed = alokacje;
        int serie = 1;
        for (StanKroku krok = StanKroku::Trwa; krok != StanKroku::Koniec;) {
            krok = t.obl.KrokSymulacji();
            if (krok == StanKroku::SeriaZakonczona) {
                t.obl.RozpocznijNastepnaSerie();
                ++serie;
            }
        }
        EXPECT_EQ(alokacje, przed) << lista;
        EXPECT_EQ(serie, lista ? 3 : 30);
    }
}
