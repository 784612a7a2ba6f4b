#pragma once

#include "Dialogi.h"

#include <QString>
#include <QStringList>

// The name of a saved file and its content always agree. A file type is an
// entry of a save dialog's filters, "Opis (*.ext)".

// The extensions a filter names, in lower case without the dot, in the order
// written: "Obraz SVG (*.svg)" gives {"svg"}; "Wszystkie (*)" none.
QStringList RozszerzeniaFiltra(const QString& filtr);

// The file to write and its type (the 1-based index into `filtry`), for the
// name left in the save dialog and the type chosen there when saving. An
// extension that one of the offered types names decides the type, whatever
// type was chosen ("hist.png" with SVG chosen is a PNG file); any other name
// gets the first extension of the chosen type added ("hist" → "hist.svg",
// "wyniki.2024" → "wyniki.2024.csv", "hist." → "hist.svg"), so the result
// only ever lengthens the name. Applied to its own result it changes
// nothing. A chosen type out of range counts as the first.
WybranyPlik PlikWedlugTypu(const QString& nazwa, const QStringList& filtry, int wybranyTyp);
