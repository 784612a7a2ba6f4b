#pragma once

#include "BadaniePowtorzen.h"
#include "PlikWynikow.h"
#include "WynikZapisu.h"
#include "WynikiSerii.h"

#include <optional>
#include <string>

// The results of a study's series: the fit of the one replica's stored
// sigmas, or of their means over the replicas. None for a single run.
std::optional<WynikiSerii> WynikiBadania(const BadaniePowtorzen& badanie);

// The batch has no dialog: the extension chooses the type of a results file
// (".csv" the comma, ".xlsx" the workbook, in any case of letters), a name
// without a known one gets the tab-separated text.
TypPlikuWynikow TypWyjscia(const std::string& nazwa);

// The results file of a study's series (--wyjscie) with the type its name
// chooses, `wyniki` being the study's WynikiBadania; with `fluktuacje`
// (--fluktuacje) also the columns and the transition line of the estimate
// from the fluctuations, of the replica means when there are several.
WynikZapisu ZapiszWynikiBadania(const std::string& sciezka, const BadaniePowtorzen& badanie,
                                const WynikiSerii& wyniki, bool fluktuacje);

// The bytes ZapiszWynikiBadania writes for a file of type `typ`. Throws
// std::invalid_argument when a text lacks its Windows-1250 character and
// std::runtime_error when the workbook cannot be built.
std::string BajtyWynikowBadania(const BadaniePowtorzen& badanie, const WynikiSerii& wyniki,
                                bool fluktuacje, TypPlikuWynikow typ);
