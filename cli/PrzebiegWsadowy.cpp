#include "PrzebiegWsadowy.h"

#include "BadaniePowtorzen.h"
#include "BadanieRozmiarow.h"
#include "DostepneProcesory.h"
#include "KolizjaWyjsc.h"
#include "NadzorWsadowy.h"
#include "OpisyOpcji.h"
#include "ParserOpcji.h"
#include "PasekPostepu.h"
#include "PlikPowtorzen.h"
#include "PlikWynikowBadania.h"
#include "ScalPowtorzenia.h"
#include "UruchomRepliki.h"
#include "WypiszPodsumowanie.h"
#include "ZapiszPlik.h"
#include "ZrodloZiarna.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <sstream>
#include <unistd.h>

namespace {
// Checked before the run, so that an hour of computing is not lost to a typo.
// A device or a pipe is written as it is; anything else needs a folder that
// takes a new file.
bool CelPozwalaZapisac(const std::string& sciezka) {
    if (ZapisywanyWprost(sciezka)) {
        return true;
    }
    const std::filesystem::path cel = CelDowiazania(sciezka);
    std::error_code blad;
    if (std::filesystem::is_directory(cel, blad)) {
        return false;
    }
    std::filesystem::path folder = cel.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    return std::filesystem::is_directory(folder, blad) && ::access(folder.c_str(), W_OK) == 0;
}

std::string NiemoznaZapisac(const std::string& sciezka) {
    return "Nie można zapisać pliku: " + sciezka +
           " (folder nie istnieje, nie pozwala na zapis lub to jest folder).\n";
}

std::string JednaLinia(std::string tekst) {
    std::replace(tekst.begin(), tekst.end(), '\n', ' ');
    tekst.erase(std::remove(tekst.begin(), tekst.end(), '\r'), tekst.end());
    return tekst;
}

// WebAssembly built without threads (the batch runner under Node) runs the
// replicas one after another, whatever the processor has.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool WatkiDostepne = false;
#else
constexpr bool WatkiDostepne = true;
#endif

// More threads than the processors this process was given only multiply the
// engines in memory; the output does not depend on their number.
int LiczbaWatkow(const OpcjeWsadowe& o, std::ostream& bledy) {
    const int sprzetowe = WatkiDostepne ? DostepneProcesory() : 1;
    if (!o.Watki) {
        return std::max(1, sprzetowe);
    }
    if (sprzetowe > 0 && *o.Watki > sprzetowe) {
        bledy << "Opcja --watki: " << *o.Watki << " ograniczono do " << sprzetowe
              << (WatkiDostepne ? " (tyle procesorów ma do dyspozycji; wynik jest ten sam).\n"
                                : " (ta wersja programu liczy powtórzenia kolejno, w jednym "
                                  "wątku; wynik jest ten sam).\n");
        return sprzetowe;
    }
    return *o.Watki;
}

// Every file the options ask for, with the option that names it.
std::vector<PlikWyjsciowy> Wyjscia(const OpcjeWsadowe& o) {
    std::vector<PlikWyjsciowy> pliki;
    if (!o.Wyjscie.empty()) {
        pliki.push_back({o.Wyjscie, "--wyjscie"});
    }
    if (!o.PlikPowtorzen.empty()) {
        pliki.push_back({o.PlikPowtorzen, "--powtorzenia-plik"});
    }
    for (int k = o.Czesc.Od(o.Powtorzenia); k < o.Czesc.Do(o.Powtorzenia) && !o.Przebieg.empty();
         ++k) {
        pliki.push_back({NazwaPrzebiegu(o.Przebieg, k, o.Powtorzenia),
                         o.Powtorzenia == 1
                             ? std::string("--przebieg")
                             : "--przebieg (powtórzenie " + std::to_string(k) + ")"});
    }
    return pliki;
}

// The failed writes of a run: each is told in one line as it happens, and
// the run goes on writing whatever else it can.
class Niepowodzenia {
public:
    explicit Niepowodzenia(std::ostream& bledy) : bledy_(bledy) {}

    void Sprawdz(const WynikZapisu& zapis) {
        if (!zapis.Udany()) {
            bledy_ << JednaLinia(zapis.Komunikat) << '\n';
            status_ = 1;
        }
    }
    void Zglos() { status_ = 1; }
    int Status() const { return status_; }

private:
    std::ostream& bledy_;
    int status_ = 0;
};

// Standard output that cannot be written (a full disk, /dev/full, a closed
// pipe) must not lose the summary: it goes to standard error instead.
bool Wypisz(std::ostream& wyjscie, std::ostream& bledy, const std::string& tekst) {
    wyjscie << tekst;
    wyjscie.flush();
    if (wyjscie) {
        return true;
    }
    bledy << "Nie można zapisać na standardowe wyjście (brak miejsca na dysku lub zamknięte "
             "wyjście); podsumowanie poniżej.\n"
          << tekst;
    return false;
}

// The results file the options ask for (--wyjscie, --fluktuacje) and the
// summary of a study, from its replicas alone: a run and a merge end here.
int ZakonczBadanie(const OpcjeWsadowe& o, const BadaniePowtorzen& b, Niepowodzenia& n,
                   std::ostream& wyjscie, std::ostream& bledy) {
    const std::optional<WynikiSerii> wyniki = WynikiBadania(b);
    if (!o.Wyjscie.empty()) {
        n.Sprawdz(ZapiszWynikiBadania(o.Wyjscie, b, *wyniki, o.Fluktuacje));
    }
    std::ostringstream podsumowanie;
    if (b.ZiarnoZZegara) {
        podsumowanie << "ziarno " << b.Ziarno << '\n';
    }
    WypiszPodsumowanie(podsumowanie, b.Repliki, wyniki);
    if (b.DwaStarty) {
        podsumowanie << UwagaDwochStartow << '\n';
    }
    if (!Wypisz(wyjscie, bledy, podsumowanie.str())) {
        n.Zglos();
    }
    return n.Status();
}

int Scal(const OpcjeWsadowe& o, std::ostream& wyjscie, std::ostream& bledy) {
    // The results file must not take the place of a part it is made from.
    for (const std::string& plik : o.Scal) {
        if (const auto kolizja = KolizjaWyjsc({{plik, "--scal"}, {o.Wyjscie, "--wyjscie"}});
            kolizja && !o.Wyjscie.empty()) {
            bledy << *kolizja << '\n';
            return 2;
        }
    }
    auto scalone = ScalPowtorzenia(o.Scal);
    if (const std::string* blad = std::get_if<std::string>(&scalone)) {
        bledy << *blad << '\n';
        return 2;
    }
    const BadaniePowtorzen& badanie = std::get<BadaniePowtorzen>(scalone);
    if (!o.Wyjscie.empty() && !badanie.Parametry.Seria) {
        bledy << "Opcja --wyjscie wymaga serii symulacji: scalone badanie to pojedyncza "
                 "symulacja, bez etapu wyników.\n";
        return 2;
    }
    if (!o.Wyjscie.empty() && !CelPozwalaZapisac(o.Wyjscie)) {
        bledy << NiemoznaZapisac(o.Wyjscie);
        return 1;
    }
    Niepowodzenia n(bledy);
    return ZakonczBadanie(o, badanie, n, wyjscie, bledy);
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
        wyjscie << TekstPomocy() << std::flush;
        if (!wyjscie) {
            bledy << "Nie można zapisać na standardowe wyjście.\n";
            return 1;
        }
        return 0;
    }
    if (!o.Scal.empty()) {
        return Scal(o, wyjscie, bledy);
    }
    const std::vector<PlikWyjsciowy> pliki = Wyjscia(o);
    if (const auto kolizja = KolizjaWyjsc(pliki)) {
        bledy << *kolizja << '\n';
        return 2;
    }
    for (const PlikWyjsciowy& plik : pliki) {
        if (!CelPozwalaZapisac(plik.Sciezka)) {
            bledy << NiemoznaZapisac(plik.Sciezka);
            return 1;
        }
    }
    const int watki = LiczbaWatkow(o, bledy);

    // An unseeded run reads the clock once and then runs as if that seed had
    // been given, so it can be repeated with --ziarno.
    BadaniePowtorzen badanie{o.Parametry, o.Stopien, 0, !o.Ziarno, o.Powtorzenia, {}};
    badanie.Ziarno = o.Ziarno ? *o.Ziarno : zegar.Ziarno().value_or(0);
    badanie.DwaStarty = o.DwaStarty;
    badanie.Generator = o.Generator;
    PasekPostepu pasek(bledy, bledyNaTerminalu);
    if (!o.Rozmiary.empty()) {
        NadzorWsadowy nadzor(pasek);
        return UruchomBadanieRozmiarow(o, badanie.Ziarno, watki, nadzor, wyjscie, bledy);
    }
    WynikiReplik repliki;
    {
        NadzorWsadowy nadzor(pasek);
        repliki = UruchomRepliki(o, badanie.Ziarno, watki, nadzor);
    }
    if (repliki.Sygnal != 0) {
        bledy << "Obliczenia przerwane sygnałem " << repliki.Sygnal
              << "; żaden plik nie został zapisany ani zmieniony.\n";
        return 128 + repliki.Sygnal;
    }
    badanie.Repliki = std::move(repliki.Repliki);

    Niepowodzenia n(bledy);
    for (const WynikZapisu& blad : repliki.BledyPrzebiegow) {
        n.Sprawdz(blad);
    }
    // The traces of the run replace those of an earlier one only now, all
    // together, so that an interrupted run leaves the earlier set whole.
    for (ZapisOdroczony& przebieg : repliki.Przebiegi) {
        n.Sprawdz(przebieg.Zatwierdz());
    }
    if (!o.PlikPowtorzen.empty()) {
        n.Sprawdz(ZapiszPlik(o.PlikPowtorzen, TrescPlikuPowtorzen(badanie)));
    }
    return ZakonczBadanie(o, badanie, n, wyjscie, bledy);
}
