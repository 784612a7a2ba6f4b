#include "DostepneOkno.h"

#include <QAccessible>
#include <QEvent>
#include <QWidget>

namespace {
constexpr const char* Okno = "fazolabOknoDostepne";

// Qt tells readers of a new caption of a dialog, not of a plain widget's.
class NazwaZTytulu : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (zdarzenie->type() == QEvent::WindowTitleChange) {
            QAccessibleEvent zmiana(obiekt, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&zmiana);
        }
        return false;
    }
};
} // namespace

void DostepneOkno::Opisz(QWidget* okno) {
    QAccessible::installFactory(&DostepneOkno::Fabryka);
    okno->setProperty(Okno, true);
    okno->installEventFilter(new NazwaZTytulu(okno));
    // An interface made before (a reader asking while the window was built)
    // is the plain widget's: it gives way to this one.
    QAccessibleInterface* dotychczasowy = QAccessible::queryAccessibleInterface(okno);
    if (dotychczasowy && !dynamic_cast<DostepneOkno*>(dotychczasowy)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(dotychczasowy));
    }
}

QAccessibleInterface* DostepneOkno::Fabryka(const QString&, QObject* obiekt) {
    auto* okno = qobject_cast<QWidget*>(obiekt);
    if (!okno || !okno->property(Okno).toBool()) {
        return nullptr;
    }
    return new DostepneOkno(okno);
}

DostepneOkno::DostepneOkno(QWidget* okno) : QAccessibleWidget(okno, QAccessible::Window) {}
