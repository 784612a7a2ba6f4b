#include "UstawieniaOkna.h"

#include "OtworzKlucz.h"
#include "TIniRead.h"
#include "TIniWrite.h"

QString CzytajUstawienie(const QString& nazwa) {
    TIniRead czytajRejestr;
    czytajRejestr.SetSubKeyName(KluczFazolab());
    czytajRejestr.SetReadString(nazwa);
    czytajRejestr.Execute();
    return czytajRejestr.Value;
}

bool ZapiszUstawienie(const QString& nazwa, const QString& tekst) {
    TIniWrite zapiszRejestr;
    zapiszRejestr.SetSubKeyName(KluczFazolab());
    zapiszRejestr.SetReadString(nazwa);
    zapiszRejestr.SetNotify(false);
    return zapiszRejestr.Execute(tekst);
}
