#pragma once

struct Pomiar;

// Receives the samples of a run; the engine knows nothing of charts or files.
// Everything a sample says arrives in the record, so an observer never needs
// to read the engine back during a call.
class ObserwatorPomiarow {
public:
    virtual ~ObserwatorPomiarow() = default;

    // Every sample: each chunk's, and that of every new arrangement at iteration 0.
    virtual void NowyPomiar(const Pomiar& /*pomiar*/) {}
    // A series ended: its lambda and its last sigma.
    virtual void KoniecSerii(double /*lambda*/, double /*sigma*/) {}
    // The per-run accumulators were reset: the charts of one run start empty,
    // while the sigma-against-lambda points of the finished series stay.
    virtual void PrzebiegWyzerowany() {}
};
