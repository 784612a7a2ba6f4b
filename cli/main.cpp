#include "PrzebiegWsadowy.h"
#include "ZegarDoby.h"

#include <algorithm>
#include <iostream>
#include <string_view>
#include <unistd.h>

int main(int argc, char** argv) {
    if (std::find(argv + 1, argv + argc, std::string_view("--version")) != argv + argc) {
        std::cout << "fazolab-batch " FAZOLAB_WERSJA "\n";
        return 0;
    }
    ZegarDoby zegar;
    return UruchomWsadowo(std::vector<std::string>(argv + 1, argv + argc), zegar, std::cout,
                          std::cerr, ::isatty(STDERR_FILENO) != 0);
}
