#include "FluktuacjeSerii.h"

#include "MagazynPomiarow.h"
#include "Obliczenia.h"
#include "PrzejscieFluktuacji.h"

#include <cmath>
#include <stdexcept>

namespace {
Rownowaga RownowagaReplik(const std::vector<FluktuacjeSerii>& repliki, std::size_t k) {
    Rownowaga wynik = Rownowaga::Osiagnieta;
    for (const FluktuacjeSerii& r : repliki) {
        if (r.Serie[k].Stan == Rownowaga::Nieosiagnieta) {
            return Rownowaga::Nieosiagnieta;
        }
        if (r.Serie[k].Stan == Rownowaga::Nieznana) {
            wynik = Rownowaga::Nieznana;
        }
    }
    return wynik;
}
} // namespace

FluktuacjeSerii ObliczFluktuacje(std::vector<FluktuacjaSerii> serie) {
    if (serie.empty()) {
        throw std::invalid_argument("ObliczFluktuacje: brak serii");
    }
    FluktuacjeSerii wynik;
    wynik.Przejscie = ZnajdzPrzejscie({serie});
    wynik.Serie = std::move(serie);
    return wynik;
}

FluktuacjeSerii SrednieFluktuacji(const std::vector<FluktuacjeSerii>& repliki) {
    if (repliki.empty() || repliki.front().Serie.empty()) {
        throw std::invalid_argument("SrednieFluktuacji: brak replik");
    }
    const std::size_t punkty = repliki.front().Serie.size();
    std::vector<std::vector<FluktuacjaSerii>> serie;
    for (const FluktuacjeSerii& r : repliki) {
        if (r.Serie.size() != punkty) {
            throw std::invalid_argument("SrednieFluktuacji: repliki różnych serii");
        }
        serie.push_back(r.Serie);
    }
    FluktuacjeSerii wynik;
    for (std::size_t k = 0; k < punkty; ++k) {
        std::vector<double> kolumna;
        for (const FluktuacjeSerii& r : repliki) {
            kolumna.push_back(r.Serie[k].CvkN.Srednia);
        }
        FluktuacjaSerii s;
        s.Lambda = repliki.front().Serie[k].Lambda;
        s.CvkN = SredniaNiezaleznych(kolumna);
        if (kolumna.size() < static_cast<std::size_t>(MinReplikDlaBledu)) {
            s.CvkN.Blad = std::nan("");
        }
        s.Stan = RownowagaReplik(repliki, k);
        wynik.Serie.push_back(std::move(s));
    }
    wynik.Przejscie = ZnajdzPrzejscie(serie);
    return wynik;
}

std::vector<double> ParyProbek(const MagazynPomiarow& pomiary, int seria, int n, int przedzial,
                               int z) {
    if (przedzial < 1 || n < 0 || z < 0 || z >= LiczbaSlupkow) {
        throw std::invalid_argument("ParyProbek: N, przedział lub liczba sąsiadów poza zakresem");
    }
    // The chunk that carries the count past N is sampled too.
    const int ostatni = n / przedzial + 1;
    std::vector<double> pary;
    pary.reserve(static_cast<std::size_t>(ostatni) + 1);
    for (int i = 0; i <= ostatni; ++i) {
        double konce = 0.0;
        // Only bars 0..z: the stores keep the higher ones of an earlier run.
        for (int m = 1; m <= z; ++m) {
            konce += m * pomiary.HistogramCykli(seria, i * przedzial, m);
        }
        pary.push_back(konce / 2);
    }
    return pary;
}

FluktuacjeSerii FluktuacjeZ(const Obliczenia& obliczenia) {
    const StanObliczen& stan = obliczenia.Stan();
    std::vector<FluktuacjaSerii> serie;
    for (int k = 1; k <= stan.NrSerii; ++k) {
        const std::vector<double> pary = ParyProbek(obliczenia.Pomiary(), k, stan.MaxIloscCykli,
                                                    stan.PrzedzialCzasowy, stan.LiczbaSasiadow);
        serie.push_back(FluktuacjaZProbek(stan.LambdaSerii[k], pary, stan.IloscAtomow));
    }
    FluktuacjeSerii wynik = ObliczFluktuacje(std::move(serie));
    wynik.Osie = {stan.IloscAtomowOsX, stan.IloscAtomowOsY};
    wynik.IteracjeSerii = stan.MaxIloscCykli;
    // The flat lattices keep one plane.
    if (stan.IloscAtomowOsZ > 1) {
        wynik.Osie.push_back(stan.IloscAtomowOsZ);
    }
    return wynik;
}
