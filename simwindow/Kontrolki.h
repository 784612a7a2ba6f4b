#pragma once

#include <QRect>
#include <QString>

class PrzyciskPrzezroczysty;
class QLabel;
class QWidget;

// The labels and buttons of the window's pages, made one way on every page.

QLabel* Etykieta(QWidget* rodzic, const QString& tekst, const QRect& miejsce,
                 Qt::Alignment wyrownanie = Qt::AlignLeft | Qt::AlignVCenter);
// A value label in bold, named for a screen reader after its caption.
QLabel* Wartosc(QWidget* rodzic, const QString& nazwa, const QRect& miejsce);
// A caption and its value label on one row; returns the value label.
QLabel* Wiersz(QWidget* rodzic, const QString& podpis, const QRect& miejscePodpisu,
               const QRect& miejsceWartosci);
// A transparent push button with its small picture, its caption in bold at
// `wielkosc` pixels, its hint and help context; reachable by Tab. Without a
// caption `nazwa` names it for a screen reader.
PrzyciskPrzezroczysty* Przycisk(QWidget* rodzic, const QString& napis, const QString& obrazek,
                                const QRect& miejsce, const QString& podpowiedz, int kontekst,
                                int wielkosc = 13, const QString& nazwa = {});
