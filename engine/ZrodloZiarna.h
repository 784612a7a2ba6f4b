#pragma once

#include <cstdint>
#include <optional>

// Where the generator's state comes from when it is reseeded. The window reseeds
// from the time of day; a reproducible run returns its seed once and nothing
// after, so every later reseed simply continues the one stream.
class ZrodloZiarna {
public:
    virtual ~ZrodloZiarna() = default;
    virtual std::optional<std::uint32_t> Ziarno() = 0;
};
