#include "TytulOknaSieci.h"

std::string_view CzescTytuluOkna(RodzajSieci rodzaj) {
    switch (rodzaj) {
    case RodzajSieci::Kubiczna3D:
        return "3D  (kubiczna prosta)";
    case RodzajSieci::Kwadratowa:
        return "2D  (kwadratowa)";
    case RodzajSieci::Trojkatna:
        return "2D  (trójkątna)";
    case RodzajSieci::Heksagonalna:
        return "2D  (Heksagonalna)";
    }
    return {};
}

std::string TekstTytuluOkna(RodzajSieci rodzaj, std::string_view etap) {
    std::string tytul = "Symulacje - Sieć ";
    tytul += CzescTytuluOkna(rodzaj);
    tytul += "  :  ";
    tytul += etap;
    return tytul;
}
