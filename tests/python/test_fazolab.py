"""The module fazolab against fazolab-batch: the same options and seed give
the same bytes; a refused value gives the batch runner's Polish message."""

import csv
import math
import json
import os
import pickle
import runpy
import signal
import subprocess
import sys
import threading
import time

import numpy as np
import pytest

import fazolab
from conftest import BATCH
PRZYKLAD = os.path.join(os.path.dirname(__file__), "..", "..", "docs", "przyklad_przejscia.py")

# Keywords and the options of fazolab-batch they stand for.
OPCJE = {"siec": "--siec", "osie": "--osie", "tryb": "--tryb", "lambdy": "--lambda",
         "koncentracja": "--koncentracja", "iteracje": "--iteracje", "co": "--co",
         "uklad": "--uklad", "ziarno": "--ziarno", "generator": "--generator",
         "stopien": "--stopien",
         "powtorzenia": "--powtorzenia", "watki": "--watki"}


def batch(argumenty, **slowa):
    if BATCH is None:
        pytest.skip("brak fazolab-batch")
    for slowo, wartosc in slowa.items():
        argumenty += ["--dwa-starty"] if slowo == "dwa_starty" else [OPCJE[slowo], str(wartosc)]
    return subprocess.run([BATCH] + argumenty, capture_output=True, text=True)


BADANIA = [
    # the window's default series, on the 64-bit generator and on the window's
    dict(ziarno=7),
    dict(ziarno=7, generator="okna", powtorzenia=2),
    # replicas on two threads, a finer lambda grid, the fluctuation columns
    dict(osie=20, iteracje=20000, co=100, lambdy="0.5:2.3:0.6", ziarno=31, powtorzenia=5,
         watki=2),
    dict(siec="3DR", osie="8x6x10", tryb="klasteryzacja", koncentracja=0.3,
         lambdy="0.8:1.0:0.01", iteracje=10000, co=500, uklad="wydzielenie", ziarno=3,
         stopien=2),
    dict(siec="2DHeksagonalna", osie=12, lambdy="0.2:2.2:0.4", iteracje=10000,
         uklad="uporzadkowane", ziarno=4294967295, powtorzenia=3),
    # the two-start check on two threads
    dict(osie=12, iteracje=20000, co=100, lambdy="0.6:1.2:0.3", ziarno=9, powtorzenia=2,
         watki=2, dwa_starty=True),
]


@pytest.mark.parametrize("slowa", BADANIA)
@pytest.mark.parametrize("rozszerzenie,fluktuacje", [(".csv", True), (".txt", False)])
def test_plik_wynikow_i_podsumowanie_jak_z_fazolab_batch(tmp_path, slowa, rozszerzenie,
                                                         fluktuacje):
    wzor = tmp_path / ("batch" + rozszerzenie)
    argumenty = ["--wyjscie", str(wzor)] + (["--fluktuacje"] if fluktuacje else [])
    proces = batch(argumenty, **slowa)
    assert proces.returncode == 0, proces.stderr

    wynik = fazolab.uruchom(fluktuacje=fluktuacje, **slowa)
    plik = tmp_path / ("modul" + rozszerzenie)
    wynik.zapisz(str(plik))
    assert plik.read_bytes() == wzor.read_bytes()
    assert wynik.bajty(rozszerzenie[1:]) == wzor.read_bytes()
    assert wynik.podsumowanie == proces.stdout


def test_probki_to_przebieg_fazolab_batch_bez_kopii(tmp_path):
    slowa = dict(siec="2DTrojkat", osie=10, lambdy="0.4:1.6:0.6", iteracje=10000, co=200,
                 ziarno=11)
    przebieg = tmp_path / "p.csv"
    assert batch(["--przebieg", str(przebieg)], **slowa).returncode == 0
    with open(przebieg, newline="") as plik:
        wiersze = list(csv.DictReader(plik))

    probki = fazolab.uruchom(**slowa).probki
    assert len(probki) == 1
    p = probki[0]
    for kolumna in ("seria", "lambda", "iteracja", "energia", "sigma", "pary_ab"):
        oczekiwane = np.array([float(w[kolumna]) for w in wiersze])
        np.testing.assert_array_equal(p[kolumna], oczekiwane, err_msg=kolumna)
        # The array shows the engine's own storage.
        assert not p[kolumna].flags.owndata and not isinstance(p[kolumna].base, np.ndarray)
    slupki = np.array([[float(w[f"h{n}"]) for n in range(7)] for w in wiersze])
    np.testing.assert_array_equal(p["histogram"], slupki)  # six neighbours: h0..h6
    assert p["seria"].dtype == np.int32 and p["iteracja"].dtype == np.int64


def test_powtorzenia_maja_wlasne_probki_a_liczby_nie_zaleza_od_watkow():
    slowa = dict(osie=10, lambdy="0.5:1.5:0.5", iteracje=10000, co=100, ziarno=5, powtorzenia=4)
    jeden = fazolab.uruchom(watki=1, **slowa)
    dwa = fazolab.uruchom(watki=2, **slowa)
    assert jeden.bajty("txt") == dwa.bajty("txt")
    assert len(dwa.probki) == 4
    for a, b in zip(jeden.probki, dwa.probki):
        np.testing.assert_array_equal(a["energia"], b["energia"])
    assert not np.array_equal(dwa.probki[0]["energia"], dwa.probki[1]["energia"])
    # With the window's generator replica k is a plain run seeded 5 + k; the
    # 64-bit generator gives the neighbouring seed's run a stream of its own.
    pojedyncza = {k: v for k, v in slowa.items() if k not in ("ziarno", "powtorzenia")}
    okna = fazolab.uruchom(generator="okna", **slowa)
    druga = fazolab.uruchom(ziarno=6, generator="okna", **pojedyncza)
    np.testing.assert_array_equal(druga.probki[0]["sigma"], okna.probki[1]["sigma"])
    sasiednia = fazolab.uruchom(ziarno=6, **pojedyncza)
    assert not np.array_equal(sasiednia.probki[0]["sigma"], dwa.probki[1]["sigma"])


def test_liczby_wyniku():
    # Five replicas: fewer give no error from their spread.
    w = fazolab.uruchom(osie=20, iteracje=20000, co=100, lambdy="0.5:2.3:0.6", ziarno=31,
                        powtorzenia=5, watki=2, probki=False)
    assert w.seria and w.powtorzenia == 5 and w.ziarno == 31 and w.probki == []
    assert repr(w) == "<fazolab.Wynik: seria 4 lambd, powtórzeń 5, ziarno 31>"
    np.testing.assert_allclose(w.lambdy, [0.5, 1.1, 1.7, 2.3])
    for tablica in (w.sigma, w.sigma_blad, w.sigma_srednia, w.sigma_srednia_blad, w.cvkn,
                    w.cvkn_fluktuacje, w.cvkn_fluktuacje_blad):
        assert tablica.shape == (4,) and np.all(np.isfinite(tablica))
    assert len(w.rownowaga) == 4 and len(w.rownowaga_repliki) == 5
    # A lambda fails equilibrium when any of its replicas does.
    for k, stan in enumerate(w.rownowaga):
        if stan:
            assert all(r[k] for r in w.rownowaga_repliki)
    # Too short a run to tell a drift by the peak: no position, and the
    # summary's last line says so in words.
    assert "maksimum Cv/kN (fluktuacje): lambda_max dla tej sieci (" in w.podsumowanie
    if all(s not in w.podsumowanie for s in ("nie wyznaczono", "brzegu", "nie nakładają")):
        assert 0.5 < w.przejscie["lambda"] < 2.3 and w.przejscie["blad"] > 0
    assert w.teksty["ELambdaTc"] == f"{w.przejscie_dopasowania['lambda']:.2f}"


def test_generator_nazwany_w_wyniku_i_pliku():
    slowa = dict(osie=6, iteracje=10000, lambdy="0.5:1.0:0.5", ziarno=1)
    domyslny = fazolab.uruchom(**slowa)
    okna = fazolab.uruchom(generator="okna", **slowa)
    assert domyslny.generator == "xoshiro"
    assert okna.generator == "okna"
    assert b"Generator liczb losowych: xoshiro256++" in domyslny.bajty()
    assert b"Generator" not in okna.bajty()
    assert fazolab.uruchom(generator="xoshiro", **slowa).bajty() == domyslny.bajty()
    with pytest.raises(ValueError, match="--generator"):
        fazolab.uruchom(generator="mt19937", **slowa)


def test_generator_badania_w_podsumowaniu_i_kopii(tmp_path):
    # The research summary names the generator the study drew from, not the
    # default one, and a study read back or unpickled keeps it.
    slowa = dict(osie=6, iteracje=10000, lambdy="0.5:1.0:0.5", ziarno=4294967295, powtorzenia=2)
    assert fazolab.GENERATOR == fazolab.GENERATORY["xoshiro"]
    assert "xoshiro256++" in fazolab.GENERATORY["xoshiro"]
    assert "Z + k" in fazolab.GENERATORY["okna"]
    for nazwa, ziarna in (("okna", [4294967295, 0]), ("xoshiro", [4294967295, 4294967295])):
        w = fazolab.uruchom(generator=nazwa, **slowa)
        assert w.opis_generatora == fazolab.GENERATORY[nazwa]
        assert w.parametry["generator"] == nazwa
        w.zapisz(tmp_path / f"{nazwa}.json")
        dane = json.loads((tmp_path / f"{nazwa}.json").read_text(encoding="utf-8"))
        assert dane["generator"] == fazolab.GENERATORY[nazwa]
        assert dane["ziarna_powtorzen"] == ziarna
        for kopia in (fazolab.wczytaj(tmp_path / f"{nazwa}.json"),
                      pickle.loads(pickle.dumps(w))):
            assert kopia.generator == nazwa and kopia.bajty() == w.bajty()


def test_pojedyncza_symulacja_nie_ma_pliku_wynikow(tmp_path):
    w = fazolab.uruchom(lambdy=1.2, iteracje=10000, ziarno=2)
    assert not w.seria and w.cvkn is None and w.przejscie_dopasowania is None
    assert w.lambdy.shape == (1,)
    with pytest.raises(ValueError, match="pojedyncza symulacja nie ma etapu wyników"):
        w.zapisz(str(tmp_path / "w.csv"))
    assert not (tmp_path / "w.csv").exists()


def test_ziarno_z_zegara_powtarza_przebieg():
    slowa = dict(osie=6, iteracje=10000, lambdy="0.5:1.0:0.5")
    w = fazolab.uruchom(**slowa)
    assert fazolab.uruchom(ziarno=w.ziarno, **slowa).bajty() == w.bajty()


@pytest.mark.parametrize("slowa", [
    dict(osie=7), dict(osie="20x10x10"), dict(siec="3DR", osie="20x10"), dict(siec="2D"),
    dict(lambdy=3), dict(lambdy="0.5:0.4:0.1"), dict(lambdy=0.1255555), dict(koncentracja=0.55),
    dict(co=150), dict(iteracje=5), dict(iteracje=10 ** 9 + 100, co=100), dict(ziarno=-1),
    dict(ziarno=True), dict(powtorzenia=0), dict(watki=65), dict(tryb="x"), dict(uklad=""),
    dict(stopien=25), dict(osie=20.0),
])
def test_bledna_wartosc_to_komunikat_fazolab_batch(slowa):
    proces = batch([], **slowa)
    assert proces.returncode == 2
    with pytest.raises(ValueError) as blad:
        fazolab.uruchom(**slowa)
    assert str(blad.value) + "\n" == proces.stderr


def test_zapis_do_brakujacego_folderu_to_oserror(tmp_path):
    w = fazolab.uruchom(osie=6, iteracje=10000, lambdy="0.5:1.0:0.5", ziarno=1)
    with pytest.raises(OSError, match="^Nie można zapisać pliku: .*brak/w.csv"):
        w.zapisz(str(tmp_path / "brak" / "w.csv"))
    with pytest.raises(ValueError, match="Nieznany typ pliku wyników: ods"):
        w.bajty("ods")
    with pytest.raises(TypeError):
        fazolab.uruchom(lambda_=1.0)


def test_postep_rosnie_do_konca():
    postep = []
    # Long enough to outlast the 100 ms between reports on an idle machine.
    fazolab.uruchom(osie=40, lambdy="0.5:1.5:0.5", iteracje=10000000, ziarno=1, powtorzenia=2,
                    watki=2, probki=False, postep=lambda z, w: postep.append((z, w)))
    assert len(postep) >= 2
    wszystkie = postep[-1][1]
    assert postep[-1] == (wszystkie, wszystkie)
    assert all(w == wszystkie for _, w in postep)
    zrobione = [z for z, _ in postep]
    assert zrobione == sorted(zrobione)


def test_wyjatek_w_postepie_przerywa_obliczenia():
    def postep(zrobione, wszystkie):
        raise RuntimeError("dość")

    start = time.monotonic()
    with pytest.raises(RuntimeError, match="dość"):
        fazolab.uruchom(osie=100, lambdy="0.1:2.4:0.1", iteracje=10 ** 7, ziarno=1, postep=postep)
    assert time.monotonic() - start < 5


def test_ctrl_c_przerywa_obliczenia_i_modul_dziala_dalej():
    # A whole study here takes minutes; the signal arrives while it runs.
    zegar = threading.Timer(0.3, os.kill, (os.getpid(), signal.SIGINT))
    start = time.monotonic()
    with pytest.raises(KeyboardInterrupt):
        zegar.start()
        fazolab.uruchom(osie=100, lambdy="0.1:2.4:0.1", iteracje=10 ** 7, ziarno=1,
                        powtorzenia=4, watki=2)
    assert time.monotonic() - start < 5
    zegar.join()
    assert fazolab.uruchom(osie=6, iteracje=10000, lambdy=1.0, ziarno=1).seria is False


def test_obliczenia_nie_trzymaja_gil():
    licznik = 0
    koniec = threading.Event()

    def licz():
        nonlocal licznik
        while not koniec.is_set():
            licznik += 1
            time.sleep(0.001)

    watek = threading.Thread(target=licz)
    watek.start()
    przed = licznik
    fazolab.uruchom(osie=40, lambdy="0.5:1.5:0.5", iteracje=1000000, ziarno=1, probki=False)
    w_trakcie = licznik - przed
    koniec.set()
    watek.join()
    # Holding the GIL for the whole run would have stopped the other thread.
    assert w_trakcie > 20


class _Wykres:
    """Stands for matplotlib in the example: every drawing call is recorded."""

    def __init__(self, wywolania):
        self.wywolania = wywolania

    def __getattr__(self, nazwa):
        def wywolanie(*argumenty, **slowa):
            self.wywolania.append((nazwa, argumenty, slowa))
            return _Wykres(self.wywolania)
        return wywolanie

    def __iter__(self):
        return iter((_Wykres(self.wywolania), _Wykres(self.wywolania)))


def test_przyklad_z_docs_dziala(tmp_path, monkeypatch, capsys):
    # The example's study, shortened, with its drawing recorded.
    prawdziwe = fazolab.uruchom
    monkeypatch.setattr(fazolab, "uruchom",
                        lambda **slowa: prawdziwe(**{**slowa, "iteracje": 10000, "co": 100}))
    wywolania = []
    wykres = _Wykres(wywolania)
    wykres.__path__ = []
    wykres.pyplot = wykres
    monkeypatch.setitem(sys.modules, "matplotlib", wykres)
    monkeypatch.setitem(sys.modules, "matplotlib.pyplot", wykres)
    monkeypatch.chdir(tmp_path)
    runpy.run_path(PRZYKLAD)
    assert (tmp_path / "przejscie.csv").read_bytes().startswith(b"Siec: 2D Kwadratowa")
    w = fazolab.wczytaj(tmp_path / "przejscie.json")
    wyjscie = capsys.readouterr().out
    assert "maksimum Cv/kN (fluktuacje)" in wyjscie
    p = w.przejscie
    # What it got: the number, or the reason in words; never "nan".
    if p["powod"]:
        assert f"Przejście fazowe z fluktuacji: {p['powod']}" in wyjscie
    else:
        assert f"lambda = {p['lambda']:.3f}" in wyjscie
    assert "nan" not in wyjscie
    linie = [slowa.get("label") for nazwa, _, slowa in wywolania if nazwa == "axvline"]
    assert linie == ([] if math.isnan(p["lambda"]) else ["przejście (fluktuacje)"])


def test_przyklady_readme_dzialaja(tmp_path, monkeypatch):
    # The README's Python examples as a reader runs them, at a small size.
    with open(os.path.join(os.path.dirname(PRZYKLAD), "..", "README.md"), encoding="utf-8") as f:
        rozdzial = f.read().split("\n## Python\n", 1)[1].split("\n## ", 1)[0]
    bloki, blok = [], []
    for linia in rozdzial.splitlines() + [""]:
        if linia.startswith("    "):
            blok.append(linia[4:])
        elif blok:
            bloki.append("\n".join(blok))
            blok = []
    kod = [b for b in bloki if b.startswith("import fazolab")]
    assert len(kod) == 1
    prawdziwe = fazolab.uruchom
    monkeypatch.setattr(fazolab, "uruchom",
                        lambda **slowa: prawdziwe(**{**slowa, "iteracje": 10000, "co": 100}))
    monkeypatch.chdir(tmp_path)
    exec(compile(kod[0], "README.md", "exec"), {})
    assert (tmp_path / "wyniki.csv").read_bytes().startswith(b"Siec: 2D Kwadratowa")
    assert fazolab.wczytaj(tmp_path / "badanie.json").bajty() == (tmp_path / "wyniki.csv").read_bytes()
