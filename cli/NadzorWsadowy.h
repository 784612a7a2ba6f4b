#pragma once

#include "NadzorReplik.h"
#include "PrzerwanieSygnalem.h"

class PasekPostepu;

// The batch runner's watch over its replicas: the progress line on standard
// error and the signals that stop a run, held back by `przerwanie` (made
// before the pool's threads start, so that they inherit the hold).
class NadzorWsadowy final : public NadzorReplik {
public:
    NadzorWsadowy(PasekPostepu& pasek, PrzerwanieSygnalem& przerwanie)
        : pasek_(pasek), przerwanie_(przerwanie) {}

    void Postep(const PostepReplik& postep, bool koncowy) override;
    int Przerwanie() override { return przerwanie_.Sprawdz(); }

private:
    PasekPostepu& pasek_;
    PrzerwanieSygnalem& przerwanie_;
};
