#pragma once

#include <QColor>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

// A picture with one transparent colour: the pixels of that colour are not
// drawn, and the window can take its shape from the rest (a splash window
// without a border).
class ObrazekPrzezroczysty : public QWidget {
    Q_OBJECT
public:
    explicit ObrazekPrzezroczysty(QWidget* rodzic = nullptr);

    void UstawObrazek(const QPixmap& obrazek, const QColor& przezroczysty);
    const QPixmap& Obrazek() const { return obrazek_; }
    QColor KolorPrzezroczysty() const { return przezroczysty_; }

    // The pixels of the picture that are not of the transparent colour, in
    // the picture's coordinates.
    QRegion Ksztalt() const { return ksztalt_; }
    // Cuts the transparent pixels out of the window that holds the picture;
    // whatever of the window lies outside the picture stays.
    void UksztaltujOkno();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    QPixmap obrazek_;
    QColor przezroczysty_;
    QRegion ksztalt_;
};
