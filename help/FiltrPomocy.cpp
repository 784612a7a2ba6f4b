#include "FiltrPomocy.h"

#include "KontekstPomocy.h"
#include "OknoPomocy.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>

namespace {
const QString Schemat = QStringLiteral("pomoc");
}

FiltrPomocy::FiltrPomocy(const QString& plikPomocy, QObject* rodzic)
    : QObject(rodzic), plikPomocy_(plikPomocy) {
    QDesktopServices::setUrlHandler(Schemat, this, "OtworzAdres");
}

FiltrPomocy::~FiltrPomocy() {
    QDesktopServices::unsetUrlHandler(Schemat);
}

QUrl FiltrPomocy::Adres(const QString& kotwica) {
    QUrl adres;
    adres.setScheme(Schemat);
    adres.setFragment(kotwica);
    return adres;
}

OknoPomocy& FiltrPomocy::Otworz() {
    if (!okno_) {
        okno_ = std::make_unique<OknoPomocy>(plikPomocy_);
    }
    return *okno_;
}

void FiltrPomocy::Pokaz(int kontekst, const QWidget* obok) {
    if (!plikPomocy_.isEmpty()) {
        Otworz().Pokaz(kontekst, obok);
    }
}

void FiltrPomocy::OtworzAdres(const QUrl& adres) {
    if (!plikPomocy_.isEmpty() && adres.scheme() == Schemat) {
        Otworz().PokazKotwice(adres.fragment(), QApplication::activeWindow());
    }
}

bool FiltrPomocy::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    // Key events reach the filter first for the platform window and then for
    // the widget; only the widget's delivery is taken.
    if (zdarzenie->type() != QEvent::KeyPress || plikPomocy_.isEmpty() || !obiekt->isWidgetType()) {
        return false;
    }
    const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
    if (klawisz->key() != Qt::Key_F1 || klawisz->modifiers() != Qt::NoModifier) {
        return false;
    }
    auto* kontrolka = static_cast<QWidget*>(obiekt);
    if (okno_ && kontrolka->window() == okno_.get()) {
        return false;
    }
    QWidget* wybrana = QApplication::focusWidget() ? QApplication::focusWidget() : kontrolka;
    Pokaz(KontekstPomocy(wybrana), wybrana->window());
    return true;
}
