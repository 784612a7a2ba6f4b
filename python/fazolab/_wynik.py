"""The results as data: the C++ Wynik with its table, dataset and files."""

import numpy as np

from . import _rdzen
from ._pliki import zapisz, zapisz_powtorzenia

Wynik = _rdzen.Wynik

# The per-lambda columns of to_dataframe, in order, with the attribute each
# comes from. The fitted curve's column is the file's (0 past the fall), its
# raw values beside it; both methods' Cv/kN under names of their own.
KOLUMNY = (
    ("lambda", "lambdy"),
    ("sigma", "sigma"),
    ("sigma_blad", "sigma_blad"),
    ("sigma_srednia", "sigma_srednia"),
    ("sigma_srednia_blad", "sigma_srednia_blad"),
    ("cvkn_dopasowanie", "cvkn"),
    ("cvkn_dopasowanie_surowe", "cvkn_surowe"),
    ("cvkn_fluktuacje", "cvkn_fluktuacje"),
    ("cvkn_fluktuacje_blad", "cvkn_fluktuacje_blad"),
    # The integrated autocorrelation time of each series goes here, beside
    # the errors it explains.
    ("rownowaga", "rownowaga"),
)


def _kolumny(wynik):
    """The columns as numpy arrays: NaN where the fit gives none (a single
    run), the verdicts as an object array of True / False / None."""
    n = len(wynik.lambdy)
    kolumny = {}
    for nazwa, atrybut in KOLUMNY:
        wartosc = getattr(wynik, atrybut)
        if atrybut == "rownowaga":
            kolumny[nazwa] = np.array(wartosc, dtype=object)
        elif wartosc is None:
            kolumny[nazwa] = np.full(n, np.nan)
        else:
            kolumny[nazwa] = np.asarray(wartosc, dtype=float)
    return kolumny


def to_dataframe(self):
    """Tabela pandas: wiersz na lambdę (lambda dokładnie z siatki, sigma, błędy,
    Cv/kN obu metod, równowaga). / A pandas DataFrame, one row per lambda."""
    import pandas as pd

    kolumny = _kolumny(self)
    ramka = pd.DataFrame({k: v for k, v in kolumny.items() if k != "rownowaga"})
    ramka["rownowaga"] = pd.array(list(kolumny["rownowaga"]), dtype="boolean")
    return ramka


def to_xarray(self):
    """Zbiór xarray z współrzędną lambda (wymaga xarray) / an xarray Dataset
    over the coordinate lambda (needs xarray)."""
    try:
        import xarray as xr
    except ImportError:
        raise ImportError("to_xarray wymaga pakietu xarray (python3-xarray) / "
                          "to_xarray needs xarray") from None
    kolumny = _kolumny(self)
    lambdy = kolumny.pop("lambda")
    rownowaga = kolumny.pop("rownowaga")
    dane = {k: ("lambda", v) for k, v in kolumny.items()}
    # True 1, False 0, unknown NaN: a float variable any reader takes.
    dane["rownowaga"] = ("lambda", np.array([np.nan if r is None else float(r)
                                             for r in rownowaga]))
    atrybuty = {k: (str(v) if v is None or isinstance(v, (list, bool)) else v)
                for k, v in self.parametry.items()}
    atrybuty.update(wersja=_rdzen.WERSJA, opis_generatora=self.opis_generatora)
    return xr.Dataset(dane, coords={"lambda": lambdy}, attrs=atrybuty)


def _repr(self):
    if not self.cale:
        return (f"<fazolab.Wynik: część badania, powtórzenia {self.repliki[0]}.."
                f"{self.repliki[-1]} z {self.powtorzenia}, ziarno {self.ziarno}>")
    opis = f"seria {len(self.lambdy)} lambd" if self.seria else "pojedyncza symulacja"
    return f"<fazolab.Wynik: {opis}, powtórzeń {self.powtorzenia}, ziarno {self.ziarno}>"


Wynik.to_dataframe = to_dataframe
Wynik.to_xarray = to_xarray
Wynik.zapisz = zapisz
Wynik.zapisz_powtorzenia = zapisz_powtorzenia
Wynik.__repr__ = _repr
Wynik.__doc__ = ("Wynik badania: liczby na lambdę, próbki, pliki. / A study's results: "
                 "per-lambda figures, samples, files.")


class WynikRozmiarow:
    """Badanie skończonych rozmiarów (osie=[12, 16, ...]): podsumowanie
    fazolab-batch --osie 12,16,... i wynik każdego rozmiaru. / The finite-size
    study: the batch runner's summary and each size's results."""

    def __init__(self, podsumowanie, wyniki):
        self.podsumowanie = podsumowanie
        self.rozmiary = {w.parametry["osie"][0]: w for w in wyniki}

    def to_dataframe(self):
        """Jedna tabela z kolumną L / one table with a column L."""
        import pandas as pd

        ramki = []
        for l, wynik in self.rozmiary.items():
            ramka = wynik.to_dataframe()
            ramka.insert(0, "L", l)
            ramki.append(ramka)
        return pd.concat(ramki, ignore_index=True)

    def __repr__(self):
        return f"<fazolab.WynikRozmiarow: L = {', '.join(map(str, self.rozmiary))}>"
