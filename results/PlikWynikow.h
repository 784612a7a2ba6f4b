#pragma once

#include "RodzajSieci.h"
#include "TekstyWynikow.h"

#include <string>
#include <vector>

// The file types of the save dialog, numbered as its entries (1-based), with
// their filters in UTF-8.
enum class TypPlikuWynikow { Csv = 1, Txt = 2, Xlsx = 3 };
inline constexpr const char* FiltrCsv = "Arkusz Microsoft Excel (R) 2000 (*.csv)";
inline constexpr const char* FiltrTxt = "Plik tekstowy (*.txt)";
inline constexpr const char* FiltrXlsx = "Skoroszyt programu Excel (*.xlsx)";

// The separators of the two text file types: type 1 (*.csv) the comma, type 2
// (*.txt) the tab.
constexpr char SeparatorCsv = ',';
constexpr char SeparatorTxt = '\t';
char SeparatorTypu(int typ);

// The lines of the results file as fields, UTF-8: the file joins the fields
// of a line with the separator, the workbook puts each into a cell of its
// row. An empty line has no field; a trailing separator is an empty last field.
// With PolaWynikow::Fluktuacje the columns "Cv/kN (fluktuacje):" and "Błąd
// std.:" follow the Cv/kN column and the fields of TekstyFluktuacji's
// transition line follow the transition lines.
std::vector<std::vector<std::string>> WierszeWynikow(const TekstyWynikow& teksty,
                                                     const PolaWynikow& pola);

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
