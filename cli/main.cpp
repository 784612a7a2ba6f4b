#include "BledyNaTerminalu.h"
#include "PrzebiegWsadowy.h"
#include "StandardoweWyjscie.h"
#include "ZegarDoby.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    if (std::find(argv + 1, argv + argc, std::string_view("--version")) != argv + argc) {
        std::cout << "fazolab-batch " FAZOLAB_WERSJA "\n";
        return 0;
    }
    PrzygotujWyjscie();
    ZegarDoby zegar;
    const int status = UruchomWsadowo(std::vector<std::string>(argv + 1, argv + argc), zegar,
                                      std::cout, std::cerr, BledyNaTerminalu());
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
