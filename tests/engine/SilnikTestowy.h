#pragma once

#include "Obliczenia.h"
#include "ObserwatorPomiarow.h"
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
    std::vector<int> iteracjeEnergii;
    std::vector<double> energie;
    std::vector<double> sigmy;
    std::vector<std::array<double, 7>> histogramy;
    std::vector<double> lambdySerii;
    int zerowania = 0;

    void PunktEnergii(int iteracja, double energia) override {
        iteracjeEnergii.push_back(iteracja);
        energie.push_back(energia);
    }
    void HistogramWyczyszczony() override { histogramy.push_back({}); }
    void SlupekHistogramu(int n, double liczba) override { histogramy.back()[n] = liczba; }
    void PunktSigmy(int, double sigma) override { sigmy.push_back(sigma); }
    void PunktSigmyOdLambdy(double lambda, double) override { lambdySerii.push_back(lambda); }
    void PrzebiegWyzerowany() override { ++zerowania; }
};
