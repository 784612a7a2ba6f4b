#pragma once

#include "Generator.h"
#include "MagazynPomiarow.h"
#include "ParametrySymulacji.h"
#include "Siec.h"
#include "StanObliczen.h"
#include "TablicaAkceptacji.h"

class ObserwatorPomiarow;
class ZrodloZiarna;

// The simulation engine: the lattice, the run state, the observables and the
// sample stores of exchange Monte Carlo at fixed composition, with the energy
// -lambda x (number of unlike nearest-neighbour pairs). The window owns one
// for the life of the program; its size is fixed at construction and nothing
// is allocated per run, per tick or per attempt.
//
// A run: PrzygotujObliczenia (first configuration, sample at iteration 0),
// then KrokSymulacji once per timer tick until it reports the end.
class Obliczenia {
public:
    explicit Obliczenia(ZrodloZiarna& zrodloZiarna);

    void UstawObserwatora(ObserwatorPomiarow* obserwator) { obserwator_ = obserwator; }

    // The engine's part of setting the window up for a lattice kind: clears
    // the run state (the lattice, the per-series tables and the stores stay).
    void UstawSiec();
    // Copies the parameters into the run state, builds the first
    // configuration and records its sample. Throws std::invalid_argument when
    // a parameter lies outside the ranges of the settings page.
    void PrzygotujObliczenia(const ParametrySymulacji& parametry);
    // One tick: one chunk and its sample, then the bookkeeping of the run.
    // After the end of a run it does nothing and reports the end again.
    StanKroku KrokSymulacji();
    // Resets the per-run accumulators (before a further series, or when the
    // user repeats the computation keeping the parameters).
    void ZerujSymulacje();
    // "Powtórz obliczenia": the next run starts its series count afresh.
    void ZerujObliczoneSerie() { stan_.ObliczoneSerie = 0; }

    // The steps of a run, public for the tests and benchmarks.
    void KonfiguracjaPoczatkowa(int seria, int iteracja);
    void WykonajPrzeskoki(int seria, int iteracja);
    void ZapiszPomiar(int seria, int iteracja, double energia, bool sigmaPodana, double sigma);
    void PoliczParyAB(int seria, int iteracja);

    // Number of series of a sweep over trackbar positions s..e in steps of k.
    static int LiczbaSeriiDla(int s, int e, int k);

    const StanObliczen& Stan() const { return stan_; }
    const PostepObliczen& Postep() const { return postep_; }
    const Siec& SiecAtomow() const { return siec_; }
    Siec& SiecAtomow() { return siec_; }
    const MagazynPomiarow& Pomiary() const { return magazyn_; }
    // The results stage draws one number from the same stream.
    Generator& GeneratorLiczb() { return generator_; }
    bool Zakonczone() const { return zakonczone_; }

private:
    void UstawZakresy(const ParametrySymulacji& p);
    void PrzesunLambde();
    void ZbudujTabliceAkceptacji();
    double SigmaZPar(double pary) const;

    Siec siec_;
    Generator generator_;
    MagazynPomiarow magazyn_;
    TablicaAkceptacji tablica_;
    StanObliczen stan_;
    PostepObliczen postep_;
    ObserwatorPomiarow* obserwator_ = nullptr;
    bool zakonczone_ = true;
};
