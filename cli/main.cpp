#include "PrzebiegWsadowy.h"
#include "ZegarDoby.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    ZegarDoby zegar;
    return UruchomWsadowo(std::vector<std::string>(argv + 1, argv + argc), zegar, std::cout,
                          std::cerr, ::isatty(STDERR_FILENO) != 0);
}
