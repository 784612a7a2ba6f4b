#include "Opis.h"

#include "FormatLiczby.h"
#include "KontekstPomocy.h"
#include "Podpowiedz.h"

#include <QCoreApplication>
#include <QStatusTipEvent>
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

void PokazWPasku(QWidget* kontrolka, const QString& tekst) {
    QStatusTipEvent zdarzenie(tekst);
    QCoreApplication::sendEvent(kontrolka->window(), &zdarzenie);
}

QString FormatOgolny(double wartosc) {
    return FormatujLiczbe(wartosc, QString(), QLocale());
}
