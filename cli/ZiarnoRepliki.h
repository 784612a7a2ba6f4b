#pragma once

#include "StaleZiarno.h"

// The seed source of a worker's engine, which runs one replica after another:
// each replica's seed is given once, when its run is prepared, and every later
// draw of that run continues its stream, as with a fixed seed.
class ZiarnoRepliki final : public ZrodloZiarna {
public:
    void Ustaw(std::uint32_t ziarno) { biezace_ = StaleZiarno(ziarno); }
    std::optional<std::uint32_t> Ziarno() override { return biezace_.Ziarno(); }

private:
    StaleZiarno biezace_{0};
};
