#pragma once

#include <QLocale>
#include <QString>

// Formats a number by a picture such as "#0.##   (sigma śr)" or "# ##0.###":
// "0" is a digit that is always written, "#" one written only when needed,
// the first "." the decimal point, a "," or a space between the integer
// digits turns on grouping by thousands; text before the first and after the
// last digit placeholder is copied as it stands (quoted text too, without its
// quotes). Only the part before a ";" is used; a negative number gets "-".
// The decimal point and the group separator are those of `jezyk`; the charts
// pass the application's default locale, so chart texts follow the user's
// number conventions like the other labels of the computation stage. An empty
// picture gives the general format (up to 15 significant digits).
QString FormatujLiczbe(double wartosc, const QString& wzorzec, const QLocale& jezyk = QLocale());

// The picture of chart values that do not name their own.
inline const QString DomyslnyFormatLiczb = QStringLiteral("#,##0.###");
