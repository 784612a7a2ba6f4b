#include "Podpowiedz.h"

#include <QWidget>

void UstawPodpowiedz(QWidget* kontrolka, const QString& tekst, Dymek dymek) {
    kontrolka->setStatusTip(tekst);
    kontrolka->setToolTip(dymek == Dymek::Tak ? tekst : QString());
}
