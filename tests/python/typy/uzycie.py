"""The module used as a typed notebook uses it: mypy --strict checks it against
the stubs (the test runs it; nothing here is run)."""

import pathlib
from typing import List, Literal, Optional, assert_type

import numpy as np
import numpy.typing as npt

import fazolab

w = fazolab.uruchom(osie=40, lambdy="0.80:1.00:0.01", powtorzenia=8, ziarno=7,
                    postep=lambda zrobione, wszystkie: None, pasek=False)
assert_type(w, fazolab.Wynik)
assert_type(w.lambdy, npt.NDArray[np.float64])
assert_type(w.cvkn, Optional[npt.NDArray[np.float64]])
assert_type(w.rownowaga, List[Optional[bool]])
assert_type(w.przejscie["lambda"], float)
assert_type(w.przejscie["powod"], Optional[str])
assert_type(w.parametry["osie"], List[int])
w.zapisz(pathlib.Path("badanie.json"))
w.zapisz("wyniki.csv")
assert_type(fazolab.wczytaj("badanie.json"), fazolab.Wynik)
czesc = fazolab.uruchom(czesc=(0, 2), powtorzenia=4, ziarno=7)
czesc.zapisz_powtorzenia("czesc0.txt")
assert_type(fazolab.scal(["czesc0.txt", pathlib.Path("czesc1.txt")]), fazolab.Wynik)
rozmiary = fazolab.uruchom(osie=[12, 16, 24, 32], lambdy=[0.80, 0.82, 0.84])
assert_type(rozmiary, fazolab.WynikRozmiarow)
assert_type(rozmiary.rozmiary[12], fazolab.Wynik)
assert_type(fazolab.__version__, str)
okna = fazolab.uruchom(lambdy=1.2, generator="okna")
assert_type(okna.generator, Literal["xoshiro", "okna"])
assert_type(fazolab.GENERATORY[okna.generator], str)
