#!/usr/bin/env python3
"""Draws the 15 atom pictures of 16 x 16 as one strip (ILAtomy.png, 240 x 16).

Every pixel is either fully opaque or fully transparent: the pictures are
masked, so a drawing shows the canvas through the masked-out pixels and
nothing is blended. Run it again after changing a colour; the PNG is committed.
"""
import math
import struct
import zlib

ROZMIAR = 16
ILOSC = 15

KULE = {
    1: (230, 20, 20),   # red
    2: (20, 190, 20),   # green
    3: (30, 40, 235),   # blue: B atom at 16 px
    4: (240, 230, 20),  # yellow
    5: (20, 220, 230),  # cyan
    6: (215, 155, 0),   # amber: A atom at 16 px
}
KWADRATY = {8: ((255, 0, 0), 2), 9: ((255, 0, 0), 4), 10: ((255, 0, 0), 8),
            11: ((0, 255, 0), 2), 12: ((0, 255, 0), 4), 13: ((0, 255, 0), 8)}
OBRYS = (120, 150, 110)
PUSTY = (0, 0, 0, 0)


def w_kole(x, y):
    return (x - 7) ** 2 + (y - 7) ** 2 <= 7.5 ** 2


def kula(kolor):
    obraz = [[PUSTY] * ROZMIAR for _ in range(ROZMIAR)]
    for y in range(15):
        for x in range(15):
            if not w_kole(x, y) or (x, y) == (5, 5):
                continue
            # Light from the upper left: bright near the highlight, dark at the rim.
            t = min(math.hypot(x - 5, y - 5) / 10.0, 1.0) ** 1.4
            jasny = [c + (255 - c) * 0.45 for c in kolor]
            ciemny = [c * 0.30 for c in kolor]
            obraz[y][x] = tuple(round(j + (c - j) * t) for j, c in zip(jasny, ciemny)) + (255,)
    return obraz


def obrys():
    obraz = [[PUSTY] * ROZMIAR for _ in range(ROZMIAR)]
    for y in range(15):
        for x in range(15):
            if w_kole(x, y) and not (x - 7) ** 2 + (y - 7) ** 2 <= 6.5 ** 2:
                obraz[y][x] = OBRYS + (255,)
    return obraz


def kwadrat(kolor, bok):
    obraz = [[PUSTY] * ROZMIAR for _ in range(ROZMIAR)]
    for y in range(bok):
        for x in range(bok):
            obraz[y][x] = kolor + (255,)
    return obraz


def obrazek(indeks):
    if indeks in KULE:
        return kula(KULE[indeks])
    if indeks == 7:
        return obrys()
    if indeks in KWADRATY:
        return kwadrat(*KWADRATY[indeks])
    return [[PUSTY] * ROZMIAR for _ in range(ROZMIAR)]


def zapisz_png(nazwa, wiersze, szerokosc, wysokosc):
    surowe = b"".join(b"\0" + bytes(c for piksel in w for c in piksel) for w in wiersze)

    def blok(rodzaj, dane):
        return (struct.pack(">I", len(dane)) + rodzaj + dane
                + struct.pack(">I", zlib.crc32(rodzaj + dane) & 0xFFFFFFFF))

    with open(nazwa, "wb") as plik:
        plik.write(b"\x89PNG\r\n\x1a\n")
        plik.write(blok(b"IHDR", struct.pack(">IIBBBBB", szerokosc, wysokosc, 8, 6, 0, 0, 0)))
        plik.write(blok(b"IDAT", zlib.compress(surowe, 9)))
        plik.write(blok(b"IEND", b""))


def main():
    obrazki = [obrazek(i) for i in range(ILOSC)]
    wiersze = [[p for o in obrazki for p in o[y]] for y in range(ROZMIAR)]
    zapisz_png("ILAtomy.png", wiersze, ROZMIAR * ILOSC, ROZMIAR)


if __name__ == "__main__":
    main()
