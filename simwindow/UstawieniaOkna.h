#pragma once

#include <QString>

// The window's values in the program's settings key, read and written
// through the settings components: empty when missing; a value that cannot
// be written is left as it was and the write answers false (nothing the user
// loses depends on it, but the window says so).
QString CzytajUstawienie(const QString& nazwa);
bool ZapiszUstawienie(const QString& nazwa, const QString& tekst);

// The status bar's word when a remembered folder could not be stored.
inline const char* const NieZapamietanoFolderu =
    "Nie udało się zapamiętać folderu: ustawień programu nie można zapisać.";
