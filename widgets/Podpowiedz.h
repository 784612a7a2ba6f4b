#pragma once

#include <QString>

class QWidget;

// A control's hint: shown in the status bar of its window while the mouse is
// over the control (Qt's status tip, which QMainWindow shows), and, unless
// told otherwise, also as a tool tip.
enum class Dymek { Tak, Nie };

void UstawPodpowiedz(QWidget* kontrolka, const QString& tekst, Dymek dymek = Dymek::Tak);
