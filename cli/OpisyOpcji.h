#pragma once

#include <string>
#include <string_view>
#include <vector>

// One option of fazolab-batch as the user reads of it: --pomoc lists these,
// the help document and the manual pages repeat them, and the parser takes no
// option that is not here. The ranges and defaults in the texts come from the
// program's own tables.
struct OpisOpcji {
    std::vector<std::string> Nazwy; // the name first, then its other spellings
    std::string Wartosc;            // how the value is written; empty for a switch
    std::string Opis;               // one paragraph, unwrapped
};

// Every option, in the order --pomoc lists them.
const std::vector<OpisOpcji>& OpisyOpcji();

// The option with this name or spelling, or nullptr.
const OpisOpcji* ZnajdzOpcje(std::string_view nazwa);

// The names and the value as a list's line opens: "--osie X | XxY | XxYxZ",
// "--pomoc, -h, --help".
std::string NaglowekOpcji(const OpisOpcji& opis);

// The usage text of --pomoc: the list of OpisyOpcji, wrapped, then the
// examples of a split study and the exit codes.
std::string TekstPomocy();
