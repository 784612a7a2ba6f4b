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
    pthread_sigmask(SIG_SETMASK, &poprzednie_, nullptr);
}

int PrzerwanieSygnalem::Sprawdz() {
    if (odebrany_ == 0) {
        const timespec bezCzekania{0, 0};
        const int s = sigtimedwait(&sygnaly_, nullptr, &bezCzekania);
        odebrany_ = s > 0 ? s : 0;
    }
    return odebrany_;
}
