#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class ZrodloZiarna;

// One call of fazolab-batch: reads the options, runs single runs or series
// with the same engine and results computation as the window (without its
// timer), as one run or as independent replicas on several threads, writes
// the files asked for and prints the summary table. Returns
// the exit status: 0 done, 1 a file or standard output could not be written
// or another run holds the outputs (the files of a run replace the earlier
// ones all together or not at all), 2 refused options or replica files,
// 128 + N when signal N (SIGINT, SIGTERM, SIGHUP) stopped the run, which then
// wrote nothing. With --sprawdz: the checks alone, and the study's header.
// Without --ziarno the run takes one seed from `zegar` and the summary's
// first line names it ("ziarno N").
int UruchomWsadowo(const std::vector<std::string>& argumenty, ZrodloZiarna& zegar,
                   std::ostream& wyjscie, std::ostream& bledy, bool bledyNaTerminalu);
