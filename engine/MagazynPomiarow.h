#pragma once

#include "Pojemnosci.h"

#include <cstddef>
#include <vector>

// The per-sample stores: sigma and the neighbour histogram of every recorded
// sample of every series. They are indexed by sample number (iteration count /
// sampling interval), so any run of at most MaxPomiarowSerii samples per series
// (the window's 1 000 000 iterations sampled every 100) keeps every sample;
// the storage is taken at construction for the window's runs (26 rows x
// 10 002 samples x 8 doubles, about 16.6 MB) and never cleared, so entries of
// an earlier, longer run stay until overwritten. A batch run of more series or
// samples takes more once, when it is prepared (Przygotuj).
class MagazynPomiarow {
public:
    // Samples 0..N/P + 1: the first, every sample of the series, and the one
    // of the chunk that passes the end.
    static constexpr int MaxPomiarow = MaxPomiarowSerii + 2;

    MagazynPomiarow();

    // Makes room for series rows 0..wpisow - 1 of `pomiarow` samples each
    // (never less than the window's), before a run: the stores keep their
    // size and entries unless they must grow, which clears them.
    void Przygotuj(int wpisow, int pomiarow);
    // The bytes the stores take for that many rows and samples.
    static double Bajty(int wpisow, int pomiarow);

    // The sampling interval of the run now being recorded (100..2000; batch runs ..10^6).
    void UstawPrzedzial(int przedzial) { przedzial_ = przedzial; }
    int Przedzial() const { return przedzial_; }

    void ZapiszSigme(int seria, int iteracja, double sigma);
    void ZapiszSlupek(int seria, int iteracja, int n, double liczba);

    // The sample recorded at `iteracja`, or, when that count was not sampled,
    // the latest one recorded before it.
    double SigmaCykli(int seria, int iteracja) const;
    double HistogramCykli(int seria, int iteracja, int n) const;

private:
    std::size_t Pozycja(int seria, int iteracja) const;

    std::vector<double> sigma_;
    std::vector<double> histogram_;
    int wpisow_ = LiczbaWpisowSerii;
    int pomiarow_ = MaxPomiarow;
    int przedzial_ = 1000;
};
