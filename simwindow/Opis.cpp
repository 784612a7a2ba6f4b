#include "Opis.h"

#include "FormatLiczby.h"
#include "KontekstPomocy.h"
#include "Podpowiedz.h"

#include <QWidget>

void Opisz(QWidget* kontrolka, const QString& nazwa, const QString& podpowiedz,
           int kontekstPomocy) {
    kontrolka->setAccessibleName(nazwa);
    if (!podpowiedz.isEmpty()) {
        UstawPodpowiedz(kontrolka, podpowiedz);
    }
    if (kontekstPomocy != 0) {
        UstawKontekstPomocy(kontrolka, kontekstPomocy);
    }
}

QString FormatOgolny(double wartosc) {
    return FormatujLiczbe(wartosc, QString(), QLocale());
}
