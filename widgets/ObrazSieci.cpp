#include "ObrazSieci.h"

#include <QPaintEvent>
#include <QPainter>

ObrazSieci::ObrazSieci(QWidget* rodzic)
    : QWidget(rodzic), plotno_(Szerokosc, Wysokosc, QImage::Format_RGB32) {
    plotno_.fill(Qt::white);
    setFixedSize(Szerokosc, Wysokosc);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ObrazSieci::paintEvent(QPaintEvent* zdarzenie) {
    QPainter painter(this);
    painter.drawImage(zdarzenie->rect(), plotno_, zdarzenie->rect());
}
