#pragma once

#include "ZrodloZiarna.h"

// A fixed seed for reproducible runs: given to the first run only.
class StaleZiarno final : public ZrodloZiarna {
public:
    explicit StaleZiarno(std::uint32_t ziarno) : ziarno_(ziarno) {}
    std::optional<std::uint32_t> Ziarno() override {
        if (wydane_) {
            return std::nullopt;
        }
        wydane_ = true;
        return ziarno_;
    }

private:
    std::uint32_t ziarno_;
    bool wydane_ = false;
};
