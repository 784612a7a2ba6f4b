#include "TIniRead.h"

#include "OtworzKlucz.h"

TIniRead::TIniRead() : subKeyName_(KluczFazolab()) {}

void TIniRead::SetSubKeyName(const QString& nazwa) {
    if (nazwa != subKeyName_) {
        subKeyName_ = nazwa;
    }
}

void TIniRead::SetReadString(const QString& nazwa) {
    if (nazwa != readString_) {
        readString_ = nazwa;
    }
}

void TIniRead::Execute() {
    Value = CzytajTekst(subKeyName_, readString_);
}
