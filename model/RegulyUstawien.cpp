#include "RegulyUstawien.h"

#include <algorithm>

StanUstawien DomyslneUstawienia(RodzajSieci rodzaj) {
    StanUstawien stan;
    stan.Parametry.Rodzaj = rodzaj;
    return stan;
}

WidokUstawien Widok(const StanUstawien& stan) {
    const ParametrySymulacji& p = stan.Parametry;
    WidokUstawien w;
    w.Seria = p.Seria;
    w.OsieYZDostepne = !stan.RowneOsie;
    w.OsZWidoczna = !JestPlaska(p.Rodzaj);
    w.OsY = stan.RowneOsie ? p.IloscAtomowOsX : p.IloscAtomowOsY;
    w.OsZ = stan.RowneOsie ? p.IloscAtomowOsX : p.IloscAtomowOsZ;
    ParametrySymulacji osie = p;
    osie.IloscAtomowOsY = w.OsY;
    osie.IloscAtomowOsZ = w.OsZ;
    w.IloscAtomow = IloscAtomow(osie);

    w.MinLambdyKoncowej = p.Seria ? p.PozycjaLambdy : stan.MinLambdyKoncowej;
    w.LambdaKoncowa = std::max(p.PozycjaLambdyKoncowej, w.MinLambdyKoncowej);
    w.MaxKroku = SiatkaOkna.NajwiekszyKrok(w.MinLambdyKoncowej, w.LambdaKoncowa);
    w.Krok = std::min(p.PozycjaKroku, w.MaxKroku);

    w.WartoscKoncentracji = p.PozycjaKoncentracji / 100.0;
    w.WartoscLambdy = SiatkaOkna.Lambda(p.PozycjaLambdy);
    w.WartoscLambdyKoncowej = SiatkaOkna.Lambda(w.LambdaKoncowa);
    w.WartoscMinLambdyKoncowej = SiatkaOkna.Lambda(w.MinLambdyKoncowej);
    w.IteracjePrzedzialu = Przedzial(p).Iteracje();
    w.WartoscKroku = SiatkaOkna.Lambda(w.Krok);
    w.WartoscMaxKroku = SiatkaOkna.Lambda(w.MaxKroku);
    return w;
}
