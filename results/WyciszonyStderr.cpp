#include "WyciszonyStderr.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

WyciszonyStderr::WyciszonyStderr() {
    std::fflush(stderr);
    const int nic = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nic < 0) {
        return;
    }
    zapas_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (zapas_ >= 0 && ::dup2(nic, STDERR_FILENO) < 0) {
        ::close(zapas_);
        zapas_ = -1;
    }
    ::close(nic);
}

WyciszonyStderr::~WyciszonyStderr() {
    if (zapas_ >= 0) {
        std::fflush(stderr);
        ::dup2(zapas_, STDERR_FILENO);
        ::close(zapas_);
    }
}
