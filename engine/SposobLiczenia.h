#pragma once

// How a chunk keeps what its sample reads. Both ways make the same draws and
// leave the same counts at the sample; they differ only in cost.
enum class SposobLiczenia {
    // Chosen before every chunk by WybierzSposobLiczenia, from the chunk before.
    Samoczynny,
    // Every accepted exchange moves the histogram and writes the border
    // copies: the sample only reads them. Cheapest when samples are close.
    NaBiezaco,
    // An accepted exchange keeps only the atoms' bytes (kind and A
    // neighbours); the sample counts the histogram from the bytes and
    // refreshes the border. Cheapest when samples are far apart.
    PrzyPomiarze,
};

// The way for the next chunk of a lattice of `atomy` atoms, given how many
// exchanges the chunk before accepted. Counting at the sample reads every
// atom's byte once and copies the faces: about 0.4 ns an atom on the
// development machine (1 ns on a 10 x 10 lattice). Keeping the counts costs
// more per accepted exchange: 1 to 2 ns on the square and honeycomb lattices,
// 5 ns on the cubic and 13 ns on the triangular one since the second site's
// tries are drawn side by side (they hide much of it), so counting at the
// sample pays from one accepted exchange per 3 to 35 atoms. The rule asks for
// one per 10, a few per cent off the best way near those break-evens; the
// window's short chunks keep the way they were measured with.
constexpr SposobLiczenia WybierzSposobLiczenia(int atomy, long long przyjete) {
    return przyjete * 10 > atomy ? SposobLiczenia::PrzyPomiarze : SposobLiczenia::NaBiezaco;
}
