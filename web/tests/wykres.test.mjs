import { test } from 'node:test';
import assert from 'node:assert/strict';
import { liczbaOsi, liczbaTabeli, przerzedzLinie } from '../js/wykres.js';
import { slupkiHistogramu } from '../js/histogram.js';
import { punkty } from '../js/wyniki.js';

test('axis labels keep the zeros of whole numbers and use the decimal comma', () => {
  assert.deepEqual([10000, 2000, 0, 2.5, 0.25, -1.1, 12.5].map(liczbaOsi), ['10000', '2000', '0', '2,5', '0,25', '-1,1', '12,5']);
  assert.equal(liczbaTabeli(0.9028), '0,9028');
  assert.equal(liczbaTabeli('3'), '3');
});

test('histogram bars up to the number of neighbours in the fixed colours', () => {
  const h = Float64Array.from([1, 2, 3, 4, 5, 6, 7]);
  assert.deepEqual(slupkiHistogramu(h, 3), [['0', 1, '#808000'], ['1', 2, '#ff0000'], ['2', 3, '#008000'], ['3', 4, '#ffff00']]);
  assert.equal(slupkiHistogramu(h, 6).length, 7);
});

test('chart points from either shape the core gives', () => {
  assert.deepEqual(punkty([{ x: 0.1, y: 0.5 }, { x: 0.4, y: 0.7 }]), [[0.1, 0.5], [0.4, 0.7]]);
  assert.deepEqual(punkty(Float64Array.from([0, 0.1, 1000, 0.2])), [[0, 0.1], [1000, 0.2]]);
  assert.deepEqual(punkty(null), []);
});

test('a long line keeps every spike, at most four points per pixel column, and a short one whole', () => {
  const kolce = [7, 913, 1800, 2501, 3333, 4999, 5000, 6120, 7777, 9001, 9998];
  const linia = Array.from({ length: 10000 }, (_, i) => [100 * i, kolce.includes(i) ? 5 : 0.25]);
  const widoczne = przerzedzLinie(linia, 0, 1000000, 358);
  assert.deepEqual(widoczne.filter((p) => p[1] === 5).map((p) => linia.indexOf(p)), kolce);
  assert.ok(widoczne.length <= 4 * 360);
  assert.deepEqual([widoczne[0], widoczne.at(-1)], [linia[0], linia[9999]]);
  assert.equal(przerzedzLinie(linia.slice(0, 1000), 0, 100000, 358).length, 1000);
});
