#include "Kontrolki.h"

#include "Opis.h"
#include "PrzyciskPrzezroczysty.h"

#include <QIcon>
#include <QLabel>

QLabel* Etykieta(QWidget* rodzic, const QString& tekst, const QRect& miejsce,
                 Qt::Alignment wyrownanie) {
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->setGeometry(miejsce);
    etykieta->setAlignment(wyrownanie);
    return etykieta;
}

QLabel* Wartosc(QWidget* rodzic, const QString& nazwa, const QRect& miejsce) {
    auto* etykieta = Etykieta(rodzic, QString(), miejsce);
    QFont pogrubiona = etykieta->font();
    pogrubiona.setBold(true);
    etykieta->setFont(pogrubiona);
    Opisz(etykieta, nazwa);
    return etykieta;
}

QLabel* Wiersz(QWidget* rodzic, const QString& podpis, const QRect& miejscePodpisu,
               const QRect& miejsceWartosci) {
    Etykieta(rodzic, podpis, miejscePodpisu);
    return Wartosc(rodzic, podpis, miejsceWartosci);
}

PrzyciskPrzezroczysty* Przycisk(QWidget* rodzic, const QString& napis, const QString& obrazek,
                                const QRect& miejsce, const QString& podpowiedz, int kontekst,
                                int wielkosc, const QString& nazwa) {
    auto* przycisk = new PrzyciskPrzezroczysty(napis, rodzic);
    przycisk->setGeometry(miejsce);
    przycisk->setIcon(QIcon(obrazek));
    przycisk->setFocusPolicy(Qt::StrongFocus);
    QFont czcionka = przycisk->font();
    czcionka.setBold(true);
    czcionka.setPixelSize(wielkosc);
    przycisk->setFont(czcionka);
    Opisz(przycisk, nazwa.isEmpty() ? napis.trimmed() : nazwa, podpowiedz, kontekst);
    return przycisk;
}
