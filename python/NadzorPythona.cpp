#include "NadzorPythona.h"

#include <algorithm>
#include <csignal>

namespace py = pybind11;

void NadzorPythona::Zatrzymaj() {
    blad_ = std::make_unique<py::error_already_set>();
}

void NadzorPythona::Postep(const PostepReplik& p, bool /*koncowy*/) {
    if (postep_.is_none()) {
        return;
    }
    const py::gil_scoped_acquire gil;
    // A stopped run has nothing more to say.
    if (blad_) {
        return;
    }
    try {
        postep_(std::min(p.Proby, p.WszystkieProby), p.WszystkieProby);
    } catch (py::error_already_set& blad) {
        blad_ = std::make_unique<py::error_already_set>(std::move(blad));
    }
}

int NadzorPythona::Przerwanie() {
    const py::gil_scoped_acquire gil;
    if (!blad_ && PyErr_CheckSignals() != 0) {
        Zatrzymaj();
    }
    return blad_ ? SIGINT : 0;
}

ObserwatorPomiarow* NadzorPythona::ObserwatorProbek(int k) {
    return probki_.empty() ? nullptr : &probki_[static_cast<std::size_t>(k)];
}

void NadzorPythona::Zglos() {
    if (blad_) {
        throw std::move(*blad_);
    }
}
