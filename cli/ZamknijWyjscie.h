#pragma once

// Flushes and closes standard output, as the last thing the program does with
// it: a disk that fills up or a file system that fails reports it only here.
// False when either fails.
bool ZamknijWyjscie();
