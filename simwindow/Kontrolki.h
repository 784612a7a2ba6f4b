#pragma once

#include <QString>
#include <Qt>

#include <initializer_list>

class PrzyciskPrzezroczysty;
class QColor;
class QGroupBox;
class QLabel;
class QWidget;

// The labels, groups and buttons of the window's pages, made one way on every
// page. Each gets its object name, by which the page's placement table puts
// it and a test finds it; none gets a place here.

QLabel* Etykieta(QWidget* rodzic, const char* nazwa, const QString& tekst,
                 Qt::Alignment wyrownanie = Qt::AlignLeft | Qt::AlignVCenter);
// A value label in bold, read by a screen reader as "podpis: <its text>".
QLabel* Wartosc(QWidget* rodzic, const char* nazwa, const QString& podpis);
// A caption (named `nazwa` + "Podpis") and its value label, read as the
// caption without its colon and the value; returns the value label.
QLabel* Wiersz(QWidget* rodzic, const char* nazwa, const QString& podpis);
// A group box named for a screen reader after its trimmed title.
QGroupBox* Grupa(QWidget* rodzic, const char* nazwa, const QString& tytul, int kontekst = 0);
// A transparent push button with its small picture, its caption in bold at
// `wielkosc` pixels, its hint and help context; reachable by Tab. Without a
// caption `nazwaDostepna` names it for a screen reader.
PrzyciskPrzezroczysty* Przycisk(QWidget* rodzic, const char* nazwa, const QString& napis,
                                const QString& obrazek, const QString& podpowiedz, int kontekst,
                                int wielkosc = 13, const QString& nazwaDostepna = {});

void Pokaz(std::initializer_list<QWidget*> kontrolki, bool widoczne);
// Tab into a group of radio buttons (those sharing a parent) lands on the
// checked one, whichever was checked last and however (click, key or code);
// the arrow keys still move within the group.
void TabNaZaznaczonym(QWidget* korzen);
// One blink of an enabled button's caption: `pierwszy` becomes `drugi`, any
// other colour `pierwszy`.
void Mrugnij(PrzyciskPrzezroczysty* przycisk, const QColor& pierwszy, const QColor& drugi);
