#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's own help window: the help document (HTML with one anchor
// "k<kontekst>" per help context) in a text browser, so that the anchors work
// without a web browser. Closing it never ends the program.
class OknoPomocy : public QWidget {
    Q_OBJECT
public:
    explicit OknoPomocy(const QString& plikPomocy, QWidget* rodzic = nullptr);

    // Shows the window at the section of the help context, or at the top of
    // the document when it has no such section.
    void Pokaz(int kontekst);
    // The same for an anchor given by name, such as "o_programie".
    void PokazKotwice(const QString& kotwica);

    bool MaKotwice(const QString& kotwica) const;
    // The anchor the window was last opened at; empty when at the top.
    QString Kotwica() const { return kotwica_; }
    const QTextBrowser* Przegladarka() const { return przegladarka_; }

private:
    QTextBrowser* przegladarka_;
    QString kotwica_;
};
