#pragma once

#include "ZrodloZiarna.h"

// Seeds from the UTC time of day in milliseconds since midnight.
class ZegarDoby final : public ZrodloZiarna {
public:
    std::optional<std::uint32_t> Ziarno() override;
};
