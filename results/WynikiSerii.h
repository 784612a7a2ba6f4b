#pragma once

#include "PunktWykresu.h"
#include "TablicaPunktow.h"
#include "TekstyWynikow.h"

#include <vector>

// Everything the results stage shows for a series, named after the controls
// that receive it.
struct WynikiSerii {
    int Stopien = 0;                // d
    TablicaPunktow Wspolczynniki{}; // a_0..a_d
    TablicaPunktow CvkN{};          // C_0 = -1000, C_1..C_n as computed (room for n + 1)
    int IndeksPrzejscia = 0;        // p
    bool Spadek = false;            // Cv/kN falls somewhere after the origin
    double J = 0.0;

    std::vector<PunktWykresu> Series9;  // "Wart. doświadczalne": (x_k, y_k)
    std::vector<PunktWykresu> Series10; // "Krzywa aproksymowana": (x_k, F_k)
    std::vector<PunktWykresu> Series5;  // "CvkN": zeros after the fall
    // MOpisSieci, MLambda, MSigma, MCvkN, ELambdaTc (also LWynikiLambdaTc) and
    // ECvkNTc (also LWynikiTempTc).
    TekstyWynikow Teksty;
    // False when p = 0: the window then keeps the Cv/kN texts it showed
    // before, and Teksty.ECvkNTc is empty.
    bool UstawCvkNTc = false;
};
