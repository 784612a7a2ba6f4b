#pragma once

#include <cstdint>
#include <optional>

// Where the generator's state comes from. The engine asks once per prepared
// run; the draws of the whole run then come from that one stream. The window
// seeds from the time of day; a reproducible run returns its seed once and
// nothing after, so a further run on the same engine continues the stream.
class ZrodloZiarna {
public:
    virtual ~ZrodloZiarna() = default;
    virtual std::optional<std::uint32_t> Ziarno() = 0;
};
