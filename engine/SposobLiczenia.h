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
// atom's byte once and copies the faces (about 0.5 ns an atom measured on the
// development machine); keeping the counts costs about 5 ns more per accepted
// exchange. So counting at the sample pays once a chunk accepts more than
// about one exchange per ten atoms.
constexpr SposobLiczenia WybierzSposobLiczenia(int atomy, long long przyjete) {
    return przyjete * 10 > atomy ? SposobLiczenia::PrzyPomiarze : SposobLiczenia::NaBiezaco;
}
