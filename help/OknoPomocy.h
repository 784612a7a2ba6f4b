#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's own help window: the help document (HTML with one anchor
// "k<kontekst>" per help context) in a text browser, so that the anchors work
// without a web browser. Closing it (also with Esc) never ends the program.
class OknoPomocy : public QWidget {
    Q_OBJECT
public:
    explicit OknoPomocy(const QString& plikPomocy, QWidget* rodzic = nullptr);

    // Shows the window with the section of the help context at the top, or
    // the top of the document when it has no such section; an open window is
    // raised and turned to the section where it stands. A window that opens
    // is placed beside `obok` (the window help was asked from) or over it,
    // whole on the screen.
    void Pokaz(int kontekst, const QWidget* obok = nullptr);
    // The same for an anchor given by name, such as "o_programie".
    void PokazKotwice(const QString& kotwica, const QWidget* obok = nullptr);

    bool MaKotwice(const QString& kotwica) const;
    // The anchor the window was last opened at; empty when at the top.
    QString Kotwica() const { return kotwica_; }
    const QTextBrowser* Przegladarka() const { return przegladarka_; }

private:
    void Uloz(const QWidget* obok);
    void Przewin();
    void PoZmianieWysokosci();

    QTextBrowser* przegladarka_;
    QString kotwica_;
    // The scroll position the last jump left; -1 once the user has scrolled
    // away from it.
    int przewiniecie_ = -1;
};
