#pragma once

#include <optional>
#include <string>

struct OpcjeWsadowe;

// What a study of these options holds in memory at most, in bytes, with
// `watki` engines at work: each engine with its lattice, stores and the
// samples of the replica it runs (three reals a sample, a line of the trace
// when one is asked for), and every replica's pair counts kept after its
// burn-in (at most half its samples) until the study ends; a size study keeps
// those of every size.
double PamiecBadania(const OpcjeWsadowe& o, int watki);

// The machine's physical memory in bytes, or 0 where it cannot be told.
double PamiecKomputera();

// The one Polish line that refuses a study needing more than 80 % of
// `dostepna` bytes (naming both in MB or GB), or nothing when it fits or
// `dostepna` is 0.
std::optional<std::string> OdmowaPamieci(const OpcjeWsadowe& o, int watki, double dostepna);

// Bytes as the refusal writes them: "850 MB", "12.3 GB".
std::string TekstBajtow(double bajty);
