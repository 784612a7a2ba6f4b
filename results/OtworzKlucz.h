#pragma once

#include <QString>

#include <memory>

class QSettings;

// The key the window's settings live under, as the components name it.
QString KluczFazolab();

// The settings of a registry-style key path "\Software\<organisation>\<application>"
// (a leading "Software" is optional): an ini file in the user scope, falling
// back to the system scope for values the user's file lacks.
std::unique_ptr<QSettings> OtworzKlucz(const QString& subKeyName);
