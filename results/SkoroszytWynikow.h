#pragma once

#include "TekstyWynikow.h"

#include <string>

// The bytes of the results as an .xlsx workbook: one sheet "Wyniki" holding the
// lines and fields of the results file (WierszeWynikow), one line to a row and
// one field to a cell, in the same places. A field written as a fixed-point
// number ("0.1234", "-2", "1000") becomes a numeric cell shown with as many
// decimals as the text has ("0.0000"), so that a spreadsheet in any locale
// reads a number; every other field is a text cell (UTF-8). Empty fields leave
// their cells empty. Throws std::runtime_error when the workbook cannot be
// built (the library needs the system's folder of temporary files).
std::string TrescSkoroszytuWynikow(const TekstyWynikow& teksty, const PolaWynikow& pola);
