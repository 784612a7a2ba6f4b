#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class ZrodloZiarna;

// The 32-bit linear congruential generator of the simulation. Each draw first
// advances the state s = s * 134775813 + 1 (mod 2^32) and then reads it.
class Generator {
public:
    explicit Generator(ZrodloZiarna& zrodlo) : zrodlo_(&zrodlo) {}

    // Takes a new state from the seed source, or keeps the stream when it gives none.
    void Przelosuj();
    std::uint32_t Stan() const { return s_; }

    std::uint32_t Nastepny() {
        s_ = s_ * Mnoznik + 1u;
        return s_;
    }
    // An integer in 0..n-1: floor(s * n / 2^32).
    int Losuj(int n) { return Calkowita(Nastepny(), n); }
    // A real in [0, 1): s / 2^32, exact as a double.
    double LosujRzeczywista() { return Nastepny() * (1.0 / 4294967296.0); }

    // The state k draws after s (k < 64), a^k s + c (a^(k-1) + ... + 1)
    // (mod 2^32), in one multiplication: the draws of several tries can then
    // be made side by side instead of one after another. The jumps are a
    // table, so a constant k is folded and any other costs one load.
    static constexpr std::uint32_t StanPo(std::uint32_t s, int k) {
        return Skoki[static_cast<std::size_t>(k)].a * s + Skoki[static_cast<std::size_t>(k)].c;
    }
    // The integer in 0..n-1 that Losuj(n) gives when its draw is the state s.
    static constexpr int Calkowita(std::uint32_t s, int n) {
        return static_cast<int>((static_cast<std::uint64_t>(s) * static_cast<std::uint32_t>(n)) >>
                                32);
    }
    // Continues the stream from a state reached by jumps (StanPo).
    void UstawStan(std::uint32_t s) { s_ = s; }

private:
    static constexpr std::uint32_t Mnoznik = 134775813u;
    struct Skok {
        std::uint32_t a, c;
    };
    static constexpr std::array<Skok, 64> Skoki = [] {
        std::array<Skok, 64> t{};
        t[0] = {1u, 0u};
        for (std::size_t k = 1; k < t.size(); ++k) {
            t[k] = {t[k - 1].a * Mnoznik, t[k - 1].c * Mnoznik + 1u};
        }
        return t;
    }();

    ZrodloZiarna* zrodlo_;
    std::uint32_t s_ = 0;
};
