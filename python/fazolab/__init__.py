"""Fazolab: symulacje Monte Carlo przejść fazowych porządek-nieporządek w stopie
dwuskładnikowym — ten sam silnik, te same liczby i pliki co fazolab-batch.

Fazolab: Monte Carlo simulations of order-disorder phase transitions in a
binary alloy — the same engine, numbers and files as fazolab-batch.

    import fazolab
    w = fazolab.uruchom(osie=40, lambdy="0.80:1.00:0.01", powtorzenia=8, ziarno=7)
    w.to_dataframe()          # per lambda / na lambdę
    w.zapisz("badanie.json")  # the research summary / podsumowanie badania
"""

from . import _rdzen
from ._pliki import scal, wczytaj
from ._uruchom import uruchom
from ._wynik import Wynik, WynikRozmiarow

__version__: str = _rdzen.WERSJA
# The default generator in words; each study names its own (Wynik.generator,
# Wynik.opis_generatora), as described in GENERATORY.
GENERATOR: str = _rdzen.GENERATOR
GENERATORY: dict = dict(_rdzen.GENERATORY)

__all__ = ["uruchom", "scal", "wczytaj", "Wynik", "WynikRozmiarow", "__version__", "GENERATOR",
           "GENERATORY"]
