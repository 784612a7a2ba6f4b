#pragma once

#include "DoKonca.h"
#include "Obliczenia.h"
#include "ObserwatorPomiarow.h"
#include "Pomiar.h"
#include "StaleZiarno.h"

#include <array>
#include <vector>

// An engine on a fixed seed, with the parameters the tests vary most.
struct SilnikTestowy {
    explicit SilnikTestowy(std::uint32_t ziarno = 12345) : zrodlo(ziarno), obl(zrodlo) {}
    StaleZiarno zrodlo;
    Obliczenia obl;
};

inline ParametrySymulacji Parametry(RodzajSieci rodzaj, int n, Ulozenie uklad,
                                    int koncentracja = 50) {
    ParametrySymulacji p;
    p.Rodzaj = rodzaj;
    p.IloscAtomowOsX = p.IloscAtomowOsY = p.IloscAtomowOsZ = n;
    p.Uklad = uklad;
    p.PozycjaKoncentracji = koncentracja;
    return p;
}

// Records what the engine reports, in order.
struct ZapisObserwatora : ObserwatorPomiarow {
    std::vector<Pomiar> pomiary;
    std::vector<int> iteracjeEnergii;
    std::vector<double> energie;
    std::vector<double> sigmy;
    std::vector<std::array<double, LiczbaSlupkow>> histogramy;
    std::vector<double> lambdySerii;
    int zerowania = 0;

    void NowyPomiar(const Pomiar& p) override {
        pomiary.push_back(p);
        iteracjeEnergii.push_back(p.Iteracja);
        energie.push_back(p.Energia);
        sigmy.push_back(p.Sigma);
        histogramy.push_back(p.Histogram);
    }
    void KoniecSerii(double lambda, double) override { lambdySerii.push_back(lambda); }
    void PrzebiegWyzerowany() override { ++zerowania; }
};
