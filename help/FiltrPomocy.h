#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

class OknoPomocy;
class QWidget;

// The help of the whole program, installed as the application's event
// filter: it owns the program's one help window, which F1 opens at the
// section of the help context of the focused control, a window's help button
// through Pokaz, and a link label through an address of its own scheme
// ("pomoc:#kotwica", see Adres). Without a help document it does nothing and
// lets F1 through.
class FiltrPomocy : public QObject {
    Q_OBJECT
public:
    explicit FiltrPomocy(const QString& plikPomocy, QObject* rodzic = nullptr);
    ~FiltrPomocy() override;

    // The address that opens the help window at the anchor.
    static QUrl Adres(const QString& kotwica);

    // Opens the help window at the section of the context; when it opens, it
    // stands beside `obok`, the window help is asked from.
    void Pokaz(int kontekst, const QWidget* obok = nullptr);
    // The help window; nullptr until help is first asked for.
    OknoPomocy* Okno() const { return okno_.get(); }

public slots:
    void OtworzAdres(const QUrl& adres);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    OknoPomocy& Otworz();

    QString plikPomocy_;
    std::unique_ptr<OknoPomocy> okno_;
};
