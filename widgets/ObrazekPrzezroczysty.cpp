#include "ObrazekPrzezroczysty.h"

#include <QBitmap>
#include <QPainter>

ObrazekPrzezroczysty::ObrazekPrzezroczysty(QWidget* rodzic) : QWidget(rodzic) {}

void ObrazekPrzezroczysty::UstawObrazek(const QPixmap& obrazek, const QColor& przezroczysty) {
    przezroczysty_ = przezroczysty;
    // The set bits of a QBitmap are the opaque pixels: those not of the colour.
    const QBitmap maska = obrazek.createMaskFromColor(przezroczysty, Qt::MaskInColor);
    obrazek_ = obrazek;
    obrazek_.setMask(maska);
    ksztalt_ = QRegion(maska);
    updateGeometry();
    update();
}

void ObrazekPrzezroczysty::UksztaltujOkno() {
    QWidget* okno = window();
    const QPoint polozenie = mapTo(okno, QPoint(0, 0));
    QRegion reszta(okno->rect());
    reszta -= QRegion(QRect(polozenie, size()));
    okno->setMask(reszta + ksztalt_.translated(polozenie));
}

QSize ObrazekPrzezroczysty::sizeHint() const {
    return obrazek_.deviceIndependentSize().toSize();
}

void ObrazekPrzezroczysty::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    malarz.drawPixmap(0, 0, obrazek_);
}
