#pragma once

#include "OpcjeWsadowe.h"

#include <emscripten/val.h>
#include <string>

// The page's parameters as they cross into the module: a JavaScript object of
// the fields of PolaParametrow, on the window's scale, read straight into the
// run's parameters and checked by the engine. Each returns the Polish refusal
// of the first bad field, empty when everything is good; a missing field keeps
// the window's default.
std::string ParametryZJs(const emscripten::val& o, ParametrySymulacji& p);

// The seed of a run: a whole number 0..2^32-1.
std::string ZiarnoZJs(const emscripten::val& z, std::uint32_t& ziarno);

// A replica of the page's parameters ({ziarno, powtorzenia, stopien,
// dwaStarty, generator} beside them) as the batch runner's options would set it
// up, so that its part merges with the batch runner's.
std::string OpcjeReplikiZJs(const emscripten::val& parametry, const emscripten::val& opcje,
                            OpcjeWsadowe& o);

// The fields' names and the window's defaults, in the list's order:
// [{nazwa, domyslna}].
emscripten::val PolaParametrowJs();
