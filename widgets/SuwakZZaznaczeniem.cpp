#include "SuwakZZaznaczeniem.h"

#include "DostepnySuwak.h"

#include <QAccessible>
#include <QLocale>
#include <QStyleOptionSlider>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr int GruboscKanalu = 6;
constexpr int GruboscPasma = 4;
} // namespace

SuwakZZaznaczeniem::SuwakZZaznaczeniem(Qt::Orientation orientacja, QWidget* rodzic)
    : QSlider(orientacja, rodzic) {
    // Qt keeps one copy of a factory however often it is installed.
    QAccessible::installFactory(&DostepnySuwak::Fabryka);
    setTickPosition(QSlider::TicksBelow);
}

void SuwakZZaznaczeniem::UstawSkale(double skala, int miejsca, double przesuniecie) {
    skala_ = skala;
    miejsca_ = std::max(miejsca, 0);
    przesuniecie_ = przesuniecie;
}

double SuwakZZaznaczeniem::WartoscPokazana(int pozycja) const {
    const double dziesiatki = std::pow(10.0, miejsca_);
    return std::round((pozycja * skala_ + przesuniecie_) * dziesiatki) / dziesiatki;
}

QString SuwakZZaznaczeniem::TekstWartosci(int pozycja) const {
    QLocale jezyk;
    jezyk.setNumberOptions(QLocale::OmitGroupSeparator);
    return jezyk.toString(WartoscPokazana(pozycja), 'f', miejsca_);
}

int SuwakZZaznaczeniem::Pozycja(double wartoscPokazana) const {
    if (skala_ == 0.0 || !std::isfinite(wartoscPokazana)) {
        return value();
    }
    const double pozycja = std::round((wartoscPokazana - przesuniecie_) / skala_);
    return static_cast<int>(
        std::clamp(pozycja, static_cast<double>(minimum()), static_cast<double>(maximum())));
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

// QSlider inverts its keys only when told so apart from its picture.
void SuwakZZaznaczeniem::keyPressEvent(QKeyEvent* zdarzenie) {
    setInvertedControls(invertedAppearance());
    QSlider::keyPressEvent(zdarzenie);
}

void SuwakZZaznaczeniem::wheelEvent(QWheelEvent* zdarzenie) {
    setInvertedControls(invertedAppearance());
    QSlider::wheelEvent(zdarzenie);
}

void SuwakZZaznaczeniem::paintEvent(QPaintEvent*) {
    QStylePainter malarz(this);
    QStyleOptionSlider opcje;
    initStyleOption(&opcje);

    // The channel is drawn here, not by the style: some styles fill it up to
    // the handle, which would read as a selection.
    const QRect rowek =
        style()->subControlRect(QStyle::CC_Slider, &opcje, QStyle::SC_SliderGroove, this);
    const QPoint srodek = rowek.center();
    const QRect kanal =
        orientation() == Qt::Horizontal
            ? QRect(rowek.left(), srodek.y() - GruboscKanalu / 2, rowek.width(), GruboscKanalu)
            : QRect(srodek.x() - GruboscKanalu / 2, rowek.top(), GruboscKanalu, rowek.height());
    malarz.fillRect(kanal, palette().color(QPalette::Base));
    malarz.setPen(palette().color(QPalette::Mid));
    malarz.drawRect(kanal.adjusted(0, 0, -1, -1));

    const QRect pasmo = ProstokatZaznaczenia();
    if (!pasmo.isEmpty()) {
        malarz.fillRect(pasmo, palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                               QPalette::Highlight));
    }

    opcje.subControls = QStyle::SC_SliderHandle;
    if (tickPosition() != QSlider::NoTicks) {
        opcje.subControls |= QStyle::SC_SliderTickmarks;
    }
    malarz.drawComplexControl(QStyle::CC_Slider, opcje);
}
