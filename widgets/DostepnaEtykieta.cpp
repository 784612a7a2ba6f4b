#include "DostepnaEtykieta.h"

#include <QAccessible>
#include <QLabel>

namespace {
// The caption, kept on the label itself so that it lives and dies with it.
constexpr const char* Podpis = "fazolabPodpisWartosci";
} // namespace

void DostepnaEtykieta::OpiszWartosc(QLabel* etykieta, const QString& podpis) {
    // Qt keeps one copy of a factory however often it is installed.
    QAccessible::installFactory(&DostepnaEtykieta::Fabryka);
    etykieta->setAccessibleName(QString());
    etykieta->setProperty(Podpis, podpis);
    // An interface made before (a reader running while the window was built)
    // is the plain label's: it gives way to this one.
    QAccessibleInterface* dotychczasowy = QAccessible::queryAccessibleInterface(etykieta);
    if (dotychczasowy && !dynamic_cast<DostepnaEtykieta*>(dotychczasowy)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(dotychczasowy));
    }
    QAccessibleEvent zmiana(etykieta, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&zmiana);
}

QAccessibleInterface* DostepnaEtykieta::Fabryka(const QString& klasa, QObject* obiekt) {
    auto* etykieta = qobject_cast<QLabel*>(obiekt);
    if (klasa != QLatin1String("QLabel") || !etykieta || !etykieta->property(Podpis).isValid()) {
        return nullptr;
    }
    return new DostepnaEtykieta(etykieta);
}

DostepnaEtykieta::DostepnaEtykieta(QLabel* etykieta)
    : QAccessibleWidget(etykieta, QAccessible::StaticText) {}

QString DostepnaEtykieta::text(QAccessible::Text rodzaj) const {
    const auto* etykieta = static_cast<const QLabel*>(widget());
    if (rodzaj == QAccessible::Name) {
        return etykieta->property(Podpis).toString() + QStringLiteral(": ") +
               etykieta->text().trimmed();
    }
    return QAccessibleWidget::text(rodzaj);
}
