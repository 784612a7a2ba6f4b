#pragma once

#include <array>
#include <cstdint>

// The 64-bit generator of studies: xoshiro256++ (state of four 64-bit words,
// period 2^256 - 1), seeded by splitmix64 from a 32-bit seed.
//
// Why this one: a replica's stream is the seed's stream jumped k times by
// 2^128 draws, so the replicas of one study are disjoint stretches of one
// cycle, each longer than any run could use (a run draws under 2^40). Two
// seeds start at points splitmix64 scatters over the 2^256 - 1 states: the
// 64 replicas of a study span 2^134 draws, so the stretches of two studies
// meet with a chance below 2^-120. A generator with a stream per increment
// (PCG64) gives streams that are not disjoint and are known to correlate
// for related increments; it also needs a 128-bit multiplication per draw,
// which WebAssembly does not have. This one needs only 64-bit shifts, xors
// and additions.
class Xoshiro256 {
public:
    using Stan = std::array<std::uint64_t, 4>;

    constexpr Xoshiro256() = default;
    constexpr explicit Xoshiro256(const Stan& s) : s_(s) {}

    // The state splitmix64 gives from `ziarno`: its first four outputs.
    static constexpr Xoshiro256 ZZiarna(std::uint64_t ziarno) {
        Stan s{};
        for (std::uint64_t& slowo : s) {
            slowo = SplitMix64(ziarno);
        }
        return Xoshiro256(s);
    }

    // Advances x by the golden-ratio increment and returns its mix.
    static constexpr std::uint64_t SplitMix64(std::uint64_t& x) {
        std::uint64_t z = (x += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        return z ^ (z >> 31);
    }

    constexpr std::uint64_t Nastepny() {
        const std::uint64_t wynik = Obrot(s_[0] + s_[3], 23) + s_[0];
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Obrot(s_[3], 45);
        return wynik;
    }

    // The state 2^128 draws on: the transition is linear over GF(2), so its
    // 2^128-th power is a polynomial in it, applied as a sum of the states
    // the next 256 draws pass.
    constexpr void Skok() {
        constexpr std::array<std::uint64_t, 4> Wielomian = {
            0x180ec6d33cfd0abau, 0xd5a61266f0c9392cu, 0xa9582618e03fc9aau, 0x39abdc4529b1661cu};
        Stan suma{};
        for (const std::uint64_t slowo : Wielomian) {
            for (int b = 0; b < 64; ++b) {
                if ((slowo >> b) & 1u) {
                    for (int i = 0; i < 4; ++i) {
                        suma[static_cast<std::size_t>(i)] ^= s_[static_cast<std::size_t>(i)];
                    }
                }
                Nastepny();
            }
        }
        s_ = suma;
    }

    constexpr const Stan& StanSlow() const { return s_; }

private:
    static constexpr std::uint64_t Obrot(std::uint64_t x, int k) {
        return (x << k) | (x >> (64 - k));
    }

    Stan s_{};
};
