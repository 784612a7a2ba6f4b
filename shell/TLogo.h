#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class Dialogi;

// The splash window: the logo without a border, shaped to its picture,
// centred on the screen, with the button that leads to the main menu. It
// checks at start that the screen is large enough for the windows of the
// program and finds the help document.
class TLogo : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize Rozmiar{452, 373};
    static constexpr QSize NajmniejszyEkran{800, 600};

    // ekran: the geometry of the screen the program starts on. A screen
    // smaller than NajmniejszyEkran is reported, and the program then ends as
    // soon as its event loop starts.
    TLogo(Dialogi& dialogi, const QRect& ekran, QWidget* rodzic = nullptr);

    // The window the button of the splash leads to.
    void UstawMenu(QWidget* menu) { menu_ = menu; }
    // The help document found beside the program, in the current folder or
    // in the installed data folder; empty when there is none.
    QString PlikPomocy() const { return plikPomocy_; }

private:
    void ESimageFM1Click();

    QWidget* menu_ = nullptr;
    QString plikPomocy_;
};
