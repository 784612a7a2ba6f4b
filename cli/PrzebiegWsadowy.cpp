#include "PrzebiegWsadowy.h"

#include "ObliczWyniki.h"
#include "ParserOpcji.h"
#include "PasekPostepu.h"
#include "PlikWynikow.h"
#include "TekstyFluktuacji.h"
#include "UruchomRepliki.h"
#include "WypiszPodsumowanie.h"
#include "ZapiszPlik.h"
#include "ZapiszWyniki.h"
#include "ZrodloZiarna.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <thread>
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

int LiczbaWatkow(const OpcjeWsadowe& o) {
    if (o.Watki) {
        return *o.Watki;
    }
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
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
    std::vector<std::string> pliki{o.Wyjscie};
    for (int k = 0; k < o.Powtorzenia && !o.Przebieg.empty(); ++k) {
        pliki.push_back(NazwaPrzebiegu(o.Przebieg, k, o.Powtorzenia));
    }
    for (const std::string& plik : pliki) {
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
    PasekPostepu pasek(bledy, bledyNaTerminalu);
    const std::vector<WynikRepliki> repliki =
        UruchomRepliki(o, o.Ziarno ? *o.Ziarno : *wylosowane, LiczbaWatkow(o), pasek);

    std::optional<WynikiSerii> wyniki;
    if (o.Parametry.Seria) {
        wyniki = ObliczWyniki(repliki.size() == 1 ? repliki.front().Dane : SrednieReplik(repliki));
    }
    for (const WynikRepliki& r : repliki) {
        if (!r.ZapisPrzebiegu.Udany()) {
            bledy << JednaLinia(r.ZapisPrzebiegu.Komunikat) << '\n';
            return 1;
        }
    }
    if (!o.Wyjscie.empty()) {
        TekstyWynikow teksty = wyniki->Teksty;
        PolaWynikow pola;
        if (o.Fluktuacje) {
            teksty.Fluktuacje = TekstyFluktuacjiZ(FluktuacjeReplik(repliki));
            pola.Fluktuacje = true;
        }
        const WynikZapisu w = ZapiszWyniki(o.Wyjscie, teksty, pola, TypWyjscia(o.Wyjscie), nullptr);
        if (!w.Udany()) {
            bledy << JednaLinia(w.Komunikat) << '\n';
            return 1;
        }
    }
    if (wylosowane) {
        wyjscie << "ziarno " << *wylosowane << '\n';
    }
    WypiszPodsumowanie(wyjscie, repliki, wyniki);
    return 0;
}
