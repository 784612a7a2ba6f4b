#include "PrzyciskPrzezroczysty.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace {
constexpr int Odstep = 4;
}

PrzyciskPrzezroczysty::PrzyciskPrzezroczysty(const QString& napis, QWidget* rodzic)
    : QAbstractButton(rodzic) {
    setText(napis);
    setIconSize(QSize(16, 16));
    setCursor(Qt::PointingHandCursor);
}

void PrzyciskPrzezroczysty::UstawKolorCzcionki(const QColor& kolor) {
    kolorCzcionki_ = kolor;
    update();
}

QSize PrzyciskPrzezroczysty::sizeHint() const {
    const QFontMetrics miara(font());
    int szerokosc = miara.horizontalAdvance(text()) + 2 * Odstep;
    int wysokosc = miara.height();
    if (!icon().isNull()) {
        szerokosc += iconSize().width() + Odstep;
        wysokosc = std::max(wysokosc, iconSize().height());
    }
    return QSize(szerokosc, wysokosc + 2 * Odstep);
}

void PrzyciskPrzezroczysty::enterEvent(QEnterEvent* zdarzenie) {
    podMysza_ = true;
    update();
    QAbstractButton::enterEvent(zdarzenie);
}

void PrzyciskPrzezroczysty::leaveEvent(QEvent* zdarzenie) {
    podMysza_ = false;
    update();
    QAbstractButton::leaveEvent(zdarzenie);
}

void PrzyciskPrzezroczysty::keyPressEvent(QKeyEvent* zdarzenie) {
    // Space is the button's own key; Enter does the same, as on the push
    // buttons of a dialog.
    if (zdarzenie->key() == Qt::Key_Return || zdarzenie->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(zdarzenie);
}

void PrzyciskPrzezroczysty::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    malarz.setRenderHint(QPainter::Antialiasing);
    QRect obszar = rect();
    if (isDown()) {
        obszar.translate(1, 1);
    }
    // Only a thin frame under the mouse tells that it is a button.
    if (isEnabled() && (podMysza_ || isDown())) {
        malarz.setPen(QPen(palette().color(isDown() ? QPalette::Dark : QPalette::Light), 1));
        malarz.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    int x = obszar.left() + Odstep;
    if (!icon().isNull()) {
        const QPixmap obrazek =
            icon().pixmap(iconSize(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
        malarz.drawPixmap(x, obszar.top() + (obszar.height() - iconSize().height()) / 2, obrazek);
        x += iconSize().width() + Odstep;
    }
    if (hasFocus()) {
        // Dots over a light line: seen on the light page and the dark strip.
        const QRect ramka = rect().adjusted(1, 1, -2, -2);
        malarz.setRenderHint(QPainter::Antialiasing, false);
        malarz.setPen(QPen(Qt::white, 1));
        malarz.drawRect(ramka);
        malarz.setPen(QPen(Qt::black, 1, Qt::DotLine));
        malarz.drawRect(ramka);
    }
    malarz.setFont(font());
    malarz.setPen(isEnabled() ? kolorCzcionki_
                              : palette().color(QPalette::Disabled, QPalette::WindowText));
    malarz.drawText(QRect(x, obszar.top(), obszar.right() - x, obszar.height()),
                    Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, text());
}
