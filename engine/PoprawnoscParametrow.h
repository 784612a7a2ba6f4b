#pragma once

struct ParametrySymulacji;

// The one check of a run's parameters, which the engine applies before a run
// and every reader of a file of parameters applies before using them: the
// name of the first parameter out of its range ("IloscAtomowOsX", "Krok"),
// nullptr when every one is within its range. A series holds at most the 24
// lambdas the per-series tables have room for, and every sample of a series
// finds its place in the stores.
const char* NiepoprawnyParametr(const ParametrySymulacji& p);

// The same check for a caller that cannot go on: throws std::invalid_argument
// ("Niepoprawny parametr: Krok").
void SprawdzParametry(const ParametrySymulacji& p);

// The samples one series of these parameters records: one at its start, then
// one every interval up to the first past the iteration count.
int PomiarowSerii(const ParametrySymulacji& p);
