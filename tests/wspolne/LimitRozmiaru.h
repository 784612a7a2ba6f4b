#pragma once

#include <csignal>
#include <sys/resource.h>

// Lets a test make every write beyond `bajty` fail, as a full disk would.
class LimitRozmiaru {
public:
    explicit LimitRozmiaru(rlim_t bajty) : sygnal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &poprzedni_);
        rlimit nowy = poprzedni_;
        nowy.rlim_cur = bajty;
        ::setrlimit(RLIMIT_FSIZE, &nowy);
    }
    ~LimitRozmiaru() {
        ::setrlimit(RLIMIT_FSIZE, &poprzedni_);
        std::signal(SIGXFSZ, sygnal_);
    }
    LimitRozmiaru(const LimitRozmiaru&) = delete;
    LimitRozmiaru& operator=(const LimitRozmiaru&) = delete;

private:
    rlimit poprzedni_{};
    void (*sygnal_)(int);
};
