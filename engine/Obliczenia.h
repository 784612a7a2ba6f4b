#pragma once

#include "Generator.h"
#include "Generator64.h"
#include "MagazynPomiarow.h"
#include "MiaraPorzadku.h"
#include "ParametrySymulacji.h"
#include "Pomiar.h"
#include "RodzajGeneratora.h"
#include "Siec.h"
#include "SposobLiczenia.h"
#include "StanObliczen.h"
#include "TablicaAkceptacji.h"

#include <optional>

class ObserwatorPomiarow;
class ZrodloZiarna;

// The simulation engine: the lattice, the run state, the observables and the
// sample stores of exchange Monte Carlo at fixed composition, with the energy
// -lambda x (number of unlike nearest-neighbour pairs). The window owns one
// for the life of the program; its size is fixed at construction and nothing
// is allocated per run, per tick or per attempt.
//
// A run: PrzygotujObliczenia (first arrangement, its sample at iteration 0),
// then KrokSymulacji once per tick. When a tick reports SeriaZakonczona the
// caller may show the finished series' last state, then calls
// RozpocznijNastepnaSerie and goes on ticking until Koniec.
class Obliczenia {
public:
    explicit Obliczenia(ZrodloZiarna& zrodloZiarna);

    // Every sample, the end of every series and every reset are reported here
    // (nullptr: nobody listens).
    void UstawObserwatora(ObserwatorPomiarow* obserwator) { obserwator_ = obserwator; }

    // The generator of the runs prepared from now on: the window's (unless
    // set) or the 64-bit one's stream `strumien` of the seed the source gives
    // (replica k of a study takes stream k; the window's generator takes the
    // seed alone).
    void UstawGenerator(RodzajGeneratora rodzaj, std::uint32_t strumien = 0);
    RodzajGeneratora UzywanyGenerator() const { return rodzajGeneratora_; }

    // How chunks keep what their samples read: Samoczynny unless set (the
    // samples are the same every way; only the time differs).
    void UstawSposobLiczenia(SposobLiczenia sposob) { sposob_ = sposob; }

    // Whether every sample carries the order parameter (Pomiar::Rzad): one
    // pass over the atoms a sample, which a study's Binder cumulant needs
    // and the window does not.
    void UstawParametrPorzadku(bool tak);

    // The engine's part of setting the window up for a lattice kind: clears
    // the run state (the lattice, the per-series tables and the stores stay).
    void UstawSiec();
    // Copies the parameters into the run state, seeds the generator (the
    // source is asked once here; every later draw of the run continues that
    // one stream), builds the first arrangement and records its sample. The
    // count of finished series starts again at 0. Throws
    // std::invalid_argument when a parameter lies outside the ranges of its
    // scale (the settings page's, or the batch runner's); on the window's a
    // series holds at most 24 lambdas and MaxPomiarowSerii samples. The
    // per-series tables and the stores grow here when a batch run needs more
    // (std::bad_alloc when memory runs out).
    void PrzygotujObliczenia(const ParametrySymulacji& parametry);
    // One tick: one chunk and its sample, then the bookkeeping of the run.
    // After the end of a run it does nothing and reports Koniec again; while a
    // finished series waits for RozpocznijNastepnaSerie it does nothing and
    // reports SeriaZakonczona again.
    StanKroku KrokSymulacji();
    // After SeriaZakonczona: resets the run's accumulators, advances lambda,
    // builds the next arrangement and records its sample at iteration 0.
    // Does nothing when no finished series waits.
    void RozpocznijNastepnaSerie();
    // Resets the per-run accumulators (before a further series, or when the
    // user repeats the computation keeping the parameters).
    void ZerujSymulacje();

    // The one draw of the results stage: the offset J of the transition
    // lambda, uniform below one unit of the run's lambdas ([0, 0.1) on
    // tenths), from the run's own stream.
    double LosujPrzesuniecieTc();

    // Number of series of a sweep over trackbar positions s..e in steps of k.
    static int LiczbaSeriiDla(int s, int e, int k);

    const StanObliczen& Stan() const { return stan_; }
    const PostepObliczen& Postep() const { return postep_; }
    const Siec& SiecAtomow() const { return siec_; }
    const MagazynPomiarow& Pomiary() const { return magazyn_; }
    bool Zakonczone() const { return zakonczone_; }

private:
    void UstawZakresy(const ParametrySymulacji& p);
    void KonfiguracjaPoczatkowa(int seria, int iteracja);
    void WykonajPrzeskoki(int seria, int iteracja);
    // Records the sample from the lattice's kept counts: the given sigma (a
    // new arrangement), or the smoothed sigma of the pairs (after a chunk).
    void ZapiszPomiar(int seria, int iteracja, double energia, std::optional<double> sigma);
    void OdczytajLiczniki(int seria, int iteracja);
    void PrzesunLambde();
    void ZbudujTabliceAkceptacji();
    double SigmaZPar(double pary) const;
    int Losuj(int n);

    Siec siec_;
    Generator generator_;
    Generator64 generator64_;
    RodzajGeneratora rodzajGeneratora_ = RodzajGeneratora::Okna;
    MagazynPomiarow magazyn_;
    TablicaAkceptacji tablica_;
    StanObliczen stan_;
    PostepObliczen postep_;
    Pomiar pomiar_{};
    SposobLiczenia sposob_ = SposobLiczenia::Samoczynny;
    // The way the chunk before chose for the next one.
    SposobLiczenia nastepnySposob_ = SposobLiczenia::NaBiezaco;
    ObserwatorPomiarow* obserwator_ = nullptr;
    bool parametrPorzadku_ = false;
    MiaraPorzadku miaraPorzadku_;
    bool zakonczone_ = true;
    bool seriaCzeka_ = false;
};
