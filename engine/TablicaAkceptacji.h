#pragma once

#include <array>
#include <cstdint>

// The Metropolis test of one lambda, precomputed. The change of unlike pairs
// takes only the even values -12..14, so for each of them the test
// "exp(change * lambda) >= r" (ordering) or "> r" (clustering), with the
// exponential in extended precision and r = s / 2^32, is turned into an
// equivalent bound on the generator's state s. Decisions equal the formula's;
// a change in the favoured direction (a rise for ordering, a fall for
// clustering) is accepted at any state.
class TablicaAkceptacji {
public:
    static constexpr int MinZmiana = -12;
    static constexpr int MaxZmiana = 14;

    void Zbuduj(double lambda, bool porzadkowanie);

    // Whether a drawn state s accepts an exchange with this change of pairs.
    bool Akceptuj(int zmiana, std::uint32_t s) const {
        return s < granica_[static_cast<unsigned>(zmiana - MinZmiana)];
    }

private:
    std::array<std::uint64_t, MaxZmiana - MinZmiana + 1> granica_{};
};
