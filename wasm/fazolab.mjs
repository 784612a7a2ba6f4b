// Fazolab's engine and results core in JavaScript: the contract is API.md.
// The page, its Web Workers and Node load it alike; every number, text and
// file byte comes from the C++ core compiled to WebAssembly.

const wNode = typeof process === 'object' && typeof process.versions?.node === 'string';

// A refusal or a fault of the core, in Polish, ready to be shown.
export class BladFazolab extends Error {
  constructor(komunikat) {
    super(komunikat);
    this.name = 'BladFazolab';
  }
}

function sprawdz(wynik) {
  if (wynik && typeof wynik === 'object' && typeof wynik.Blad === 'string') {
    throw new BladFazolab(wynik.Blad);
  }
  return wynik;
}

const DOMYSLNE = Object.freeze({
  siec: '2DKwadrat',
  IloscAtomowOsX: 10,
  IloscAtomowOsY: 10,
  IloscAtomowOsZ: 10,
  TBKoncentracja: 50,
  TBLambda: 1,
  TBLambdaKoncowa: 24,
  TBKrok: 3,
  TBLiczbaPrzeskokow: 10,
  SEMaxIloscCykli: 100000,
  uklad: 'przypadkowe',
  tryb: 'porzadkowanie',
  seria: true,
});

const POLA_PARAMETROW = new Set(Object.keys(DOMYSLNE));

// Tenths (lambda) and hundredths (concentration) as the batch runner reads
// them; a value that is not a whole position stays visible, so the core
// refuses it.
const ulamek = (pozycja, mianownik) => String(pozycja / mianownik);

// The settings page's values as the batch runner's options: the core reads
// and refuses them as fazolab-batch does.
export function argumentyParametrow(parametry = {}, ziarno = 0) {
  for (const nazwa of Object.keys(parametry)) {
    if (!POLA_PARAMETROW.has(nazwa)) {
      throw new BladFazolab(`Nieznany parametr: ${nazwa}.`);
    }
  }
  const p = { ...DOMYSLNE, ...parametry };
  const osie = p.siec === '3DR'
    ? `${p.IloscAtomowOsX}x${p.IloscAtomowOsY}x${p.IloscAtomowOsZ}`
    : `${p.IloscAtomowOsX}x${p.IloscAtomowOsY}`;
  const lambda = p.seria
    ? `${ulamek(p.TBLambda, 10)}:${ulamek(p.TBLambdaKoncowa, 10)}:${ulamek(p.TBKrok, 10)}`
    : ulamek(p.TBLambda, 10);
  return [
    '--siec', String(p.siec),
    '--osie', osie,
    '--koncentracja', ulamek(p.TBKoncentracja, 100),
    '--lambda', lambda,
    '--co', String(p.TBLiczbaPrzeskokow * 100),
    '--iteracje', String(p.SEMaxIloscCykli),
    '--uklad', String(p.uklad),
    '--tryb', String(p.tryb),
    '--ziarno', String(ziarno),
  ];
}

const TYPY_PLIKU = { csv: 1, txt: 2, xlsx: 3 };

function typPliku(typ) {
  const nr = TYPY_PLIKU[typ];
  if (!nr) {
    throw new BladFazolab(`Nieznany typ pliku: ${typ} (csv, txt lub xlsx).`);
  }
  return nr;
}

const przerwa = () => new Promise((gotowe) => { setTimeout(gotowe, 0); });

// Runs ticks for about `ms` milliseconds at a time until the run ends,
// reporting the progress after every slice and letting the caller's other
// work (a Worker's messages, a page) run between slices; an aborted
// `sygnal` stops it between two slices, the run kept as it is.
async function liczDoKonca(cel, { ms = 30, naPostep, sygnal } = {}) {
  for (;;) {
    if (sygnal?.aborted) {
      return { stan: 'przerwane' };
    }
    const k = cel.licz(ms);
    naPostep?.(k);
    if (k.stan === 'koniec') {
      return k;
    }
    await przerwa();
  }
}

class Sesja {
  #s;
  constructor(s) { this.#s = s; }
  krok() { return sprawdz(this.#s.krok()); }
  licz(ms) { return sprawdz(this.#s.licz(ms)); }
  liczDoKonca(opcje) { return liczDoKonca(this, opcje); }
  rozpocznijNastepnaSerie() { sprawdz(this.#s.rozpocznijNastepnaSerie()); }
  stan() { return this.#s.stan(); }
  siec() { return this.#s.siec(); }
  pomiar() { return this.#s.pomiar(); }
  nowePomiary() {
    const dane = this.#s.nowePomiary();
    return { liczba: dane.length / 14, pola: 14, dane };
  }
  cykl(seria, iteracja) { return sprawdz(this.#s.cykl(seria, iteracja)); }
  historiaSigmy(seria) {
    const s = this.#s.stan();
    return this.cykl(seria, s.MaxIloscCykli).Series8;
  }
  wyniki(stopien = null) { return sprawdz(this.#s.wyniki(stopien ?? null)); }
  fluktuacje() { return sprawdz(this.#s.fluktuacje()); }
  plikWynikow(typ, pola = {}) { return sprawdz(this.#s.plikWynikow(typPliku(typ), pola)); }
  nazwaPliku() { return this.#s.nazwaPliku(); }
  usun() { this.#s.delete(); }
}

class Replika {
  #r;
  constructor(r) { this.#r = r; }
  krok() { return sprawdz(this.#r.krok()); }
  licz(ms) { return sprawdz(this.#r.licz(ms)); }
  liczDoKonca(opcje) { return liczDoKonca(this, opcje); }
  wynik() { return sprawdz(this.#r.wynik()); }
  usun() { this.#r.delete(); }
}

let nrPracy = 0;

class Fazolab {
  #m;
  constructor(modul) {
    this.#m = modul;
    this.zakresy = modul.zakresy();
  }

  domyslneParametry() { return { ...DOMYSLNE }; }

  nowaSesja(parametry = {}, ziarno = 0) {
    const s = new this.#m.SesjaWeb();
    try {
      sprawdz(s.przygotuj(argumentyParametrow(parametry, ziarno)));
    } catch (blad) {
      s.delete();
      throw blad;
    }
    return new Sesja(s);
  }

  nowaReplika(parametry, {
    ziarno = 0, nr = 0, powtorzenia = 1, stopien = null, dwaStarty = false, generator = null,
  } = {}) {
    const argumenty = [...argumentyParametrow(parametry, ziarno),
      '--powtorzenia', String(powtorzenia)];
    if (generator !== null && generator !== undefined) {
      argumenty.push('--generator', String(generator));
    }
    if (stopien !== null && stopien !== undefined) {
      argumenty.push('--stopien', String(stopien));
    }
    if (dwaStarty) {
      argumenty.push('--dwa-starty');
    }
    const r = new this.#m.ReplikaWeb();
    try {
      sprawdz(r.przygotuj(argumenty, nr));
    } catch (blad) {
      r.delete();
      throw blad;
    }
    return new Replika(r);
  }

  // fazolab-batch in a folder of its own in the module's file system: the
  // given files are put there first, every file the run leaves is returned.
  wsadowo(argumenty, pliki = {}) {
    const FS = this.#m.FS;
    const folder = `/praca${++nrPracy}`;
    FS.mkdir(folder);
    const poprzedni = FS.cwd();
    FS.chdir(folder);
    try {
      for (const [nazwa, tresc] of Object.entries(pliki)) {
        FS.writeFile(nazwa, tresc);
      }
      const wynik = sprawdz(this.#m.wsadowo(argumenty.map(String)));
      wynik.pliki = {};
      for (const nazwa of FS.readdir('.')) {
        if (nazwa !== '.' && nazwa !== '..' && !(nazwa in pliki)) {
          wynik.pliki[nazwa] = FS.readFile(nazwa);
        }
      }
      return wynik;
    } finally {
      for (const nazwa of FS.readdir('.')) {
        if (nazwa !== '.' && nazwa !== '..') {
          FS.unlink(nazwa);
        }
      }
      FS.chdir(poprzedni);
      FS.rmdir(folder);
    }
  }

  // The parts of the replicas' Workers put together: the batch runner's
  // summary and results file, and the results model of the whole study.
  scalRepliki(czesci, { wyjscie = null, fluktuacje = false } = {}) {
    const pliki = {};
    czesci.forEach((tresc, k) => { pliki[`czesc${k}.txt`] = tresc; });
    const nazwy = Object.keys(pliki);
    const argumenty = ['--scal', ...nazwy];
    const plik = wyjscie ? `wyniki.${wyjscie}` : null;
    if (plik) {
      typPliku(wyjscie);
      argumenty.push('--wyjscie', plik);
      if (fluktuacje) {
        argumenty.push('--fluktuacje');
      }
    }
    const FS = this.#m.FS;
    const wynik = this.wsadowo(argumenty, pliki);
    if (wynik.status !== 0) {
      throw new BladFazolab(wynik.bledy.trim());
    }
    const folder = `/praca${++nrPracy}`;
    FS.mkdir(folder);
    let model;
    try {
      const sciezki = nazwy.map((n) => `${folder}/${n}`);
      nazwy.forEach((n, k) => FS.writeFile(sciezki[k], pliki[n]));
      model = sprawdz(this.#m.modelBadania(sciezki));
      sciezki.forEach((s) => FS.unlink(s));
    } finally {
      FS.rmdir(folder);
    }
    return {
      podsumowanie: wynik.wyjscie,
      plik: plik ? wynik.pliki[plik] : null,
      wyniki: model.wyniki,
      fluktuacje: model.fluktuacje,
    };
  }
}

// This emscripten's ES6 output finds Node by CommonJS's require and
// __dirname, which an ES module lacks: they are lent to it. It names its
// WebAssembly file by a URL, which Node's file reading does not take.
async function opcjeNode(opcje) {
  const { createRequire } = await import('node:module');
  const { fileURLToPath } = await import('node:url');
  const path = await import('node:path');
  globalThis.require ??= createRequire(import.meta.url);
  globalThis.__dirname ??= path.dirname(fileURLToPath(import.meta.url));
  return { locateFile: (plik) => fileURLToPath(new URL(plik, import.meta.url)), ...opcje };
}

export async function wczytajFazolab(opcje = {}) {
  if (wNode) {
    opcje = await opcjeNode(opcje);
  }
  const { default: FazolabRdzen } = await import('./fazolab-rdzen.mjs');
  try {
    return new Fazolab(await FazolabRdzen(opcje));
  } catch (blad) {
    if (blad instanceof RangeError || /memory/i.test(String(blad?.message))) {
      throw new BladFazolab('Za mało pamięci: nie można uruchomić obliczeń w tej przeglądarce.');
    }
    throw blad;
  }
}
