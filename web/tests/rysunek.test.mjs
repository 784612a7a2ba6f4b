import { test } from 'node:test';
import assert from 'node:assert/strict';
import { skala, tlo, polozenie, podpisPlaszczyzny } from '../js/rysunek.js';

test('pitch and pictures follow the thresholds of each lattice kind', () => {
  const p = (rodzaj, n) => skala(rodzaj, n, n, n).p;
  assert.deepEqual([20, 22, 42, 44, 88, 90].map((n) => p('2DKwadrat', n)), [16, 8, 8, 4, 4, 2]);
  assert.equal(p('2DTrojkat', 88), 2);
  assert.deepEqual([10, 12, 22, 24, 48, 50].map((n) => p('2DHeksagonalna', n)), [16, 8, 8, 4, 4, 2]);
  assert.deepEqual(skala('2DKwadrat', 10, 10, 10), { p: 16, b: 3, a: 6 });
  assert.deepEqual(skala('3DR', 100, 6, 6), { p: 16, b: 3, a: 6 });
  assert.equal(tlo('2DKwadrat', 10, 10, 10), '#ffffff');
  assert.equal(tlo('2DKwadrat', 22, 22, 22), '#000000');
});

test('cells sit where the desktop draws them', () => {
  assert.deepEqual(polozenie('2DKwadrat', 16, 10, 10, 1, 1), [120, 105]);
  assert.deepEqual(polozenie('2DKwadrat', 2, 100, 100, 0, 0), [98, 83]);
  assert.deepEqual(polozenie('2DTrojkat', 16, 10, 10, 1, 1), [120, 105]);
  assert.deepEqual(polozenie('2DTrojkat', 16, 10, 10, 1, 2), [128, 121]);
  assert.deepEqual(polozenie('2DHeksagonalna', 16, 10, 10, 1, 1), [56, 105]);
  assert.deepEqual(polozenie('2DHeksagonalna', 16, 10, 10, 2, 1), [72, 105]);
  assert.deepEqual(polozenie('2DHeksagonalna', 16, 10, 10, 3, 1), [120, 105]);
  assert.equal(polozenie('2DHeksagonalna', 2, 100, 100, 0, 1)[0] - 0, -3);
});

test('plane captions of the cubic lattice, border planes included', () => {
  assert.equal(podpisPlaszczyzny(0, 10, true), 'Płaszczyzna: (0,0,P)');
  assert.equal(podpisPlaszczyzny(11, 10, true), 'Płaszczyzna: (0,0,K)');
  assert.equal(podpisPlaszczyzny(3, 10, true), 'Płaszczyzna: (0,0,2)');
  assert.equal(podpisPlaszczyzny(1, 10, false), 'Płaszczyzna: (0,0,0)');
});
