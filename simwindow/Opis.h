#pragma once

#include <QString>

class QWidget;

// What a person and a screen reader learn of a control: its accessible name
// (the caption, or the label beside it), its hint as tooltip and status tip,
// and the help context that F1 opens.
void Opisz(QWidget* kontrolka, const QString& nazwa, const QString& podpowiedz = {},
           int kontekstPomocy = 0);

// Says `tekst` in the status bar of the window that holds `kontrolka`, the
// window's place for a word that needs no answer.
void PokazWPasku(QWidget* kontrolka, const QString& tekst);

// A value written in the general number format of the user's locale: up to
// 15 significant digits, no trailing zeros ("0,3" and "1000" under Polish
// settings).
QString FormatOgolny(double wartosc);
