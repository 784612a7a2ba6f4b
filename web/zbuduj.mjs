// Assembles the page into one folder to copy to any static host: the page's files, the pictures
// and the help from assets/, the wasm module from the web build, and the offline file list.
// Usage: node web/zbuduj.mjs [build-web] (the folder of the wasm build; the page goes to its strona/).
//
// Every script, style sheet and the WebAssembly file get the first characters of their content's
// hash in their names, and every reference to them is rewritten: a page of one build can only ever
// load files of that build, and a browser or a proxy that keeps an old file keeps it under its old
// name. The module's .mjs files become .js, the type every server knows.
import { createHash } from 'node:crypto';
import { cpSync, existsSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { basename, dirname, extname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';

const WEB = dirname(fileURLToPath(import.meta.url));
const REPO = dirname(WEB);

const OBRAZY = [
  'es_3dr.jpg', 'es_2dtrojkat.jpg', 'es_2dkwadrat.jpg', 'es_2dheksagonalna.jpg', 'seria_obliczen.jpg',
  'es_3dr_pod.jpg', 'es_2dtrojkat_pod.jpg', 'es_2dkwadrat_pod.jpg', 'es_2dheksagonalna_pod.jpg',
  'fazolab.png', 'fazolab_48.png', 'licz.png', 'zatrzymaj.png', 'dalej.png', 'nowe.png', 'koniec.png',
  'pomoc.png', 'zapisz.png', 'play.png', 'stop.png', 'poczatek.png', 'koniec_cyklu.png',
];
const MODUL = ['fazolab.mjs', 'fazolab-rdzen.mjs', 'fazolab-rdzen.wasm'];
// What the page works without when the host refuses it (the offline promise does not depend on it).
export const ZBEDNE = ['manifest.webmanifest'];
const HASZOWANE = new Set(['.js', '.mjs', '.css', '.wasm']);
const TEKSTOWE = new Set(['.html', '.js', '.mjs', '.css']);
export const DLUGOSC_SKROTU = 10;

function pliki(katalog) {
  return readdirSync(katalog).flatMap((n) => {
    const p = join(katalog, n);
    return statSync(p).isDirectory() ? pliki(p) : [p];
  });
}

const skrot = (tresc) => createHash('sha256').update(tresc).digest('hex');
const wzor = (nazwa) => new RegExp(`(?<=[/'"\`])${nazwa.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}(?=['"\`?#)])`, 'g');

// Gives each hashed file its final name, referenced files first (a file's hash covers the final
// names of what it loads). Returns the map from the old relative path to the new one.
function nadajNazwy(cel) {
  const sciezki = pliki(cel).map((p) => relative(cel, p).split('\\').join('/'));
  const haszowane = sciezki.filter((p) => HASZOWANE.has(extname(p)));
  const nazwy = new Map(haszowane.map((p) => [basename(p), p]));
  if (nazwy.size !== haszowane.length) throw new Error('Dwa pliki strony o tej samej nazwie.');
  const tresci = new Map(sciezki.filter((p) => TEKSTOWE.has(extname(p))).map((p) => [p, readFileSync(join(cel, p), 'utf8')]));
  const odwolania = new Map([...tresci].map(([p, t]) => [p, [...nazwy.keys()].filter((n) => n !== basename(p) && wzor(n).test(t))]));
  const nowe = new Map();
  const przepisz = (p) => {
    let t = tresci.get(p);
    for (const n of odwolania.get(p)) t = t.replace(wzor(n), basename(nowe.get(nazwy.get(n))));
    return t;
  };
  while (nowe.size < haszowane.length) {
    const gotowe = haszowane.filter((p) => !nowe.has(p) && (odwolania.get(p) ?? []).every((n) => nowe.has(nazwy.get(n))));
    if (!gotowe.length) throw new Error('Pliki strony odwołują się do siebie w koło.');
    for (const p of gotowe) {
      const tresc = tresci.has(p) ? przepisz(p) : readFileSync(join(cel, p));
      const rozsz = extname(p) === '.mjs' ? '.js' : extname(p);
      const nowa = `${p.slice(0, -extname(p).length)}.${skrot(tresc).slice(0, DLUGOSC_SKROTU)}${rozsz}`;
      rmSync(join(cel, p));
      writeFileSync(join(cel, nowa), tresc);
      nowe.set(p, nowa);
    }
  }
  for (const p of tresci.keys()) if (!nowe.has(p)) writeFileSync(join(cel, p), przepisz(p));
  return nowe;
}

// Builds the page from the sources in `web` and the module in `budowa` into `cel`.
export function zbuduj({ budowa = join(REPO, 'build-web'), cel = join(budowa, 'strona'), web = WEB } = {}) {
  const brak = MODUL.filter((m) => !existsSync(join(budowa, m)));
  if (brak.length) throw new Error(`Brak modułu WebAssembly w ${budowa}: ${brak.join(', ')} (najpierw scripts/web.sh build).`);
  rmSync(cel, { recursive: true, force: true });
  mkdirSync(join(cel, 'obrazy'), { recursive: true });
  mkdirSync(join(cel, 'pomoc'), { recursive: true });
  for (const p of ['index.html', 'manifest.webmanifest', 'css', 'js']) cpSync(join(web, p), join(cel, p), { recursive: true });
  for (const o of OBRAZY) cpSync(join(REPO, 'assets', 'okna', o), join(cel, 'obrazy', o));
  cpSync(join(REPO, 'assets', 'atomy', 'ILAtomy.png'), join(cel, 'obrazy', 'ILAtomy.png'));
  cpSync(join(REPO, 'assets', 'Pomoc', 'Fazolab.html'), join(cel, 'pomoc', 'Fazolab.html'));
  for (const m of MODUL) cpSync(join(budowa, m), join(cel, m));
  nadajNazwy(cel);
  const lista = pliki(cel).map((p) => relative(cel, p).split('\\').join('/')).sort();
  const calosc = createHash('sha256');
  for (const p of lista) calosc.update(p).update(readFileSync(join(cel, p)));
  const wersja = `fazolab-${calosc.digest('hex').slice(0, 12)}`;
  const sw = readFileSync(join(web, 'sw.js'), 'utf8')
    .replace('__WERSJA__', wersja)
    .replace('__PLIKI__', JSON.stringify(['./', ...lista.filter((p) => p !== 'index.html')]))
    .replace('__ZBEDNE__', JSON.stringify(ZBEDNE))
    .replace('__DLUGOSC__', String(DLUGOSC_SKROTU));
  writeFileSync(join(cel, 'sw.js'), sw);
  return { cel, wersja, pliki: lista.length + 1 };
}

if (import.meta.url === `file://${process.argv[1]}`) {
  try {
    const budowa = process.argv[2] ?? join(REPO, 'build-web');
    const { cel, wersja, pliki: n } = zbuduj({ budowa });
    console.log(`Strona gotowa: ${cel} (${n} plików, wersja ${wersja})`);
  } catch (e) {
    console.error(e.message);
    process.exit(1);
  }
}
