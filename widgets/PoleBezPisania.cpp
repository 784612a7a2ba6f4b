#include "PoleBezPisania.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>

PoleBezPisania::PoleBezPisania(QWidget* rodzic) : QSpinBox(rodzic) {
    QLineEdit* tekst = lineEdit();
    tekst->setReadOnly(true);
    tekst->setContextMenuPolicy(Qt::NoContextMenu);
    tekst->installEventFilter(this);
    QPalette paleta = tekst->palette();
    paleta.setColor(QPalette::Base, paleta.color(QPalette::Window));
    tekst->setPalette(paleta);
}

void PoleBezPisania::focusInEvent(QFocusEvent* zdarzenie) {
    QSpinBox::focusInEvent(zdarzenie);
    lineEdit()->deselect();
}

void PoleBezPisania::keyPressEvent(QKeyEvent* zdarzenie) {
    const bool pisanie = !zdarzenie->text().isEmpty() && zdarzenie->text().at(0).isPrint();
    if (pisanie || zdarzenie->key() == Qt::Key_Backspace || zdarzenie->key() == Qt::Key_Delete) {
        QApplication::beep();
        zdarzenie->accept();
        return;
    }
    QSpinBox::keyPressEvent(zdarzenie);
    lineEdit()->deselect();
}

// The mouse selects no text in the number: a press only gives the field the
// focus, the arrows beside it still step.
bool PoleBezPisania::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == lineEdit()) {
        switch (zdarzenie->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            setFocus(Qt::MouseFocusReason);
            return true;
        default:
            break;
        }
    }
    return QSpinBox::eventFilter(obiekt, zdarzenie);
}
