#include "KontekstPomocy.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char Wlasciwosc[] = "fazolabKontekstPomocy";
}

void UstawKontekstPomocy(QWidget* w, int kontekst) {
    w->setProperty(Wlasciwosc, kontekst);
}

int KontekstPomocy(const QWidget* w) {
    for (; w != nullptr; w = w->parentWidget()) {
        const QVariant kontekst = w->property(Wlasciwosc);
        if (kontekst.isValid() && kontekst.toInt() != 0) {
            return kontekst.toInt();
        }
    }
    return 0;
}
