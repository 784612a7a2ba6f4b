#include "EtykietaLacza.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace {
const QColor KolorAktywny = Qt::red;
}

EtykietaLacza::EtykietaLacza(const QString& tekst, const QUrl& adres, QWidget* rodzic)
    : QLabel(tekst, rodzic), adres_(adres) {
    QFont czcionka = font();
    czcionka.setUnderline(true);
    setFont(czcionka);
    setCursor(Qt::PointingHandCursor);
    UstawKolor(zwykly_);
}

void EtykietaLacza::UstawKolory(const QColor& zwykly, const QColor& podMysza) {
    zwykly_ = zwykly;
    podMysza_ = podMysza;
    UstawKolor(underMouse() ? podMysza_ : zwykly_);
}

QColor EtykietaLacza::KolorTekstu() const {
    return palette().color(QPalette::WindowText);
}

void EtykietaLacza::UstawKolor(const QColor& kolor) {
    QPalette paleta = palette();
    paleta.setColor(QPalette::WindowText, kolor);
    setPalette(paleta);
}

void EtykietaLacza::enterEvent(QEnterEvent* zdarzenie) {
    UstawKolor(wcisniety_ ? KolorAktywny : podMysza_);
    QLabel::enterEvent(zdarzenie);
}

void EtykietaLacza::leaveEvent(QEvent* zdarzenie) {
    UstawKolor(zwykly_);
    QLabel::leaveEvent(zdarzenie);
}

void EtykietaLacza::mousePressEvent(QMouseEvent* zdarzenie) {
    if (zdarzenie->button() == Qt::LeftButton) {
        wcisniety_ = true;
        UstawKolor(KolorAktywny);
    }
    QLabel::mousePressEvent(zdarzenie);
}

void EtykietaLacza::mouseReleaseEvent(QMouseEvent* zdarzenie) {
    const bool klik = wcisniety_ && zdarzenie->button() == Qt::LeftButton &&
                      rect().contains(zdarzenie->position().toPoint());
    wcisniety_ = false;
    UstawKolor(rect().contains(zdarzenie->position().toPoint()) ? podMysza_ : zwykly_);
    if (klik && adres_.isValid()) {
        QDesktopServices::openUrl(adres_);
        emit Otwarto(adres_);
    }
    QLabel::mouseReleaseEvent(zdarzenie);
}
