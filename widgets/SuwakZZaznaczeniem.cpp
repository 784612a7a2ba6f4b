#include "SuwakZZaznaczeniem.h"

#include <QStyleOptionSlider>
#include <QStylePainter>

#include <algorithm>

namespace {
constexpr int GruboscPasma = 4;
}

SuwakZZaznaczeniem::SuwakZZaznaczeniem(Qt::Orientation orientacja, QWidget* rodzic)
    : QSlider(orientacja, rodzic) {
    setTickPosition(QSlider::TicksBelow);
}

void SuwakZZaznaczeniem::UstawZaznaczenie(int poczatek, int koniec) {
    poczatek_ = std::min(poczatek, koniec);
    koniec_ = std::max(poczatek, koniec);
    update();
}

QRect SuwakZZaznaczeniem::ProstokatZaznaczenia() const {
    const int od = std::clamp(poczatek_, minimum(), maximum());
    const int doWartosci = std::clamp(koniec_, minimum(), maximum());
    if (od == doWartosci) {
        return {};
    }
    QStyleOptionSlider opcje;
    initStyleOption(&opcje);
    const QRect rowek =
        style()->subControlRect(QStyle::CC_Slider, &opcje, QStyle::SC_SliderGroove, this);
    const QRect uchwyt =
        style()->subControlRect(QStyle::CC_Slider, &opcje, QStyle::SC_SliderHandle, this);
    // The handle's centre runs over the groove less the handle's own length.
    const bool pozioma = orientation() == Qt::Horizontal;
    const int dlugoscUchwytu = pozioma ? uchwyt.width() : uchwyt.height();
    const int poczatekRowka = (pozioma ? rowek.left() : rowek.top()) + dlugoscUchwytu / 2;
    const int zakres = (pozioma ? rowek.width() : rowek.height()) - dlugoscUchwytu;
    const auto piksel = [&](int wartosc) {
        return poczatekRowka + QStyle::sliderPositionFromValue(minimum(), maximum(), wartosc,
                                                               zakres, opcje.upsideDown);
    };
    const int a = std::min(piksel(od), piksel(doWartosci));
    const int b = std::max(piksel(od), piksel(doWartosci));
    const QPoint srodek = rowek.center();
    if (pozioma) {
        return QRect(a, srodek.y() - GruboscPasma / 2, b - a + 1, GruboscPasma);
    }
    return QRect(srodek.x() - GruboscPasma / 2, a, GruboscPasma, b - a + 1);
}

void SuwakZZaznaczeniem::paintEvent(QPaintEvent*) {
    QStylePainter malarz(this);
    QStyleOptionSlider opcje;
    initStyleOption(&opcje);
    const QStyle::SubControls wszystkie = opcje.subControls;

    opcje.subControls = wszystkie & ~QStyle::SC_SliderHandle;
    malarz.drawComplexControl(QStyle::CC_Slider, opcje);

    const QRect pasmo = ProstokatZaznaczenia();
    if (!pasmo.isEmpty()) {
        malarz.fillRect(pasmo, palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                               QPalette::Highlight));
    }

    opcje.subControls = QStyle::SC_SliderHandle;
    malarz.drawComplexControl(QStyle::CC_Slider, opcje);
}
