#include "TRot3D.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int MaxWspolrzedna = 30000;
constexpr int MaxDlugoscNazwy = 25;
constexpr double KrokPowiekszenia = 1.25;

// The 16 standard colours open the palette; the rest is filled as new point
// colours appear.
constexpr std::array<QRgb, 16> KoloryStandardowe{
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFF808080,
    0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

int Ogranicz(long long wartosc) {
    return static_cast<int>(std::clamp<long long>(wartosc, -MaxWspolrzedna, MaxWspolrzedna));
}

} // namespace

TRot3D::TRot3D(QWidget* rodzic) : QWidget(rodzic) {
    std::copy(KoloryStandardowe.begin(), KoloryStandardowe.end(), paleta_.begin());
    PrzeliczMacierz();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TRot3D::ClearPoints() {
    punkty_.clear();
}

void TRot3D::AddPoint(std::uint8_t znak, double x, double y, double z) {
    punkty_.push_back({x, y, z, kolorPunktu_, znak});
}

void TRot3D::UpdateView() {
    if (punkty_.empty()) {
        return;
    }
    constexpr double Duzo = 1.7e308;
    std::array<double, 3> suma{}, min{Duzo, Duzo, Duzo}, max{-Duzo, -Duzo, -Duzo};
    for (const Punkt& p : punkty_) {
        const std::array<double, 3> w{p.x, p.y, p.z};
        for (int os = 0; os < 3; ++os) {
            suma[os] += w[os];
            min[os] = std::min(min[os], w[os]);
            max[os] = std::max(max[os], w[os]);
        }
    }
    if (autoOrigin_) {
        for (int os = 0; os < 3; ++os) {
            poczatek_[os] = suma[os] / static_cast<double>(punkty_.size());
        }
    }
    if (autoScale_) {
        for (int os = 0; os < 3; ++os) {
            const double rozpietosc = max[os] - min[os];
            skala_[os] = rozpietosc > 1e-30 ? 1000.0 / rozpietosc : 1.0;
        }
        if (isoMetric_) {
            skala_.fill(*std::min_element(skala_.begin(), skala_.end()));
        }
    } else if (isoMetric_) {
        skala_.fill(skala_[0]);
    }

    lista_.clear();
    wolnyKolor_ = 16;
    for (const Punkt& p : punkty_) {
        const std::array<double, 3> w{p.x, p.y, p.z};
        std::array<int, 3> v{};
        for (int os = 0; os < 3; ++os) {
            v[os] = static_cast<int>(std::lround((w[os] - poczatek_[os]) * skala_[os]));
        }
        lista_.push_back({v[0], v[1], v[2], IndeksKoloru(p.kolor), p.znak});
    }
    update();
}

int TRot3D::IndeksKoloru(QRgb kolor) {
    const auto koniec = paleta_.begin() + wolnyKolor_;
    const auto znaleziony = std::find(paleta_.begin(), koniec, kolor);
    if (znaleziony != koniec) {
        return static_cast<int>(znaleziony - paleta_.begin());
    }
    if (wolnyKolor_ == static_cast<int>(paleta_.size())) {
        return wolnyKolor_ - 1;
    }
    paleta_[wolnyKolor_] = kolor;
    return wolnyKolor_++;
}

void TRot3D::SetViewAngleX(double kat) {
    katy_[0] = kat;
    PrzeliczMacierz();
    update();
}

void TRot3D::SetViewAngleY(double kat) {
    katy_[1] = kat;
    PrzeliczMacierz();
    update();
}

void TRot3D::SetViewAngleZ(double kat) {
    katy_[2] = kat;
    PrzeliczMacierz();
    update();
}

// Rotation about z after y after x, times 500 and rounded, so that the
// projection of every point is pure integer arithmetic.
void TRot3D::PrzeliczMacierz() {
    const double r = std::numbers::pi / 180.0;
    const double sa = std::sin(katy_[0] * r), ca = std::cos(katy_[0] * r);
    const double sb = std::sin(katy_[1] * r), cb = std::cos(katy_[1] * r);
    const double sg = std::sin(katy_[2] * r), cg = std::cos(katy_[2] * r);
    const std::array<std::array<double, 3>, 3> m{{
        {cb * cg, sa * sb * cg - ca * sg, ca * sb * cg + sa * sg},
        {cb * sg, sa * sb * sg + ca * cg, ca * sb * sg - sa * cg},
        {-sb, sa * cb, ca * cb},
    }};
    for (int w = 0; w < 3; ++w) {
        for (int k = 0; k < 3; ++k) {
            macierz_[w][k] = static_cast<int>(std::lround(m[w][k] * 500.0));
        }
    }
}

void TRot3D::SetMagnification(double powiekszenie) {
    powiekszenie_ = std::clamp(powiekszenie, 0.1, 5.0);
    dzielnik_ = static_cast<int>(std::lround(2000.0 / powiekszenie_));
    update();
}

void TRot3D::SetCentX(int x) {
    centX_ = x;
    update();
}

void TRot3D::SetCentY(int y) {
    centY_ = y;
    update();
}

void TRot3D::SetOrigin(double x, double y, double z) {
    poczatek_ = {x, y, z};
    UpdateView();
}

void TRot3D::SetAutoOrigin(bool wlaczony) {
    autoOrigin_ = wlaczony;
    UpdateView();
}

void TRot3D::SetAutoScale(bool wlaczony) {
    autoScale_ = wlaczony;
    UpdateView();
}

void TRot3D::SetIsoMetric(bool wlaczony) {
    isoMetric_ = wlaczony;
    UpdateView();
}

void TRot3D::SetShowAxes(bool pokaz) {
    showAxes_ = pokaz;
    update();
}

void TRot3D::SetAxSize(int rozmiar) {
    axSize_ = std::clamp(rozmiar, 0, 2000);
    update();
}

void TRot3D::SetBoundBoxSize(int rozmiar) {
    polowaSzescianu_ = std::clamp(rozmiar, 0, 2000) / 2;
    update();
}

void TRot3D::SetAxNames(const QString& x, const QString& y, const QString& z) {
    nazwyOsi_ = {x.left(MaxDlugoscNazwy), y.left(MaxDlugoscNazwy), z.left(MaxDlugoscNazwy)};
    update();
}

void TRot3D::SetColorChart(const QColor& kolor) {
    colorChart_ = kolor;
    update();
}

void TRot3D::SetColorCubeFrame(const QColor& kolor) {
    colorCubeFrame_ = kolor;
    update();
}

void TRot3D::SetColorCubeHidLin(const QColor& kolor) {
    colorCubeHidLin_ = kolor;
    update();
}

void TRot3D::SetDlugoscObrotu(int sx, int sy) {
    dlugoscObrotuX_ = std::max(sx, 0);
    dlugoscObrotuY_ = std::max(sy, 0);
}

// Integer products and division truncating toward zero, as the whole view is
// laid out in integer view units.
QPoint TRot3D::Rzutuj(int x, int y, int z) const {
    const auto& m = macierz_;
    const long long sx = (1LL * x * m[0][0] + 1LL * y * m[0][1] + 1LL * z * m[0][2]) / dzielnik_;
    const long long sy = (1LL * x * m[1][0] + 1LL * y * m[1][1] + 1LL * z * m[1][2]) / dzielnik_;
    return {Ogranicz(sx + std::clamp(centX_, 0, width())),
            Ogranicz(sy + std::clamp(centY_, 0, height()))};
}

QPoint TRot3D::PunktNaEkranie(int i) const {
    const PunktWidoku& p = lista_.at(i);
    return Rzutuj(p.x, p.y, p.z);
}

const QImage& TRot3D::Rysuj() {
    if (obraz_.size() != size()) {
        obraz_ = QImage(size(), QImage::Format_RGB32);
    }
    obraz_.fill(colorChart_);
    QPainter painter(&obraz_);
    if (showAxes_) {
        RysujOsie(painter);
    }
    for (const PunktWidoku& p : lista_) {
        if (p.znak != ZnakKola) {
            continue;
        }
        const QColor kolor = QColor::fromRgb(paleta_[p.kolor]);
        painter.setPen(kolor);
        painter.setBrush(kolor);
        const QPoint s = Rzutuj(p.x, p.y, p.z);
        // An outlined ellipse covers its rectangle plus one pixel: 7 across.
        painter.drawEllipse(s.x() - 3, s.y() - 3, 6, 6);
    }
    if (showAxes_) {
        RysujNazwyOsi(painter);
    }
    RysujRamke(painter);
    return obraz_;
}

void TRot3D::RysujOsie(QPainter& painter) const {
    const QPoint srodek = Rzutuj(0, 0, 0);
    const int wewnatrz = std::min(axSize_, polowaSzescianu_);
    for (int os = 2; os >= 0; --os) {
        std::array<int, 3> blisko{}, daleko{};
        blisko[os] = wewnatrz;
        daleko[os] = axSize_;
        const QPoint b = Rzutuj(blisko[0], blisko[1], blisko[2]);
        const QPoint d = Rzutuj(daleko[0], daleko[1], daleko[2]);
        painter.setPen(colorCubeHidLin_);
        painter.drawLine(srodek, b);
        painter.setPen(colorCubeFrame_);
        painter.drawLine(b, d);
    }
}

void TRot3D::RysujNazwyOsi(QPainter& painter) const {
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics miary = painter.fontMetrics();
    for (int os = 2; os >= 0; --os) {
        std::array<int, 3> w{};
        w[os] = axSize_ + 50;
        const QPoint s = Rzutuj(w[0], w[1], w[2]);
        const int szer = miary.horizontalAdvance(nazwyOsi_[os]);
        const int lewo = s.x() - szer / 2;
        const int gora = s.y() - miary.height() / 2;
        painter.drawText(lewo, gora + miary.ascent(), nazwyOsi_[os]);
    }
}

// The lowered bevel: shadow outline, a dark inner top-left and a light outer
// bottom-right.
void TRot3D::RysujRamke(QPainter& painter) const {
    const int w = width();
    const int h = height();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(0, 0, w - 2, h - 2);
    painter.setPen(Qt::black);
    painter.drawLine(1, h - 3, 1, 1);
    painter.drawLine(1, 1, w - 3, 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, h - 1, w - 1, h - 1);
    painter.drawLine(w - 1, 0, w - 1, h - 1);
}

void TRot3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Rysuj());
}

void TRot3D::ZapamietajPolozenie(const QPoint& punkt) {
    poczatekRuchu_ = punkt;
    katXRuchu_ = katy_[0];
    katYRuchu_ = katy_[1];
    centXRuchu_ = centX_;
    centYRuchu_ = centY_;
}

// The baseline is also taken at the press, so that a drag that starts without
// a preceding move (the pointer just arrived) does not jump.
void TRot3D::mousePressEvent(QMouseEvent* zdarzenie) {
    ZapamietajPolozenie(zdarzenie->position().toPoint());
}

void TRot3D::mouseMoveEvent(QMouseEvent* zdarzenie) {
    const QPoint p = zdarzenie->position().toPoint();
    const Qt::MouseButtons przyciski = zdarzenie->buttons();
    if (!(przyciski & (Qt::LeftButton | Qt::RightButton))) {
        ZapamietajPolozenie(p);
        return;
    }
    if (p.x() < 0 || p.x() > width() || p.y() < 0 || p.y() > height()) {
        return;
    }
    if (przyciski & Qt::LeftButton) {
        const int sx = dlugoscObrotuX_ > 0 ? dlugoscObrotuX_ : std::max(width(), 1);
        const int sy = dlugoscObrotuY_ > 0 ? dlugoscObrotuY_ : std::max(height(), 1);
        katy_[0] = katXRuchu_ + (poczatekRuchu_.x() - p.x()) * 360 / static_cast<double>(sx);
        katy_[1] = katYRuchu_ + (sy - poczatekRuchu_.y() + p.y()) * 360 / static_cast<double>(sy);
        PrzeliczMacierz();
    } else {
        centX_ = centXRuchu_ + p.x() - poczatekRuchu_.x();
        centY_ = centYRuchu_ + p.y() - poczatekRuchu_.y();
    }
    update();
}

void TRot3D::wheelEvent(QWheelEvent* zdarzenie) {
    const int krok = zdarzenie->angleDelta().y();
    if (krok == 0) {
        return;
    }
    SetMagnification(krok > 0 ? powiekszenie_ * KrokPowiekszenia
                              : powiekszenie_ / KrokPowiekszenia);
    zdarzenie->accept();
}
