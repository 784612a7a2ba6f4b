import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, mkdirSync, writeFileSync } from 'node:fs';
import { request } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serwer } from '../serwuj.mjs';

function pobierz(port, sciezka) {
  return new Promise((ok, zle) => {
    request({ host: '127.0.0.1', port, path: sciezka }, (odp) => {
      let tresc = '';
      odp.on('data', (k) => (tresc += k));
      odp.on('end', () => ok({ status: odp.statusCode, typ: odp.headers['content-type'], tresc }));
    }).on('error', zle).end();
  });
}

test('the static server gives the page with the right types and nothing outside its folder', async () => {
  const katalog = mkdtempSync(join(tmpdir(), 'fazolab-serwer-'));
  mkdirSync(join(katalog, 'strona'));
  writeFileSync(join(katalog, 'tajne.txt'), 'poza stroną');
  writeFileSync(join(katalog, 'strona', 'index.html'), '<!doctype html>');
  writeFileSync(join(katalog, 'strona', 'fazolab-rdzen.wasm'), '\0asm');
  const http = serwer(join(katalog, 'strona'));
  await new Promise((ok) => http.listen(0, '127.0.0.1', ok));
  const { port } = http.address();
  try {
    const glowna = await pobierz(port, '/');
    assert.equal(glowna.status, 200);
    assert.match(glowna.typ, /^text\/html/);
    assert.equal((await pobierz(port, '/fazolab-rdzen.wasm')).typ, 'application/wasm');
    assert.equal((await pobierz(port, '/brak.js')).status, 404);
    assert.equal((await pobierz(port, '/%E0%A4%A')).status, 400);
    assert.equal((await pobierz(port, '/')).status, 200);
    // A folder's address without its slash goes to the folder, its query kept.
    mkdirSync(join(katalog, 'strona', 'fazolab'));
    const bezUkosnika = await new Promise((ok) => request({ host: '127.0.0.1', port, path: '/fazolab?siec=3DR' }, ok).end());
    assert.deepEqual([bezUkosnika.statusCode, bezUkosnika.headers.location], [301, '/fazolab/?siec=3DR']);
    for (const zla of ['/../tajne.txt', '/%2e%2e/tajne.txt', '/..%2ftajne.txt']) {
      const odp = await pobierz(port, zla);
      assert.notEqual(odp.status, 200, zla);
      assert.doesNotMatch(odp.tresc, /poza stroną/);
    }
  } finally {
    http.close();
  }
});
