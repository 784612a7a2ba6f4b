#pragma once

#include "PrzedzialPomiarow.h"
#include "RodzajSieci.h"
#include "SiatkaLambdy.h"

#include <vector>

enum class Ulozenie { Przypadkowe, Uporzadkowane, UporzadkowaneWydzielenie };
enum class Oddzialywanie { Porzadkowanie, Klasteryzacja };

// The scale the positions are read on. The window's: lambda in tenths within
// the settings page's ranges. The batch runner's: lambda in hundredths (the
// same 0.10..2.40, so a finer grid can resolve a peak, or any list of lambdas
// in millionths), runs of up to 10^9 iterations sampled every 100..10^6
// (positions up to 10 000), axes up to 512 (128 on the cubic lattice), and as
// many lambdas and samples per series as memory holds.
enum class SkalaParametrow { Okna, Wsadowa };

// The values that entering the computation stage copies from the settings
// controls: trackbar positions stay positions (tenths of lambda, hundredths of
// concentration, hundreds of iterations) so that every derived real is formed
// exactly as the run needs it. Defaults are those of a freshly set-up window.
struct ParametrySymulacji {
    RodzajSieci Rodzaj = RodzajSieci::Kwadratowa;
    int IloscAtomowOsX = 10; // even, 6..100
    int IloscAtomowOsY = 10;
    int IloscAtomowOsZ = 10;        // used by the cubic lattice only
    int PozycjaKoncentracji = 50;   // TBKoncentracja, 10..50 (percent of A atoms)
    int PozycjaLambdy = 1;          // TBLambda, 1..24 (tenths; batch scale 10..240 hundredths)
    int PozycjaLambdyKoncowej = 24; // TBLambdaKoncowa, PozycjaLambdy..24
    int PozycjaKroku = 3;           // TBKrok, 1..(end - start + 1)
    int PozycjaPrzedzialu = 10;     // TBLiczbaPrzeskokow, 1..20 (hundreds of iterations)
    int MaxIloscCykli = 100000;     // 10000..1000000 (batch scale ..1000000000)
    Ulozenie Uklad = Ulozenie::Przypadkowe;
    Oddzialywanie Tryb = Oddzialywanie::Porzadkowanie;
    bool Seria = true;
    SkalaParametrow Skala = SkalaParametrow::Okna;
    // A batch series over these lambdas instead of start, end and step:
    // increasing positions on SiatkaListy (millionths), the first and the last
    // also in PozycjaLambdy and PozycjaLambdyKoncowej. Empty for a series in
    // steps and on the window's scale.
    std::vector<int> ListaLambd;
};

// The grid the lambda positions lie on: tenths on the window's scale,
// hundredths on the batch runner's, millionths for a list of lambdas.
inline const SiatkaLambdy& Siatka(const ParametrySymulacji& p) {
    if (!p.ListaLambd.empty()) {
        return SiatkaListy;
    }
    return p.Skala == SkalaParametrow::Wsadowa ? SiatkaWsadowa : SiatkaOkna;
}

// The sampling interval of the run.
constexpr PrzedzialPomiarow Przedzial(const ParametrySymulacji& p) {
    return PrzedzialPomiarow(p.PozycjaPrzedzialu);
}

// The decimals the lambdas of the run are written with: for a list, as many as
// its most precise lambda needs (at least one, as for tenths).
int MiejscaLambdy(const ParametrySymulacji& p);

// The offset of the transition lambda from a uniform u in [0, 1): below one
// unit of the run's lambdas, a tenth unless a lambda falls between tenths.
double PrzesuniecieTc(const ParametrySymulacji& p, double u);

// The series a run of these parameters holds: one for a single run, the
// lambdas of the list, or the steps from start to end.
int LiczbaSerii(const ParametrySymulacji& p);

// The number of atoms of the lattice the parameters describe; the flat
// lattices have no Z axis.
constexpr int IloscAtomow(const ParametrySymulacji& p) {
    return p.IloscAtomowOsX * p.IloscAtomowOsY * (JestPlaska(p.Rodzaj) ? 1 : p.IloscAtomowOsZ);
}
