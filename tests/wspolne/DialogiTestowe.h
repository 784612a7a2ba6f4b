#pragma once

#include "Dialogi.h"

#include <QList>

#include <functional>
#include <optional>

// Answers the dialogs as a test tells it to and records what was asked.
class DialogiTestowe final : public Dialogi {
public:
    struct Pytanie {
        QString Tekst;
        QString Tytul;
        Przyciski Rodzaj;
        Ikona Znak;
    };

    // The answers to the next questions, in order; when none is left the
    // answer is Nie (Tak/Nie) or Anuluj (Ok/Anuluj) or Ok (Ok).
    QList<Odpowiedz> Odpowiedzi;
    // The answer of the next save dialog (nothing = cancelled): the name as
    // a user typed it and the type chosen in the dialog, which may disagree
    // ("hist.png" with the SVG type) — the caller applies PlikWedlugTypu. A
    // chosen type other than the proposed one is reported through ZmianaTypu
    // first, as the real dialog does.
    std::optional<WybranyPlik> Plik;

    QList<Pytanie> Zadane;
    QList<ZapytanieOZapis> ZapytaniaOZapis;
    // Looks at the window while a question is on screen, before it is answered.
    std::function<void()> PrzyPytaniu;

    Odpowiedz Zapytaj(QWidget*, const QString& tekst, const QString& tytul, Przyciski przyciski,
                      Ikona ikona) override {
        Zadane.append({tekst, tytul, przyciski, ikona});
        if (PrzyPytaniu) {
            PrzyPytaniu();
        }
        if (!Odpowiedzi.isEmpty()) {
            return Odpowiedzi.takeFirst();
        }
        switch (przyciski) {
        case Przyciski::TakNie:
        case Przyciski::TakNieDomyslnieNie:
            return Odpowiedz::Nie;
        case Przyciski::OkAnuluj:
            return Odpowiedz::Anuluj;
        case Przyciski::Ok:
            break;
        }
        return Odpowiedz::Ok;
    }

    std::optional<WybranyPlik> WybierzPlikDoZapisu(QWidget*,
                                                   const ZapytanieOZapis& zapytanie) override {
        ZapytaniaOZapis.append(zapytanie);
        if (Plik && zapytanie.ZmianaTypu && Plik->Typ != zapytanie.Typ) {
            zapytanie.ZmianaTypu(Plik->Typ);
        }
        return Plik;
    }
};
