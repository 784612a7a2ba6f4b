#pragma once

#include <emscripten/val.h>
#include <string>
#include <vector>

struct FluktuacjeSerii;
struct ParametrySymulacji;
struct Pomiar;
struct PostepObliczen;
struct StanObliczen;
struct WynikiSerii;
class Siec;
enum class StanKroku;

// The core's records as plain JavaScript objects, named as in the core, for
// the API of wasm/API.md. Views into the module's memory are marked; every
// other value is a copy.
emscripten::val TekstyJs(const std::vector<std::string>& teksty);
emscripten::val KrokJs(StanKroku stan, const PostepObliczen& postep);
emscripten::val StanJs(const StanObliczen& stan);
emscripten::val PomiarJs(const Pomiar& pomiar);
// A view of the lattice's cells, valid until the module's memory grows.
emscripten::val SiecJs(const Siec& siec);
emscripten::val WynikiJs(const WynikiSerii& wyniki);
// `miejscaLambdy`: the decimals the run's lambdas are written with.
emscripten::val FluktuacjeJs(const FluktuacjeSerii& fluktuacje,
                             const ParametrySymulacji& parametry);
// A copy of the bytes, as a Uint8Array.
emscripten::val BajtyJs(const std::string& bajty);
// A copy of the doubles, as a Float64Array.
emscripten::val LiczbyJs(const std::vector<double>& liczby);
