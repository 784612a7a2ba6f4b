#include "OknoPomocy.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

OknoPomocy::OknoPomocy(const QString& plikPomocy, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window), przegladarka_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Fazolab - Pomoc"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(720, 560);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(przegladarka_);
    przegladarka_->setAccessibleName(QStringLiteral("Pomoc"));
    // Links to web pages go to the user's browser; links inside the
    // document stay here.
    przegladarka_->setOpenExternalLinks(true);
    przegladarka_->setSource(QUrl::fromLocalFile(plikPomocy));
}

void OknoPomocy::Pokaz(int kontekst) {
    PokazKotwice(QStringLiteral("k%1").arg(kontekst));
}

void OknoPomocy::PokazKotwice(const QString& kotwica) {
    kotwica_ = MaKotwice(kotwica) ? kotwica : QString();
    show();
    raise();
    activateWindow();
    if (kotwica_.isEmpty()) {
        przegladarka_->verticalScrollBar()->setValue(0);
    } else {
        przegladarka_->scrollToAnchor(kotwica_);
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
