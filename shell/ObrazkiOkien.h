#pragma once

#include <QPixmap>
#include <QString>

#include <initializer_list>

// The pictures of the splash window and the menu are read through the search
// path "okna" (QDir::setSearchPaths), which the program points at its built-in
// pictures (":/okna") and a test at pictures of its own. The first of the
// names that can be read is taken; a null picture when none can.
QPixmap ObrazekOkna(std::initializer_list<QString> nazwy);
