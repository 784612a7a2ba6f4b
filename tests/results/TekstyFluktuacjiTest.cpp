#include "TekstyFluktuacji.h"

#include "FluktuacjeSerii.h"
#include "Windows1250.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
const double Nieznany = std::nan("");
}

TEST(TekstyFluktuacji, PrzejscieNaStronieIWPliku) {
    const MaksimumFluktuacji wnetrze{0.8912, 0.0262, false};
    EXPECT_EQ(TekstPrzejsciaFluktuacji(wnetrze), "λ = 0.89 ± 0.03");
    EXPECT_EQ(PolaLiniiPrzejscia(wnetrze),
              (std::vector<std::string>{"Lambda (fluktuacje)=", "0.89", "±", "0.03", ""}));

    const MaksimumFluktuacji bezBledu{0.875, Nieznany, false};
    EXPECT_EQ(TekstPrzejsciaFluktuacji(bezBledu), "λ = 0.88");
    EXPECT_EQ(PolaLiniiPrzejscia(bezBledu),
              (std::vector<std::string>{"Lambda (fluktuacje)=", "0.88", ""}));

    // An edge, a peak narrower than the grid, no usable series: words, no number.
    const MaksimumFluktuacji brzeg{2.4, Nieznany, true};
    EXPECT_EQ(TekstPrzejsciaFluktuacji(brzeg),
              "λ: maksimum na brzegu zakresu: rozszerz zakres lambda");
    EXPECT_EQ(PolaLiniiPrzejscia(brzeg),
              (std::vector<std::string>{"Lambda (fluktuacje)=",
                                        "maksimum na brzegu zakresu: rozszerz zakres lambda", ""}));
    MaksimumFluktuacji przerwa{0.9, Nieznany, false};
    przerwa.Sposob = SposobMaksimum::Przewazanie;
    przerwa.PrzewazanieNieSiega = true;
    EXPECT_EQ(TekstPrzejsciaFluktuacji(przerwa),
              "λ: serie przy maksimum nie nakładają się: zmniejsz krok lambda");
    przerwa.Pominiete = 2;
    EXPECT_EQ(TekstPrzejsciaFluktuacji(przerwa),
              "λ: serie przy maksimum nie nakładają się po pominięciu serii z dryfem: zwiększ "
              "ilość iteracji albo zmniejsz krok lambda");
    MaksimumFluktuacji waskie{1.05, 0.001, false};
    waskie.Waskie = true;
    EXPECT_EQ(TekstPrzejsciaFluktuacji(waskie),
              "λ: maksimum węższe niż krok siatki, zmniejsz krok");
    MaksimumFluktuacji brak{};
    brak.Sposob = SposobMaksimum::BrakSerii;
    EXPECT_EQ(TekstPrzejsciaFluktuacji(brak),
              "λ: nie wyznaczono, przy maksimum za mało serii bez dryfu: zwiększ ilość iteracji");
}

// Whatever the transition line says reaches the results file: every word of
// it is in Windows-1250 (a λ there left the whole file unwritten).
TEST(TekstyFluktuacji, LiniaPrzejsciaMiesciSieWPliku) {
    std::vector<MaksimumFluktuacji> stany(6, MaksimumFluktuacji{0.9, 0.01, false});
    stany[1].NaBrzegu = true;
    stany[2].Sposob = SposobMaksimum::Przewazanie;
    stany[2].PrzewazanieNieSiega = true;
    stany[3].Waskie = true;
    stany[4].Sposob = SposobMaksimum::BrakSerii;
    stany[5].MaloReplik = true;
    stany[5].Sposob = SposobMaksimum::Przewazanie;
    stany[5].PrzewazanieNieSiega = true;
    stany[5].Pominiete = 2;
    for (const MaksimumFluktuacji& m : stany) {
        for (const std::string& pole : PolaLiniiPrzejscia(m)) {
            EXPECT_NO_THROW(NaWindows1250(pole)) << pole;
        }
    }
}

// An error never prints as zero: the decimals grow until it shows a digit,
// and the position takes as many. What the position rests on follows it.
TEST(TekstyFluktuacji, CyfraZnaczacaBleduIPodstawa) {
    MaksimumFluktuacji przewazone{0.86634, 0.00042, false};
    przewazone.Sposob = SposobMaksimum::Przewazanie;
    EXPECT_EQ(TekstPrzejsciaFluktuacji(przewazone),
              "λ = 0.8663 ± 0.0004 (przeważanie histogramów)");
    EXPECT_EQ(PolaLiniiPrzejscia(przewazone),
              (std::vector<std::string>{"Lambda (fluktuacje)=", "0.8663", "±", "0.0004",
                                        "przeważanie histogramów"}));
    MaksimumFluktuacji parabola{1.6049, 0.003, false};
    parabola.PrzewazanieNieSiega = true;
    EXPECT_EQ(TekstPrzejsciaFluktuacji(parabola),
              "λ = 1.605 ± 0.003 (parabola: brak próbek do przeważania)");
    MaksimumFluktuacji malo{0.8663, Nieznany, false};
    malo.Sposob = SposobMaksimum::Przewazanie;
    malo.MaloReplik = true;
    malo.Pominiete = 3;
    EXPECT_EQ(TekstPrzejsciaFluktuacji(malo),
              "λ = 0.866 (przeważanie histogramów; za mało danych na błąd; pominięte serie z "
              "dryfem: 3)");
}

// "Reached" only when every series was judged and passed; a series too short
// to be judged is its own verdict with its own advice.
TEST(TekstyFluktuacji, OstrzezenieORownowadze) {
    const std::string nieznana = "Dla λ = 0.4 nie da się ocenić równowagi (za mało próbek): "
                                 "zwiększ ilość iteracji albo pobieraj dane częściej.";
    std::vector<FluktuacjaSerii> serie{
        {0.1, {0.01, 0.001}, Rownowaga::Osiagnieta, {}, {}, 0, {}, 0},
        {0.4, {0.02, 0.002}, Rownowaga::Osiagnieta, {}, {}, 0, {}, 0},
        {0.7, {0.30, 0.010}, Rownowaga::Osiagnieta, {}, {}, 0, {}, 0},
    };
    EXPECT_EQ(TekstRownowagi(serie, 1), "");
    serie[1].Stan = Rownowaga::Nieznana;
    EXPECT_EQ(TekstRownowagi(serie, 1), nieznana);
    serie[2].Stan = Rownowaga::Nieosiagnieta;
    EXPECT_EQ(TekstRownowagi(serie, 1),
              "Seria dla λ = 0.7 mogła nie osiągnąć równowagi: zwiększ ilość iteracji.\n" +
                  nieznana);
    serie[0].Stan = Rownowaga::Nieosiagnieta;
    serie[1].Stan = Rownowaga::Osiagnieta;
    for (FluktuacjaSerii& s : serie) {
        s.Lambda = -s.Lambda;
    }
    EXPECT_EQ(TekstRownowagi(serie, 1),
              "Serie dla λ = -0.1; -0.7 mogły nie osiągnąć równowagi: zwiększ ilość iteracji.");
    for (FluktuacjaSerii& s : serie) {
        s.Stan = Rownowaga::Nieznana;
    }
    EXPECT_EQ(TekstRownowagi(serie, 1), "Dla λ = -0.1; -0.4; -0.7 nie da się ocenić równowagi (za "
                                        "mało próbek): zwiększ ilość iteracji albo pobieraj dane "
                                        "częściej.");
}

TEST(TekstyFluktuacji, KolumnyZCzteremaMiejscami) {
    FluktuacjeSerii f;
    f.Serie = {{0.5, {0.123456, 0.00234}, Rownowaga::Nieosiagnieta, {}, {}, 0, {}, 0},
               {0.6, {1.5, Nieznany}, Rownowaga::Nieznana, {}, {}, 0, {}, 0}};
    f.Przejscie = {0.6, Nieznany, true};
    const TekstyFluktuacji t = TekstyFluktuacjiZ(f, 1);
    EXPECT_EQ(t.MCvkN, (std::vector<std::string>{"0.1235", "1.5000"}));
    EXPECT_EQ(t.MBlad, (std::vector<std::string>{"0.0023", ""}));
    EXPECT_EQ(t.EPodpisPrzejscia, "λ_max dla tej sieci:");
    f.Osie = {20, 20, 20};
    EXPECT_EQ(TekstyFluktuacjiZ(f, 1).EPodpisPrzejscia, "λ_max dla tej sieci (20 × 20 × 20):");
    EXPECT_EQ(t.ERownowaga,
              "Seria dla λ = 0.5 mogła nie osiągnąć równowagi: zwiększ ilość iteracji.\n"
              "Dla λ = 0.6 nie da się ocenić równowagi (za mało próbek): zwiększ ilość iteracji "
              "albo pobieraj dane częściej.");
}

// The advice names a length from the series' own autocorrelation time: a
// thousand times after the burn-in, at least twice the run, in iterations and
// in sweeps of the lattice.
TEST(TekstyFluktuacji, RadaDlugosciZCzasuAutokorelacji) {
    FluktuacjaSerii s;
    s.Lambda = 0.9;
    s.Stan = Rownowaga::Nieosiagnieta;
    s.IloscAtomow = 100;
    s.Pary.assign(2000, 0.0);
    s.Tau.Tau = 10.0;
    EXPECT_EQ(IteracjeDoRownowagi({s}, 100000), 500000);
    EXPECT_EQ(TekstRownowagi({s}, 2, 100000),
              "Seria dla λ = 0.90 mogła nie osiągnąć równowagi: zwiększ ilość iteracji do około "
              "500000 (5000 przebiegów sieci).");
    s.Tau.Tau = 4.69; // 2.345 times the run: rounded up to two digits
    EXPECT_EQ(IteracjeDoRownowagi({s}, 100000), 240000);
    s.Tau.Tau = 1.0; // never less than twice the run
    s.IloscAtomow = 100000;
    EXPECT_EQ(TekstRownowagi({s}, 2, 110000),
              "Seria dla λ = 0.90 mogła nie osiągnąć równowagi: zwiększ ilość iteracji do około "
              "220000 (2 przebiegi sieci).");
    s.Tau.Tau = std::nan("");
    EXPECT_EQ(IteracjeDoRownowagi({s}, 100000), 0);
    s.Tau.Tau = 10.0;
    s.Stan = Rownowaga::Osiagnieta;
    EXPECT_EQ(IteracjeDoRownowagi({s}, 100000), 0);
}
