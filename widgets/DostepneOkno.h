#pragma once

#include <QAccessibleWidget>

class QObject;
class QWidget;

// What a screen reader gets of a program window made of a plain QWidget: a
// frame (Qt gives such a widget the role of a client area, a "filler"),
// named by its accessible name or else by its caption, and told of every
// change of the caption, which names the window's stage.
class DostepneOkno : public QAccessibleWidget {
public:
    // Makes `okno` (a top-level QWidget) heard as a frame and sends a name
    // change whenever its caption changes.
    static void Opisz(QWidget* okno);

    static QAccessibleInterface* Fabryka(const QString& klasa, QObject* obiekt);

    explicit DostepneOkno(QWidget* okno);
};
