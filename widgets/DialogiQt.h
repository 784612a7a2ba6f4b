#pragma once

#include "Dialogi.h"

// The real dialogs: message boxes with the platform's (translated) standard
// buttons and Qt's own save dialog, so that the title, the file types and the
// change of type behave the same on every platform.
class DialogiQt final : public Dialogi {
public:
    Odpowiedz Zapytaj(QWidget* rodzic, const QString& tekst, const QString& tytul,
                      Przyciski przyciski, Ikona ikona) override;
    std::optional<WybranyPlik> WybierzPlikDoZapisu(QWidget* rodzic,
                                                   const ZapytanieOZapis& zapytanie) override;
};
