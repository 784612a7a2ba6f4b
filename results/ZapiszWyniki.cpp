#include "ZapiszWyniki.h"

#include "SkoroszytWynikow.h"
#include "ZapiszPlik.h"

#include <stdexcept>

namespace {
WynikZapisu NieMoznaUtworzyc(const std::string& sciezka, const std::string& powod) {
    return {StanZapisu::Blad, "Fazolab - Zapis wyników",
            "Nie można zapisać pliku:\n" + sciezka + "\n" + powod};
}

WynikZapisu Zapisz(const std::string& sciezka, const std::string& bajty,
                   const std::function<void(const std::string&)>& zapamietajKatalog) {
    WynikZapisu wynik = ZapiszPlik(sciezka, bajty);
    if (wynik.Udany() && zapamietajKatalog) {
        zapamietajKatalog(KatalogPliku(sciezka));
    }
    return wynik;
}
} // namespace

WynikZapisu ZapiszWyniki(const std::string& sciezka, const TekstyWynikow& teksty,
                         const PolaWynikow& pola, char separator,
                         const std::function<void(const std::string&)>& zapamietajKatalog) {
    std::string bajty;
    try {
        bajty = TrescPlikuWynikow(teksty, pola, separator);
    } catch (const std::invalid_argument&) {
        return NieMoznaUtworzyc(sciezka,
                                "Wyniki zawierają znak spoza strony kodowej Windows-1250.");
    }
    return Zapisz(sciezka, bajty, zapamietajKatalog);
}

std::string TrescWynikow(const TekstyWynikow& teksty, const PolaWynikow& pola,
                         TypPlikuWynikow typ) {
    if (typ == TypPlikuWynikow::Xlsx) {
        return TrescSkoroszytuWynikow(teksty, pola);
    }
    return TrescPlikuWynikow(teksty, pola, SeparatorTypu(static_cast<int>(typ)));
}

WynikZapisu ZapiszWyniki(const std::string& sciezka, const TekstyWynikow& teksty,
                         const PolaWynikow& pola, TypPlikuWynikow typ,
                         const std::function<void(const std::string&)>& zapamietajKatalog) {
    if (typ != TypPlikuWynikow::Xlsx) {
        return ZapiszWyniki(sciezka, teksty, pola, SeparatorTypu(static_cast<int>(typ)),
                            zapamietajKatalog);
    }
    std::string bajty;
    try {
        bajty = TrescWynikow(teksty, pola, typ);
    } catch (const std::runtime_error&) {
        return NieMoznaUtworzyc(sciezka, "Nie udało się przygotować skoroszytu w folderze plików "
                                         "tymczasowych systemu.");
    }
    return Zapisz(sciezka, bajty, zapamietajKatalog);
}
