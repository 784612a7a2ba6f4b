#pragma once

#include <QImage>
#include <QWidget>

// The drawing area of the flat lattice (the image ISiecXYZ): a 401 x 370
// canvas that keeps its pixels between redraws, so that a redraw paints the
// sites over the previous picture and only an explicit clear blanks it.
class ObrazSieci : public QWidget {
    Q_OBJECT
public:
    static constexpr int Szerokosc = 401;
    static constexpr int Wysokosc = 370;

    explicit ObrazSieci(QWidget* rodzic = nullptr);

    QImage& Plotno() { return plotno_; }
    const QImage& Plotno() const { return plotno_; }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    QImage plotno_;
};
