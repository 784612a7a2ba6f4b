#include "ObliczWyniki.h"

#include "DopasujWielomian.h"
#include "Fixed.h"
#include "Obliczenia.h"
#include "Pochodna.h"
#include "Potega.h"
#include "PrzejscieFazowe.h"
#include "Rozszerzona.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {
// Below any real Cv/kN, so that the first series always counts as a rise.
constexpr double CvkNPrzedPierwszaSeria = -1000.0;
// Cv/kN is z c_B^2 lambda^2 d(10 sigma)/d lambda: the ten is the formula's
// own, per unit of lambda, and has nothing to do with the grid the series ran
// on, so a finer grid gives the same quantity.
constexpr long double KrotnoscSigmy = 10.0L;
// The transition lambda is told to the hundredth on every grid.
constexpr int MiejscaPrzejscia = 2;
constexpr int MiejscaCvkN = 3;

// Cv/kN at the transition that no specific heat can have: the number stays,
// these words go beside it.
std::string UwagaCvkN(const WynikiSerii& w, int n) {
    const int p = w.IndeksPrzejscia;
    if (p < 1) {
        return {};
    }
    if (w.CvkN[p] < 0) {
        return UwagaCvkNUjemne;
    }
    if (!w.Spadek || (p == 1 && n > 1)) {
        return UwagaMaksimumNaBrzegu;
    }
    return {};
}

int WybierzStopien(const DaneWynikow& dane) {
    if (dane.Stopien) {
        return *dane.Stopien;
    }
    return dane.NrSerii >= 4 ? 4 : dane.NrSerii - 1;
}

void SprawdzDane(const DaneWynikow& dane) {
    if (dane.NrSerii < 1 || static_cast<std::size_t>(dane.NrSerii) >=
                                std::min(dane.LambdaSerii.size(), dane.SigmaSerii.size())) {
        throw std::invalid_argument("ObliczWyniki: liczba serii poza zakresem");
    }
    if (dane.Stopien && (*dane.Stopien < 0 || *dane.Stopien >= RozmiarTablicyPunktow)) {
        throw std::invalid_argument("ObliczWyniki: stopień wielomianu poza zakresem");
    }
}

double Wartosc(const TablicaPunktow& a, int d, double x) {
    double f = 0.0;
    for (int j = 0; j <= d; ++j) {
        f = static_cast<double>(Rozszerzona(f + Rozszerzona(Potega(x, j) * a[j])));
    }
    return f;
}

// The derivative of the fitted curve itself, 10 f'(x): what the curve through
// the fitted values gives, since n + 1 values of a polynomial of degree d <= n
// lie on it alone. Series of more lambdas than the window runs take it so:
// the curve through a hundred points would cost n^4 steps and lose every digit
// to the differences of close lambdas.
long double PochodnaKrzywej(const TablicaPunktow& a, int d, double x) {
    long double f = 0.0L;
    for (int j = d; j >= 1; --j) {
        f = Rozszerzona(Rozszerzona(f * x) + Rozszerzona(static_cast<long double>(j) * a[j]));
    }
    return Rozszerzona(KrotnoscSigmy * f);
}

} // namespace

WynikiSerii ObliczWyniki(const DaneWynikow& dane) {
    SprawdzDane(dane);
    const int n = dane.NrSerii;
    const bool porzadkowanie = dane.Tryb == Oddzialywanie::Porzadkowanie;
    WynikiSerii w;
    w.J = dane.J;
    w.Stopien = WybierzStopien(dane);

    const auto punktow = static_cast<std::size_t>(n) + 1;
    TablicaPunktow x(punktow);
    TablicaPunktow y(punktow);
    for (int k = 1; k <= n; ++k) {
        x[k] = dane.LambdaSerii[k];
        y[k] = dane.SigmaSerii[k];
    }
    w.Wspolczynniki = DopasujWielomian(n, w.Stopien, x, y);
    for (int k = 1; k <= n; ++k) {
        w.Series9.push_back({x[k], y[k]});
    }
    w.Teksty.MOpisSieci = OpisSieci(dane.Opis);

    // Clustering flips both signs, so the derivative is that of ordering
    // taken at positive lambdas.
    TablicaPunktow u(punktow);
    TablicaPunktow v(punktow);
    for (int k = 1; k <= n; ++k) {
        const double f = Wartosc(w.Wspolczynniki, w.Stopien, x[k]);
        w.Series10.push_back({x[k], f});
        w.Teksty.MLambda.push_back(fixed(x[k], dane.Opis.MiejscaLambdy));
        w.Teksty.MSigma.push_back(fixed(porzadkowanie ? y[k] : f, 4));
        u[k] = porzadkowanie ? x[k] : -x[k];
        v[k] =
            static_cast<double>(Rozszerzona((porzadkowanie ? KrotnoscSigmy : -KrotnoscSigmy) * f));
    }

    const long double czynnik =
        Rozszerzona(Rozszerzona(static_cast<long double>(dane.KoncentracjaB) * dane.KoncentracjaB) *
                    dane.LiczbaSasiadow);
    w.CvkN = TablicaPunktow(punktow);
    w.CvkN[0] = CvkNPrzedPierwszaSeria;
    const bool zKrzywej = n > RozmiarTablicyPunktow - 2;
    for (int k = 1; k <= n; ++k) {
        int blad = PochodnaBezBledu;
        const double pochodna =
            static_cast<double>(zKrzywej ? PochodnaKrzywej(w.Wspolczynniki, w.Stopien, x[k])
                                         : Pochodna(n, u, v, blad, u[k]));
        const long double u2 = Rozszerzona(static_cast<long double>(u[k]) * u[k]);
        w.CvkN[k] = static_cast<double>(Rozszerzona(Rozszerzona(u2 * czynnik) * pochodna));
    }

    const PrzejscieFazowe przejscie = ZnajdzPrzejscie(w.CvkN, n);
    w.IndeksPrzejscia = przejscie.Indeks;
    w.Spadek = przejscie.Spadek;
    const int p = w.IndeksPrzejscia;
    const double lambdaPrzejscia =
        static_cast<double>(Rozszerzona(static_cast<long double>(u[p]) - dane.J));
    for (int k = 1; k <= n; ++k) {
        const double pokazana = (!w.Spadek || k <= p) ? w.CvkN[k] : 0.0;
        const double xPunktu = (w.Spadek && p >= 1 && k == p) ? lambdaPrzejscia : u[k];
        w.Teksty.MCvkN.push_back(fixed(pokazana, MiejscaCvkN));
        w.Series5.push_back({xPunktu, pokazana});
    }
    w.UstawCvkNTc = p >= 1;
    if (w.UstawCvkNTc) {
        w.Teksty.ECvkNTc = fixed(w.CvkN[p], MiejscaCvkN);
    }
    w.Teksty.UwagaCvkNTc = UwagaCvkN(w, n);
    w.Teksty.ELambdaTc = fixed(w.Spadek ? lambdaPrzejscia : u[n], MiejscaPrzejscia);
    return w;
}

DaneWynikow DaneWynikowZ(const Obliczenia& obliczenia, std::optional<int> stopien, double J) {
    const StanObliczen& stan = obliczenia.Stan();
    DaneWynikow dane;
    dane.NrSerii = stan.NrSerii;
    dane.LambdaSerii = stan.LambdaSerii;
    dane.SigmaSerii = stan.SigmaSerii;
    dane.KoncentracjaB = stan.KoncentracjaB;
    dane.LiczbaSasiadow = stan.LiczbaSasiadow;
    dane.Tryb = stan.Parametry.Tryb;
    dane.Stopien = stopien;
    dane.J = J;
    dane.Opis = DaneOpisu{stan.Parametry.Rodzaj,
                          stan.Parametry.PozycjaLambdy,
                          stan.Parametry.PozycjaLambdyKoncowej,
                          stan.Parametry.PozycjaKoncentracji,
                          stan.IloscAtomow,
                          stan.IloscAtomowOsX,
                          stan.IloscAtomowOsY,
                          stan.IloscAtomowOsZ,
                          Siatka(stan.Parametry),
                          MiejscaLambdy(stan.Parametry)};
    return dane;
}
