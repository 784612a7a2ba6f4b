#include "Obliczenia.h"

#include "Iloraz.h"
#include "ObserwatorPomiarow.h"
#include "PetlaPrzeskokow.h"
#include "PoprawnoscParametrow.h"
#include "Rozszerzona.h"
#include "WygladzanieSigmy.h"

#include <cmath>
#include <limits>

namespace {
template <RodzajSieci R, class G>
long long Przeskoki(SposobLiczenia sposob, Siec& siec, G& g, const TablicaAkceptacji& t,
                    bool porzadkowanie, int proby, OstatniaProba& ostatnia) {
    if (sposob == SposobLiczenia::PrzyPomiarze) {
        return PetlaPrzeskokow<R, SposobLiczenia::PrzyPomiarze>(siec, g, t, porzadkowanie, proby,
                                                                ostatnia);
    }
    return PetlaPrzeskokow<R, SposobLiczenia::NaBiezaco>(siec, g, t, porzadkowanie, proby,
                                                         ostatnia);
}

template <RodzajSieci R>
long long Przeskoki(SposobLiczenia sposob, Siec& siec, Generator& g, Generator64& g64, bool okna,
                    const TablicaAkceptacji& t, bool porzadkowanie, int proby,
                    OstatniaProba& ostatnia) {
    return okna ? Przeskoki<R>(sposob, siec, g, t, porzadkowanie, proby, ostatnia)
                : Przeskoki<R>(sposob, siec, g64, t, porzadkowanie, proby, ostatnia);
}
} // namespace

Obliczenia::Obliczenia(ZrodloZiarna& zrodloZiarna)
    : generator_(zrodloZiarna), generator64_(zrodloZiarna) {}

void Obliczenia::UstawGenerator(RodzajGeneratora rodzaj, std::uint32_t strumien) {
    rodzajGeneratora_ = rodzaj;
    generator64_.UstawStrumien(strumien);
}

int Obliczenia::Losuj(int n) {
    return rodzajGeneratora_ == RodzajGeneratora::Okna ? generator_.Losuj(n)
                                                       : generator64_.Losuj(n);
}

void Obliczenia::UstawSiec() {
    // The axis sizes and the per-series tables survive; the lattice and the
    // stores are not part of the state cleared here.
    StanObliczen nowy;
    nowy.IloscAtomowOsX = stan_.IloscAtomowOsX;
    nowy.IloscAtomowOsY = stan_.IloscAtomowOsY;
    nowy.IloscAtomowOsZ = stan_.IloscAtomowOsZ;
    nowy.LambdaSerii = stan_.LambdaSerii;
    nowy.SigmaSerii = stan_.SigmaSerii;
    stan_ = nowy;
    postep_ = PostepObliczen{};
    zakonczone_ = true;
    seriaCzeka_ = false;
}

void Obliczenia::UstawZakresy(const ParametrySymulacji& p) {
    const int nz = JestPlaska(p.Rodzaj) ? 1 : p.IloscAtomowOsZ;
    siec_.UstawRozmiar(p.Rodzaj, p.IloscAtomowOsX, p.IloscAtomowOsY, nz);
    stan_.IloscAtomowOsX = p.IloscAtomowOsX;
    stan_.IloscAtomowOsY = p.IloscAtomowOsY;
    stan_.IloscAtomowOsZ = nz;
    stan_.IloscAtomow = siec_.IloscAtomow();
    stan_.LiczbaSasiadow = siec_.LiczbaSasiadow();
    if (parametrPorzadku_) {
        miaraPorzadku_.Przygotuj(siec_, p.Tryb == Oddzialywanie::Porzadkowanie);
    }
}

void Obliczenia::UstawParametrPorzadku(bool tak) {
    parametrPorzadku_ = tak;
    if (tak) {
        miaraPorzadku_.Przygotuj(siec_, stan_.Parametry.Tryb == Oddzialywanie::Porzadkowanie);
    }
}

void Obliczenia::PrzygotujObliczenia(const ParametrySymulacji& p) {
    SprawdzParametry(p);
    stan_.Parametry = p;
    // The run's one seed: reseeding per chunk from a clock would replay the
    // same stream whenever two chunks fall in the same millisecond.
    if (rodzajGeneratora_ == RodzajGeneratora::Okna) {
        generator_.Przelosuj();
    } else {
        generator64_.Przelosuj();
    }
    UstawZakresy(p);

    stan_.Koncentracja = Iloraz(p.PozycjaKoncentracji, 100);
    const SiatkaLambdy& siatka = Siatka(p);
    stan_.Lambda = siatka.Lambda(p.ListaLambd.empty() ? p.PozycjaLambdy : p.ListaLambd.front());
    if (p.Tryb == Oddzialywanie::Klasteryzacja) {
        stan_.Lambda = -stan_.Lambda;
    }
    stan_.LambdaKoncowa = siatka.Lambda(p.PozycjaLambdyKoncowej);
    stan_.PrzedzialCzasowy = static_cast<int>(Przedzial(p).Iteracje());
    stan_.Krok = siatka.Lambda(p.PozycjaKroku);
    stan_.LiczbaSerii = LiczbaSerii(p);
    // Room for every series and sample of the run, taken now and never per tick.
    const auto wpisow = static_cast<std::size_t>(stan_.LiczbaSerii) + 2;
    if (stan_.LambdaSerii.size() < wpisow) {
        stan_.LambdaSerii.resize(wpisow, 0.0);
        stan_.SigmaSerii.resize(wpisow, 0.0);
    }
    magazyn_.Przygotuj(static_cast<int>(wpisow), PomiarowSerii(p));
    stan_.NrSerii = 1;
    stan_.ObliczoneSerie = 0;
    stan_.MaxIloscCykli = p.MaxIloscCykli;
    postep_ = PostepObliczen{0, stan_.MaxIloscCykli, 0,
                             static_cast<long long>(stan_.LiczbaSerii) * stan_.MaxIloscCykli};
    magazyn_.UstawPrzedzial(stan_.PrzedzialCzasowy);
    zakonczone_ = false;
    seriaCzeka_ = false;

    stan_.NrCyklu = 0;
    KonfiguracjaPoczatkowa(stan_.NrSerii, stan_.NrCyklu);
    stan_.NrCyklu = stan_.PrzedzialCzasowy;
}

int Obliczenia::LiczbaSeriiDla(int s, int e, int k) {
    const double x =
        static_cast<double>(Rozszerzona(Rozszerzona(static_cast<long double>(e - s) / k) + 1));
    const double czescCalkowita = std::trunc(x);
    return static_cast<int>(x - czescCalkowita > 0 ? czescCalkowita + 1 : x);
}

void Obliczenia::ZbudujTabliceAkceptacji() {
    tablica_.Zbuduj(stan_.Lambda, stan_.Parametry.Tryb == Oddzialywanie::Porzadkowanie);
}

double Obliczenia::SigmaZPar(double pary) const {
    // 0 for a random arrangement, 1 for the perfect alternation at c_B = 0.5.
    const long double cB = stan_.KoncentracjaB;
    const long double qNcB =
        Rozszerzona(static_cast<long double>(stan_.LiczbaSasiadow * stan_.IloscAtomow) * cB);
    const long double losowe = Rozszerzona(qNcB * (1.0L - cB));
    return static_cast<double>(
        Rozszerzona(Rozszerzona(pary - losowe) / Rozszerzona(qNcB - losowe)));
}

void Obliczenia::KonfiguracjaPoczatkowa(int seria, int iteracja) {
    const ParametrySymulacji& p = stan_.Parametry;
    const int nx = siec_.Nx();
    const int ny = siec_.Ny();
    const int nz = siec_.Nz();
    siec_.WyczyscRamke();

    switch (p.Uklad) {
    case Ulozenie::Przypadkowe: {
        // The product in extended precision: at 30 % a 10 x 10 lattice holds 29 A atoms.
        const int doUmieszczenia =
            static_cast<int>(Rozszerzona(static_cast<long double>(stan_.IloscAtomow) *
                                         static_cast<long double>(stan_.Koncentracja)));
        int umieszczone = 0;
        while (umieszczone < doUmieszczenia) {
            const int x = Losuj(nx) + 1;
            const int y = Losuj(ny) + 1;
            const int z = Losuj(nz) + 1;
            if (siec_.Wartosc(x, y, z) != 1) {
                siec_.Ustaw(x, y, z, 1);
                ++umieszczone;
            }
        }
        break;
    }
    case Ulozenie::Uporzadkowane:
        // The checkerboard: A exactly where x + y + z is even (z = 1 on the flat kinds).
        for (int z = 1; z <= nz; ++z) {
            for (int y = 1; y <= ny; ++y) {
                for (int x = 1; x <= nx; ++x) {
                    siec_.Ustaw(x, y, z, (x + y + z) % 2 == 0 ? 1 : 0);
                }
            }
        }
        break;
    case Ulozenie::UporzadkowaneWydzielenie:
        // Two slabs: the lower half B, the upper half A, along z (cubic) or y (flat).
        for (int z = 1; z <= nz; ++z) {
            for (int y = 1; y <= ny; ++y) {
                const bool gorna = JestPlaska(p.Rodzaj) ? y > ny / 2 : z > nz / 2;
                for (int x = 1; x <= nx; ++x) {
                    siec_.Ustaw(x, y, z, gorna ? 1 : 0);
                }
            }
        }
        break;
    }

    stan_.IloscAtomowA = siec_.IloscAtomowA();
    stan_.IloscAtomowB = stan_.IloscAtomow - stan_.IloscAtomowA;
    stan_.KoncentracjaB = static_cast<double>(Rozszerzona(
        static_cast<long double>(stan_.IloscAtomowB) / (stan_.IloscAtomowA + stan_.IloscAtomowB)));
    // The one full count of a run's arrangement; from here on the exchanges
    // keep the counts current.
    siec_.PoliczOdNowa();
    stan_.LiczbaParAB = siec_.Liczniki().ParyAB;
    stan_.Energia = static_cast<double>(Rozszerzona(-1.0L * stan_.LiczbaParAB * stan_.Lambda));
    ZbudujTabliceAkceptacji();
    // The sample stores the given sigma at iteration 0 of the series.
    ZapiszPomiar(seria, iteracja, stan_.Energia, SigmaZPar(stan_.LiczbaParAB));
}

void Obliczenia::WykonajPrzeskoki(int seria, int iteracja) {
    stan_.SumaZmian = 0.0;
    if (stan_.PrzedzialCzasowy > 0) {
        OstatniaProba ostatnia{stan_.X1,
                               stan_.Y1,
                               stan_.Z1,
                               stan_.X2,
                               stan_.Y2,
                               stan_.Z2,
                               stan_.IloscSasiadowBWezlaB,
                               stan_.IloscSasiadowBWezlaA,
                               stan_.LiczbaLosowa};
        const SposobLiczenia sposob =
            sposob_ == SposobLiczenia::Samoczynny ? nastepnySposob_ : sposob_;
        const bool porzadkowanie = stan_.Parametry.Tryb == Oddzialywanie::Porzadkowanie;
        const int proby = stan_.PrzedzialCzasowy;
        const bool okna = rodzajGeneratora_ == RodzajGeneratora::Okna;
        const long long suma = NaRodzaju(siec_.Rodzaj(), [&](auto r) {
            return Przeskoki<r()>(sposob, siec_, generator_, generator64_, okna, tablica_,
                                  porzadkowanie, proby, ostatnia);
        });
        if (sposob == SposobLiczenia::PrzyPomiarze) {
            siec_.UzupelnijLiczniki();
        }
        nastepnySposob_ = WybierzSposobLiczenia(stan_.IloscAtomow, ostatnia.przyjete);
        stan_.SumaZmian = static_cast<double>(suma);
        stan_.X1 = ostatnia.x1;
        stan_.Y1 = ostatnia.y1;
        stan_.Z1 = ostatnia.z1;
        stan_.X2 = ostatnia.x2;
        stan_.Y2 = ostatnia.y2;
        stan_.Z2 = ostatnia.z2;
        stan_.IloscSasiadowBWezlaB = ostatnia.sasiedziBWezlaB;
        stan_.IloscSasiadowBWezlaA = ostatnia.sasiedziBWezlaA;
        stan_.LiczbaLosowa = ostatnia.liczbaLosowa;
    }
    stan_.Energia = static_cast<double>(
        Rozszerzona(static_cast<long double>(stan_.Energia) -
                    Rozszerzona(static_cast<long double>(stan_.Lambda) * stan_.SumaZmian)));
    ZapiszPomiar(seria, iteracja, stan_.Energia, std::nullopt);
}

void Obliczenia::OdczytajLiczniki(int seria, int iteracja) {
    const LicznikiSasiedztwa& liczniki = siec_.Liczniki();
    pomiar_.Histogram = {};
    for (int n = 0; n <= stan_.LiczbaSasiadow; ++n) {
        pomiar_.Histogram[n] = liczniki.Histogram[n];
        magazyn_.ZapiszSlupek(seria, iteracja, n, liczniki.Histogram[n]);
    }
    stan_.LiczbaParAB = liczniki.ParyAB;
}

void Obliczenia::ZapiszPomiar(int seria, int iteracja, double energia,
                              std::optional<double> sigma) {
    OdczytajLiczniki(seria, iteracja);
    stan_.SigmaPoprzednia = stan_.Sigma;
    const double surowa = SigmaZPar(stan_.LiczbaParAB);
    // The smoothing runs for a new arrangement too: it counts towards the
    // small changes of the run, though the given value is what is stored.
    stan_.Sigma = WygladzSigme(stan_.SigmaPoprzednia, surowa, stan_.LicznikMalychZmian);
    if (sigma) {
        stan_.Sigma = *sigma;
    }
    magazyn_.ZapiszSigme(seria, iteracja, stan_.Sigma);
    if (obserwator_) {
        pomiar_.Seria = seria;
        pomiar_.Iteracja = iteracja;
        pomiar_.Lambda = stan_.Lambda;
        pomiar_.Energia = energia;
        pomiar_.LiczbaParAB = stan_.LiczbaParAB;
        pomiar_.Sigma = stan_.Sigma;
        pomiar_.LiczbaSasiadow = stan_.LiczbaSasiadow;
        pomiar_.Rzad = parametrPorzadku_ ? miaraPorzadku_.Zmierz(siec_)
                                         : std::numeric_limits<double>::quiet_NaN();
        obserwator_->NowyPomiar(pomiar_);
    }
}

StanKroku Obliczenia::KrokSymulacji() {
    if (zakonczone_) {
        return StanKroku::Koniec;
    }
    if (seriaCzeka_) {
        return StanKroku::SeriaZakonczona;
    }
    WykonajPrzeskoki(stan_.NrSerii, stan_.NrCyklu);
    if (stan_.NrCyklu <= stan_.MaxIloscCykli) {
        postep_.PojedynczaSymulacja = stan_.NrCyklu;
        postep_.SeriaSymulacji =
            static_cast<long long>(stan_.ObliczoneSerie) * stan_.MaxIloscCykli + stan_.NrCyklu;
        stan_.LambdaSerii[stan_.NrSerii] = stan_.Lambda;
        stan_.SigmaSerii[stan_.NrSerii] = stan_.Sigma;
        stan_.NrCyklu += stan_.PrzedzialCzasowy;
        return StanKroku::Trwa;
    }
    // The chunk that carried the count past the end closes this series.
    --stan_.LiczbaSerii;
    // The series' point is its stored sigma, the last sample within the
    // iteration count, not the chunk that carried the count past it.
    if (obserwator_) {
        obserwator_->KoniecSerii(stan_.LambdaSerii[stan_.NrSerii], stan_.SigmaSerii[stan_.NrSerii]);
    }
    if (stan_.Parametry.Seria && stan_.LiczbaSerii > 0) {
        seriaCzeka_ = true;
        return StanKroku::SeriaZakonczona;
    }
    postep_.PojedynczaSymulacja = postep_.PojedynczaSymulacjaMax;
    postep_.SeriaSymulacji = postep_.SeriaSymulacjiMax;
    zakonczone_ = true;
    return StanKroku::Koniec;
}

void Obliczenia::RozpocznijNastepnaSerie() {
    if (!seriaCzeka_) {
        return;
    }
    seriaCzeka_ = false;
    ZerujSymulacje();
    PrzesunLambde();
    ++stan_.NrSerii;
    ++stan_.ObliczoneSerie;
    stan_.NrCyklu = 0;
    KonfiguracjaPoczatkowa(stan_.NrSerii, 0);
    stan_.NrCyklu = stan_.PrzedzialCzasowy;
    // The next tick brings the gauge back to the new count.
    postep_.PojedynczaSymulacja = postep_.PojedynczaSymulacjaMax;
}

double Obliczenia::LosujPrzesuniecieTc() {
    return PrzesuniecieTc(stan_.Parametry, rodzajGeneratora_ == RodzajGeneratora::Okna
                                               ? generator_.LosujRzeczywista()
                                               : generator64_.LosujRzeczywista());
}

void Obliczenia::PrzesunLambde() {
    // Sums are rounded to 8 bytes when stored, so the lambdas accumulate step by
    // step; the end value and the grid's largest lambda are compared in
    // extended precision.
    const SiatkaLambdy& siatka = Siatka(stan_.Parametry);
    const std::vector<int>& lista = stan_.Parametry.ListaLambd;
    if (!lista.empty()) {
        // The list's next lambda as its position gives it, not a sum of steps.
        const double lambda = siatka.Lambda(lista.at(static_cast<std::size_t>(stan_.NrSerii)));
        stan_.Lambda = stan_.Parametry.Tryb == Oddzialywanie::Porzadkowanie ? lambda : -lambda;
        return;
    }
    const long double krok = siatka.LambdaDokladna(stan_.Parametry.PozycjaKroku);
    const long double koniec = siatka.LambdaDokladna(stan_.Parametry.PozycjaLambdyKoncowej);
    const long double najwieksza = siatka.Najwieksza();
    if (stan_.Parametry.Tryb == Oddzialywanie::Porzadkowanie) {
        stan_.Lambda = static_cast<double>(Rozszerzona(stan_.Lambda + krok));
        if (!(koniec >= stan_.Lambda)) {
            stan_.Lambda = static_cast<double>(koniec);
        }
        if (!(najwieksza >= stan_.Lambda)) {
            stan_.Lambda = static_cast<double>(najwieksza);
        }
    } else {
        stan_.Lambda = static_cast<double>(Rozszerzona(stan_.Lambda - krok));
        if (-koniec > stan_.Lambda) {
            stan_.Lambda = static_cast<double>(-koniec);
        }
        if (stan_.Lambda < -najwieksza) {
            stan_.Lambda = static_cast<double>(-najwieksza);
        }
    }
}

void Obliczenia::ZerujSymulacje() {
    stan_.X1 = stan_.Y1 = stan_.Z1 = stan_.X2 = stan_.Y2 = stan_.Z2 = 0;
    stan_.IloscSasiadowBWezlaB = stan_.IloscSasiadowBWezlaA = 0;
    stan_.SumaZmian = 0.0;
    stan_.LiczbaLosowa = 0.0;
    stan_.LiczbaParAB = 0.0;
    stan_.Energia = 0.0;
    stan_.Sigma = 0.0;
    stan_.SigmaPoprzednia = 0.0;
    stan_.LicznikMalychZmian = 0;
    stan_.NrCyklu = 0;
    if (obserwator_) {
        obserwator_->PrzebiegWyzerowany();
    }
}
