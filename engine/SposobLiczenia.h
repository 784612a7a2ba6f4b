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
// atom's byte once and copies the faces, about 0.6 ns an atom on the
// development machine; keeping the counts costs about 10 ns more per accepted
// exchange. Counting at the sample pays from one accepted exchange per 17
// atoms; the rule asks for one per 10, so that near the break-even the
// window's short chunks keep the way they had.
constexpr SposobLiczenia WybierzSposobLiczenia(int atomy, long long przyjete) {
    return przyjete * 10 > atomy ? SposobLiczenia::PrzyPomiarze : SposobLiczenia::NaBiezaco;
}
