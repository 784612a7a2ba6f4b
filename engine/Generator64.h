#pragma once

#include "Xoshiro256.h"

#include <array>
#include <cstdint>

class ZrodloZiarna;

#if defined(__SIZEOF_INT128__) && !defined(__wasm__)
// Where one instruction multiplies 64 by 64 bits into 128.
__extension__ typedef unsigned __int128 Iloczyn128;
#endif

// The 64-bit generator as the engine draws from it: a replica's stream of
// xoshiro256++ (the seed's stream after `strumien` jumps of 2^128), read
// through a buffer of draws, so that the exchange loop can look at the draws
// of several tries before it knows how many it takes. Draws are taken from
// the buffer strictly in order, so a run's numbers do not depend on how its
// attempts are split into chunks.
class Generator64 {
public:
    static constexpr unsigned RozmiarBufora = 64;

    explicit Generator64(ZrodloZiarna& zrodlo) : zrodlo_(&zrodlo) {}

    // Which of the seed's streams the next seed starts: replica k takes k.
    void UstawStrumien(std::uint32_t strumien) { strumien_ = strumien; }
    // Takes a new seed from the source and starts the stream there, or keeps
    // the stream when the source gives none.
    void Przelosuj();
    // The stream `strumien` of the seed `ziarno`, with an empty buffer.
    void Zasiej(std::uint32_t ziarno, std::uint32_t strumien);

    std::uint64_t Nastepny() {
        if (pozycja_ == RozmiarBufora) {
            pozycja_ = Uzupelnij(pozycja_);
        }
        return bufor_[pozycja_++];
    }
    // An integer in 0..n-1 (n >= 1): floor(r n / 2^64), off the exact
    // uniform share by at most n / 2^64.
    int Losuj(int n) { return static_cast<int>(Gora(Nastepny(), static_cast<std::uint32_t>(n))); }
    // A real in [0, 1) from the upper 53 bits, exact as a double.
    double LosujRzeczywista() { return static_cast<double>(Nastepny() >> 11) * 0x1p-53; }

    // floor(r n / 2^64) for n < 2^32, in 64-bit products only (WebAssembly
    // has no wider one). With r n mod 2^64 taken as the next r, a chain of
    // these gives the digits of floor(r N / 2^64), N the product of the n:
    // one draw gives a whole site.
    static constexpr std::uint64_t Gora(std::uint64_t r, std::uint32_t n) {
        return ((r >> 32) * n + (((r & 0xffffffffu) * n) >> 32)) >> 32;
    }
    // Gora(r, n) into `cyfra`, returning r n mod 2^64, the draw of the next
    // digit: one multiplication where the machine has a 128-bit product.
    static std::uint64_t Cyfra(std::uint64_t r, std::uint32_t n, std::uint64_t& cyfra) {
#if defined(__SIZEOF_INT128__) && !defined(__wasm__)
        const Iloczyn128 iloczyn = static_cast<Iloczyn128>(r) * n;
        cyfra = static_cast<std::uint64_t>(iloczyn >> 64);
        return static_cast<std::uint64_t>(iloczyn);
#else
        // Gora's two partial products give the low half too.
        const std::uint64_t wysokie = (r >> 32) * n;
        const std::uint64_t niskie = (r & 0xffffffffu) * n;
        cyfra = (wysokie + (niskie >> 32)) >> 32;
        return (wysokie << 32) + niskie;
#endif
    }

    // The buffer as the exchange loop reads it: draws Pozycja().. are unused.
    const std::uint64_t* Bufor() const {
        return bufor_.data();
    }
    unsigned Pozycja() const {
        return pozycja_;
    }
    void UstawPozycje(unsigned pozycja) {
        pozycja_ = pozycja;
    }
    // Moves the unused draws from `od` on to the front and fills the rest of
    // the buffer with new ones; returns their new position, 0.
    unsigned Uzupelnij(unsigned od);

private:
    ZrodloZiarna* zrodlo_;
    // Stream 0 of seed 0 until a seed comes: never the all-zero state, from
    // which xoshiro gives only zeros.
    Xoshiro256 rdzen_ = Xoshiro256::ZZiarna(0);
    std::uint32_t strumien_ = 0;
    unsigned pozycja_ = RozmiarBufora;
    std::array<std::uint64_t, RozmiarBufora> bufor_{};
};
