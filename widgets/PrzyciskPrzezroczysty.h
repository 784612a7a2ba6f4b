#pragma once

#include <QAbstractButton>
#include <QColor>

// A push button without a face of its own: the caption in its own font and
// colour over whatever lies behind, with a small picture (the button's icon)
// before it. The font colour is read and set on its own, so a caption can
// blink between two colours. A disabled button draws its caption grey.
class PrzyciskPrzezroczysty : public QAbstractButton {
    Q_OBJECT
public:
    explicit PrzyciskPrzezroczysty(const QString& napis = {}, QWidget* rodzic = nullptr);

    QColor KolorCzcionki() const { return kolorCzcionki_; }
    void UstawKolorCzcionki(const QColor& kolor);

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;
    void enterEvent(QEnterEvent* zdarzenie) override;
    void leaveEvent(QEvent* zdarzenie) override;

private:
    QColor kolorCzcionki_ = Qt::black;
    bool podMysza_ = false;
};
