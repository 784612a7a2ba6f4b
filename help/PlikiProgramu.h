#pragma once

#include <QString>
#include <QStringList>

// The folders where the program's own files (its help, its clip) are looked
// for, in order: beside the program, the current folder, the installed data
// folder. Beside the program comes first so that a build or an unpacked copy
// uses its own files wherever it is started from.
QStringList KatalogiProgramu();

// The absolute path of the first existing file sciezkaWzgledna (such as
// "Pomoc/Fazolab.html") in KatalogiProgramu(); empty when there is none.
QString ZnajdzPlikProgramu(const QString& sciezkaWzgledna);
