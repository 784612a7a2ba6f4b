"""fazolab.uruchom: the keywords checked and turned into the batch runner's
option values, the memory of the samples weighed, the progress shown."""

import difflib
import math
import numbers
import os

from . import _rdzen
from ._wynik import WynikRozmiarow

# The share of the computer's memory the samples may take: above it the run
# is refused before it starts, above half of it a warning says so.
UDZIAL_PAMIECI_PROBEK = 0.5

_ARGUMENTY = ("siec", "osie", "tryb", "lambdy", "koncentracja", "iteracje", "co", "uklad",
              "ziarno", "generator", "stopien", "powtorzenia", "watki", "czesc", "dwa_starty", "fluktuacje",
              "probki", "postep", "pasek")

# Names a collaborator abroad may reach for first.
_ANGIELSKIE = {"seed": "ziarno", "rng": "generator", "random": "generator", "lattice": "siec", "size": "osie", "sizes": "osie", "l": "osie",
               "axes": "osie", "mode": "tryb", "lambda": "lambdy", "lambdas": "lambdy",
               "lambda_": "lambdy", "concentration": "koncentracja", "iterations": "iteracje",
               "steps": "iteracje", "every": "co", "interval": "co", "start": "uklad",
               "initial": "uklad", "degree": "stopien", "replicas": "powtorzenia",
               "threads": "watki", "part": "czesc", "two_starts": "dwa_starty",
               "fluctuations": "fluktuacje", "samples": "probki", "progress": "postep",
               "callback": "postep", "bar": "pasek", "progress_bar": "pasek"}

# The hundredths of the batch runner's lambda grid, and the millionths a list
# of lambdas is read in.
_MIANOWNIK = 100
_MIANOWNIK_LISTY = 1000000


def _podpowiedz(nazwa):
    if nazwa.lower() in _ANGIELSKIE:
        return _ANGIELSKIE[nazwa.lower()]
    bliskie = difflib.get_close_matches(nazwa, _ARGUMENTY, n=1, cutoff=0.5)
    return bliskie[0] if bliskie else None


def _sprawdz_nazwy(slowa):
    for nazwa in slowa:
        if nazwa not in _ARGUMENTY:
            podpowiedz = _podpowiedz(nazwa)
            rada = f" Czy chodziło o {podpowiedz}=? / Did you mean {podpowiedz}=?" \
                if podpowiedz else ""
            raise TypeError(f"uruchom() nie zna argumentu {nazwa}= "
                            f"(unknown keyword {nazwa}=).{rada}")


def _osie(osie):
    """A list of sizes is a finite-size study: [12, 16] as "12,16"."""
    if isinstance(osie, (list, tuple)) or type(osie).__module__ == "numpy":
        rozmiary = [int(l) if isinstance(l, numbers.Integral) else l for l in list(osie)]
        return ",".join(str(l) for l in rozmiary)
    return osie


def _pozycja(lambda_, mianownik=_MIANOWNIK):
    if isinstance(lambda_, bool) or not isinstance(lambda_, numbers.Real):
        return None
    pozycja = round(float(lambda_) * mianownik)
    return pozycja if math.isclose(pozycja, float(lambda_) * mianownik, abs_tol=1e-6) else None


def _lambdy(lambdy):
    """A list of lambdas: an even grid of hundredths as the series S:E:K it is
    (the same run as typed so), any other list of lambdas in millionths as the
    list --lambda L1,L2,... of fazolab-batch, each lambda exactly as given."""
    if not (isinstance(lambdy, (list, tuple)) or type(lambdy).__module__ == "numpy"):
        return lambdy
    wartosci = list(lambdy)
    pozycje = [_pozycja(l) for l in wartosci]
    if len(wartosci) == 1 and pozycje[0] is not None:
        return f"{pozycje[0] / _MIANOWNIK:.2f}"
    kroki = {b - a for a, b in zip(pozycje, pozycje[1:])} if None not in pozycje else set()
    if len(wartosci) >= 2 and len(kroki) == 1 and min(kroki) > 0:
        krok = kroki.pop()
        return (f"{pozycje[0] / _MIANOWNIK:.2f}:{pozycje[-1] / _MIANOWNIK:.2f}:"
                f"{krok / _MIANOWNIK:.2f}")
    milionowe = [_pozycja(l, _MIANOWNIK_LISTY) for l in wartosci]
    if not wartosci or None in milionowe:
        raise ValueError(
            "Lista lambd to liczby 0.10..2.40 z najwyżej sześcioma miejscami po kropce, "
            "np. [0.86, 0.8637, 0.87]. / A lambda list holds numbers 0.10..2.40 with at "
            "most six decimals.")
    return ",".join(f"{p // _MIANOWNIK_LISTY}.{p % _MIANOWNIK_LISTY:06d}" for p in milionowe)


def _czesc(czesc):
    if isinstance(czesc, (list, tuple)) and len(czesc) == 2:
        return f"{czesc[0]}/{czesc[1]}"
    return czesc


def _pamiec_komputera():
    """The computer's physical memory in bytes, or 0 when it cannot be told."""
    try:
        return os.sysconf("SC_PHYS_PAGES") * os.sysconf("SC_PAGE_SIZE")
    except (ValueError, OSError, AttributeError):
        return 0


def _pasek(pasek, postep):
    """The progress callback: the caller's, and tqdm's bar when it is
    installed and not switched off."""
    if pasek is None or pasek:
        try:
            from tqdm.auto import tqdm
        except ImportError:
            if pasek:
                raise ImportError("pasek=True wymaga pakietu tqdm (python3-tqdm) / "
                                  "pasek=True needs tqdm") from None
            tqdm = None
    else:
        tqdm = None
    if tqdm is None:
        return postep, None
    stan = {}

    def zglos(zrobione, wszystkie):
        if "pasek" not in stan:
            stan["pasek"] = tqdm(total=wszystkie, unit="prób", unit_scale=True,
                                 desc="fazolab", leave=False)
        pasek_ = stan["pasek"]
        pasek_.update(zrobione - pasek_.n)
        if postep is not None:
            postep(zrobione, wszystkie)

    def zamknij():
        if "pasek" in stan:
            stan["pasek"].close()

    return zglos, zamknij


def uruchom(**slowa):
    """Seria symulacji (lambdy="S:E:K" lub lista lambd) albo pojedyncza symulacja
    (lambdy=S), z powtórzeniami liczonymi równolegle w wątkach. Argumenty i ich
    wartości jak opcje fazolab-batch (--siec, --osie, ..., --lambda); błędna
    wartość: ValueError z komunikatem fazolab-batch.

    A series (lambdy="S:E:K" or a list of lambdas) or a single run (lambdy=S),
    replicas run in parallel on threads. Keywords and values are the options of
    fazolab-batch; a bad value raises ValueError with its Polish message.

    siec: "3DR", "2DKwadrat" (domyślnie / default), "2DTrojkat", "2DHeksagonalna".
    osie: 10, "20x10", "8x6x10" (3DR); lista [12, 16, 24, 32] lub "12,16" — badanie
        skończonych rozmiarów / a list runs the finite-size study (WynikRozmiarow).
    tryb: "porzadkowanie" | "klasteryzacja".   uklad: "przypadkowe" |
        "uporzadkowane" | "wydzielenie".
    lambdy: 1.2, "0.80:1.00:0.01", "0.86:0.87:0.0025" albo lista lambd
        [0.86, 0.8637, 0.87] (najwyżej 6 miejsc po kropce; każda dokładnie taka
        w wynikach) / a range or any list of lambdas, each exactly as given.
    koncentracja: 0.10..0.50.   iteracje: na serię / per series.   co: co ile
        iteracji próbka (wielokrotność 100) / sampling interval.
    ziarno: 0..2**32-1; None: z zegara (Wynik.ziarno) / from the clock.
    generator: "xoshiro" (domyślnie: 64-bitowy xoshiro256++, powtórzenie k na
        strumieniu k ziarna Z) | "okna" (32-bitowy generator okna, powtórzenie k
        z ziarnem Z + k, te same liczby co okno) / the 64-bit generator with a
        stream per replica, or the window's 32-bit one.
    stopien: stopień dopasowania / degree of the fit; None: automatyczny.
    powtorzenia: 1..64 powtórzeń / replicas.
    watki: wątki (domyślnie procesory przydzielone procesowi: maska
        powinowactwa, SLURM_CPUS_PER_TASK) / threads (default: the processors
        this process may use).
    czesc: "K/M" lub (K, M): tylko K-ta z M części powtórzeń (wymaga ziarno) —
        zapisz_powtorzenia, potem fazolab.scal / one part of the replicas.
    dwa_starty: równowaga sprawdzana drugim startem / the two-start check.
    fluktuacje: plik wyników z kolumnami Cv/kN z fluktuacji.
    probki: False — bez próbek (mniej pamięci). Próbki ponad połowę pamięci
        komputera: MemoryError przed obliczeniami; ponad ćwierć: RuntimeWarning /
        samples above half the memory are refused, above a quarter warned of.
    postep(zrobione, wszystkie): wywoływane kilka razy na sekundę z liczbą prób
        wymiany / called a few times a second with exchange attempts.
    pasek: pasek postępu tqdm (domyślnie, gdy tqdm jest zainstalowany); False
        wyłącza / a tqdm bar when tqdm is installed.

    Ctrl+C przerywa (KeyboardInterrupt); brak pamięci: MemoryError.
    """
    _sprawdz_nazwy(slowa)
    argumenty = dict(slowa)
    if "osie" in argumenty:
        argumenty["osie"] = _osie(argumenty["osie"])
    if "lambdy" in argumenty:
        argumenty["lambdy"] = _lambdy(argumenty["lambdy"])
    if "czesc" in argumenty:
        argumenty["czesc"] = _czesc(argumenty["czesc"])
    postep, zamknij = _pasek(argumenty.pop("pasek", None), argumenty.pop("postep", None))
    try:
        wynik = _rdzen.uruchom(
            **argumenty, postep=postep,
            limit_probek=float(UDZIAL_PAMIECI_PROBEK * _pamiec_komputera()))
    finally:
        if zamknij is not None:
            zamknij()
    if isinstance(wynik, tuple):
        return WynikRozmiarow(*wynik)
    return wynik
