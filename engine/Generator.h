#pragma once

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
        s_ = s_ * 134775813u + 1u;
        return s_;
    }
    // An integer in 0..n-1: floor(s * n / 2^32).
    int Losuj(int n) {
        return static_cast<int>(
            (static_cast<std::uint64_t>(Nastepny()) * static_cast<std::uint32_t>(n)) >> 32);
    }
    // A real in [0, 1): s / 2^32, exact as a double.
    double LosujRzeczywista() { return Nastepny() * (1.0 / 4294967296.0); }

private:
    ZrodloZiarna* zrodlo_;
    std::uint32_t s_ = 0;
};
