#include "BledyNaTerminalu.h"
#include "PrzebiegWsadowy.h"
#include "StandardoweWyjscie.h"
#include "ZegarDoby.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <new>
#include <string_view>
#include <system_error>

int main(int argc, char** argv) {
    if (std::find(argv + 1, argv + argc, std::string_view("--version")) != argv + argc) {
        std::cout << "fazolab-batch " FAZOLAB_WERSJA "\n";
        return 0;
    }
    PrzygotujWyjscie();
    ZegarDoby zegar;
    int status = 1;
    const bool naTerminalu = BledyNaTerminalu();
    // Past the progress line a terminal shows.
    const char* poczatek = naTerminalu ? "\n" : "";
    // What the run held (temporary files, locks, the hold on signals) is
    // released on the way here.
    try {
        status = UruchomWsadowo(std::vector<std::string>(argv + 1, argv + argc), zegar, std::cout,
                                std::cerr, naTerminalu);
    } catch (const std::bad_alloc&) {
        std::cerr << poczatek
                  << "Za mało pamięci na te obliczenia (zmniejsz sieć, liczbę powtórzeń lub "
                     "wątków --watki); żaden plik nie został zapisany ani zmieniony.\n";
        return 1;
    } catch (const std::system_error&) {
        std::cerr << poczatek
                  << "System nie pozwolił uruchomić wątków obliczeń (zmniejsz --watki albo "
                     "zwolnij pamięć); żaden plik nie został zapisany ani zmieniony.\n";
        return 1;
    }
    // A write that failed was told already; closing can still fail on its own.
    if (!ZamknijWyjscie() && status == 0) {
        std::cerr << "Nie można zapisać na standardowe wyjście (błąd przy zamykaniu).\n";
        return 1;
    }
    // Stopped by a signal and tidied up: now ended by it, as a shell expects.
    if (status > 128) {
        std::signal(status - 128, SIG_DFL);
        std::raise(status - 128);
    }
    return status;
}
