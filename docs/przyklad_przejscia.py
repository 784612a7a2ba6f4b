"""A transition study in a few lines, as in a notebook: the square lattice
40 x 40 from the ordered arrangement, lambda on a grid of hundredths around
the transition, eight replicas on every core. The specific heat from the
fluctuations of the energy, with its errors, beside the program's own Cv/kN
from the fitted sigma curve; the transition as found, or why it was not;
plotted when matplotlib is installed.

    PYTHONPATH=build/python /usr/bin/python3 docs/przyklad_przejscia.py
"""

import math

import fazolab

# A progress bar on standard error when tqdm is installed (python3-tqdm).
w = fazolab.uruchom(osie=40, uklad="uporzadkowane", lambdy="0.70:1.10:0.02", iteracje=1000000,
                    co=1000, powtorzenia=8, ziarno=7, fluktuacje=True)
print(w.podsumowanie)

# What the estimate gave: a position with its error, or the reason there is none.
p = w.przejscie
znaleziono = math.isfinite(p["lambda"])
if p["powod"]:
    print(f"Przejście fazowe z fluktuacji: {p['powod']}")
elif p["na_brzegu"]:
    print(f"Maksimum Cv/kN na brzegu zakresu: lambda = {p['lambda']:.3f}; poszerz zakres.")
else:
    print(f"Przejście fazowe z fluktuacji: lambda = {p['lambda']:.3f} ± {p['blad']:.3f}")
niezrownowazone = [f"{l:.2f}" for l, r in zip(w.lambdy, w.rownowaga) if r is False]
if niezrownowazone:
    print("Bez równowagi (zwiększ iteracje):", ", ".join(niezrownowazone))
# The window's results file, and the research summary that reads back (fazolab.wczytaj).
w.zapisz("przejscie.csv")
w.zapisz("przejscie.json")

try:
    import matplotlib
except ImportError:
    matplotlib = None
if matplotlib is None:
    print("Bez wykresu: brak matplotlib (pakiet python3-matplotlib).")
else:
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    rysunek, (gora, dol) = plt.subplots(2, 1, sharex=True, figsize=(7, 7))
    gora.errorbar(w.lambdy, w.sigma, yerr=w.sigma_blad, fmt="o",
                  label="sigma (średnia z powtórzeń)")
    gora.set_ylabel("sigma")
    gora.legend()
    dol.errorbar(w.lambdy, w.cvkn_fluktuacje, yerr=w.cvkn_fluktuacje_blad, fmt="o",
                 label="Cv/kN z fluktuacji")
    # Only a position that was found is drawn, and only a drawn line is in the legend.
    if znaleziono:
        dol.axvline(p["lambda"], color="grey", linestyle="--", label="przejście (fluktuacje)")
    dol.set_xlabel("lambda")
    dol.set_ylabel("Cv/kN z fluktuacji")
    dol.legend(loc="upper left")
    # The program's Cv/kN from the fitted sigma curve runs on another scale.
    prawa = dol.twinx()
    prawa.plot(w.lambdy, w.cvkn, color="tab:orange", label="Cv/kN z dopasowania")
    prawa.set_ylabel("Cv/kN z dopasowania")
    prawa.legend(loc="upper right")
    rysunek.savefig("przejscie.png", dpi=100)
    print("Wykres: przejscie.png")
