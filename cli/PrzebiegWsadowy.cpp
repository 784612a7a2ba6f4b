#include "PrzebiegWsadowy.h"

#include "ObliczWyniki.h"
#include "Obliczenia.h"
#include "PasekPostepu.h"
#include "ParserOpcji.h"
#include "PlikWynikow.h"
#include "StaleZiarno.h"
#include "StatystykaProbek.h"
#include "ZapisPrzebiegu.h"
#include "ZapiszPlik.h"
#include "ZapiszWyniki.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <ostream>
#include <unistd.h>

namespace {
bool KonczySieNa(const std::string& nazwa, const std::string& rozszerzenie) {
    if (nazwa.size() < rozszerzenie.size()) {
        return false;
    }
    std::string koncowka = nazwa.substr(nazwa.size() - rozszerzenie.size());
    std::transform(koncowka.begin(), koncowka.end(), koncowka.begin(),
                   [](unsigned char z) { return static_cast<char>(std::tolower(z)); });
    return koncowka == rozszerzenie;
}

// The batch has no dialog: the extension chooses the type, a name without a
// known one gets the tab-separated text.
TypPlikuWynikow TypWyjscia(const std::string& nazwa) {
    if (KonczySieNa(nazwa, ".csv")) {
        return TypPlikuWynikow::Csv;
    }
    return KonczySieNa(nazwa, ".xlsx") ? TypPlikuWynikow::Xlsx : TypPlikuWynikow::Txt;
}

// Checked before the run, so that an hour of computing is not lost to a typo.
bool FolderPozwalaZapisac(const std::string& sciezka) {
    std::filesystem::path folder = std::filesystem::path(sciezka).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::error_code blad;
    return std::filesystem::is_directory(folder, blad) && ::access(folder.c_str(), W_OK) == 0 &&
           !std::filesystem::is_directory(sciezka, blad);
}

std::string JednaLinia(std::string tekst) {
    std::replace(tekst.begin(), tekst.end(), '\n', ' ');
    tekst.erase(std::remove(tekst.begin(), tekst.end(), '\r'), tekst.end());
    return tekst;
}

std::string Liczba(double wartosc, const char* format) {
    if (std::isnan(wartosc)) {
        return "-";
    }
    char bufor[32];
    std::snprintf(bufor, sizeof bufor, format, wartosc);
    return bufor;
}

void WypiszPodsumowanie(std::ostream& wyjscie, const Obliczenia& obl, const ZapisPrzebiegu& zapis,
                        const std::optional<WynikiSerii>& wyniki) {
    const StanObliczen& s = obl.Stan();
    wyjscie << "seria    lambda     sigma  sigma śr.  błąd std.  Cv/kN (fluktuacje)"
               "  Cv/kN (dopasowanie)\n";
    for (int k = 1; k <= s.NrSerii; ++k) {
        const std::vector<double>& sigmy = zapis.Sigmy(k);
        const std::vector<double>& pary = zapis.Pary(k);
        const std::size_t polowa = sigmy.size() / 2;
        const SredniaZBledem srednia = SredniaBlokowa(std::span(sigmy).subspan(polowa));
        const double lambda = s.LambdaSerii[k];
        const double cv =
            lambda * lambda * Wariancja(std::span(pary).subspan(polowa)) / s.IloscAtomow;
        const double dopasowane = wyniki ? wyniki->CvkN[k] : std::nan("");
        char linia[200];
        std::snprintf(linia, sizeof linia, "%5d %9s %9s %10s %10s %19s %20s\n", k,
                      Liczba(lambda, "%.4f").c_str(), Liczba(s.SigmaSerii[k], "%.4f").c_str(),
                      Liczba(srednia.Srednia, "%.4f").c_str(), Liczba(srednia.Blad, "%.4f").c_str(),
                      Liczba(cv, "%.4f").c_str(), Liczba(dopasowane, "%.4f").c_str());
        wyjscie << linia;
    }
}
} // namespace

int UruchomWsadowo(const std::vector<std::string>& argumenty, ZrodloZiarna& zegar,
                   std::ostream& wyjscie, std::ostream& bledy, bool bledyNaTerminalu) {
    const auto przeczytane = CzytajOpcje(argumenty);
    if (const BladOpcji* blad = std::get_if<BladOpcji>(&przeczytane)) {
        bledy << blad->Komunikat << '\n';
        return 2;
    }
    const OpcjeWsadowe& o = std::get<OpcjeWsadowe>(przeczytane);
    if (o.Pomoc) {
        wyjscie << TekstPomocy();
        return 0;
    }
    for (const std::string& plik : {o.Wyjscie, o.Przebieg}) {
        if (!plik.empty() && !FolderPozwalaZapisac(plik)) {
            bledy << "Nie można zapisać pliku: " << plik
                  << " (folder nie istnieje, nie pozwala na zapis lub to jest folder).\n";
            return 1;
        }
    }

    // An unseeded run reads the clock once and then runs as if that seed had
    // been given, so it can be repeated with --ziarno.
    std::optional<std::uint32_t> wylosowane;
    if (!o.Ziarno) {
        wylosowane = zegar.Ziarno().value_or(0);
    }
    StaleZiarno zrodlo(o.Ziarno ? *o.Ziarno : *wylosowane);
    Obliczenia obl(zrodlo);
    ZapisPrzebiegu zapis(!o.Przebieg.empty());
    obl.UstawObserwatora(&zapis);
    obl.UstawSiec();
    obl.PrzygotujObliczenia(o.Parametry);

    PasekPostepu pasek(bledy, bledyNaTerminalu);
    const int liczbaSerii = obl.Stan().LiczbaSerii;
    long long proby = 0;
    for (StanKroku krok = StanKroku::Trwa; krok != StanKroku::Koniec;) {
        pasek.Pokaz(obl.Stan().NrSerii, liczbaSerii,
                    obl.Stan().NrCyklu - obl.Stan().PrzedzialCzasowy, obl.Stan().MaxIloscCykli,
                    proby);
        proby += obl.Stan().PrzedzialCzasowy;
        krok = obl.KrokSymulacji();
        if (krok == StanKroku::SeriaZakonczona) {
            obl.RozpocznijNastepnaSerie();
        }
    }
    pasek.Zakoncz(liczbaSerii, obl.Stan().MaxIloscCykli, proby);

    std::optional<WynikiSerii> wyniki;
    if (o.Parametry.Seria) {
        wyniki = ObliczWyniki(obl, o.Stopien, obl.LosujPrzesuniecieTc());
    }
    if (!o.Przebieg.empty()) {
        const WynikZapisu w = ZapiszPlik(o.Przebieg, zapis.Przebieg());
        if (!w.Udany()) {
            bledy << JednaLinia(w.Komunikat) << '\n';
            return 1;
        }
    }
    if (!o.Wyjscie.empty()) {
        const WynikZapisu w =
            ZapiszWyniki(o.Wyjscie, wyniki->Teksty, PolaWynikow{}, TypWyjscia(o.Wyjscie), nullptr);
        if (!w.Udany()) {
            bledy << JednaLinia(w.Komunikat) << '\n';
            return 1;
        }
    }
    if (wylosowane) {
        wyjscie << "ziarno " << *wylosowane << '\n';
    }
    WypiszPodsumowanie(wyjscie, obl, zapis, wyniki);
    return 0;
}
