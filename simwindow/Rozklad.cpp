#include "Rozklad.h"

#include <QWidget>

void Rozmiesc(QWidget* strona, std::initializer_list<Miejsce> rozklad) {
    for (const Miejsce& miejsce : rozklad) {
        auto* kontrolka = strona->findChild<QWidget*>(QLatin1String(miejsce.Nazwa));
        if (!kontrolka) {
            qFatal("Rozmiesc: brak kontrolki %s", miejsce.Nazwa);
        }
        kontrolka->setGeometry(miejsce.Prostokat);
    }
}
