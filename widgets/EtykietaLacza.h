#pragma once

#include <QColor>
#include <QLabel>
#include <QUrl>

// Underlined text that opens a web page in the user's browser when clicked:
// its colour changes while the mouse is over it, and it is red while the
// button is held down on it.
class EtykietaLacza : public QLabel {
    Q_OBJECT
public:
    explicit EtykietaLacza(const QString& tekst = {}, const QUrl& adres = {},
                           QWidget* rodzic = nullptr);

    QUrl Adres() const { return adres_; }
    void UstawKolory(const QColor& zwykly, const QColor& podMysza);
    // The colour the text is drawn in now.
    QColor KolorTekstu() const;

signals:
    // The page was handed to the browser (QDesktopServices::openUrl).
    void Otwarto(const QUrl& adres);

protected:
    void enterEvent(QEnterEvent* zdarzenie) override;
    void leaveEvent(QEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;

private:
    void UstawKolor(const QColor& kolor);

    QUrl adres_;
    QColor zwykly_ = Qt::blue;
    QColor podMysza_ = QColor(0x00, 0x80, 0xFF);
    bool wcisniety_ = false;
};
