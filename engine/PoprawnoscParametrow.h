#pragma once

struct ParametrySymulacji;

// The one check of a run's parameters, which the engine applies before a run
// and every reader of a file of parameters applies before using them: the
// name of the first parameter out of its range ("IloscAtomowOsX", "Krok"),
// nullptr when every one is within its range. On the window's scale a series
// holds at most the 24 lambdas and the MaxPomiarowSerii samples its tables
// and stores were made for; on the batch runner's only memory bounds them
// (PamiecObliczen).
const char* NiepoprawnyParametr(const ParametrySymulacji& p);

// The same check for a caller that cannot go on: throws std::invalid_argument
// ("Niepoprawny parametr: Krok").
void SprawdzParametry(const ParametrySymulacji& p);

// The samples one series of these parameters records: one at its start, then
// one every interval up to the first past the iteration count.
int PomiarowSerii(const ParametrySymulacji& p);

// The bytes one engine takes for a run of these parameters: the lattice with
// its border, the sample stores, the per-series tables and the order parameter's
// masks of a study.
double PamiecObliczen(const ParametrySymulacji& p);
