#include "WskaznikPostepu.h"

#include <QPainter>

#include <algorithm>

WskaznikPostepu::WskaznikPostepu(QWidget* rodzic) : QWidget(rodzic) {}

void WskaznikPostepu::UstawMaksimum(int maksimum) {
    maksimum_ = std::max(maksimum, 1);
    pozycja_ = std::min(pozycja_, maksimum_);
    update();
}

void WskaznikPostepu::UstawPozycje(int pozycja) {
    pozycja_ = std::clamp(pozycja, 0, maksimum_);
    update();
}

int WskaznikPostepu::Procent() const {
    return static_cast<int>(100LL * pozycja_ / maksimum_);
}

void WskaznikPostepu::UstawKolorPaska(const QColor& kolor) {
    kolorPaska_ = kolor;
    update();
}

void WskaznikPostepu::UstawKolorTla(const QColor& kolor) {
    kolorTla_ = kolor;
    update();
}

void WskaznikPostepu::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    const QRect wnetrze = rect().adjusted(1, 1, -1, -1);
    malarz.fillRect(wnetrze, kolorTla_);
    const int dlugosc =
        static_cast<int>(static_cast<long long>(wnetrze.width()) * pozycja_ / maksimum_);
    malarz.fillRect(QRect(wnetrze.topLeft(), QSize(dlugosc, wnetrze.height())), kolorPaska_);
    malarz.setPen(palette().color(QPalette::Dark));
    malarz.drawRect(rect().adjusted(0, 0, -1, -1));
    malarz.setPen(Qt::black);
    malarz.drawText(wnetrze, Qt::AlignCenter, QStringLiteral("%1%").arg(Procent()));
}
