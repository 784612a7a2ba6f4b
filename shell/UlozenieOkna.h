#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The top left corner of a window of the given size centred on the screen:
// the halves of the sizes subtracted and the fraction dropped.
QPoint PolozenieNaSrodku(const QRect& ekran, QSize okno);
