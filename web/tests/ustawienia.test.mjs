import { test } from 'node:test';
import assert from 'node:assert/strict';
import { ogolny, DOMYSLNE, odswiez, widok, liczbaSerii, duzaSiec, iteracje, os, ziarno, wczytaj, zapamietaj, sprawdzLiczbe } from '../js/ustawienia.js';

test('defaults show the desktop labels under Polish settings', () => {
  const s = odswiez(DOMYSLNE);
  const w = widok(s, '3DR');
  assert.deepEqual(
    [w.LLambda, w.LLambdaKoncowa, w.LKoncentracja, w.LPrzedzialCzasowy, w.LKrok, w.LIloscAtomowWSieci],
    ['0,1', '2,4', '0,5', '1000', '0,3', '1000'],
  );
  assert.equal(widok(s, '2DKwadrat').LIloscAtomowWSieci, '100');
  assert.equal(liczbaSerii(s), 9);
});

test('start lambda at 2.4 pushes the end and pulls the step back to one tenth', () => {
  const s = odswiez({ ...DOMYSLNE, lambda: 24 });
  const w = widok(s, '2DKwadrat');
  assert.equal(s.lambdaKoncowa, 24);
  assert.equal(s.krok, 1);
  assert.equal(w.krokMax, 1);
  assert.equal(w.LKrokMax, '0,1');
});

test('start 0.5, end 1.5: the step runs 1..11 and the end minimum shows 0,5', () => {
  const s = odswiez({ ...DOMYSLNE, lambda: 5, lambdaKoncowa: 15, krok: 20 });
  const w = widok(s, '2DKwadrat');
  assert.equal(w.krokMax, 11);
  assert.equal(s.krok, 11);
  assert.equal(w.LLambdaKoncowaMin, '0,5');
});

test('a single run keeps the end, step and drawing choice but disables them', () => {
  const seria = odswiez({ ...DOMYSLNE, lambda: 5, lambdaKoncowa: 15, krok: 4, wylaczGrafike: true });
  const pojedyncza = odswiez({ ...seria, seria: false });
  assert.equal(widok(pojedyncza, '2DKwadrat').seriaWlaczona, false);
  assert.deepEqual([pojedyncza.lambdaKoncowa, pojedyncza.krok, pojedyncza.wylaczGrafike], [15, 4, true]);
  assert.equal(liczbaSerii(pojedyncza), 1);
  assert.deepEqual(odswiez({ ...pojedyncza, seria: true }).krok, 4);
});

test('equal axes copy X into Y and Z; unequal ones keep their values', () => {
  const s = odswiez({ ...DOMYSLNE, osX: 40, osY: 12, osZ: 14 });
  assert.deepEqual([s.osY, s.osZ], [40, 40]);
  const r = odswiez({ ...DOMYSLNE, rowneOsie: false, osX: 100, osY: 6, osZ: 30 });
  assert.deepEqual([r.osY, r.osZ], [6, 30]);
  assert.equal(widok(r, '2DTrojkat').LIloscAtomowWSieci, '600');
  assert.equal(widok(r, '3DR').LIloscAtomowWSieci, String(100 * 6 * 30));
});

test('numbers of series at the edges of the ranges', () => {
  assert.equal(liczbaSerii(odswiez({ ...DOMYSLNE, krok: 24 })), 2);
  assert.equal(liczbaSerii(odswiez({ ...DOMYSLNE, krok: 1 })), 24);
  assert.equal(liczbaSerii(odswiez({ ...DOMYSLNE, lambda: 7, lambdaKoncowa: 7 })), 1);
  assert.equal(liczbaSerii(odswiez({ ...DOMYSLNE, lambda: 5, lambdaKoncowa: 15, krok: 4, klasteryzacja: true })), 4);
});

test('the large-lattice question from 5000 atoms with drawing on', () => {
  assert.equal(duzaSiec(odswiez({ ...DOMYSLNE, osX: 72 }), '2DKwadrat'), true);
  assert.equal(duzaSiec(odswiez({ ...DOMYSLNE, osX: 70 }), '2DKwadrat'), false);
  assert.equal(duzaSiec(odswiez({ ...DOMYSLNE, osX: 18 }), '3DR'), true);
  assert.equal(duzaSiec(odswiez({ ...DOMYSLNE, osX: 72, wylaczGrafike: true }), '2DKwadrat'), false);
});

test('typed values are brought into the ranges the spinners allow', () => {
  assert.deepEqual([os('7'), os('101'), os('2'), os('abc'), os('33')], [8, 100, 6, 10, 34]);
  assert.deepEqual([iteracje('5000'), iteracje('2000000'), iteracje('12a'), iteracje(' 250000 ')], [10000, 1000000, 10000, 250000]);
  assert.deepEqual(ziarno('42'), { ziarno: '42' });
  assert.deepEqual(ziarno(''), { ziarno: '' });
  assert.ok(ziarno('-1').blad);
  assert.ok(ziarno('4294967296').blad);
  const s = odswiez({ ...DOMYSLNE, koncentracja: 99, przeskoki: 0, lambda: 30, powtorzenia: 1000, ulozenie: 'x' });
  assert.deepEqual([s.koncentracja, s.przeskoki, s.lambda, s.powtorzenia, s.ulozenie], [50, 1, 24, 64, 'przypadkowe']);
});

test('settings are remembered per lattice and a damaged entry gives the defaults', () => {
  const mapa = new Map();
  const magazyn = { getItem: (k) => mapa.get(k) ?? null, setItem: (k, v) => mapa.set(k, v) };
  zapamietaj(magazyn, '2DTrojkat', odswiez({ ...DOMYSLNE, osX: 30, klasteryzacja: true }));
  assert.equal(wczytaj(magazyn, '2DTrojkat').osX, 30);
  assert.equal(wczytaj(magazyn, '2DTrojkat').klasteryzacja, true);
  assert.equal(wczytaj(magazyn, '3DR').osX, 10);
  mapa.set('fazolab.ustawienia.3DR', '{nie json');
  assert.deepEqual(wczytaj(magazyn, '3DR'), odswiez(DOMYSLNE));
  assert.deepEqual(wczytaj(null, '3DR'), odswiez(DOMYSLNE));
});

test('the general number format keeps 15 significant digits and the decimal comma', () => {
  assert.deepEqual([ogolny(1.9000000000000006), ogolny(0.30000000000000004), ogolny(-2.4), ogolny(1000), ogolny(0.05)], ['1,9', '0,3', '-2,4', '1000', '0,05']);
});

test('a typed value is taken, brought into range with a word, or refused with the old value kept', () => {
  assert.deepEqual(sprawdzLiczbe('iteracje', '1e6', 100000), { wartosc: 1000000 });
  assert.deepEqual(sprawdzLiczbe('iteracje', '5e5', 100000), { wartosc: 500000 });
  assert.deepEqual(sprawdzLiczbe('iteracje', '250000.7', 100000), {
    wartosc: 100000, blad: '„250000.7” nie jest liczbą całkowitą: ilość iteracji to liczba całkowita od 10000 do 1000000. Pozostaje 100000.',
  });
  assert.deepEqual(sprawdzLiczbe('iteracje', '5000', 100000), {
    wartosc: 10000, blad: 'Wpisano 5000: ilość iteracji to liczba całkowita od 10000 do 1000000. Przyjęto 10000.',
  });
  assert.equal(sprawdzLiczbe('iteracje', '', 20000).blad, 'To nie jest liczba: ilość iteracji to liczba całkowita od 10000 do 1000000. Pozostaje 20000.');
  assert.deepEqual([sprawdzLiczbe('osX', '7', 10).wartosc, sprawdzLiczbe('osX', '101', 10).wartosc, sprawdzLiczbe('osZ', '2', 10).wartosc], [8, 100, 6]);
  assert.match(sprawdzLiczbe('osY', '7', 10).blad, /^Wpisano 7: ilość atomów na osi to liczba parzysta od 6 do 100\. Przyjęto 8\.$/);
  assert.deepEqual(sprawdzLiczbe('osX', '40', 10), { wartosc: 40 });
  assert.deepEqual(sprawdzLiczbe('powtorzenia', '65', 3), { wartosc: 64, blad: 'Wpisano 65: liczba niezależnych serii to liczba całkowita od 1 do 64. Przyjęto 64.' });
  assert.equal(sprawdzLiczbe('powtorzenia', 'Infinity', 3).wartosc, 3);
  assert.deepEqual(ziarno('12a'), { ziarno: '', blad: 'Ziarno musi być liczbą całkowitą od 0 do 4294967295.' });
});
