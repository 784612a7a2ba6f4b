#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// The modal questions, messages and save dialogs of the windows go through
// this one interface, so that a test can answer them as a user would.
// TakNieDomyslnieNie: Yes and No with No as the default button, for a
// question whose careless Enter must not throw work away.
enum class Przyciski { TakNie, TakNieDomyslnieNie, OkAnuluj, Ok };
enum class Ikona { Brak, Blad };
enum class Odpowiedz { Tak, Nie, Ok, Anuluj };

// What a save dialog is opened with. Typ is the 1-based index of the chosen
// entry of Filtry.
struct ZapytanieOZapis {
    QString Tytul;
    QString Katalog;
    QString NazwaPliku;
    QStringList Filtry; // e.g. "Plik tekstowy (*.txt)"
    int Typ = 1;
    // Called whenever the user picks another file type while the dialog is open.
    std::function<void(int typ)> ZmianaTypu;
};

// What a save dialog answers: the name as the user left it and the type
// (1-based entry of Filtry) selected at the moment of saving. The two may
// disagree ("hist.png" with the SVG type chosen): the caller decides the file
// and its content with PlikWedlugTypu (RegulaZapisu.h). The real dialog has
// already added the chosen type's extension that way, so that it asks about
// overwriting the file that will be written.
struct WybranyPlik {
    QString Sciezka;
    int Typ = 1;
};

class Dialogi {
public:
    virtual ~Dialogi() = default;

    // A modal message box with the given text, caption and buttons.
    virtual Odpowiedz Zapytaj(QWidget* rodzic, const QString& tekst, const QString& tytul,
                              Przyciski przyciski, Ikona ikona = Ikona::Brak) = 0;
    // A save dialog that asks before overwriting; nothing when cancelled.
    virtual std::optional<WybranyPlik> WybierzPlikDoZapisu(QWidget* rodzic,
                                                           const ZapytanieOZapis& zapytanie) = 0;
};
