#include "ZapiszWyniki.h"

#include "PlikWynikow.h"
#include "ZapiszPlik.h"

#include <stdexcept>

WynikZapisu ZapiszWyniki(const std::string& sciezka, const TekstyWynikow& teksty,
                         const PolaWynikow& pola, char separator,
                         const std::function<void(const std::string&)>& zapamietajKatalog) {
    std::string bajty;
    try {
        bajty = TrescPlikuWynikow(teksty, pola, separator);
    } catch (const std::invalid_argument&) {
        return {StanZapisu::Blad, "Fazolab - Zapis wyników",
                "Nie można zapisać pliku:\n" + sciezka +
                    "\nWyniki zawierają znak spoza strony kodowej Windows-1250."};
    }
    WynikZapisu wynik = ZapiszPlik(sciezka, bajty);
    if (wynik.Udany() && zapamietajKatalog) {
        zapamietajKatalog(KatalogPliku(sciezka));
    }
    return wynik;
}
