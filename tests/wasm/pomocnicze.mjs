// What the tests of the web build share: where the two builds are, running
// the native batch runner and its WebAssembly twin in fresh folders, and
// reading the cells of a workbook.
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { inflateRawSync } from 'node:zlib';

export const KORZEN = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const WEB = process.env.FAZOLAB_BUILD_WEB ?? path.join(KORZEN, 'build-web');
export const NATYWNY = process.env.FAZOLAB_BATCH ?? path.join(KORZEN, 'build/cli/fazolab-batch');

export function sprawdzBudowy() {
  for (const plik of [NATYWNY, path.join(WEB, 'fazolab-batch.mjs'), path.join(WEB, 'fazolab.mjs')]) {
    if (!existsSync(plik)) {
      throw new Error(`${plik} nie istnieje: najpierw scripts/test.sh (albo scripts/web.sh build)`);
    }
  }
}

// Every file a run left in its folder, by name.
function pliki(folder) {
  const wynik = {};
  for (const nazwa of readdirSync(folder).sort()) {
    wynik[nazwa] = readFileSync(path.join(folder, nazwa));
  }
  return wynik;
}

// One run in a fresh folder: the exit status, both streams and the files.
export function uruchom(polecenie, argumenty, wejscie = {}) {
  const folder = mkdtempSync(path.join(tmpdir(), 'fazolab-wasm-'));
  try {
    for (const [nazwa, tresc] of Object.entries(wejscie)) {
      writeFileSync(path.join(folder, nazwa), tresc);
    }
    const p = spawnSync(polecenie[0], [...polecenie.slice(1), ...argumenty], {
      cwd: folder,
      encoding: 'buffer',
      stdio: ['ignore', 'pipe', 'pipe'],
    });
    const zostawione = pliki(folder);
    for (const nazwa of Object.keys(wejscie)) {
      delete zostawione[nazwa];
    }
    return {
      status: p.status,
      wyjscie: p.stdout.toString('utf8'),
      bledy: p.stderr.toString('utf8'),
      pliki: zostawione,
    };
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

export const natywnie = (argumenty, wejscie) => uruchom([NATYWNY], argumenty, wejscie);
export const wNode = (argumenty, wejscie) =>
  uruchom([process.execPath, path.join(WEB, 'fazolab-batch.mjs')], argumenty, wejscie);

// The entries of a zip archive (an .xlsx), inflated.
export function czescizip(bajty) {
  const b = Buffer.from(bajty);
  let koniec = b.length - 22;
  while (koniec >= 0 && b.readUInt32LE(koniec) !== 0x06054b50) {
    koniec -= 1;
  }
  if (koniec < 0) {
    throw new Error('to nie jest archiwum zip');
  }
  const liczba = b.readUInt16LE(koniec + 10);
  let i = b.readUInt32LE(koniec + 16);
  const czesci = {};
  for (let k = 0; k < liczba; k += 1) {
    const metoda = b.readUInt16LE(i + 10);
    const rozmiar = b.readUInt32LE(i + 20);
    const dlNazwy = b.readUInt16LE(i + 28);
    const dlDodatku = b.readUInt16LE(i + 30);
    const dlKomentarza = b.readUInt16LE(i + 32);
    const lokalny = b.readUInt32LE(i + 42);
    const nazwa = b.toString('utf8', i + 46, i + 46 + dlNazwy);
    const dane = lokalny + 30 + b.readUInt16LE(lokalny + 26) + b.readUInt16LE(lokalny + 28);
    const surowe = b.subarray(dane, dane + rozmiar);
    czesci[nazwa] = (metoda === 8 ? inflateRawSync(surowe) : surowe).toString('utf8');
    i += 46 + dlNazwy + dlDodatku + dlKomentarza;
  }
  return czesci;
}

// What a workbook says: its sheet (cells, their types and styles), its
// strings and its number formats. The document properties hold the time the
// file was made and are left out.
export function trescSkoroszytu(bajty) {
  const c = czescizip(bajty);
  return {
    arkusz: c['xl/worksheets/sheet1.xml'],
    napisy: c['xl/sharedStrings.xml'],
    style: c['xl/styles.xml'],
    skoroszyt: c['xl/workbook.xml'],
  };
}
