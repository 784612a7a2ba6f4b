#pragma once

#include "PlikWynikow.h"
#include "TekstyWynikow.h"
#include "WynikZapisu.h"

#include <functional>
#include <string>

// The whole save of "Zapisz wyniki" after the dialog: the file's bytes, the
// safe write, and only after a successful write the remembering of the file's
// folder (the window stores it as "KatalogDoZapisu").
WynikZapisu ZapiszWyniki(const std::string& sciezka, const TekstyWynikow& teksty,
                         const PolaWynikow& pola, char separator,
                         const std::function<void(const std::string&)>& zapamietajKatalog);

// The bytes of the results file of a type: Csv and Txt the text file with
// the comma or the tab (TrescPlikuWynikow), Xlsx the workbook. Every front end
// writes its files from these bytes. Throws std::invalid_argument for a
// character Windows-1250 lacks, std::runtime_error when the workbook cannot be
// made.
std::string TrescWynikow(const TekstyWynikow& teksty, const PolaWynikow& pola, TypPlikuWynikow typ);

// The same for the file type chosen in the dialog: Csv and Txt the text file
// with the comma or the tab, Xlsx the workbook (SkoroszytWynikow). The file
// name's extension plays no part.
WynikZapisu ZapiszWyniki(const std::string& sciezka, const TekstyWynikow& teksty,
                         const PolaWynikow& pola, TypPlikuWynikow typ,
                         const std::function<void(const std::string&)>& zapamietajKatalog);
