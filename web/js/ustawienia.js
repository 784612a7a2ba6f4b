// The settings page's rules: positions of the controls, the labels they stand for and the
// dependent states. Pure functions over a plain object, so the same rules run in the page and in
// the tests without a browser.

import { RODZAJE } from './sieci.js';

export { RODZAJE };

export const DOMYSLNE = Object.freeze({
  seria: true,
  wylaczGrafike: false,
  osX: 10,
  osY: 10,
  osZ: 10,
  rowneOsie: true,
  klasteryzacja: false,
  lambda: 1,
  lambdaKoncowa: 24,
  minKoncowa: 1,
  koncentracja: 50,
  przeskoki: 10,
  krok: 3,
  ulozenie: 'przypadkowe',
  iteracje: 100000,
  powtorzenia: 1,
  ziarno: '',
});

const ULOZENIA = ['przypadkowe', 'uporzadkowane', 'wydzielenie'];

// The desktop's general number format under Polish settings: at most 15 significant digits, no
// trailing zeros, a decimal comma (an accumulated lambda of 1.9000000000000006 shows as 1,9).
export function ogolny(liczba) {
  return String(Number(Number(liczba).toPrecision(15))).replace('.', ',');
}

function calkowita(wartosc, min, max, zastepcza) {
  const n = Number.parseInt(String(wartosc).trim(), 10);
  if (!Number.isFinite(n) || !/^[+-]?\d+$/.test(String(wartosc).trim())) return zastepcza;
  return Math.min(max, Math.max(min, n));
}

// An axis spinner steps by 2 from 6 to 100: a typed value goes to the nearest such size.
export function os(wartosc) {
  const n = calkowita(wartosc, 6, 100, 10);
  return Math.min(100, Math.max(6, 2 * Math.round(n / 2)));
}

// The iterations field takes the integer typed, 10000 when the text is not an integer, held in range.
export function iteracje(tekst) {
  return calkowita(String(tekst).slice(0, 7), 10000, 1000000, 10000);
}

const OS = { min: 6, max: 100, parzysta: true, opis: 'ilość atomów na osi to liczba parzysta od 6 do 100' };

// The typed fields, with the words their error lines use.
export const POLA_LICZBOWE = {
  osX: OS,
  osY: OS,
  osZ: OS,
  iteracje: { min: 10000, max: 1000000, opis: 'ilość iteracji to liczba całkowita od 10000 do 1000000' },
  powtorzenia: { min: 1, max: 64, opis: 'liczba niezależnych serii to liczba całkowita od 1 do 64' },
};

// A typed value as the field takes it: a whole number in range as it is (also written as 1e6), one
// out of range or odd where even is needed brought to the nearest allowed and said so, anything
// else refused with the previous value kept. Never a silent change.
export function sprawdzLiczbe(pole, tekst, poprzednia) {
  const z = POLA_LICZBOWE[pole];
  const t = String(tekst ?? '').trim();
  const n = t === '' ? Number.NaN : Number(t);
  if (!Number.isInteger(n)) {
    const co = t === '' ? 'To nie jest liczba' : `„${t}” nie jest liczbą całkowitą`;
    return { wartosc: poprzednia, blad: `${co}: ${z.opis}. Pozostaje ${poprzednia}.` };
  }
  let v = Math.min(z.max, Math.max(z.min, n));
  if (z.parzysta) v = Math.min(z.max, 2 * Math.round(v / 2));
  if (v !== n) return { wartosc: v, blad: `Wpisano ${n}: ${z.opis}. Przyjęto ${v}.` };
  return { wartosc: n };
}

export function ziarno(tekst) {
  const t = String(tekst ?? '').trim();
  if (t === '') return { ziarno: '' };
  if (!/^\d{1,10}$/.test(t) || Number(t) > 4294967295) {
    return { ziarno: '', blad: 'Ziarno musi być liczbą całkowitą od 0 do 4294967295.' };
  }
  return { ziarno: String(Number(t)) };
}

// Brings every field into its range and applies the dependencies, as the desktop's refresh does
// after each change: the end lambda never below the start in a series, the step within
// end − minimum + 1, Y and Z following X for equal axes.
export function odswiez(wejscie) {
  const s = { ...DOMYSLNE, ...wejscie };
  s.seria = Boolean(s.seria);
  s.wylaczGrafike = Boolean(s.wylaczGrafike);
  s.rowneOsie = Boolean(s.rowneOsie);
  s.klasteryzacja = Boolean(s.klasteryzacja);
  s.osX = os(s.osX);
  s.osY = os(s.osY);
  s.osZ = os(s.osZ);
  s.lambda = calkowita(s.lambda, 1, 24, 1);
  s.lambdaKoncowa = calkowita(s.lambdaKoncowa, 1, 24, 24);
  s.minKoncowa = calkowita(s.minKoncowa, 1, 24, 1);
  s.koncentracja = calkowita(s.koncentracja, 10, 50, 50);
  s.przeskoki = calkowita(s.przeskoki, 1, 20, 10);
  s.iteracje = iteracje(s.iteracje);
  s.powtorzenia = calkowita(s.powtorzenia, 1, 64, 1);
  if (!ULOZENIA.includes(s.ulozenie)) s.ulozenie = 'przypadkowe';
  s.ziarno = ziarno(s.ziarno).ziarno;
  if (s.seria) {
    s.minKoncowa = s.lambda;
    if (s.lambdaKoncowa < s.lambda) s.lambdaKoncowa = s.lambda;
  } else if (s.lambdaKoncowa < s.minKoncowa) {
    s.lambdaKoncowa = s.minKoncowa;
  }
  const krokMax = s.lambdaKoncowa - s.minKoncowa + 1;
  s.krok = Math.min(calkowita(s.krok, 1, 24, 3), krokMax);
  if (s.rowneOsie) {
    s.osY = s.osX;
    s.osZ = s.osX;
  }
  return s;
}

export function iloscAtomow(s, rodzaj) {
  return rodzaj === '3DR' ? s.osX * s.osY * s.osZ : s.osX * s.osY;
}

// Everything the page shows for a state: labels, ranges and which controls are enabled.
export function widok(s, rodzaj) {
  const krokMax = s.lambdaKoncowa - s.minKoncowa + 1;
  return {
    LLambda: ogolny(s.lambda / 10),
    LLambdaKoncowa: ogolny(s.lambdaKoncowa / 10),
    LLambdaKoncowaMin: s.seria ? ogolny(s.lambda / 10) : null,
    LKoncentracja: ogolny(s.koncentracja / 100),
    LPrzedzialCzasowy: ogolny(s.przeskoki * 100),
    LKrok: ogolny(s.krok / 10),
    LKrokMax: ogolny(krokMax / 10),
    LIloscAtomowWSieci: String(iloscAtomow(s, rodzaj)),
    minKoncowa: s.minKoncowa,
    krokMax,
    seriaWlaczona: s.seria,
    osieWlaczone: !s.rowneOsie,
    osZWidoczna: rodzaj === '3DR',
  };
}

export function liczbaSerii(s) {
  if (!s.seria) return 1;
  return Math.ceil((s.lambdaKoncowa - s.lambda) / s.krok) + 1;
}

// The question the desktop asks on entering the computation stage.
export function duzaSiec(s, rodzaj) {
  return !s.wylaczGrafike && iloscAtomow(s, rodzaj) >= 5000;
}

const KLUCZ = 'fazolab.ustawienia.';

export function wczytaj(magazyn, rodzaj) {
  try {
    const tekst = magazyn?.getItem(KLUCZ + rodzaj);
    if (tekst) return odswiez(JSON.parse(tekst));
  } catch {
    // A damaged or foreign entry falls back to the defaults.
  }
  return odswiez(DOMYSLNE);
}

export function zapamietaj(magazyn, rodzaj, s) {
  try {
    magazyn?.setItem(KLUCZ + rodzaj, JSON.stringify(s));
  } catch {
    // Private windows may refuse storage; the settings then last for the visit.
  }
}

// A shared computer's next user starts from the defaults on every lattice.
export function zapomnij(magazyn) {
  try {
    for (const r of RODZAJE) magazyn?.removeItem(KLUCZ + r);
  } catch {
    // Nothing stored, nothing to forget.
  }
}
