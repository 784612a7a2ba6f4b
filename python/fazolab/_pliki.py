"""The files of a study: the window's results file, the research summary
(.json), the samples (.npz), the replica files of its parts, and reading them
back. Every file is written whole or not at all (a temporary file renamed
over the target), with a Polish OSError when it cannot be."""

import errno
import io
import json
import math
import os

import numpy as np

from . import _rdzen

FORMAT = "fazolab-badanie"
WERSJA_FORMATU = 1
_OKNO = (".csv", ".txt", ".xlsx")
_ROZSZERZENIA = ("csv, .txt, .xlsx (plik wyników okna), .json (podsumowanie badania), "
                 ".npz (podsumowanie z próbkami)")


def _sciezka(sciezka):
    """A path as text: str, bytes or os.PathLike; refused when empty or with NUL."""
    try:
        tekst = os.fspath(sciezka)
    except TypeError:
        raise TypeError(f"Ścieżka pliku musi być tekstem lub os.PathLike, nie "
                        f"{type(sciezka).__name__} / a path must be str or os.PathLike") from None
    if isinstance(tekst, bytes):
        tekst = os.fsdecode(tekst)
    if not tekst:
        raise ValueError("Pusta nazwa pliku: podaj ścieżkę, np. \"wyniki.csv\" / empty file name")
    if "\0" in tekst:
        raise ValueError(f"Nazwa pliku zawiera znak NUL: {tekst!r} / the file name contains NUL")
    return tekst


def _rozszerzenie(sciezka):
    return os.path.splitext(sciezka)[1].lower()


def _liczba(x):
    """A number for JSON: NaN and infinities are null (JSON has none)."""
    x = float(x)
    return x if math.isfinite(x) else None


def _lista(tablica):
    return None if tablica is None else [_liczba(x) for x in tablica]


def _ziarna_powtorzen(wynik):
    """The seed each replica starts from: Z + k on the window's generator; on
    the 64-bit one every replica is seeded Z and draws from its own stream k."""
    if wynik.generator == "okna":
        return [(wynik.ziarno + k) % 2 ** 32 for k in range(wynik.powtorzenia)]
    return [wynik.ziarno] * wynik.powtorzenia


def podsumowanie(wynik):
    """The research summary as a dict, in the order the file holds it."""
    p = wynik.parametry
    przejscie = wynik.przejscie
    dopasowanie = wynik.przejscie_dopasowania
    return {
        "format": FORMAT,
        "wersja_formatu": WERSJA_FORMATU,
        "program": {"nazwa": "fazolab", "wersja": _rdzen.WERSJA},
        "generator": wynik.opis_generatora,
        "ziarno": wynik.ziarno,
        "ziarna_powtorzen": _ziarna_powtorzen(wynik),
        "parametry": p,
        "lambdy": _lista(wynik.lambdy),
        "wyniki": {
            "sigma": _lista(wynik.sigma),
            "sigma_blad": _lista(wynik.sigma_blad),
            "sigma_srednia": _lista(wynik.sigma_srednia),
            "sigma_srednia_blad": _lista(wynik.sigma_srednia_blad),
            "cvkn_dopasowanie": _lista(wynik.cvkn),
            "cvkn_dopasowanie_surowe": _lista(wynik.cvkn_surowe),
            "cvkn_fluktuacje": _lista(wynik.cvkn_fluktuacje),
            "cvkn_fluktuacje_blad": _lista(wynik.cvkn_fluktuacje_blad),
            "rownowaga": wynik.rownowaga,
            "rownowaga_powtorzen": wynik.rownowaga_repliki,
        },
        "przejscie": {"lambda": _liczba(przejscie["lambda"]), "blad": _liczba(przejscie["blad"]),
                      "na_brzegu": przejscie["na_brzegu"], "opis": przejscie["opis"],
                      "powod": przejscie["powod"]},
        "przejscie_dopasowania": None if dopasowanie is None else {
            k: (_liczba(v) if isinstance(v, float) else v) for k, v in dopasowanie.items()},
        "podsumowanie": wynik.podsumowanie,
        "plik_powtorzen": wynik.tekst_powtorzen(),
    }


def _json(wynik):
    tekst = json.dumps(podsumowanie(wynik), ensure_ascii=False, indent=1, allow_nan=False)
    return (tekst + "\n").encode("utf-8")


def _npz(wynik):
    tablice = {"badanie": np.array(_json(wynik).decode("utf-8"))}
    for k, probki in zip(wynik.repliki, wynik.probki):
        for kolumna, tablica in probki.items():
            tablice[f"powtorzenie{k}_{kolumna}"] = tablica
    bufor = io.BytesIO()
    np.savez_compressed(bufor, **tablice)
    return bufor.getvalue()


def zapisz(self, sciezka):
    """Zapisuje wynik; typ z rozszerzenia: .csv/.txt/.xlsx — plik wyników okna
    (jak fazolab-batch --wyjscie), .json — podsumowanie badania (UTF-8, wszystkie
    parametry, ziarna, generator, wersja), .npz — to samo z próbkami. Inne
    rozszerzenie: ValueError. / Writes the results; the extension chooses."""
    sciezka = _sciezka(sciezka)
    rozszerzenie = _rozszerzenie(sciezka)
    if rozszerzenie in _OKNO:
        self._zapisz_okno(sciezka)
    elif rozszerzenie == ".json":
        _rdzen.zapisz_plik(sciezka, _json(self))
    elif rozszerzenie == ".npz":
        _rdzen.zapisz_plik(sciezka, _npz(self))
    else:
        raise ValueError(f"Nieznane rozszerzenie pliku: {rozszerzenie or '(brak)'} (dozwolone ."
                         f"{_ROZSZERZENIA}) / unknown file extension")


def zapisz_powtorzenia(self, sciezka):
    """Zapisuje plik powtórzeń (--powtorzenia-plik) tych powtórzeń, np. części
    badania do fazolab.scal. / Writes the replica file of the replicas held."""
    _rdzen.zapisz_plik(_sciezka(sciezka), self.tekst_powtorzen().encode("utf-8"))


_POWODY = {errno.ENOENT: "nie ma takiego pliku", errno.EACCES: "brak uprawnień",
           errno.EISDIR: "to jest folder", errno.ENOTDIR: "w ścieżce jest plik, nie folder",
           errno.ENAMETOOLONG: "za długa nazwa", errno.ELOOP: "pętla dowiązań symbolicznych"}


def _czytaj(sciezka):
    try:
        with open(sciezka, "rb") as plik:
            return plik.read()
    except OSError as blad:
        powod = _POWODY.get(blad.errno, f"błąd systemu {errno.errorcode.get(blad.errno, '')}")
        raise type(blad)(f"Nie można odczytać pliku: {sciezka} ({powod})") from None


def _z_podsumowania(tekst, probki=()):
    try:
        dane = json.loads(tekst)
    except ValueError:
        raise ValueError("To nie jest podsumowanie badania fazolab (błędny JSON).") from None
    if not isinstance(dane, dict) or dane.get("format") != FORMAT:
        raise ValueError("To nie jest podsumowanie badania fazolab (brak \"format\": "
                         f"\"{FORMAT}\").")
    if dane.get("wersja_formatu") != WERSJA_FORMATU:
        raise ValueError(f"Nieznana wersja podsumowania badania: {dane.get('wersja_formatu')} "
                         f"(ta wersja fazolab czyta {WERSJA_FORMATU}).")
    return _rdzen.z_powtorzen(dane["plik_powtorzen"], bool(dane["parametry"]["fluktuacje"]),
                              list(probki))


def wczytaj(sciezka):
    """Wczytuje wynik zapisany przez zapisz (.json, .npz z próbkami) albo plik
    powtórzeń; zapisany ponownie daje te same bajty (.json). / Reads a study
    back from .json, .npz or a replica file."""
    sciezka = _sciezka(sciezka)
    rozszerzenie = _rozszerzenie(sciezka)
    if rozszerzenie == ".npz":
        with np.load(sciezka, allow_pickle=False) as npz:
            tablice = {nazwa: npz[nazwa] for nazwa in npz.files}
        tekst = str(tablice.pop("badanie"))
        repliki = {}
        for nazwa, tablica in tablice.items():
            replika, kolumna = nazwa[len("powtorzenie"):].split("_", 1)
            repliki.setdefault(int(replika), {})[kolumna] = tablica
        return _z_podsumowania(tekst, [repliki[k] for k in sorted(repliki)])
    bajty = _czytaj(sciezka)
    if bajty.startswith(b"fazolab-batch powtorzenia"):
        return _rdzen.z_powtorzen(bajty.decode("utf-8"))
    if rozszerzenie == ".json":
        return _z_podsumowania(bajty.decode("utf-8"))
    raise ValueError(f"Nieznany rodzaj pliku: {sciezka} (fazolab.wczytaj czyta .json, .npz i "
                     "pliki powtórzeń) / unknown kind of file")


def scal(sciezki, fluktuacje=False):
    """Całe badanie z plików powtórzeń jego części (jak fazolab-batch --scal):
    części jednego badania, każde powtórzenie raz. / The whole study from its
    parts' replica files."""
    if isinstance(sciezki, (str, bytes, os.PathLike)):
        sciezki = [sciezki]
    return _rdzen.scal([_sciezka(s) for s in sciezki], fluktuacje)
