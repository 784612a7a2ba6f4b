#include "TytulOknaSieci.h"

#include <gtest/gtest.h>

TEST(TytulOknaSieciTest, KazdyRodzajSieciMaSwojTytul) {
    EXPECT_EQ(TekstTytuluOkna(RodzajSieci::Kubiczna3D, "Ustawienia"),
              "Symulacje - Sieć 3D  (kubiczna prosta)  :  Ustawienia");
    EXPECT_EQ(TekstTytuluOkna(RodzajSieci::Kwadratowa, "Obliczenia"),
              "Symulacje - Sieć 2D  (kwadratowa)  :  Obliczenia");
    EXPECT_EQ(TekstTytuluOkna(RodzajSieci::Trojkatna, "Wyniki"),
              "Symulacje - Sieć 2D  (trójkątna)  :  Wyniki");
    EXPECT_EQ(TekstTytuluOkna(RodzajSieci::Heksagonalna, "Wyniki"),
              "Symulacje - Sieć 2D  (Heksagonalna)  :  Wyniki");
}
