#pragma once

#include "ZrodloZiarna.h"

// The seed source of a worker's engine, which runs one replica after another:
// each replica's seed is given once, when its run is prepared, and every later
// draw of that run continues its stream, as with a fixed seed.
class ZiarnoRepliki final : public ZrodloZiarna {
public:
    void Ustaw(std::uint32_t ziarno) {
        ziarno_ = ziarno;
        wydane_ = false;
    }
    std::optional<std::uint32_t> Ziarno() override {
        if (wydane_) {
            return std::nullopt;
        }
        wydane_ = true;
        return ziarno_;
    }

private:
    std::uint32_t ziarno_ = 0;
    bool wydane_ = true;
};
