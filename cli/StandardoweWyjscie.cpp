#include "StandardoweWyjscie.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <unistd.h>

void PrzygotujWyjscie() {
    std::signal(SIGPIPE, SIG_IGN);
}

bool ZamknijWyjscie() {
    std::cout.flush();
    const bool oproznione = std::fflush(stdout) == 0 && std::cout.good();
    // The descriptor, not the stream: the library still flushes the stream
    // at exit, which must find it open (and now empty).
    return ::close(STDOUT_FILENO) == 0 && oproznione;
}
