#pragma once

#include "ZrodloZiarna.h"

// A clock stuck in one millisecond: every call gives the same seed, as the
// time of day does when calls follow each other faster than it ticks.
class ZegarMilisekundy final : public ZrodloZiarna {
public:
    explicit ZegarMilisekundy(std::uint32_t ms) : ms_(ms) {}
    std::optional<std::uint32_t> Ziarno() override {
        ++odczyty;
        return ms_;
    }
    int odczyty = 0;

private:
    std::uint32_t ms_;
};
