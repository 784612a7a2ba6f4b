#pragma once

// Receives what each sample of a run puts on the charts; the engine knows
// nothing of charts. Calls arrive in the order of the sample: for a chunk the
// energy point, the histogram (cleared, then one bar per n = 0..q), the sigma
// point; for a new configuration the histogram first, then the energy and
// sigma points at iteration 0.
class ObserwatorPomiarow {
public:
    virtual ~ObserwatorPomiarow() = default;

    virtual void PunktEnergii(int /*iteracja*/, double /*energia*/) {}
    virtual void HistogramWyczyszczony() {}
    virtual void SlupekHistogramu(int /*n*/, double /*liczbaAtomow*/) {}
    virtual void PunktSigmy(int /*iteracja*/, double /*sigma*/) {}
    // The last chunk of a series ended: its (lambda, sigma) point.
    virtual void PunktSigmyOdLambdy(double /*lambda*/, double /*sigma*/) {}
    // The per-run accumulators were reset: the charts of one run start empty.
    virtual void PrzebiegWyzerowany() {}
};
