// Raw draws of the generators on standard output, for a statistical battery
// (bench/engine/strumienie.sh feeds them to dieharder): 32-bit words, little
// endian, until the reader stops reading.
//
//   fazolab_strumien xoshiro Z K   stream K of seed Z of the 64-bit generator,
//                                  each draw as its lower then its upper half
//   fazolab_strumien przeplot Z K  streams 0..K-1 of seed Z and of seed Z + 1,
//                                  one draw of each in turn: a battery sees
//                                  any likeness between streams as a pattern
//   fazolab_strumien okna Z        the window's generator from seed Z, each
//                                  state as drawn
#include "Generator.h"
#include "Generator64.h"
#include "StaleZiarno.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr std::size_t Slow = 4096;

bool Wypisz(const std::array<std::uint32_t, Slow>& slowa) {
    return std::fwrite(slowa.data(), sizeof(std::uint32_t), Slow, stdout) == Slow;
}
} // namespace

int main(int argc, char** argv) {
    const std::string rodzaj = argc > 1 ? argv[1] : "";
    const auto ziarno = static_cast<std::uint32_t>(argc > 2 ? std::stoul(argv[2]) : 0);
    const auto k = static_cast<std::uint32_t>(argc > 3 ? std::stoul(argv[3]) : 0);
    std::array<std::uint32_t, Slow> slowa{};
    StaleZiarno zrodlo(ziarno);
    if (rodzaj == "okna") {
        Generator g(zrodlo);
        g.Przelosuj();
        do {
            for (std::uint32_t& s : slowa) {
                s = g.Nastepny();
            }
        } while (Wypisz(slowa));
        return 0;
    }
    const bool przeplot = rodzaj == "przeplot";
    if ((rodzaj != "xoshiro" && !przeplot) || (przeplot && k == 0)) {
        std::fputs("użycie: fazolab_strumien xoshiro Z K | przeplot Z K (K >= 1) | okna Z\n",
                   stderr);
        return 2;
    }
    std::vector<std::unique_ptr<Generator64>> strumienie;
    for (std::uint32_t z = 0; z < (przeplot ? 2u : 1u); ++z) {
        for (std::uint32_t s = 0; s < (przeplot ? k : 1u); ++s) {
            strumienie.push_back(std::make_unique<Generator64>(zrodlo));
            strumienie.back()->Zasiej(ziarno + z, przeplot ? s : k);
        }
    }
    std::size_t nastepny = 0;
    do {
        for (std::size_t i = 0; i < Slow; i += 2) {
            const std::uint64_t r = strumienie[nastepny]->Nastepny();
            nastepny = (nastepny + 1) % strumienie.size();
            slowa[i] = static_cast<std::uint32_t>(r);
            slowa[i + 1] = static_cast<std::uint32_t>(r >> 32);
        }
    } while (Wypisz(slowa));
    return 0;
}
