#pragma once

#include <csignal>

// Turns an interruption (Ctrl+C, kill, a closed terminal, a scheduler's time
// limit) into a question the run asks between its steps, so that it can stop
// and remove its unfinished files instead of dying with them. While it lives,
// SIGINT, SIGTERM and SIGHUP are held back in the thread that made it and in
// every thread that thread starts afterwards; they are delivered as before
// once it is gone.
class PrzerwanieSygnalem {
public:
    PrzerwanieSygnalem();
    ~PrzerwanieSygnalem();
    PrzerwanieSygnalem(const PrzerwanieSygnalem&) = delete;
    PrzerwanieSygnalem& operator=(const PrzerwanieSygnalem&) = delete;

    // The signal that has arrived, taken from the waiting ones; 0 when none
    // has. Once one has, the asking thread takes the next one as before: a
    // second Ctrl+C ends the program at once.
    int Sprawdz();
    // Delivers the signals as before from now on (as when it is gone); one
    // that has arrived and not been taken ends the program now.
    void Zwolnij();

private:
    sigset_t sygnaly_;
    sigset_t poprzednie_;
    int odebrany_ = 0;
};
