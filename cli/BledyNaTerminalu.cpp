#include "BledyNaTerminalu.h"

#if defined(__EMSCRIPTEN__)
#include <emscripten/emscripten.h>

// Under Node the C library takes every standard stream for a terminal; Node
// itself knows.
EM_JS(int, StderrNodeNaTerminalu, (),
      { return typeof process == 'object' && process.stderr && process.stderr.isTTY ? 1 : 0; });

bool BledyNaTerminalu() {
    return StderrNodeNaTerminalu() != 0;
}
#else
#include <unistd.h>

bool BledyNaTerminalu() {
    return ::isatty(STDERR_FILENO) != 0;
}
#endif
