#include "WskaznikPostepu.h"

#include "DostepnyWskaznik.h"

#include <QAccessible>
#include <QPainter>

#include <algorithm>

WskaznikPostepu::WskaznikPostepu(QWidget* rodzic) : QWidget(rodzic) {
    // Qt keeps one copy of a factory however often it is installed.
    QAccessible::installFactory(&DostepnyWskaznik::Fabryka);
}

void WskaznikPostepu::UstawMaksimum(int maksimum) {
    const int procent = Procent();
    maksimum_ = std::max(maksimum, 1);
    pozycja_ = std::min(pozycja_, maksimum_);
    Zmieniony(procent);
}

void WskaznikPostepu::UstawPozycje(int pozycja) {
    const int procent = Procent();
    pozycja_ = std::clamp(pozycja, 0, maksimum_);
    Zmieniony(procent);
}

void WskaznikPostepu::Zmieniony(int bylProcent) {
    update();
    // A reader is told of each new whole percent, not of every iteration, and
    // only by the gauge in sight: its copy on a hidden page keeps still.
    if (Procent() != bylProcent && isVisible()) {
        QAccessibleValueChangeEvent zmiana(this, Procent());
        QAccessible::updateAccessibility(&zmiana);
    }
}

QString WskaznikPostepu::TekstProcentu(int procent) {
    return QStringLiteral("%1%").arg(procent);
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
    malarz.drawText(wnetrze, Qt::AlignCenter, TekstProcentu(Procent()));
}
