#pragma once

// Standard output as the program's own last write. A reader that went away
// (`| head`, a closed terminal) would otherwise end the program silently by a
// signal, with a finished run's summary and seed lost: after
// PrzygotujWyjscie such a write simply fails, and the run tells so and prints
// its summary on standard error.
void PrzygotujWyjscie();

// Flushes and closes standard output, as the last thing the program does with
// it: a disk that fills up or a file system that fails reports it only here.
// False when either fails.
bool ZamknijWyjscie();
