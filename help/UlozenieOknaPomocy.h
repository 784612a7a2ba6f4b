#pragma once

#include <QRect>
#include <QSize>

// Where the help window stands when it opens (all rectangles are frames, in
// screen coordinates): beside the program's window, on the right where there
// is room and otherwise on the left, narrowed to the room but never below
// NajwezszaObok; where neither side has that much room, over the program's
// window. The result always lies whole within `ekran` (the screen's available
// area), shrunk to it when larger.
QRect UlozenieOknaPomocy(const QRect& program, QSize rozmiar, const QRect& ekran);

inline constexpr int NajwezszaObok = 480;
