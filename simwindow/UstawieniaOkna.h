#pragma once

#include <QString>

// The window's values in the program's settings key, read and written
// through the settings components: empty when missing; a value that cannot
// be written is left as it was (nothing the user loses depends on it).
QString CzytajUstawienie(const QString& nazwa);
void ZapiszUstawienie(const QString& nazwa, const QString& tekst);
