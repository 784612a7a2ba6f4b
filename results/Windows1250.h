#pragma once

#include <string>
#include <string_view>

// UTF-8 text in the single-byte Windows-1250 code page of the results file,
// through the C library's codec. Throws std::invalid_argument on a character
// the code page lacks or on malformed UTF-8, rather than writing a guess.
std::string NaWindows1250(std::string_view utf8);
