#include "Odtwarzanie.h"

#include "MagazynPomiarow.h"
#include "Obliczenia.h"

#include <stdexcept>

std::vector<PunktWykresu> HistoriaSigmy(const MagazynPomiarow& pomiary, int seria, int n,
                                        int przedzial) {
    if (przedzial < 1 || n < 0) {
        throw std::invalid_argument("HistoriaSigmy: N lub przedział poza zakresem");
    }
    const int ostatni = static_cast<int>(static_cast<double>(n) / przedzial);
    std::vector<PunktWykresu> punkty;
    punkty.reserve(static_cast<std::size_t>(ostatni) + 1);
    for (int i = 0; i <= ostatni; ++i) {
        const int iteracja = i * przedzial;
        punkty.push_back({static_cast<double>(iteracja), pomiary.SigmaCykli(seria, iteracja)});
    }
    return punkty;
}

std::vector<double> SlupkiHistogramu(const MagazynPomiarow& pomiary, int seria, int iteracja,
                                     int z) {
    if (z < 0 || z >= LiczbaSlupkow) {
        throw std::invalid_argument("SlupkiHistogramu: liczba sąsiadów poza zakresem");
    }
    std::vector<double> slupki;
    for (int m = 0; m <= z; ++m) {
        slupki.push_back(pomiary.HistogramCykli(seria, iteracja, m));
    }
    return slupki;
}

WidokCyklu PokazCykl(const Obliczenia& obliczenia, int seria, int iteracja) {
    const StanObliczen& stan = obliczenia.Stan();
    const MagazynPomiarow& pomiary = obliczenia.Pomiary();
    WidokCyklu widok;
    widok.LambdaSerii = stan.LambdaSerii.at(static_cast<std::size_t>(seria));
    widok.Series8 = HistoriaSigmy(pomiary, seria, stan.MaxIloscCykli, stan.PrzedzialCzasowy);
    widok.Series6 = SlupkiHistogramu(pomiary, seria, iteracja, stan.LiczbaSasiadow);
    widok.Series7 = SlupkiHistogramu(pomiary, seria, stan.MaxIloscCykli, stan.LiczbaSasiadow);
    return widok;
}
