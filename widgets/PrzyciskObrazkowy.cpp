#include "PrzyciskObrazkowy.h"

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
}
