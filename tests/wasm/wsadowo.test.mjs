// fazolab-batch compiled to WebAssembly under Node against the native
// program: the same exit status, standard output and error, and the same
// bytes of every file (a workbook's sheet, strings and formats), on every
// lattice, for both interactions, single runs, series and replicas.
import assert from 'node:assert/strict';
import { before, describe, test } from 'node:test';

import { execFileSync, spawn, spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';

import { KORZEN, natywnie, sprawdzBudowy, trescSkoroszytu, WEB, wNode } from './pomocnicze.mjs';

before(sprawdzBudowy);

function porownaj(argumenty, wejscie) {
  const n = natywnie(argumenty, wejscie);
  const w = wNode(argumenty, wejscie);
  assert.equal(w.status, n.status, `status: ${w.bledy}`);
  assert.equal(w.wyjscie, n.wyjscie);
  assert.equal(w.bledy, n.bledy);
  assert.deepEqual(Object.keys(w.pliki), Object.keys(n.pliki));
  for (const [nazwa, bajty] of Object.entries(n.pliki)) {
    if (nazwa.endsWith('.xlsx')) {
      assert.deepEqual(trescSkoroszytu(w.pliki[nazwa]), trescSkoroszytu(bajty), nazwa);
    } else {
      assert.ok(w.pliki[nazwa].equals(bajty), `${nazwa} różni się`);
    }
  }
  return n;
}

const SIECI = [
  ['3DR', '6x6x8'],
  ['2DKwadrat', '10x12'],
  ['2DTrojkat', '12'],
  ['2DHeksagonalna', '10'],
];
const TYPY = ['csv', 'txt', 'xlsx'];

describe('fazolab-batch w Node daje to samo co natywny', () => {
  let nr = 0;
  for (const [siec, osie] of SIECI) {
    for (const tryb of ['porzadkowanie', 'klasteryzacja']) {
      const typ = TYPY[nr % TYPY.length];
      const ziarno = String(100 + nr);
      nr += 1;
      test(`${siec} ${tryb}: seria z plikiem wyników .${typ} i przebiegiem`, () => {
        const argumenty = ['--siec', siec, '--osie', osie, '--tryb', tryb, '--lambda', '0.2:2.4:0.4',
          '--iteracje', '20000', '--co', '200', '--ziarno', ziarno, '--wyjscie', `wyniki.${typ}`,
          '--przebieg', 'przebieg.csv'];
        if (tryb === 'klasteryzacja') {
          argumenty.push('--fluktuacje', '--koncentracja', '0.3', '--uklad', 'wydzielenie');
        }
        const n = porownaj(argumenty);
        assert.equal(n.status, 0, n.bledy);
        assert.ok(n.pliki[`wyniki.${typ}`].length > 100);
      });
      test(`${siec} ${tryb}: pojedyncza symulacja`, () => {
        const n = porownaj(['--siec', siec, '--osie', osie, '--tryb', tryb, '--lambda', '0.95',
          '--iteracje', '30000', '--ziarno', ziarno, '--uklad', 'uporzadkowane',
          '--przebieg', 'przebieg.csv']);
        assert.equal(n.status, 0, n.bledy);
      });
    }
  }

  // Runs whose sigma came out one bit apart while the exponential and the
  // extended sums were left to a long double of another width.
  test('rozszerzona precyzja: ślady bit w bit przy sigmie bliskiej zeru', () => {
    for (const [siec, osie, tryb, c, co, ziarno] of [
      ['2DKwadrat', '20', 'porzadkowanie', '0.2', '200', '1077'],
      ['3DR', '8x6x10', 'klasteryzacja', '0.30', '100', '1924'],
      ['2DKwadrat', '20', 'porzadkowanie', '0.4', '200', '2001'],
      ['2DKwadrat', '20', 'klasteryzacja', '0.2', '200', '2617'],
    ]) {
      porownaj(['--siec', siec, '--osie', osie, '--tryb', tryb, '--koncentracja', c, '--lambda',
        '0.1:2.4:0.1', '--iteracje', '10000', '--co', co, '--ziarno', ziarno, '--przebieg',
        'p.csv', '--wyjscie', 'w.csv', '--fluktuacje']);
    }
  });

  test('powtórzenia z fluktuacjami, plik powtórzeń i scalanie części', () => {
    const wspolne = ['--siec', '2DKwadrat', '--osie', '10', '--lambda', '0.5:1.7:0.3', '--iteracje',
      '20000', '--ziarno', '7', '--powtorzenia', '4'];
    // Two worker threads, as natively on any machine of two processors or more.
    const n = porownaj([...wspolne, '--watki', '2', '--wyjscie', 'w.xlsx', '--fluktuacje', '--przebieg', 'p.csv',
      '--powtorzenia-plik', 'r.txt']);
    assert.equal(n.status, 0, n.bledy);
    const czesci = {};
    for (const k of [0, 1]) {
      const c = natywnie([...wspolne, '--czesc', `${k}/2`, '--powtorzenia-plik', `c${k}.txt`]);
      czesci[`c${k}.txt`] = c.pliki[`c${k}.txt`];
    }
    const scalone = porownaj(['--scal', 'c0.txt', 'c1.txt', '--wyjscie', 'w.txt', '--fluktuacje'],
      czesci);
    assert.equal(scalone.status, 0, scalone.bledy);
  });

  test('odmowy: te same komunikaty i kody wyjścia', () => {
    for (const argumenty of [
      ['--siec', 'Kwadrat'],
      ['--osie', '7'],
      ['--siec', '2DKwadrat', '--osie', '10x10x10'],
      ['--lambda', '0.05'],
      ['--lambda', '0.1:2.4:0.0000001'],
      ['--koncentracja', '0,7'],
      ['--iteracje', '10'],
      ['--co', '150'],
      ['--powtorzenia', '65'],
      ['--fluktuacje'],
      ['--wyjscie', 'brak/folderu/w.csv'],
      ['--wyjscie', 'w.csv', '--przebieg', 'w.csv'],
      ['--scal', 'nie-ma.txt'],
      ['--nieznana'],
    ]) {
      const n = porownaj(argumenty);
      assert.notEqual(n.status, 0, argumenty.join(' '));
      assert.match(n.bledy, /\S/);
    }
  });

  test('podrobiony i ucięty plik powtórzeń odrzucony jak natywnie', () => {
    const podrobiony = readFileSync(
      path.join(KORZEN, 'tests/fuzz/regresje/plik_powtorzen/231-serii.txt'));
    const jeden = porownaj(['--scal', 'p.txt', '--wyjscie', 'w.csv'], { 'p.txt': podrobiony });
    assert.equal(jeden.status, 2);
    assert.match(jeden.bledy,
      /^Błędny plik powtórzeń p\.txt: wiersz 16: wiersz „lambdy” ma 26 pól zamiast 233\.\n$/);
    const wspolne = ['--osie', '8', '--lambda', '0.5:1.7:0.6', '--iteracje', '10000', '--ziarno', '3',
      '--powtorzenia', '4'];
    const czesci = {};
    for (const k of [0, 1]) {
      const c = natywnie([...wspolne, '--czesc', `${k}/2`, '--powtorzenia-plik', `c${k}.txt`]);
      czesci[`c${k}.txt`] = c.pliki[`c${k}.txt`];
    }
    const cala = czesci['c1.txt'];
    for (const dlugosc of [cala.length - 1, cala.indexOf('\nreplika 3\n') + 1, 600]) {
      const uciete = porownaj(['--scal', 'c0.txt', 'c1.txt'],
        { ...czesci, 'c1.txt': cala.subarray(0, dlugosc) });
      assert.equal(uciete.status, 2, `ucięty po ${dlugosc}`);
    }
    const crlf = Buffer.from(cala.toString('latin1').replaceAll('\n', '\r\n'), 'latin1');
    assert.equal(porownaj(['--scal', 'c0.txt', 'c1.txt'], { ...czesci, 'c1.txt': crlf }).status, 0);
  });

  test('potok FIFO jako plik wyników, nazwa spoza UTF-8 odrzucona, SIGTERM sprząta', async () => {
    const folder = mkdtempSync(path.join(tmpdir(), 'fazolab-node-'));
    const runner = path.join(WEB, 'fazolab-batch.mjs');
    try {
      const seria = ['--lambda', '0.5:0.9:0.2', '--iteracje', '10000', '--ziarno', '4'];
      execFileSync('mkfifo', [path.join(folder, 'potok')]);
      const czytelnik = spawn('cat', [path.join(folder, 'potok')]);
      const odebrane = [];
      czytelnik.stdout.on('data', (d) => odebrane.push(d));
      const koniecCzytania = new Promise((gotowe) => czytelnik.on('close', gotowe));
      const doPotoku = spawnSync(process.execPath, [runner, ...seria, '--wyjscie', 'potok'],
        { cwd: folder, encoding: 'utf8' });
      assert.equal(doPotoku.status, 0, doPotoku.stderr);
      await koniecCzytania;
      const n = natywnie([...seria, '--wyjscie', 'w.txt']);
      assert.ok(Buffer.concat(odebrane).equals(n.pliki['w.txt']));

      // A name that is not UTF-8 would reach the files changed: refused.
      const zlaNazwa = spawnSync('sh',
        ['-c', 'exec "$0" "$1" --wyjscie "$(printf \'\\377\\376.csv\')"', process.execPath, runner],
        { cwd: folder, encoding: 'utf8' });
      assert.equal(zlaNazwa.status, 2);
      assert.match(zlaNazwa.stderr, /nie jest tekstem UTF-8/);

      writeFileSync(path.join(folder, 'q.csv'), 'poprzedni przebieg');
      const dlugi = spawn(process.execPath, [runner, '--osie', '40', '--lambda', '0.1:2.4:0.1',
        '--iteracje', '10000000', '--przebieg', 'q.csv', '--wyjscie', 'w.csv'], { cwd: folder });
      let bledy = '';
      dlugi.stderr.on('data', (d) => { bledy += d; });
      const koniec = new Promise((gotowe) => dlugi.on('close', (status) => gotowe(status)));
      await new Promise((gotowe) => setTimeout(gotowe, 1500));
      dlugi.kill('SIGTERM');
      assert.equal(await koniec, 143);
      assert.equal(bledy, 'Obliczenia przerwane sygnałem 15; żaden plik nie został zapisany ani '
        + 'zmieniony.\n');
      assert.deepEqual(readdirSync(folder).sort(), ['potok', 'q.csv']);
      assert.equal(readFileSync(path.join(folder, 'q.csv'), 'utf8'), 'poprzedni przebieg');
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });

  test('pomoc i wersja', () => {
    porownaj(['--pomoc']);
    porownaj(['--version']);
  });
});
