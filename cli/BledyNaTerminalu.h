#pragma once

// Whether standard error is a terminal, so that the progress line may be
// redrawn in place there (and is left out of a log file).
bool BledyNaTerminalu();
