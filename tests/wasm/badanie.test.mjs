// A study by plain names on the batch runner's scale against the native batch
// runner; the processors Node gives the runner; and a fault at the top of a
// script or of the runner told in one Polish line, not in the core's source.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { before, describe, test } from 'node:test';

import { natywnie, sprawdzBudowy, WEB, wNode } from './pomocnicze.mjs';

let fz;
let BladFazolab;
let argumentyBadania;
before(async () => {
  sprawdzBudowy();
  const modul = await import(path.join(WEB, 'fazolab.mjs'));
  BladFazolab = modul.BladFazolab;
  argumentyBadania = modul.argumentyBadania;
  fz = await modul.wczytajFazolab();
});

const BADANIE = { osie: 12, lambdy: '0.80:0.90:0.05', iteracje: 20000, co: 100, ziarno: 9, powtorzenia: 3 };
const ARGUMENTY = ['--osie', '12', '--lambda', '0.80:0.90:0.05', '--iteracje', '20000', '--co', '100',
  '--ziarno', '9', '--powtorzenia', '3'];

describe('badanie po prostych nazwach jak fazolab-batch', () => {
  test('podsumowanie, plik wyników i plik powtórzeń', () => {
    const n = natywnie([...ARGUMENTY, '--wyjscie', 'w.csv', '--fluktuacje', '--powtorzenia-plik', 'p.txt']);
    assert.equal(n.status, 0, n.bledy);
    const b = fz.badanie(BADANIE, { wyjscie: 'csv', fluktuacje: true });
    assert.equal(b.podsumowanie, n.wyjscie);
    assert.ok(Buffer.from(b.plik).equals(n.pliki['w.csv']));
    assert.equal(b.powtorzenia, n.pliki['p.txt'].toString('utf8'));
    // A list of lambdas is the series it spells.
    const lista = fz.badanie({ ...BADANIE, lambdy: [0.8, 0.85, 0.9] });
    assert.equal(lista.podsumowanie, n.wyjscie);
  });

  test('repliki po prostych nazwach scalone jak jeden proces', () => {
    const czesci = [0, 1, 2].map((nr) => {
      const r = fz.nowaReplikaBadania(BADANIE, { nr });
      while (r.krok().stan !== 'koniec') { /* to the end */ }
      const czesc = r.wynik();
      r.usun();
      return czesc;
    });
    assert.equal(fz.scalRepliki(czesci).podsumowanie, natywnie(ARGUMENTY).wyjscie);
  });

  test('lista rozmiarów to badanie skończonych rozmiarów', () => {
    const n = natywnie(['--osie', '8,12', '--lambda', '0.80:1.00:0.10', '--iteracje', '10000',
      '--co', '100', '--ziarno', '3']);
    assert.equal(n.status, 0, n.bledy);
    const b = fz.badanie({ osie: [8, 12], lambdy: '0.80:1.00:0.10', iteracje: 10000, co: 100, ziarno: 3 });
    assert.equal(b.podsumowanie, n.wyjscie);
    assert.equal(b.powtorzenia, null);
  });

  test('odmowy po polsku', () => {
    assert.throws(() => fz.badanie({ iteracej: 10 }),
      new BladFazolab('Nieznany parametr badania: iteracej (czy chodziło o iteracje?).'));
    assert.throws(() => fz.badanie({ seed: 7 }),
      new BladFazolab('Nieznany parametr badania: seed (czy chodziło o ziarno?).'));
    assert.throws(() => fz.badanie({ lambdy: [0.86, 0.12345678] }), /^BladFazolab: Lista lambd to liczby/);
    assert.deepEqual(argumentyBadania({ lambdy: [0.86, 0.8637, 0.87] }),
      ['--lambda', '0.860000,0.863700,0.870000']);
    assert.deepEqual(argumentyBadania({ lambdy: [0.8, 0.82, 0.84] }), ['--lambda', '0.80:0.84:0.02']);
    const n = natywnie(['--osie', '7']);
    assert.throws(() => fz.badanie({ osie: 7 }), new BladFazolab(n.bledy.trim()));
  });
});

function nodeZ(kod, srodowisko = {}) {
  const folder = mkdtempSync(path.join(tmpdir(), 'fazolab-blad-'));
  try {
    writeFileSync(path.join(folder, 'skrypt.mjs'), kod);
    return spawnSync(process.execPath, [path.join(folder, 'skrypt.mjs')],
      { encoding: 'utf8', env: { ...process.env, ...srodowisko } });
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

describe('błąd na szczycie skryptu i programu', () => {
  test('nieprzechwycony błąd skryptu po wczytaniu modułu to jego własny ślad', () => {
    const wczytanie = `import { wczytajFazolab } from ${JSON.stringify(path.join(WEB, 'fazolab.mjs'))};
const fz = await wczytajFazolab();
`;
    for (const blad of ['fz.nowaSesja({ siec: "zla" });', 'null.x;']) {
      const p = nodeZ(wczytanie + blad);
      assert.equal(p.status, 1);
      // Node's own report of the script's error, without the core's minified line.
      assert.ok(p.stderr.length < 2000, `${p.stderr.length} bajtów na standardowym wyjściu błędów`);
      assert.ok(!p.stderr.includes('readyPromiseResolve'));
    }
    assert.match(nodeZ(`${wczytanie}fz.nowaSesja({ siec: "zla" });`).stderr,
      /BladFazolab: Błędna wartość parametru siec: dozwolone/);
  });

  test('brak pliku rdzenia programu to jedna linia, ślad tylko z FAZOLAB_DEBUG', () => {
    const folder = mkdtempSync(path.join(tmpdir(), 'fazolab-bez-rdzenia-'));
    try {
      for (const plik of ['fazolab-batch.mjs', 'fazolab-batch-rdzen.js']) {
        copyFileSync(path.join(WEB, plik), path.join(folder, plik));
      }
      const uruchom = (srodowisko) => spawnSync(process.execPath,
        [path.join(folder, 'fazolab-batch.mjs'), '--lambda', '1.0'],
        { encoding: 'utf8', env: { ...process.env, ...srodowisko } });
      const p = uruchom({});
      assert.equal(p.status, 1);
      assert.equal(p.stderr, `fazolab-batch: brak pliku programu ${path.join(folder, 'fazolab-batch-rdzen.wasm')}: `
        + 'zbuduj go ponownie (scripts/web.sh build).\n');
      const zeSladem = uruchom({ FAZOLAB_DEBUG: '1' });
      assert.equal(zeSladem.status, 1);
      assert.ok(zeSladem.stderr.split('\n').length > 3 && zeSladem.stderr.includes('    at '));
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });
});

describe('wątki z procesorów danych procesowi', () => {
  const powtorzenia = ['--osie', '6', '--lambda', '1.0', '--iteracje', '10000', '--ziarno', '1',
    '--powtorzenia', '2', '--watki', '2'];
  const ograniczone = 'Opcja --watki: 2 ograniczono do 1 (tyle procesorów ma do dyspozycji; wynik jest ten sam).\n';

  test('SLURM_CPUS_PER_TASK', () => {
    const p = spawnSync(process.execPath, [path.join(WEB, 'fazolab-batch.mjs'), ...powtorzenia],
      { encoding: 'utf8', env: { ...process.env, SLURM_CPUS_PER_TASK: '1' } });
    assert.equal(p.status, 0, p.stderr);
    assert.equal(p.stderr, ograniczone);
  });

  test('maska powinowactwa (taskset -c 0)', { skip: spawnSync('taskset', ['-V']).error ? 'brak taskset' : false }, () => {
    const p = spawnSync('taskset', ['-c', '0', process.execPath, path.join(WEB, 'fazolab-batch.mjs'), ...powtorzenia],
      { encoding: 'utf8' });
    assert.equal(p.status, 0, p.stderr);
    assert.equal(p.stderr, ograniczone);
    assert.equal(wNode(powtorzenia).wyjscie, p.stdout);
  });
});
