#include "OknoPomocy.h"

#include "UlozenieOknaPomocy.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QSize RozmiarOkna(720, 560);
}

OknoPomocy::OknoPomocy(const QString& plikPomocy, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window), przegladarka_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Fazolab - Pomoc"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(RozmiarOkna);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(przegladarka_);
    przegladarka_->setAccessibleName(QStringLiteral("Pomoc"));
    // Links to web pages go to the user's browser; links inside the
    // document stay here.
    przegladarka_->setOpenExternalLinks(true);
    przegladarka_->setSource(QUrl::fromLocalFile(plikPomocy));
    auto* zamknij = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(zamknij, &QShortcut::activated, this, &QWidget::close);
    // The text reflows when the window first takes its size (and whenever it
    // is resized), which moves every heading: the view follows the section
    // as long as the user has not scrolled away from it.
    QScrollBar* pasek = przegladarka_->verticalScrollBar();
    connect(pasek, &QScrollBar::rangeChanged, this, &OknoPomocy::PoZmianieWysokosci);
    connect(pasek, &QScrollBar::valueChanged, this, [this](int wartosc) {
        if (wartosc != przewiniecie_) {
            przewiniecie_ = -1;
        }
    });
}

void OknoPomocy::Pokaz(int kontekst, const QWidget* obok) {
    PokazKotwice(QStringLiteral("k%1").arg(kontekst), obok);
}

void OknoPomocy::PokazKotwice(const QString& kotwica, const QWidget* obok) {
    kotwica_ = MaKotwice(kotwica) ? kotwica : QString();
    if (isHidden()) {
        Uloz(obok);
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    Przewin();
}

void OknoPomocy::Uloz(const QWidget* obok) {
    const QScreen* ekran = obok != nullptr && obok->screen() != nullptr
                               ? obok->screen()
                               : QGuiApplication::primaryScreen();
    if (ekran == nullptr) {
        return;
    }
    // The frame of this window is not known before it is first shown: the
    // program's window, decorated alike, stands in for it.
    const QRect obszar = ekran->availableGeometry();
    const QSize ramka =
        obok != nullptr ? obok->frameGeometry().size() - obok->geometry().size() : QSize(0, 0);
    const QRect program =
        obok != nullptr ? obok->frameGeometry() : QRect(obszar.topLeft(), QSize(0, 0));
    const QRect miejsce = UlozenieOknaPomocy(program, RozmiarOkna + ramka, obszar);
    resize(miejsce.size() - ramka);
    move(miejsce.topLeft());
}

void OknoPomocy::Przewin() {
    QScrollBar* pasek = przegladarka_->verticalScrollBar();
    przewiniecie_ = -1;
    if (kotwica_.isEmpty()) {
        pasek->setValue(0);
    } else {
        przegladarka_->scrollToAnchor(kotwica_);
    }
    przewiniecie_ = pasek->value();
}

void OknoPomocy::PoZmianieWysokosci() {
    if (przewiniecie_ >= 0) {
        Przewin();
    }
}

bool OknoPomocy::MaKotwice(const QString& kotwica) const {
    if (kotwica.isEmpty()) {
        return false;
    }
    for (QTextBlock blok = przegladarka_->document()->begin(); blok.isValid(); blok = blok.next()) {
        // An anchor without text ends up on the block that follows it.
        if (blok.charFormat().anchorNames().contains(kotwica)) {
            return true;
        }
        for (auto fragment = blok.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorNames().contains(kotwica)) {
                return true;
            }
        }
    }
    return false;
}
