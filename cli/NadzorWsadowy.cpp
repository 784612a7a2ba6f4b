#include "NadzorWsadowy.h"

#include "PasekPostepu.h"

void NadzorWsadowy::Postep(const PostepReplik& p, bool koncowy) {
    pasek_.Koszt(p.Proby, p.WszystkieProby, koncowy);
    if (p.Replik == 1) {
        pasek_.Pokaz(p.Seria, p.LiczbaSerii, p.Iteracja, p.MaxIteracji, p.Proby, koncowy,
                     p.DrugiStart);
    } else {
        pasek_.PokazRepliki(p.Ukonczone, p.Replik, p.Proby, p.WszystkieProby, koncowy);
    }
    if (koncowy) {
        pasek_.Zakoncz();
    }
}
