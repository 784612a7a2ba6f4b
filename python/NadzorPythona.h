#pragma once

#include "NadzorReplik.h"
#include "ProbkiRepliki.h"

#include <memory>
#include <pybind11/pybind11.h>
#include <vector>

// The interpreter's watch over a pool of replicas run without the GIL: it
// takes the GIL only to call the progress callback and to let Python run its
// signal handlers (Ctrl+C), and stops the replicas when either raises. The
// pool never lets an exception through, so the Python error waits here until
// the pool is done and the caller raises it with Zglos.
class NadzorPythona final : public NadzorReplik {
public:
    // `postep(zrobione, wszystkie)` with exchange attempts, or None; `probki`
    // indexed by replica number, or empty for none.
    NadzorPythona(pybind11::object postep, std::vector<ProbkiRepliki>& probki)
        : postep_(std::move(postep)), probki_(probki) {}

    void Postep(const PostepReplik& postep, bool koncowy) override;
    int Przerwanie() override;
    ObserwatorPomiarow* ObserwatorProbek(int k) override;

    // Raises the Python error that stopped the run, if one did. Holds the GIL.
    void Zglos();

private:
    // Keeps the error being raised, with the GIL held.
    void Zatrzymaj();

    pybind11::object postep_;
    std::vector<ProbkiRepliki>& probki_;
    std::unique_ptr<pybind11::error_already_set> blad_;
};
