#pragma once

#include <QSpinBox>

// A spin edit whose value changes by its arrows, the arrow keys, Page Up/Down
// and the wheel only. It does not look editable: no caret, no selected text,
// the window's colour behind the number. A digit typed into it is refused
// with the system's beep, not dropped unseen.
class PoleBezPisania : public QSpinBox {
    Q_OBJECT
public:
    explicit PoleBezPisania(QWidget* rodzic = nullptr);

protected:
    void focusInEvent(QFocusEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
};
