"""Types of the module fazolab (typy modułu fazolab)."""

import os
from typing import Any, Callable, Dict, List, Literal, Optional, Sequence, Tuple, TypedDict, Union, overload

import numpy as np
import numpy.typing as npt
import pandas
import xarray

__version__: str
GENERATOR: str
GENERATORY: Dict[str, str]

Sciezka = Union[str, bytes, "os.PathLike[str]", "os.PathLike[bytes]"]
Siec = Literal["3DR", "2DKwadrat", "2DTrojkat", "2DHeksagonalna"]
Tryb = Literal["porzadkowanie", "klasteryzacja"]
Uklad = Literal["przypadkowe", "uporzadkowane", "wydzielenie"]
Generator = Literal["xoshiro", "okna"]
Postep = Callable[[int, int], object]
Tablica = npt.NDArray[np.float64]

Przejscie = TypedDict("Przejscie", {"lambda": float, "blad": float, "na_brzegu": bool,
                                    "opis": str, "powod": Optional[str]})
PrzejscieDopasowania = TypedDict("PrzejscieDopasowania", {"lambda": float, "cvkn": float,
                                                          "stopien": int,
                                                          "uwaga": Optional[str]})


class Teksty(TypedDict):
    MOpisSieci: str
    MLambda: List[str]
    MSigma: List[str]
    MCvkN: List[str]
    ELambdaTc: str
    ECvkNTc: str
    UwagaCvkNTc: str


class Parametry(TypedDict):
    siec: Siec
    osie: List[int]
    tryb: Tryb
    lambdy: str
    koncentracja: float
    iteracje: int
    co: int
    uklad: Uklad
    ziarno: int
    ziarno_z_zegara: bool
    generator: Generator
    stopien: Optional[int]
    powtorzenia: int
    dwa_starty: bool
    fluktuacje: bool


class Wynik:
    """Wynik badania: liczby na lambdę, próbki, pliki. / A study's results."""

    @property
    def ziarno(self) -> int: ...
    @property
    def generator(self) -> Generator: ...
    @property
    def opis_generatora(self) -> str: ...
    @property
    def powtorzenia(self) -> int: ...
    @property
    def seria(self) -> bool: ...
    @property
    def repliki(self) -> List[int]: ...
    @property
    def cale(self) -> bool: ...
    @property
    def watki(self) -> int: ...
    @property
    def fluktuacje(self) -> bool: ...
    @property
    def parametry(self) -> Parametry: ...
    @property
    def lambdy(self) -> Tablica: ...
    @property
    def sigma(self) -> Tablica: ...
    @property
    def sigma_blad(self) -> Tablica: ...
    @property
    def sigma_srednia(self) -> Tablica: ...
    @property
    def sigma_srednia_blad(self) -> Tablica: ...
    @property
    def cvkn(self) -> Optional[Tablica]: ...
    @property
    def cvkn_surowe(self) -> Optional[Tablica]: ...
    @property
    def cvkn_fluktuacje(self) -> Tablica: ...
    @property
    def cvkn_fluktuacje_blad(self) -> Tablica: ...
    @property
    def rownowaga(self) -> List[Optional[bool]]: ...
    @property
    def rownowaga_repliki(self) -> List[List[Optional[bool]]]: ...
    @property
    def przejscie(self) -> Przejscie: ...
    @property
    def przejscie_dopasowania(self) -> Optional[PrzejscieDopasowania]: ...
    @property
    def teksty(self) -> Optional[Teksty]: ...
    @property
    def podsumowanie(self) -> str: ...
    @property
    def probki(self) -> List[Dict[str, npt.NDArray[np.generic]]]: ...
    def bajty(self, typ: Literal["csv", "txt", "xlsx"] = "csv") -> bytes: ...
    def tekst_powtorzen(self) -> str: ...
    def zapisz(self, sciezka: Sciezka) -> None: ...
    def zapisz_powtorzenia(self, sciezka: Sciezka) -> None: ...
    def to_dataframe(self) -> pandas.DataFrame: ...
    def to_xarray(self) -> xarray.Dataset: ...


class WynikRozmiarow:
    """Badanie skończonych rozmiarów / the finite-size study."""

    podsumowanie: str
    rozmiary: Dict[int, Wynik]
    def __init__(self, podsumowanie: str, wyniki: Sequence[Wynik]) -> None: ...
    def to_dataframe(self) -> pandas.DataFrame: ...


Rozmiary = Union[Sequence[int], npt.NDArray[np.integer[Any]]]
Lambdy = Union[float, str, Sequence[float], npt.NDArray[np.floating[Any]]]
Osie = Union[int, str]


@overload
def uruchom(*, osie: Rozmiary, siec: Optional[Siec] = ..., tryb: Optional[Tryb] = ...,
            lambdy: Optional[Lambdy] = ..., koncentracja: Optional[float] = ...,
            iteracje: Optional[int] = ..., co: Optional[int] = ..., uklad: Optional[Uklad] = ...,
            ziarno: Optional[int] = ..., generator: Optional[Generator] = ...,
            stopien: Optional[int] = ..., powtorzenia: Optional[int] = ...,
            watki: Optional[int] = ..., dwa_starty: bool = ..., fluktuacje: bool = ..., probki: bool = ...,
            postep: Optional[Postep] = ..., pasek: Optional[bool] = ...) -> WynikRozmiarow: ...
@overload
def uruchom(*, siec: Optional[Siec] = ..., osie: Optional[Osie] = ...,
            tryb: Optional[Tryb] = ..., lambdy: Optional[Lambdy] = ...,
            koncentracja: Optional[float] = ..., iteracje: Optional[int] = ...,
            co: Optional[int] = ..., uklad: Optional[Uklad] = ..., ziarno: Optional[int] = ...,
            generator: Optional[Generator] = ..., stopien: Optional[int] = ...,
            powtorzenia: Optional[int] = ..., watki: Optional[int] = ..., czesc: Union[str, Tuple[int, int], None] = ...,
            dwa_starty: bool = ..., fluktuacje: bool = ..., probki: bool = ...,
            postep: Optional[Postep] = ..., pasek: Optional[bool] = ...) -> Wynik: ...
def scal(sciezki: Union[Sciezka, Sequence[Sciezka]], fluktuacje: bool = ...) -> Wynik: ...
def wczytaj(sciezka: Sciezka) -> Wynik: ...
