#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button that is a picture: one picture normally, the other while the
// mouse is over it; clicked() on a click, and on Enter or Space while it has
// the focus (a dotted frame shows the focus). Its size is that of the first
// picture unless set otherwise; both pictures are drawn to fill it.
class PrzyciskObrazkowy : public QAbstractButton {
    Q_OBJECT
public:
    explicit PrzyciskObrazkowy(QWidget* rodzic = nullptr);

    void UstawObrazki(const QPixmap& zwykly, const QPixmap& podMysza);
    // The picture drawn now.
    const QPixmap& WidocznyObrazek() const;
    bool PodMysza() const { return podMysza_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void enterEvent(QEnterEvent* zdarzenie) override;
    void leaveEvent(QEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

private:
    QPixmap zwykly_;
    QPixmap podMyszaObrazek_;
    bool podMysza_ = false;
};
