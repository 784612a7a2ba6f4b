#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

class QMouseEvent;
class QPaintEvent;
class QWheelEvent;

// A rotatable parallel projection of a cloud of coloured points. Points are
// kept in data units; UpdateView maps them to integer view units (each axis
// spanning -500..500 with automatic scale), and every paint projects them
// with an integer rotation matrix (the rotation times 500) and the divisor D,
// composing the picture off screen so that dragging does not flicker.
//
// The left button turns the view, the right button moves it, the wheel zooms.
class TRot3D : public QWidget {
    Q_OBJECT
public:
    // The filled disc of 7 pixels; other marks are kept but not drawn.
    static constexpr std::uint8_t ZnakKola = 24;
    using Macierz = std::array<std::array<int, 3>, 3>;

    explicit TRot3D(QWidget* rodzic = nullptr);

    // Empties the point list. The display list, and so the picture, stay
    // until UpdateView: a repaint while the points are being fed again shows
    // the previous picture, not bare axes.
    void ClearPoints();
    void SetPointColor(const QColor& kolor) { kolorPunktu_ = kolor.rgb(); }
    void AddPoint(std::uint8_t znak, double x, double y, double z);
    // Origin and scale from the points, the display list, and a repaint; an
    // empty point list changes nothing.
    void UpdateView();

    // Angles in degrees: x, then y, then z rotation.
    double ViewAngleX() const { return katy_[0]; }
    double ViewAngleY() const { return katy_[1]; }
    double ViewAngleZ() const { return katy_[2]; }
    void SetViewAngleX(double kat);
    void SetViewAngleY(double kat);
    void SetViewAngleZ(double kat);
    const Macierz& MacierzObrotu() const { return macierz_; }

    // 0.1 to 5.0; held as the divisor D = 2000 / Magnification, rounded.
    double Magnification() const { return powiekszenie_; }
    void SetMagnification(double powiekszenie);
    int Dzielnik() const { return dzielnik_; }

    // Screen position of the origin, clamped to the control when used.
    void SetCentX(int x);
    void SetCentY(int y);

    double OriginX() const { return poczatek_[0]; }
    double OriginZ() const { return poczatek_[2]; }
    void SetOrigin(double x, double y, double z);
    double Skala(int os) const { return skala_.at(os); }
    void SetAutoOrigin(bool wlaczony);
    void SetAutoScale(bool wlaczony);
    void SetIsoMetric(bool wlaczony);

    void SetShowAxes(bool pokaz);
    // Axes reach AxSize view units (0..2000); the part inside half of
    // BoundBoxSize (0..2000) is drawn lighter.
    void SetAxSize(int rozmiar);
    void SetBoundBoxSize(int rozmiar);
    // Names of at most 25 characters.
    void SetAxNames(const QString& x, const QString& y, const QString& z);
    void SetColorChart(const QColor& kolor);
    void SetColorCubeFrame(const QColor& kolor);
    void SetColorCubeHidLin(const QColor& kolor);
    // Drag lengths of one full turn; 0 takes the control's width or height.
    void SetDlugoscObrotu(int sx, int sy);

    // Screen position of a point in view units.
    QPoint Rzutuj(int x, int y, int z) const;
    int IloscPunktow() const { return static_cast<int>(lista_.size()); }
    // Screen position of the centre of display-list point i.
    QPoint PunktNaEkranie(int i) const;
    // Composes one paint into the off-screen picture and returns it.
    const QImage& Rysuj();

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void wheelEvent(QWheelEvent* zdarzenie) override;

private:
    struct Punkt {
        double x, y, z;
        QRgb kolor;
        std::uint8_t znak;
    };
    struct PunktWidoku {
        int x, y, z;
        int kolor; // index into the palette
        std::uint8_t znak;
    };

    void PrzeliczMacierz();
    int IndeksKoloru(QRgb kolor);
    void ZapamietajPolozenie(const QPoint& punkt);
    void RysujOsie(QPainter& painter) const;
    void RysujNazwyOsi(QPainter& painter) const;
    void RysujRamke(QPainter& painter) const;

    std::vector<Punkt> punkty_;
    std::vector<PunktWidoku> lista_;
    std::array<QRgb, 32> paleta_{};
    int wolnyKolor_ = 16;
    QRgb kolorPunktu_ = 0xFF000000u;

    std::array<double, 3> katy_{60.0, 45.0, 90.0};
    Macierz macierz_{};
    double powiekszenie_ = 2.0 / 3.0;
    int dzielnik_ = 3000;
    int centX_ = 195;
    int centY_ = 200;
    std::array<double, 3> poczatek_{};
    std::array<double, 3> skala_{1.0, 1.0, 1.0};
    bool autoOrigin_ = true;
    bool autoScale_ = true;
    bool isoMetric_ = false;

    bool showAxes_ = true;
    int axSize_ = 900;
    int polowaSzescianu_ = 500;
    std::array<QString, 3> nazwyOsi_{QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    QColor colorChart_ = Qt::white;
    QColor colorCubeFrame_ = QColor(0x40, 0x40, 0x40);
    QColor colorCubeHidLin_ = QColor(0xB0, 0xB0, 0xB0);

    int dlugoscObrotuX_ = 0;
    int dlugoscObrotuY_ = 0;
    QPoint poczatekRuchu_;
    double katXRuchu_ = 0.0;
    double katYRuchu_ = 0.0;
    int centXRuchu_ = 0;
    int centYRuchu_ = 0;

    QImage obraz_;
};
