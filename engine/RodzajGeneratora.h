#pragma once

#include <array>
#include <optional>
#include <string_view>

// The generator a run draws from: the window's 32-bit one (its runs, and
// studies that must repeat them byte for byte) or the 64-bit xoshiro256++
// with a stream per replica, which outlasts any run.
enum class RodzajGeneratora { Okna, Xoshiro };

// The names the batch runner, the files, Python and the web page use.
inline constexpr std::array<std::string_view, 2> NazwyGeneratorow = {"okna", "xoshiro"};

inline std::string_view NazwaGeneratora(RodzajGeneratora rodzaj) {
    return NazwyGeneratorow[static_cast<std::size_t>(rodzaj)];
}

inline std::optional<RodzajGeneratora> GeneratorZNazwy(std::string_view nazwa) {
    for (std::size_t i = 0; i < NazwyGeneratorow.size(); ++i) {
        if (nazwa == NazwyGeneratorow[i]) {
            return static_cast<RodzajGeneratora>(i);
        }
    }
    return std::nullopt;
}
