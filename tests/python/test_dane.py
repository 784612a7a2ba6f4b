"""The results as data: pickled, tabled and written as research files and read
back unchanged; parts merged; sizes and lambda lists; threads as given; paths,
keywords and memory refused in Polish before anything runs."""

import copy
import json
import math
import os
import pathlib
import pickle
import shutil
import subprocess
import sys
import textwrap
import warnings

import numpy as np
import pytest

import fazolab
from conftest import BATCH

SERIA = dict(osie=12, iteracje=20000, co=100, lambdy="0.80:0.90:0.02", ziarno=31, powtorzenia=5,
             watki=2, pasek=False)


@pytest.fixture(scope="module")
def wynik():
    return fazolab.uruchom(**SERIA)


def test_pickle_i_copy_daja_ten_sam_wynik(wynik):
    for kopia in (pickle.loads(pickle.dumps(wynik)), copy.copy(wynik), copy.deepcopy(wynik)):
        assert type(kopia) is fazolab.Wynik
        assert kopia.bajty("csv") == wynik.bajty("csv")
        assert kopia.podsumowanie == wynik.podsumowanie
        np.testing.assert_array_equal(kopia.lambdy, wynik.lambdy)
        assert kopia.przejscie["opis"] == wynik.przejscie["opis"]
        for a, b in zip(kopia.probki, wynik.probki):
            for kolumna in b:
                np.testing.assert_array_equal(a[kolumna], b[kolumna])


def test_lambdy_to_wartosci_siatki_a_liczniki_to_liczby_calkowite(wynik):
    assert list(wynik.lambdy) == [0.80, 0.82, 0.84, 0.86, 0.88, 0.90]
    p = wynik.probki[0]
    assert set(np.unique(p["lambda"])) == {0.80, 0.82, 0.84, 0.86, 0.88, 0.90}
    assert p["pary_ab"].dtype == np.int64 and p["histogram"].dtype == np.int64
    # Every atom of the 12 x 12 square lattice is in one bar; the bars count
    # each unlike pair twice.
    assert np.all(p["histogram"].sum(axis=1) == 144)
    np.testing.assert_array_equal((p["histogram"] * np.arange(5)).sum(axis=1), 2 * p["pary_ab"])


def test_tabela_pandas_ma_kolumny_obu_metod():
    pd = pytest.importorskip("pandas")
    w = fazolab.uruchom(**SERIA)
    ramka = w.to_dataframe()
    assert list(ramka.columns) == [
        "lambda", "sigma", "sigma_blad", "sigma_srednia", "sigma_srednia_blad",
        "cvkn_dopasowanie", "cvkn_dopasowanie_surowe", "cvkn_fluktuacje",
        "cvkn_fluktuacje_blad", "rownowaga"]
    assert all(ramka[k].dtype == np.float64 for k in ramka.columns if k != "rownowaga")
    assert ramka["rownowaga"].dtype == pd.BooleanDtype()
    assert len(ramka[ramka["lambda"] == 0.86]) == 1
    np.testing.assert_array_equal(ramka["cvkn_fluktuacje"], w.cvkn_fluktuacje)
    # A sample's histogram is a 2-D array of its own beside the flat columns.
    probki = pd.DataFrame({k: v for k, v in w.probki[0].items() if k != "histogram"})
    assert len(probki) == w.probki[0]["histogram"].shape[0]
    pojedyncza = fazolab.uruchom(lambdy=1.2, iteracje=10000, ziarno=2, pasek=False)
    assert pojedyncza.to_dataframe()["cvkn_dopasowanie"].isna().all()


def test_zbior_xarray_nad_lambda(wynik):
    pytest.importorskip("xarray")
    zbior = wynik.to_xarray()
    np.testing.assert_array_equal(zbior["lambda"], wynik.lambdy)
    np.testing.assert_array_equal(zbior["sigma"], wynik.sigma)
    assert zbior.attrs["siec"] == "2DKwadrat" and zbior.attrs["wersja"] == fazolab.__version__


def test_cvkn_to_kolumna_pliku_a_surowe_wartosci_obok(wynik):
    plik = [float(t) for t in wynik.teksty["MCvkN"]]
    np.testing.assert_allclose(wynik.cvkn, plik, atol=5e-4)
    # Past the fall the file writes 0; the fitted curve goes on beneath.
    po_spadku = np.asarray(plik) == 0
    assert po_spadku.any()
    np.testing.assert_array_equal(wynik.cvkn[~po_spadku], wynik.cvkn_surowe[~po_spadku])
    assert np.all(wynik.cvkn[po_spadku] == 0)


def test_przejscie_mowi_dlaczego_nie_ma_liczby(wynik):
    p = wynik.przejscie
    assert p["opis"].startswith("λ")
    if math.isnan(p["lambda"]) or math.isnan(p["blad"]):
        # The summary's own words for it.
        assert p["powod"] and p["powod"] in wynik.podsumowanie.splitlines()[-1]
    else:
        assert p["powod"] is None


def test_podsumowanie_json_zapisane_i_wczytane_bez_zmian(tmp_path, wynik):
    plik = tmp_path / "badanie.json"
    wynik.zapisz(plik)
    bajty = plik.read_bytes()
    dane = json.loads(bajty.decode("utf-8"), parse_constant=lambda c: pytest.fail(c))
    assert dane["format"] == "fazolab-badanie" and dane["program"]["wersja"] == fazolab.__version__
    assert dane["generator"] == fazolab.GENERATOR
    assert dane["ziarna_powtorzen"] == [31, 31, 31, 31, 31]
    assert dane["parametry"] == {
        "siec": "2DKwadrat", "osie": [12, 12], "tryb": "porzadkowanie",
        "lambdy": "0.80:0.90:0.02", "koncentracja": 0.5, "iteracje": 20000, "co": 100,
        "uklad": "przypadkowe", "ziarno": 31, "ziarno_z_zegara": False, "generator": "xoshiro",
        "stopien": None,
        "powtorzenia": 5, "dwa_starty": False, "fluktuacje": False}
    assert dane["lambdy"] == [0.8, 0.82, 0.84, 0.86, 0.88, 0.9]
    assert dane["podsumowanie"] == wynik.podsumowanie
    wczytany = fazolab.wczytaj(plik)
    wczytany.zapisz(tmp_path / "znowu.json")
    assert (tmp_path / "znowu.json").read_bytes() == bajty
    assert wczytany.bajty("txt") == wynik.bajty("txt")


def test_probki_npz_wczytane(tmp_path, wynik):
    wynik.zapisz(str(tmp_path / "probki.npz"))
    wczytany = fazolab.wczytaj(tmp_path / "probki.npz")
    assert wczytany.podsumowanie == wynik.podsumowanie
    assert len(wczytany.probki) == 5
    for a, b in zip(wczytany.probki, wynik.probki):
        assert a.keys() == b.keys()
        for kolumna in b:
            np.testing.assert_array_equal(a[kolumna], b[kolumna])
            assert a[kolumna].dtype == b[kolumna].dtype


@pytest.mark.parametrize("nazwa", ["w.h5", "w.nc", "w", "w.json.bak"])
def test_nieznane_rozszerzenie_odrzucone(tmp_path, wynik, nazwa):
    with pytest.raises(ValueError, match="^Nieznane rozszerzenie pliku"):
        wynik.zapisz(tmp_path / nazwa)
    assert list(tmp_path.iterdir()) == []


def test_sciezki_pathlike_bajty_nul_i_pusta(tmp_path, wynik):
    wynik.zapisz(pathlib.Path(tmp_path) / "a.csv")
    wynik.zapisz(os.fsencode(tmp_path / "b.csv"))
    assert (tmp_path / "a.csv").read_bytes() == (tmp_path / "b.csv").read_bytes() == wynik.bajty()
    with pytest.raises(ValueError, match="znak NUL"):
        wynik.zapisz(str(tmp_path / "c\0d.csv"))
    with pytest.raises(ValueError, match="^Pusta nazwa pliku"):
        wynik.zapisz("")
    with pytest.raises(TypeError, match="os.PathLike"):
        wynik.zapisz(7)
    assert sorted(p.name for p in tmp_path.iterdir()) == ["a.csv", "b.csv"]
    with pytest.raises(FileNotFoundError, match="^Nie można odczytać pliku: .*brak.json "
                                                "\\(nie ma takiego pliku\\)$"):
        fazolab.wczytaj(tmp_path / "brak.json")


def test_czesci_scalone_to_cale_badanie(tmp_path):
    slowa = dict(osie=10, iteracje=10000, co=100, lambdy="0.6:1.0:0.2", ziarno=5, powtorzenia=4,
                 pasek=False)
    cale = fazolab.uruchom(**slowa)
    czesci = []
    for k in range(2):
        czesc = fazolab.uruchom(czesc=(k, 2), **slowa)
        assert not czesc.cale and czesc.repliki == [2 * k, 2 * k + 1]
        with pytest.raises(ValueError, match="To część badania.*fazolab.scal"):
            czesc.podsumowanie
        czesc.zapisz_powtorzenia(tmp_path / f"czesc{k}.txt")
        czesci.append(tmp_path / f"czesc{k}.txt")
        np.testing.assert_array_equal(czesc.probki[0]["sigma"], cale.probki[2 * k]["sigma"])
    scalone = fazolab.scal(czesci)
    assert scalone.bajty() == cale.bajty() and scalone.podsumowanie == cale.podsumowanie
    # A part pickled keeps being a part.
    assert pickle.loads(pickle.dumps(czesc)).repliki == [2, 3]
    with pytest.raises(ValueError, match="^Brak 2 z 4 powtórzeń badania"):
        fazolab.scal(czesci[:1])
    if BATCH:
        proces = subprocess.run([BATCH, "--scal", *map(str, czesci)], capture_output=True,
                                text=True)
        assert proces.returncode == 0 and proces.stdout == cale.podsumowanie
        assert fazolab.wczytaj(czesci[0]).repliki == [0, 1]


def test_lista_rozmiarow_to_badanie_rozmiarow_fazolab_batch(batch_program):
    slowa = dict(lambdy="0.80:1.00:0.05", iteracje=10000, co=100, ziarno=3, powtorzenia=2,
                 pasek=False)
    proces = subprocess.run([batch_program, "--osie", "8,12", "--lambda", "0.80:1.00:0.05",
                             "--iteracje", "10000", "--co", "100", "--ziarno", "3",
                             "--powtorzenia", "2"], capture_output=True, text=True)
    assert proces.returncode == 0, proces.stderr
    for osie in ([8, 12], "8,12", np.array([8, 12])):
        badanie = fazolab.uruchom(osie=osie, **slowa)
        assert isinstance(badanie, fazolab.WynikRozmiarow)
        assert badanie.podsumowanie == proces.stdout
        assert list(badanie.rozmiary) == [8, 12]
    # Each size is a study of its own, its iterations scaled with the size.
    assert badanie.rozmiary[12].parametry["iteracje"] > badanie.rozmiary[8].parametry["iteracje"]
    if pytest.importorskip("pandas"):
        assert list(badanie.to_dataframe()["L"].unique()) == [8, 12]
    with pytest.raises(ValueError, match="co najmniej dwa rosnące rozmiary"):
        fazolab.uruchom(osie=[16, 12], **slowa)


def test_lista_lambd_to_seria_na_siatce():
    slowa = dict(osie=6, iteracje=10000, ziarno=1, pasek=False)
    wzor = fazolab.uruchom(lambdy="0.80:0.84:0.02", **slowa)
    for lambdy in ([0.80, 0.82, 0.84], (0.8, 0.82, 0.84), np.arange(0.80, 0.845, 0.02)):
        assert fazolab.uruchom(lambdy=lambdy, **slowa).bajty() == wzor.bajty()
    assert fazolab.uruchom(lambdy=[1.2], **slowa).seria is False
    # Any other list runs its own lambdas, each exactly as given, in increasing order.
    for lambdy, oczekiwane in (([0.86, 0.8637, 0.87], [0.86, 0.8637, 0.87]),
                               ([0.8, 0.82, 0.86], [0.8, 0.82, 0.86]),
                               ((0.9, 0.8), [0.8, 0.9]),
                               (np.array([0.123456]), [0.123456])):
        w = fazolab.uruchom(lambdy=lambdy, **slowa)
        assert w.seria is True
        assert list(w.lambdy) == oczekiwane
    for zle in ([0.86, 0.12345678], [], [0.86, 0.86]):
        with pytest.raises(ValueError, match="^(Lista lambd|Błędna wartość opcji --lambda)"):
            fazolab.uruchom(lambdy=zle, **slowa)


def test_skala_badania():
    slowa = dict(iteracje=10000, ziarno=1, pasek=False)
    w = fazolab.uruchom(osie=8, lambdy=[0.86, 0.8637, 0.87], co=1000, **slowa)
    assert w.parametry["lambdy"] == "0.8600,0.8637,0.8700"
    assert list(w.lambdy) == [0.86, 0.8637, 0.87]
    # More lambdas than the window's 24, and a lattice past its 100.
    assert len(fazolab.uruchom(osie=6, lambdy="0.10:0.39:0.01", co=5000, **slowa).lambdy) == 30
    assert fazolab.uruchom(osie=256, lambdy=0.9, co=10000, **slowa).parametry["osie"] == [256, 256]
    with pytest.raises(MemoryError, match="^Za mało pamięci na to badanie: potrzebuje około .* GB"):
        fazolab.uruchom(lambdy="0.1:2.4:0.0001", iteracje=10 ** 9, co=100, ziarno=1, pasek=False)


def _watki_w_procesie(przedrostek, srodowisko=None):
    kod = ("import fazolab; print(fazolab.uruchom(osie=6, iteracje=10000, lambdy=1.0, ziarno=1, "
           "powtorzenia=4, pasek=False).watki)")
    proces = subprocess.run(przedrostek + [sys.executable, "-c", kod], capture_output=True,
                            text=True, env={**os.environ, "PYTHONPATH": os.pathsep.join(sys.path),
                                            **(srodowisko or {})})
    assert proces.returncode == 0, proces.stderr
    return int(proces.stdout)


def test_watki_z_maski_powinowactwa_i_slurma():
    if shutil.which("taskset") is None:
        pytest.skip("brak taskset")
    assert _watki_w_procesie(["taskset", "-c", "0"]) == 1
    assert _watki_w_procesie([], {"SLURM_CPUS_PER_TASK": "1"}) == 1
    assert _watki_w_procesie([]) == min(4, len(os.sched_getaffinity(0)))


@pytest.mark.parametrize("zle,dobre", [("seed", "ziarno"), ("iteracej", "iteracje"),
                                       ("threads", "watki"), ("lambda", "lambdy")])
def test_literowka_w_argumencie_ma_podpowiedz(zle, dobre):
    with pytest.raises(TypeError) as blad:
        fazolab.uruchom(**{zle: 7})
    assert str(blad.value).count("\n") == 0
    assert f"nie zna argumentu {zle}=" in str(blad.value) and f"{dobre}=?" in str(blad.value)


def test_pasek_tqdm_obok_wywolania(capsys):
    pytest.importorskip("tqdm")
    postep = []
    fazolab.uruchom(osie=40, lambdy="0.5:1.5:0.5", iteracje=3000000, ziarno=1, probki=False,
                    pasek=True, postep=lambda z, w: postep.append(z))
    assert postep and "fazolab" in capsys.readouterr().err


def test_probki_ponad_udzial_pamieci_odmowione_przed_obliczeniami(monkeypatch):
    # 64 replicas of 24 series of 10 002 samples, 100 bytes each: about 1.5 GB.
    slowa = dict(osie=100, lambdy="0.10:2.40:0.10", iteracje=10 ** 7, co=1000, ziarno=1,
                 powtorzenia=64, pasek=False)
    monkeypatch.setattr(fazolab._uruchom, "_pamiec_komputera", lambda: 2 * 10 ** 9)
    with pytest.raises(MemoryError, match=r"^Próbki zajmą ok\. 1\.54 GB pamięci, więcej niż "
                                          r"dozwolone 1 GB: uruchom z probki=False"):
        fazolab.uruchom(**slowa)
    # Above half the share: a warning, here made an error so that nothing runs.
    monkeypatch.setattr(fazolab._uruchom, "_pamiec_komputera", lambda: 4 * 10 ** 9)
    with warnings.catch_warnings():
        warnings.simplefilter("error", RuntimeWarning)
        with pytest.raises(RuntimeWarning, match=r"^Próbki zajmą ok\. 1\.54 GB pamięci "
                                                 r"\(dozwolone 2 GB\)"):
            fazolab.uruchom(**slowa)


def test_brak_pamieci_to_memoryerror_po_polsku():
    kod = textwrap.dedent("""
        import resource, fazolab
        rozmiar = int(open("/proc/self/statm").read().split()[0]) * resource.getpagesize()
        resource.setrlimit(resource.RLIMIT_AS, (rozmiar + (20 << 20), rozmiar + (20 << 20)))
        try:
            fazolab.uruchom(siec="3DR", osie=100, lambdy=1.0, iteracje=10000, powtorzenia=2,
                            watki=2, ziarno=1, pasek=False)
        except MemoryError as blad:
            print(blad)
    """)
    proces = subprocess.run([sys.executable, "-c", kod], capture_output=True, text=True,
                            env={**os.environ, "PYTHONPATH": os.pathsep.join(sys.path)})
    assert proces.returncode == 0, proces.stderr
    assert proces.stdout.startswith("Za mało pamięci: ")


def test_zaczepki_typow_sprawdza_mypy():
    pytest.importorskip("mypy")
    folder = os.path.join(os.path.dirname(__file__), "typy")
    srodowisko = {**os.environ,
                  "MYPYPATH": os.path.dirname(os.path.dirname(os.path.abspath(fazolab.__file__)))}

    def mypy(plik):
        return subprocess.run([sys.executable, "-m", "mypy", "--strict", "--no-incremental",
                               "--cache-dir", os.devnull, "--ignore-missing-imports",
                               os.path.join(folder, plik)],
                              capture_output=True, text=True, env=srodowisko)

    dobre = mypy("uzycie.py")
    assert dobre.returncode == 0, dobre.stdout
    zle = mypy("bledy.py")
    bledne = {int(linia.split(":")[1]) for linia in zle.stdout.splitlines() if ": error:" in linia}
    assert bledne == {5, 6, 7, 8, 9, 10}, zle.stdout
