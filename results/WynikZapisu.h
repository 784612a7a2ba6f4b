#pragma once

#include <string>

enum class StanZapisu {
    Zapisano,
    WUzyciu, // the system reports the file as in use by another program
    Blad,
};

// What a save did. On a failure Tytul and Komunikat are the caption and the
// Polish text of the message box the window shows; the caption of the in-use
// message is the standard "Error".
struct WynikZapisu {
    StanZapisu Stan = StanZapisu::Zapisano;
    std::string Tytul;
    std::string Komunikat;

    bool Udany() const { return Stan == StanZapisu::Zapisano; }
};
