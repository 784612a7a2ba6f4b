#pragma once

#include <QRect>

#include <initializer_list>

class QWidget;

// One control's place on its page: its object name and its rectangle in its
// parent's coordinates. A page's fixed layout is one table of these, in
// reading order, so the whole page can be read and changed in one place.
struct Miejsce {
    const char* Nazwa;
    QRect Prostokat;
};

// Puts every control of the table where the table says. A name the page does
// not hold is a table out of step with the page: the program stops at once,
// which every test of the page shows.
void Rozmiesc(QWidget* strona, std::initializer_list<Miejsce> rozklad);
