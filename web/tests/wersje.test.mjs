// What a school's host does to the page: two builds deployed in turn on a plain static server, a
// host that refuses a file, one that sends scripts with a wrong type, the page opened from disk.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { appendFileSync, cpSync, mkdirSync, mkdtempSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { BUDOWA, STRONA, WEB, brakSrodowiska, uruchom } from './przegladarka.mjs';
import { zbuduj } from '../zbuduj.mjs';

const brak = brakSrodowiska();
const OFFLINE = 'Wszystkie pliki strony są zapisane w przeglądarce: strona działa także bez połączenia z serwerem.';

// python3 -m http.server: no cache headers of ours, the types of the machine's list.
async function serwerPythona(folder) {
  const p = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1'], { cwd: folder, stdio: ['ignore', 'pipe', 'ignore'] });
  const port = await new Promise((ok, zle) => {
    p.stdout.on('data', (d) => {
      const m = /port (\d+)/.exec(String(d));
      if (m) ok(Number(m[1]));
    });
    p.on('exit', () => zle(new Error('python3 -m http.server nie ruszył')));
  });
  return { port, zatrzymaj: () => p.kill() };
}

function wdroz(budowa, folder) {
  rmSync(folder, { recursive: true, force: true });
  cpSync(budowa, folder, { recursive: true });
}

const gotowa = (s) => s.waitForSelector('html[data-gotowe=tak]');
const offline = (s) => s.waitForFunction((t) => document.getElementById('offline-info').textContent === t, OFFLINE);

describe('wersje strony na serwerze szkoły', { skip: brak ?? false }, () => {
  const tmp = mkdtempSync(join(tmpdir(), 'fazolab-wersje-'));
  let druga;
  let python;
  before(() => {
    // A second build differs in one line of one script, as a small fix would.
    const zrodla = join(tmp, 'web');
    mkdirSync(zrodla);
    for (const p of ['index.html', 'manifest.webmanifest', 'sw.js', 'css', 'js']) cpSync(join(WEB, p), join(zrodla, p), { recursive: true });
    appendFileSync(join(zrodla, 'js', 'main.js'), "document.documentElement.dataset.wydanie = '2';\n");
    druga = zbuduj({ budowa: BUDOWA, cel: join(tmp, 'druga'), web: zrodla }).cel;
  });
  after(() => {
    python?.zatrzymaj();
    rmSync(tmp, { recursive: true, force: true });
  });

  test('a new build deployed on python3 -m http.server arrives whole after "Odśwież", never mixed with the old', async () => {
    const host = join(tmp, 'host');
    mkdirSync(host);
    wdroz(STRONA, join(host, 'fazolab'));
    python = await serwerPythona(host);
    const b = await uruchom({ adres: `http://127.0.0.1:${python.port}/fazolab` });
    const s = b.strona;
    try {
      await s.goto(b.adres);
      await gotowa(s);
      assert.equal(new URL(s.url()).pathname, '/fazolab/');
      await offline(s);
      wdroz(druga, join(host, 'fazolab'));
      await s.reload();
      await gotowa(s);
      // The old page, all of it, and the offer of the new one.
      assert.equal(await s.evaluate(() => document.documentElement.dataset.wydanie), undefined);
      const odswiez = s.getByRole('button', { name: 'Odśwież', exact: true });
      await odswiez.waitFor();
      assert.equal(await s.getByText('Dostępna jest nowa wersja — odśwież.').isVisible(), true);
      const stare = await s.evaluate(() => performance.getEntriesByType('resource').map((e) => new URL(e.name).pathname.split('/').pop()));
      const plikiPierwszej = new Set(readdirSync(join(STRONA, 'js')));
      for (const p of stare.filter((n) => /^main\./.test(n))) assert.ok(plikiPierwszej.has(p), p);
      await Promise.all([s.waitForEvent('load'), odswiez.click()]);
      await gotowa(s);
      assert.equal(await s.evaluate(() => document.documentElement.dataset.wydanie), '2');
      assert.equal(await odswiez.isVisible(), false);
      await offline(s);
      // Ordinary reloads keep the new version, with the server and without it.
      await s.reload();
      await gotowa(s);
      assert.equal(await s.evaluate(() => document.documentElement.dataset.wydanie), '2');
      python.zatrzymaj();
      python = null;
      await s.reload();
      await gotowa(s);
      assert.equal(await s.evaluate(() => document.documentElement.dataset.wydanie), '2');
      // The address without its slash: the browser keeps the server's redirect.
      await s.goto(b.adres);
      await gotowa(s);
      await s.getByRole('button', { name: 'Sieć 2D kwadratowa' }).click();
      await s.getByRole('button', { name: 'Obliczenia', exact: true }).click();
      await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
      assert.deepEqual(b.bledy.filter((e) => !/Failed to load resource|ERR_CONNECTION_REFUSED/.test(e)), []);
    } finally {
      await b.zamknij();
    }
  });

  test('a host that refuses a needed file: no promise of offline work; one it can do without: the promise kept', async () => {
    const bezPomocy = await uruchom({ opcje: { odmow: (p) => p === '/pomoc/Fazolab.html' } });
    try {
      await bezPomocy.strona.goto(bezPomocy.adres);
      await bezPomocy.strona.waitForFunction(() => /nie zadziała bez połączenia/.test(document.getElementById('offline-info').textContent));
      assert.match(await bezPomocy.strona.locator('#offline-info').textContent(), /nie wydał pliku pomoc\/Fazolab\.html/);
      assert.equal(await bezPomocy.strona.evaluate(async () => Boolean((await navigator.serviceWorker.getRegistration())?.active)), false);
    } finally {
      await bezPomocy.zamknij();
    }
    const bezManifestu = await uruchom({ opcje: { odmow: (p) => p === '/manifest.webmanifest' } });
    try {
      const s = bezManifestu.strona;
      await s.goto(bezManifestu.adres);
      await offline(s);
      await bezManifestu.zatrzymajSerwer();
      await s.reload();
      await gotowa(s);
      await s.getByRole('button', { name: 'Sieć 2D trójkątna' }).click();
      await s.getByRole('button', { name: 'Obliczenia', exact: true }).click();
      await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    } finally {
      await bezManifestu.zamknij();
    }
  });

  test('scripts sent as application/octet-stream and the page opened from disk say what to do', async () => {
    const b = await uruchom({ opcje: { typy: { '.js': 'application/octet-stream' } } });
    const s = b.strona;
    try {
      await s.goto(b.adres);
      const blad = s.getByRole('alert').filter({ hasText: 'niewłaściwym typem' });
      await blad.waitFor();
      assert.match(await blad.textContent(), /text\/javascript dla plików \.js/);
      assert.equal(await s.getByRole('button', { name: 'Sieć 2D kwadratowa' }).isDisabled(), true);
      await s.goto(`file://${join(STRONA, 'index.html')}`);
      const dysk = s.getByRole('alert').filter({ hasText: 'file://' });
      await dysk.waitFor();
      assert.match(await dysk.textContent(), /python3 -m http\.server 8000/);
    } finally {
      await b.zamknij();
    }
  });
});
