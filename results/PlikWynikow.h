#pragma once

#include "RodzajSieci.h"
#include "TekstyWynikow.h"

#include <string>

// The separators of the two file types of the save dialog: type 1 (*.csv)
// the comma, type 2 (*.txt) the tab.
constexpr char SeparatorCsv = ',';
constexpr char SeparatorTxt = '\t';
char SeparatorTypu(int typ);

// The bytes of the results file, Windows-1250 with CR LF line ends, for the
// given texts and check boxes; the description lines, the heading line and
// the data lines as the window writes them. Throws std::invalid_argument when
// a text holds a character Windows-1250 lacks.
std::string TrescPlikuWynikow(const TekstyWynikow& teksty, const PolaWynikow& pola, char separator);

// The file name the save dialog proposes for a lattice kind.
std::string DomyslnaNazwaPliku(RodzajSieci rodzaj);

// The folder remembered after a save: the path up to its last separator,
// without that separator unless the folder is a root ("/" for "/a.csv",
// "D:\" for "D:\a.csv"). Empty for a bare file name.
std::string KatalogPliku(const std::string& sciezka);
