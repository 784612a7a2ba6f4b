// Assembles the page into one folder to copy to any static host: the page's files, the pictures
// and the help from assets/, the wasm module from the web build, and the offline file list.
// Usage: node web/zbuduj.mjs [build-web] (the folder of the wasm build; the page goes to its strona/).
import { createHash } from 'node:crypto';
import { cpSync, existsSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { dirname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';

const web = dirname(fileURLToPath(import.meta.url));
const repo = dirname(web);
const budowa = process.argv[2] ?? join(repo, 'build-web');
const cel = join(budowa, 'strona');

const OBRAZY = [
  'es_3dr.jpg', 'es_2dtrojkat.jpg', 'es_2dkwadrat.jpg', 'es_2dheksagonalna.jpg', 'seria_obliczen.jpg',
  'es_3dr_pod.jpg', 'es_2dtrojkat_pod.jpg', 'es_2dkwadrat_pod.jpg', 'es_2dheksagonalna_pod.jpg',
  'fazolab.png', 'fazolab_48.png', 'licz.png', 'zatrzymaj.png', 'dalej.png', 'nowe.png', 'koniec.png',
  'pomoc.png', 'zapisz.png', 'play.png', 'stop.png', 'poczatek.png', 'koniec_cyklu.png',
];
const MODUL = ['fazolab.mjs', 'fazolab-rdzen.mjs', 'fazolab-rdzen.wasm'];

rmSync(cel, { recursive: true, force: true });
mkdirSync(join(cel, 'obrazy'), { recursive: true });
mkdirSync(join(cel, 'pomoc'), { recursive: true });
for (const p of ['index.html', 'manifest.webmanifest', 'css', 'js']) cpSync(join(web, p), join(cel, p), { recursive: true });
for (const o of OBRAZY) cpSync(join(repo, 'assets', 'okna', o), join(cel, 'obrazy', o));
cpSync(join(repo, 'assets', 'atomy', 'ILAtomy.png'), join(cel, 'obrazy', 'ILAtomy.png'));
cpSync(join(repo, 'assets', 'Pomoc', 'Fazolab.html'), join(cel, 'pomoc', 'Fazolab.html'));
const brak = MODUL.filter((m) => !existsSync(join(budowa, m)));
if (brak.length) {
  console.error(`Brak modułu WebAssembly w ${budowa}: ${brak.join(', ')} (najpierw scripts/web.sh build).`);
  process.exit(1);
}
for (const m of MODUL) cpSync(join(budowa, m), join(cel, m));

function pliki(katalog) {
  return readdirSync(katalog).flatMap((n) => {
    const p = join(katalog, n);
    return statSync(p).isDirectory() ? pliki(p) : [p];
  });
}
const lista = pliki(cel).map((p) => relative(cel, p).split('\\').join('/')).sort();
const skrot = createHash('sha256');
for (const p of lista) skrot.update(p).update(readFileSync(join(cel, p)));
const sw = readFileSync(join(web, 'sw.js'), 'utf8')
  .replace('__WERSJA__', `fazolab-${skrot.digest('hex').slice(0, 12)}`)
  .replace('__PLIKI__', JSON.stringify(['./', ...lista]));
writeFileSync(join(cel, 'sw.js'), sw);
console.log(`Strona gotowa: ${cel} (${lista.length + 1} plików)`);
