// What the page shows against the core's own answers (the WebAssembly module loaded in Node): the
// lattice kinds, the window's captions, the ranges of the settings, the thinning of a chart's line,
// and, in Chromium, the caption, the histogram's bars and the clustering's lambdas of a run on
// every lattice kind. A fact the page keeps for itself fails here when it drifts from the core's.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { SIECI, RODZAJE, tytulOkna } from '../js/sieci.js';
import { POLA_LICZBOWE, DOMYSLNE, odswiez, ogolny } from '../js/ustawienia.js';
import { przerzedzLinie } from '../js/wykres.js';
import { parametryRdzenia } from '../js/obliczenia.js';
import { BUDOWA, WEB, brakSrodowiska, uruchom } from './przegladarka.mjs';

const MODUL = join(BUDOWA, 'fazolab.mjs');
const bezModulu = existsSync(MODUL) ? false : `brak modułu ${MODUL} (scripts/web.sh build)`;
const fz = bezModulu ? null : await (await import(pathToFileURL(MODUL).href)).wczytajFazolab();
const ETAPY = ['Ustawienia', 'Obliczenia', 'Wyniki'];

describe('strona mówi to, co rdzeń', { skip: bezModulu }, () => {
  test('every lattice kind of the core, with its caption at every stage and its file name', () => {
    assert.deepEqual([...RODZAJE].sort(), fz.rodzajeSieci.map((r) => r.Klucz).sort());
    for (const r of fz.rodzajeSieci) {
      assert.equal(SIECI[r.Klucz].plik, r.NazwaPliku, r.Klucz);
      for (const etap of ETAPY) assert.equal(tytulOkna(r.Klucz, etap), fz.tytulOkna(r.Klucz, etap), `${r.Klucz}: ${etap}`);
    }
  });

  test('the settings take exactly the core\'s ranges, in the fields, the rules and the controls', () => {
    const z = fz.zakresy;
    for (const [pole, zakres] of [['osX', z.osi], ['osY', z.osi], ['osZ', z.osi], ['iteracje', z.iteracji], ['powtorzenia', z.powtorzen]]) {
      assert.deepEqual([POLA_LICZBOWE[pole].min, POLA_LICZBOWE[pole].max], [zakres.Min, zakres.Max], pole);
    }
    assert.equal(Boolean(POLA_LICZBOWE.osX.parzysta), z.osi.Krok === 2);
    const skrajne = (wartosc) => odswiez({ ...DOMYSLNE, seria: false, rowneOsie: false, lambda: wartosc, lambdaKoncowa: wartosc, koncentracja: wartosc, przeskoki: wartosc, osX: wartosc, osY: wartosc, iteracje: wartosc, powtorzenia: wartosc });
    const dol = skrajne(-1e9);
    const gora = skrajne(1e9);
    for (const [pole, zakres] of [['lambda', z.lambdy], ['koncentracja', z.koncentracji], ['przeskoki', z.przedzialu], ['osX', z.osi], ['iteracje', z.iteracji], ['powtorzenia', z.powtorzen]]) {
      assert.deepEqual([dol[pole], gora[pole]], [zakres.Min, zakres.Max], pole);
    }
    const html = readFileSync(join(WEB, 'index.html'), 'utf8');
    const atrybuty = (id) => {
      const znacznik = html.match(new RegExp(`<input[^>]*id="${id}"[^>]*>`))[0];
      return ['min', 'max', 'step'].map((a) => Number(znacznik.match(new RegExp(` ${a}="([^"]*)"`))[1]));
    };
    const kontrolki = {
      SEIloscAtomowOsX: z.osi, SEIloscAtomowOsY: z.osi, SEIloscAtomowOsZ: z.osi, SEMaxIloscCykli: z.iteracji, SEPowtorzenia: z.powtorzen,
      TBLambda: z.lambdy, TBLambdaKoncowa: z.lambdy, TBKrok: z.lambdy, TBKoncentracja: z.koncentracji, TBLiczbaPrzeskokow: z.przedzialu,
    };
    for (const [id, zakres] of Object.entries(kontrolki)) assert.deepEqual(atrybuty(id), [zakres.Min, zakres.Max, zakres.Krok], id);
  });

  test('the page\'s defaults, as they reach the engine, are the core\'s fresh window', () => {
    const { uklad, tryb, ...liczby } = fz.domyslneRdzenia;
    const strony = parametryRdzenia(liczby.siec, odswiez(DOMYSLNE));
    assert.deepEqual({ ...strony, uklad: undefined, tryb: undefined }, { ...liczby, uklad: undefined, tryb: undefined });
    assert.equal(strony.uklad, ['przypadkowe', 'uporzadkowane', 'wydzielenie'][uklad]);
    assert.equal(strony.tryb, ['porzadkowanie', 'klasteryzacja'][tryb]);
    assert.deepEqual(fz.domyslneParametry(), strony);
  });

  test('a long line keeps the points the core keeps: every spike of 10 000 samples, the ends, the strays', () => {
    const kolce = [7, 913, 1800, 2501, 3333, 4999, 5000, 6120, 7777, 9001, 9998];
    const linia = Array.from({ length: 10000 }, (_, i) => [100 * i, kolce.includes(i) ? 5 : 0.25 + 0.01 * Math.sin(i * 0.7)]);
    const indeksy = (punkty, xMin, xMax) => przerzedzLinie(punkty, xMin, xMax, 358).map((p) => punkty.indexOf(p));
    const strony = indeksy(linia, 0, 1000000);
    assert.deepEqual(strony, fz.punktyWidoczne(linia, 0, 1000000, 358));
    assert.deepEqual(kolce.filter((k) => strony.includes(k)), kolce);
    assert.ok(strony.length <= 4 * 360, `${strony.length} punktów`);
    // Points left and right of the axis share a column each; a short line is drawn whole.
    assert.deepEqual(indeksy(linia, 200000, 500000), fz.punktyWidoczne(linia, 200000, 500000, 358));
    assert.equal(przerzedzLinie(linia.slice(0, 1000), 0, 100000, 358).length, 1000);
    assert.equal(fz.punktyWidoczne(linia.slice(0, 1000), 0, 100000, 358).length, 1000);
  });
});

// A run of one lambda (2,4), 6 × 6 atoms, 10 000 iterations on every lattice kind, the triangular one
// clustering: the page's caption, the replay's histogram bars and the results' lambdas against the
// core's answers for the same lattice and mode.
describe('strona w Chromium mówi to, co rdzeń', { skip: bezModulu || (brakSrodowiska() ?? false) }, () => {
  let b;
  let s;
  const przycisk = (nazwa) => s.getByRole('button', { name: nazwa, exact: true });
  const wpisz = async (nazwa, wartosc) => {
    await s.getByLabel(nazwa, { exact: true }).fill(String(wartosc));
    await s.getByLabel(nazwa, { exact: true }).press('Tab');
  };
  before(async () => {
    b = await uruchom();
    s = b.strona;
    await s.goto(b.adres);
    await s.waitForSelector('html[data-gotowe=tak]');
  });
  after(() => b?.zamknij());

  for (const klucz of ['3DR', '2DKwadrat', '2DTrojkat', '2DHeksagonalna']) {
    const klasteryzacja = klucz === '2DTrojkat';
    test(`${klucz}${klasteryzacja ? ', klasteryzacja' : ''}: caption, histogram bars and lambdas as the core gives them`, async () => {
      const r = fz.rodzajeSieci.find((x) => x.Klucz === klucz);
      await s.locator(`button[data-siec="${klucz}"]`).click();
      assert.equal(await s.locator('#okno-tytul').textContent(), fz.tytulOkna(klucz, 'Ustawienia'));
      await przycisk('Przywróć ustawienia domyślne').click();
      await wpisz('Oś X:', 6);
      await wpisz('Ilość iteracji:', 10000);
      await s.getByLabel('Lambda — wartość początkowa', { exact: true }).fill('24');
      if (klasteryzacja) await s.getByRole('radio', { name: 'Klasteryzacja' }).check();
      await przycisk('Obliczenia').click();
      assert.equal(await s.locator('#okno-tytul').textContent(), fz.tytulOkna(klucz, 'Obliczenia'));
      await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
      await przycisk('Licz').click();
      await s.waitForFunction(() => !document.getElementById('BSiecDalej').disabled, null, { timeout: 60000 });
      await przycisk('Wyniki').click();
      assert.equal(await s.locator('#okno-tytul').textContent(), fz.tytulOkna(klucz, 'Wyniki'));
      await s.getByRole('tab', { name: 'Liczba par AB i parametr Sigma' }).click();
      for (const tytul of ['(przed symulacją)', '(po symulacji)']) {
        // A chart is drawn once it is in sight, the previous run's picture until then.
        const wykres = s.locator('figure.wykres', { hasText: tytul });
        await wykres.scrollIntoViewIfNeeded();
        await s.waitForFunction(([t, n]) => [...document.querySelectorAll('figure.wykres')].find((f) => f.textContent.includes(t))
          .querySelectorAll('g[clip-path] rect').length === n, [tytul, r.LiczbaSasiadow + 1], { timeout: 5000 }).catch(() => {});
        assert.equal(await wykres.locator('g[clip-path] rect').count(), r.LiczbaSasiadow + 1, `${klucz} ${tytul}`);
      }
      const sesja = fz.nowaSesja({ siec: klucz, IloscAtomowOsX: 6, IloscAtomowOsY: 6, IloscAtomowOsZ: 6, TBLambda: 24, TBLambdaKoncowa: 24, TBKrok: 1, SEMaxIloscCykli: 10000, tryb: klasteryzacja ? 'klasteryzacja' : 'porzadkowanie' }, 1);
      const lambda = sesja.stan().Lambda;
      sesja.usun();
      // Both ends of the series without the sign of clustering, as the desktop shows them.
      for (const id of ['LWynikiLambda', 'LWynikiLambdaKoncowa']) assert.equal(await s.locator(`#${id}`).textContent(), ogolny(Math.abs(lambda)), id);
      await przycisk('Koniec').click();
      await przycisk('Tak').click();
    });
  }
});
