#pragma once

#include <optional>
#include <string>
#include <vector>

// One file a run is asked to write, with the option that names it as the user
// reads it ("--wyjscie", "--przebieg (powtórzenie 3)").
struct PlikWyjsciowy {
    std::string Sciezka;
    std::string Opcja;
};

// The Polish line for the first two outputs that would land on one file (the
// same name, links to one file, or one name reached by two spellings), so that
// neither silently overwrites the other; none when all differ. Devices, pipes
// and standard output (/dev/null, /dev/stdout) may take several outputs.
std::optional<std::string> KolizjaWyjsc(const std::vector<PlikWyjsciowy>& pliki);
