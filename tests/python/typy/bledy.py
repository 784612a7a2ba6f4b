"""What the stubs refuse: each line below is one error mypy must report."""

import fazolab

fazolab.uruchom(seed=7)
fazolab.uruchom(siec="2DKwadratowa")
fazolab.uruchom(ziarno="7")
fazolab.wczytaj(7)
fazolab.uruchom(lambdy=0.9).zapisz(None)
fazolab.uruchom(generator="mt19937")
