#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

class OknoPomocy;

// The help of the whole program, installed as the application's event
// filter: F1 opens the help window at the section of the help context of the
// focused control. It also opens addresses of its own scheme ("pomoc:#kotwica",
// see Adres), so that a link label can point into the help document. Without
// a help document it does nothing and lets F1 through.
class FiltrPomocy : public QObject {
    Q_OBJECT
public:
    explicit FiltrPomocy(const QString& plikPomocy, QObject* rodzic = nullptr);
    ~FiltrPomocy() override;

    // The address that opens the help window at the anchor.
    static QUrl Adres(const QString& kotwica);

    void Pokaz(int kontekst);
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
