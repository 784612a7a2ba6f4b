// fazolab.d.mts against the module: tsc --strict takes a typed use of every
// part of the API and reports each misuse in bledy.ts, and the declarations
// name exactly what the module exports and what a loaded Fazolab offers.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { test } from 'node:test';

import { KORZEN, WEB } from './pomocnicze.mjs';

const TYPY = path.join(KORZEN, 'wasm/fazolab.d.mts');
const deklaracje = readFileSync(TYPY, 'utf8');

function tsc(plik) {
  const folder = mkdtempSync(path.join(tmpdir(), 'fazolab-tsc-'));
  try {
    copyFileSync(path.join(KORZEN, 'wasm/fazolab.mjs'), path.join(folder, 'fazolab.mjs'));
    copyFileSync(TYPY, path.join(folder, 'fazolab.d.mts'));
    copyFileSync(path.join(KORZEN, 'tests/wasm/typy', plik), path.join(folder, plik));
    return spawnSync('tsc', ['--noEmit', '--strict', '--target', 'es2022', '--module', 'es2022',
      '--moduleResolution', 'node', '--lib', 'es2022,dom', path.join(folder, plik)],
    { encoding: 'utf8' });
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

const bezTsc = spawnSync('tsc', ['--version']).error ? 'brak tsc (pakiet node-typescript)' : false;

test('typowane użycie przechodzi tsc --strict', { skip: bezTsc }, () => {
  const p = tsc('uzycie.ts');
  assert.equal(p.status, 0, p.stdout);
});

test('każde błędne użycie to błąd tsc', { skip: bezTsc }, () => {
  const p = tsc('bledy.ts');
  const linie = new Set([...p.stdout.matchAll(/bledy\.ts\((\d+),\d+\): error/g)].map((m) => Number(m[1])));
  assert.deepEqual([...linie].sort((a, b) => a - b), [5, 6, 7, 8, 9, 10], p.stdout);
});

test('deklaracje to eksporty modułu i metody Fazolab', async () => {
  const modul = await import(path.join(KORZEN, 'wasm/fazolab.mjs'));
  const zadeklarowane = [...deklaracje.matchAll(/^export (?:class|function) (\w+)/gm)].map((m) => m[1]);
  assert.deepEqual(zadeklarowane.sort(), Object.keys(modul).sort());
  if (!existsSync(path.join(WEB, 'fazolab.mjs'))) {
    return;
  }
  const { wczytajFazolab } = await import(path.join(WEB, 'fazolab.mjs'));
  const fz = await wczytajFazolab();
  const interfejs = deklaracje.slice(deklaracje.indexOf('export interface Fazolab {'));
  const metody = [...interfejs.slice(0, interfejs.indexOf('\n}')).matchAll(/^ {2}(?:readonly )?(\w+)/gm)]
    .map((m) => m[1]);
  const wModule = [...Object.getOwnPropertyNames(Object.getPrototypeOf(fz)), ...Object.keys(fz)]
    .filter((n) => n !== 'constructor');
  assert.deepEqual(metody.sort(), wModule.sort());
});
