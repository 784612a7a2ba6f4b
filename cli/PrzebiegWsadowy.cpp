#include "PrzebiegWsadowy.h"

#include "BadaniePowtorzen.h"
#include "BadanieRozmiarow.h"
#include "BadanieZOpcji.h"
#include "BlokadaWyjsc.h"
#include "DostepneProcesory.h"
#include "KolizjaWyjsc.h"
#include "NadzorWsadowy.h"
#include "OpisyOpcji.h"
#include "PamiecBadania.h"
#include "ParserOpcji.h"
#include "PasekPostepu.h"
#include "PlikPowtorzen.h"
#include "PlikWynikowBadania.h"
#include "ScalPowtorzenia.h"
#include "StaleZiarno.h"
#include "UruchomRepliki.h"
#include "WypiszPodsumowanie.h"
#include "ZapiszPlik.h"
#include "ZestawPlikow.h"
#include "ZrodloZiarna.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace {
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
// engines in memory; the output does not depend on their number. The limit
// is told on `bledy`, when given.
int LiczbaWatkow(const OpcjeWsadowe& o, std::ostream* bledy) {
    const int sprzetowe = WatkiDostepne ? DostepneProcesory() : 1;
    if (!o.Watki) {
        return std::max(1, sprzetowe);
    }
    if (sprzetowe > 0 && *o.Watki > sprzetowe) {
        if (bledy == nullptr) {
            return sprzetowe;
        }
        *bledy << "Opcja --watki: " << *o.Watki << " ograniczono do " << sprzetowe
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

// The failed writes of a run, each told in one line.
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

// Checked before the run, so that an hour of computing is not lost to a typo,
// a name too long or a folder that takes no file.
int SprawdzWyjscia(const std::vector<PlikWyjsciowy>& pliki, std::ostream& bledy) {
    for (const PlikWyjsciowy& plik : pliki) {
        if (const WynikZapisu miejsce = SprawdzMiejsceZapisu(plik.Sciezka); !miejsce.Udany()) {
            bledy << JednaLinia(miejsce.Komunikat) << '\n';
            return 1;
        }
    }
    return 0;
}

// The outputs are this run's alone, and what a killed save left beside them
// is removed.
int PrzygotujWyjscia(const std::vector<PlikWyjsciowy>& pliki, BlokadaWyjsc& blokada,
                     std::ostream& bledy) {
    if (const auto zajete = blokada.Zablokuj(pliki)) {
        bledy << *zajete << '\n';
        return 1;
    }
    // A minute: a save of the same file by the window may be under way.
    constexpr int StaryTymczasowy = 60;
    for (const PlikWyjsciowy& plik : pliki) {
        UsunPorzuconeTymczasowe(plik.Sciezka, StaryTymczasowy);
    }
    return 0;
}

// The results file the options ask for (--wyjscie, --fluktuacje), into the set.
void DodajPlikWynikow(ZestawPlikow& zestaw, const OpcjeWsadowe& o, const BadaniePowtorzen& b,
                      const WynikiSerii& wyniki) {
    const auto nieudany = [&](const std::string& powod) {
        zestaw.Niepowodzenie(
            {StanZapisu::Blad, "", "Nie można zapisać pliku:\n" + o.Wyjscie + "\n" + powod});
    };
    try {
        zestaw.Dodaj(o.Wyjscie,
                     BajtyWynikowBadania(b, wyniki, o.Fluktuacje, TypWyjscia(o.Wyjscie)));
    } catch (const std::invalid_argument&) {
        nieudany("Wyniki zawierają znak spoza strony kodowej Windows-1250.");
    } catch (const std::runtime_error&) {
        nieudany("Nie udało się przygotować skoroszytu w folderze plików tymczasowych systemu.");
    }
}

std::string Przerwane(int sygnal) {
    return "Obliczenia przerwane sygnałem " + std::to_string(sygnal) +
           "; żaden plik nie został zapisany ani zmieniony.\n";
}

// The end of a run and of a merge alike: the set of files moved into place
// together while signals are held, then the summary of the study. Returns
// the exit status.
int ZakonczBadanie(const OpcjeWsadowe& o, const BadaniePowtorzen& b, ZestawPlikow& zestaw,
                   BlokadaWyjsc& blokada, PrzerwanieSygnalem& przerwanie, std::ostream& wyjscie,
                   std::ostream& bledy) {
    const std::optional<WynikiSerii> wyniki = WynikiBadania(b);
    if (!o.Wyjscie.empty()) {
        DodajPlikWynikow(zestaw, o, b, *wyniki);
    }
    Niepowodzenia n(bledy);
    for (const WynikZapisu& blad : zestaw.Bledy()) {
        n.Sprawdz(blad);
    }
    if (!zestaw.Gotowy()) {
        bledy << "Żaden plik tego przebiegu nie został zapisany ani zmieniony: pliki zastępują "
                 "poprzednie wszystkie razem albo wcale.\n";
    } else if (const int sygnal = przerwanie.Sprawdz(); sygnal != 0) {
        zestaw.Porzuc();
        bledy << Przerwane(sygnal);
        return 128 + sygnal;
    }
    for (const WynikZapisu& blad : zestaw.Zatwierdz()) {
        n.Sprawdz(blad);
    }
    // The files are in place and the locks gone: a signal that came during
    // the renames has nothing left to stop and is dropped; a later one ends
    // the program as it would any other (a summary blocked on a full pipe
    // included), leaving nothing behind.
    blokada.Zwolnij();
    przerwanie.Sprawdz();
    przerwanie.Zwolnij();
    for (const WynikZapisu& blad : zestaw.ZapiszWprost()) {
        n.Sprawdz(blad);
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

// What --sprawdz prints of a study that may run: the header lines of its
// replica file, which name it (the Slurm script names its parts after them),
// and the exchange attempts of this process (none for a merge).
int WypiszSprawdzenie(const BadaniePowtorzen& b, std::optional<long long> proby,
                      std::ostream& wyjscie, std::ostream& bledy) {
    std::ostringstream tekst;
    for (const std::string& wiersz : NaglowekPlikuPowtorzen(b)) {
        tekst << wiersz << '\n';
    }
    if (proby) {
        tekst << "proby " << *proby << '\n';
    }
    return Wypisz(wyjscie, bledy, tekst.str()) ? 0 : 1;
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
    const std::vector<PlikWyjsciowy> wyniki =
        o.Wyjscie.empty() ? std::vector<PlikWyjsciowy>{}
                          : std::vector<PlikWyjsciowy>{{o.Wyjscie, "--wyjscie"}};
    if (const int status = SprawdzWyjscia(wyniki, bledy)) {
        return status;
    }
    if (o.Sprawdz) {
        return WypiszSprawdzenie(badanie, std::nullopt, wyjscie, bledy);
    }
    // Held from before the lock files to the last rename.
    PrzerwanieSygnalem przerwanie;
    BlokadaWyjsc blokada;
    if (const int status = PrzygotujWyjscia(wyniki, blokada, bledy)) {
        return status;
    }
    ZestawPlikow zestaw;
    return ZakonczBadanie(o, badanie, zestaw, blokada, przerwanie, wyjscie, bledy);
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
    if (const int status = SprawdzWyjscia(pliki, bledy)) {
        return status;
    }
    // Refused before anything is taken: a study that cannot fit would end in
    // swapping or in the middle of its run.
    if (const auto odmowa = OdmowaPamieci(o, LiczbaWatkow(o, nullptr), PamiecKomputera())) {
        bledy << *odmowa << '\n';
        return 1;
    }
    if (o.Sprawdz) {
        // The check reads no clock: an unseeded study shows Z = 0.
        StaleZiarno bezZegara(0);
        const BadaniePowtorzen b = BadanieZOpcji(o, bezZegara);
        const int replik = o.Czesc.Do(o.Powtorzenia) - o.Czesc.Od(o.Powtorzenia);
        return WypiszSprawdzenie(b, ProbyNaReplike(o) * replik, wyjscie, bledy);
    }
    // Held from before the lock files and the first temporary file (a
    // replica's trace) to the last rename: an interruption leaves the earlier
    // files as they were, and nothing beside them.
    PrzerwanieSygnalem przerwanie;
    BlokadaWyjsc blokada;
    if (const int status = PrzygotujWyjscia(pliki, blokada, bledy)) {
        return status;
    }
    const int watki = LiczbaWatkow(o, &bledy);

    // An unseeded run reads the clock once and then runs as if that seed had
    // been given, so it can be repeated with --ziarno.
    BadaniePowtorzen badanie = BadanieZOpcji(o, zegar);
    PasekPostepu pasek(bledy, bledyNaTerminalu);
    NadzorWsadowy nadzor(pasek, przerwanie);
    if (!o.Rozmiary.empty()) {
        return UruchomBadanieRozmiarow(o, badanie.Ziarno, watki, nadzor, wyjscie, bledy);
    }
    WynikiReplik repliki = UruchomRepliki(o, badanie.Ziarno, watki, nadzor);
    if (repliki.Sygnal != 0) {
        bledy << Przerwane(repliki.Sygnal);
        return 128 + repliki.Sygnal;
    }
    badanie.Repliki = std::move(repliki.Repliki);

    ZestawPlikow zestaw;
    for (WynikZapisu& blad : repliki.BledyPrzebiegow) {
        zestaw.Niepowodzenie(std::move(blad));
    }
    for (ZapisOdroczony& przebieg : repliki.Przebiegi) {
        zestaw.Dodaj(std::move(przebieg));
    }
    if (!o.PlikPowtorzen.empty()) {
        zestaw.Dodaj(o.PlikPowtorzen, TrescPlikuPowtorzen(badanie));
    }
    return ZakonczBadanie(o, badanie, zestaw, blokada, przerwanie, wyjscie, bledy);
}
