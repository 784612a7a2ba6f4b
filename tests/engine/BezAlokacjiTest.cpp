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
    for (const RodzajSieci rodzaj : {RodzajSieci::Kubiczna3D, RodzajSieci::Kwadratowa,
                                     RodzajSieci::Trojkatna, RodzajSieci::Heksagonalna}) {
        SilnikTestowy t;
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
        EXPECT_EQ(alokacje, przed) << KluczRodzaju(rodzaj);
        EXPECT_GT(kroki, 300);
    }
}
