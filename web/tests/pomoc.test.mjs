// The help stays true to the page: every help context of the page has its section, every link
// into the help lands on an anchor, and the browser's section names the page's own controls and
// gives a setup link the page reads.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { REPO, WEB } from './przegladarka.mjs';
import { czytajLink } from '../js/link.js';

const pomoc = readFileSync(join(REPO, 'assets', 'Pomoc', 'Fazolab.html'), 'utf8');
const strona = readFileSync(join(WEB, 'index.html'), 'utf8');
const skrypty = readdirSync(join(WEB, 'js')).map((p) => readFileSync(join(WEB, 'js', p), 'utf8')).join('\n');
const tekst = (html) => html.replace(/<[^>]+>/g, '').replace(/&amp;/g, '&').replace(/\s+/g, ' ');
const kotwice = new Set([...pomoc.matchAll(/<a name="([^"]+)"><\/a>/g)].map((m) => m[1]));

function sekcja(kotwica) {
  const od = pomoc.indexOf(`<h2><a name="${kotwica}"></a>`);
  assert.notEqual(od, -1, kotwica);
  return tekst(pomoc.slice(od, pomoc.indexOf('\n<h2', od + 1)));
}

test('every help context and help link of the page has its anchor', () => {
  for (const [, k] of strona.matchAll(/data-pomoc="(\d+)"/g)) assert.ok(kotwice.has(`k${k}`), `k${k}`);
  for (const [, k] of (strona + skrypty).matchAll(/pomoc\/Fazolab\.html#([a-z_0-9]+)(?!\$)/g)) assert.ok(kotwice.has(k), k);
});

test('the browser\'s section names the page\'s controls as the page shows them', () => {
  const s = sekcja('przegladarka');
  const napis = (id) => tekst(new RegExp(`id="${id}"[^>]*>([\\s\\S]*?)</(button|label)>`).exec(strona)?.[1] ?? '').trim();
  const nazwy = ['BLinkUstawien', 'BDomyslne', 'BDrukuj', 'BZapiszObrazSieci', 'nowa-wersja-odswiez'].map(napis);
  nazwy.push('Link z ziarnem generatora', 'Liczba niezależnych serii', 'Ziarno generatora', 'Punkty wykresu (tabela)');
  for (const b of ['Zapisz wykres PNG', 'Zapisz wykres SVG']) {
    assert.ok(skrypty.includes(b), b);
    nazwy.push(b);
  }
  assert.ok(strona.includes('Dostępna jest nowa wersja — odśwież'));
  nazwy.push('Dostępna jest nowa wersja — odśwież', 'Wyniki serii nie zostały zapisane. Czy mimo to zakończyć ?');
  for (const n of nazwy) {
    assert.ok(n, 'pusty napis');
    assert.ok(s.includes(n), n);
  }
  const przyklad = /\?siec=[^ ]+/.exec(s)[0];
  assert.deepEqual(czytajLink(przyklad).bledy, []);
  assert.equal(czytajLink(przyklad).s.osX, 20);
});
