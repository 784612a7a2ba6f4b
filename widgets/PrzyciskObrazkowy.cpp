#include "PrzyciskObrazkowy.h"

#include <QKeyEvent>
#include <QPainter>

PrzyciskObrazkowy::PrzyciskObrazkowy(QWidget* rodzic) : QAbstractButton(rodzic) {
    setCursor(Qt::PointingHandCursor);
}

void PrzyciskObrazkowy::UstawObrazki(const QPixmap& zwykly, const QPixmap& podMysza) {
    zwykly_ = zwykly;
    podMyszaObrazek_ = podMysza;
    updateGeometry();
    update();
}

const QPixmap& PrzyciskObrazkowy::WidocznyObrazek() const {
    return podMysza_ && !podMyszaObrazek_.isNull() ? podMyszaObrazek_ : zwykly_;
}

QSize PrzyciskObrazkowy::sizeHint() const {
    return zwykly_.isNull() ? QSize(20, 20) : zwykly_.deviceIndependentSize().toSize();
}

void PrzyciskObrazkowy::enterEvent(QEnterEvent* zdarzenie) {
    podMysza_ = true;
    update();
    QAbstractButton::enterEvent(zdarzenie);
}

void PrzyciskObrazkowy::leaveEvent(QEvent* zdarzenie) {
    podMysza_ = false;
    update();
    QAbstractButton::leaveEvent(zdarzenie);
}

void PrzyciskObrazkowy::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    malarz.drawPixmap(rect(), WidocznyObrazek());
    if (hasFocus()) {
        // Dots over a light line: seen on dark and light pictures alike.
        const QRect ramka = rect().adjusted(2, 2, -3, -3);
        malarz.setPen(QPen(Qt::white, 1));
        malarz.drawRect(ramka);
        malarz.setPen(QPen(Qt::black, 1, Qt::DotLine));
        malarz.drawRect(ramka);
    }
}

void PrzyciskObrazkowy::keyPressEvent(QKeyEvent* zdarzenie) {
    // Space is the button's own key; Enter does the same, as on the push
    // buttons of a dialog.
    if (zdarzenie->key() == Qt::Key_Return || zdarzenie->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(zdarzenie);
}
