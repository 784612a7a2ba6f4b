#include "PrzerwanieSygnalem.h"

#include <initializer_list>
#include <pthread.h>

PrzerwanieSygnalem::PrzerwanieSygnalem() {
    sigemptyset(&sygnaly_);
    for (const int s : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&sygnaly_, s);
    }
    pthread_sigmask(SIG_BLOCK, &sygnaly_, &poprzednie_);
}

PrzerwanieSygnalem::~PrzerwanieSygnalem() {
    Zwolnij();
}

void PrzerwanieSygnalem::Zwolnij() {
    pthread_sigmask(SIG_SETMASK, &poprzednie_, nullptr);
}

int PrzerwanieSygnalem::Sprawdz() {
    if (odebrany_ == 0) {
        const timespec bezCzekania{0, 0};
        const int s = sigtimedwait(&sygnaly_, nullptr, &bezCzekania);
        odebrany_ = s > 0 ? s : 0;
        // A second one ends the program at once, even when a worker cannot
        // stop (blocked opening a pipe that nobody reads).
        if (odebrany_ != 0) {
            pthread_sigmask(SIG_SETMASK, &poprzednie_, nullptr);
        }
    }
    return odebrany_;
}
