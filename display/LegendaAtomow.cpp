#include "LegendaAtomow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace {
constexpr int Pole = 18;       // the square a mark stands on
constexpr int Wiersz = 20;     // the height of one row
constexpr int Najmniejszy = 8; // marks smaller than this are shown enlarged
const QColor KolorNapisu(190, 215, 230);

// The opaque part of a picture, enlarged (without smoothing) to a size the eye
// can compare with the drawing when the drawn mark is only a few pixels.
QImage Widoczny(const QImage& obrazek) {
    QRect zajete;
    for (int y = 0; y < obrazek.height(); ++y) {
        for (int x = 0; x < obrazek.width(); ++x) {
            if (qAlpha(obrazek.pixel(x, y)) != 0) {
                zajete |= QRect(x, y, 1, 1);
            }
        }
    }
    const QImage wyciety = obrazek.copy(zajete);
    if (zajete.width() >= Najmniejszy) {
        return wyciety;
    }
    return wyciety.scaled(Najmniejszy + 2, Najmniejszy + 2);
}
// Heard as a picture with its name, not as an empty filler.
QAccessibleInterface* Fabryka(const QString& klasa, QObject* obiekt) {
    auto* legenda = qobject_cast<LegendaAtomow*>(obiekt);
    if (klasa != QLatin1String("LegendaAtomow") || !legenda) {
        return nullptr;
    }
    return new QAccessibleWidget(legenda, QAccessible::Graphic);
}
} // namespace

LegendaAtomow::LegendaAtomow(QWidget* rodzic) : QWidget(rodzic) {
    QAccessible::installFactory(&Fabryka);
    setAttribute(Qt::WA_TranslucentBackground);
}

void LegendaAtomow::Pokaz(const ZnakiAtomow& znaki) {
    if (znaki == znaki_) {
        return;
    }
    znaki_ = znaki;
    setAccessibleName(QStringLiteral("Legenda rysunku sieci: atom A – ") + znaki.OpisA +
                      QStringLiteral(", atom B – ") + znaki.OpisB);
    update();
}

void LegendaAtomow::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    QFont czcionka = font();
    czcionka.setPixelSize(11);
    malarz.setFont(czcionka);
    const std::pair<const QImage*, QString> wiersze[] = {{&znaki_.A, QStringLiteral("atom A")},
                                                         {&znaki_.B, QStringLiteral("atom B")}};
    int y = 0;
    for (const auto& [obrazek, napis] : wiersze) {
        const QRect pole(0, y + (Wiersz - Pole) / 2, Pole, Pole);
        malarz.fillRect(pole, znaki_.Tlo);
        if (!obrazek->isNull()) {
            const QImage znak = Widoczny(*obrazek);
            malarz.drawImage(
                pole.center() - QPoint(znak.width() / 2, znak.height() / 2) + QPoint(1, 1), znak);
        }
        malarz.setPen(KolorNapisu);
        malarz.drawText(QRect(Pole + 6, y, width() - Pole - 6, Wiersz),
                        Qt::AlignLeft | Qt::AlignVCenter, napis);
        y += Wiersz;
    }
}
