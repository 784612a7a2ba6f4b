#include "ZegarDoby.h"

#include <chrono>

std::optional<std::uint32_t> ZegarDoby::Ziarno() {
    using namespace std::chrono;
    const auto teraz = time_point_cast<milliseconds>(system_clock::now());
    const auto odPolnocy = teraz - floor<days>(teraz);
    return static_cast<std::uint32_t>(odPolnocy.count());
}
