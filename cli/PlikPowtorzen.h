#pragma once

#include "BadaniePowtorzen.h"

#include <string>
#include <variant>
#include <vector>

// The file of --powtorzenia-plik: a study's parameters and every figure of its
// replicas, so that the parts of a study run apart give the summary and the
// results file of one process. UTF-8 text, one record a line, fields
// separated by single spaces, reals with 17 significant digits (read back to
// the same bits). The first line names the format and its version:
//
//   fazolab-batch powtorzenia 3
//   siec 2DKwadrat                  lattice kind, as --siec takes it
//   osie X Y Z                      atoms per axis as given (Z unused when flat)
//   koncentracja C                  of A atoms, in hundredths
//   lambda S E K                    start, end and step, in hundredths
//   seria 0|1                       a series (1) or a single run (0)
//   co P                            the sampling interval, in hundreds of iterations
//   iteracje N                      per series
//   uklad przypadkowe|uporzadkowane|wydzielenie
//   tryb porzadkowanie|klasteryzacja
//   stopien D|-                     the degree of the fit, "-" automatic
//   ziarno Z 0|1                    the seed base; 1 when read from the clock
//   powtorzenia N                   replicas of the whole study
//   generator xoshiro               the replicas' generator; a file without
//                                   this line drew from the window's
//   starty 2                        only with --dwa-starty: the verdicts below
//                                   include the two-start check
// then for each replica held, in replica order:
//   replika k
//   dane n J cB z A X Y Z           series stored, the offset J, the fraction of
//                                   B atoms, neighbours, atoms and the axes
//   lambdy L0 .. L25                the per-series lambdas as the engine keeps them
//   sigmy S0 .. S25                 the per-series stored sigmas
//   wynik lambda sigma srednia blad cv cvblad rownowaga
//                                   one line per series: the summary's figures,
//                                   the fluctuation Cv/kN with its error and
//                                   osiagnieta|nieosiagnieta|nieznana
//   pary P ..                       after each "wynik": the pair counts the
//                                   series kept after its burn-in, in order,
//                                   which the reweighting of the transition reads
// A reader takes exactly this version and refuses anything else (versions 1
// and 2 lacked the samples reweighting needs, and 1 the fluctuation's error
// and the equilibrium, so they cannot give the bytes of one process). It
// trusts nothing: the header passes the engine's own check of its parameters
// (NiepoprawnyParametr), every line has exactly its fields (a series' pair
// counts as many as its samples less a burn-in within ProbkiRozbiegu's
// bounds), every number is
// finite and within what the parameters allow (only an error may be "nan":
// too few samples to tell), and the last line must end: a file cut anywhere
// is refused, one cut between replicas lacks them at the merge. Lines may end
// in CR LF.
std::string TrescPlikuPowtorzen(const BadaniePowtorzen& badanie);

// The header lines (up to "powtorzenia"), without their line ends: two parts
// belong to one study when these are equal.
std::vector<std::string> NaglowekPlikuPowtorzen(const BadaniePowtorzen& badanie);

// The study in `tresc`, or the Polish reason it is not a replica file of this
// version ("wiersz 5: ...").
std::variant<BadaniePowtorzen, std::string> CzytajPlikPowtorzen(const std::string& tresc);
