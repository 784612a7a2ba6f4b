#pragma once

#include <QString>

#include <memory>

class QSettings;

// The key the window's settings live under, as the components name it.
QString KluczFazolab();

// The settings of a registry-style key path "\Software\<organisation>\<application>"
// (a leading "Software" is optional) in the platform's own format: that key of
// the registry on Windows, an INI file on Linux. The user scope, falling back
// to the system scope for values the user's settings lack.
std::unique_ptr<QSettings> OtworzKlucz(const QString& subKeyName);

// One value as text, whole also when a hand-written INI line holds an
// unquoted comma ("/home/ala/Wyniki, 2024"). Empty when missing.
QString CzytajTekst(const QString& subKeyName, const QString& nazwa);
