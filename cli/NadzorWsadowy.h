#pragma once

#include "NadzorReplik.h"
#include "PrzerwanieSygnalem.h"

class PasekPostepu;

// The batch runner's watch over its replicas: the progress line on standard
// error and the signals that stop a run. Signals are held back from the
// moment it is made (so make it before the pool's threads start) until it is
// gone.
class NadzorWsadowy final : public NadzorReplik {
public:
    explicit NadzorWsadowy(PasekPostepu& pasek) : pasek_(pasek) {}

    void Postep(const PostepReplik& postep, bool koncowy) override;
    int Przerwanie() override { return przerwanie_.Sprawdz(); }

private:
    PasekPostepu& pasek_;
    PrzerwanieSygnalem przerwanie_;
};
