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

// A study's options by the plain names the Python module takes, on the batch
// runner's scale (lambda in hundredths, up to 10^9 iterations): each becomes
// the batch runner's option, so that every check and refusal is its own.
const OPCJE_BADANIA = new Map([
  ['siec', '--siec'], ['osie', '--osie'], ['tryb', '--tryb'], ['lambdy', '--lambda'],
  ['koncentracja', '--koncentracja'], ['iteracje', '--iteracje'], ['co', '--co'],
  ['uklad', '--uklad'], ['ziarno', '--ziarno'], ['generator', '--generator'],
  ['stopien', '--stopien'], ['powtorzenia', '--powtorzenia'],
]);
const NAZWY_BADANIA = [...OPCJE_BADANIA.keys(), 'dwaStarty'];

// Names a collaborator abroad may reach for first.
const ANGIELSKIE = {
  seed: 'ziarno', lattice: 'siec', size: 'osie', sizes: 'osie', axes: 'osie', mode: 'tryb',
  lambda: 'lambdy', lambdas: 'lambdy', concentration: 'koncentracja', iterations: 'iteracje',
  interval: 'co', every: 'co', start: 'uklad', degree: 'stopien', replicas: 'powtorzenia',
  twoStarts: 'dwaStarty', rng: 'generator',
};

// The valid name nearest to a misspelt one (the English name's Polish one,
// else the fewest edits, at most half its length), for the refusal's hint.
function najblizsza(nazwa, nazwy) {
  if (Object.hasOwn(ANGIELSKIE, nazwa)) {
    return ANGIELSKIE[nazwa];
  }
  const odleglosc = (a, b) => {
    let wiersz = Array.from({ length: b.length + 1 }, (_, j) => j);
    for (let i = 1; i <= a.length; i += 1) {
      const nowy = [i];
      for (let j = 1; j <= b.length; j += 1) {
        nowy[j] = Math.min(wiersz[j] + 1, nowy[j - 1] + 1, wiersz[j - 1] + (a[i - 1] === b[j - 1] ? 0 : 1));
      }
      wiersz = nowy;
    }
    return wiersz[b.length];
  };
  const [najlepsza] = nazwy.map((n) => [odleglosc(nazwa, n), n]).sort((a, b) => a[0] - b[0]);
  return najlepsza && najlepsza[0] <= Math.ceil(nazwa.length / 2) ? najlepsza[1] : null;
}

// A list of lambdas as the batch runner's --lambda: an even grid of hundredths
// as the series S:E:K it is (the same run as typed so), any other list in
// millionths as the list L1,L2,..., each lambda exactly as given.
function lambdyJakoSeria(lista) {
  const pozycjeW = (mianownik) => lista.map((l) => {
    const p = Math.round(Number(l) * mianownik);
    return Math.abs(p - Number(l) * mianownik) < 1e-6 ? p : NaN;
  });
  const pozycje = pozycjeW(100);
  const tekst = (p) => (p / 100).toFixed(2);
  if (pozycje.length === 1 && !Number.isNaN(pozycje[0])) {
    return tekst(pozycje[0]);
  }
  const kroki = new Set(pozycje.slice(1).map((p, k) => p - pozycje[k]));
  const [krok] = kroki;
  if (pozycje.length >= 2 && kroki.size === 1 && krok > 0) {
    return `${tekst(pozycje[0])}:${tekst(pozycje.at(-1))}:${tekst(krok)}`;
  }
  const milionowe = pozycjeW(1000000);
  if (milionowe.length === 0 || milionowe.some(Number.isNaN)) {
    throw new BladFazolab('Lista lambd to liczby 0.10..2.40 z najwyżej sześcioma miejscami po '
      + 'kropce, np. [0.86, 0.8637, 0.87].');
  }
  return milionowe.map((p) => `${Math.trunc(p / 1000000)}.${String(p % 1000000).padStart(6, '0')}`).join(',');
}

// The batch runner's options of a study given by plain names: {siec, osie,
// tryb, lambdy, koncentracja, iteracje, co, uklad, ziarno, generator,
// stopien, powtorzenia, dwaStarty}. `osie` as a list of sizes is the finite-size
// study, `lambdy` as a list of lambdas a series.
export function argumentyBadania(opcje = {}) {
  const argumenty = [];
  for (const [nazwa, wartosc] of Object.entries(opcje)) {
    if (!NAZWY_BADANIA.includes(nazwa)) {
      const blisko = najblizsza(nazwa, NAZWY_BADANIA);
      throw new BladFazolab(`Nieznany parametr badania: ${nazwa}${blisko ? ` (czy chodziło o ${blisko}?)` : ''}.`);
    }
    if (wartosc === null || wartosc === undefined || wartosc === false) {
      continue;
    }
    if (nazwa === 'dwaStarty') {
      argumenty.push('--dwa-starty');
    } else if (nazwa === 'lambdy' && Array.isArray(wartosc)) {
      argumenty.push('--lambda', lambdyJakoSeria(wartosc));
    } else {
      argumenty.push(OPCJE_BADANIA.get(nazwa), Array.isArray(wartosc) ? wartosc.join(',') : String(wartosc));
    }
  }
  return argumenty;
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
    this.rodzajeSieci = modul.rodzajeSieci();
    this.domyslneRdzenia = modul.domyslne();
    // The page's parameters as the core declares them: names and defaults.
    this.polaParametrow = Object.freeze(modul.polaParametrow().map((p) => Object.freeze(p)));
  }

  // The simulation window's caption for a lattice key and a stage word.
  tytulOkna(klucz, etap) { return sprawdz(this.#m.tytulOkna(klucz, etap)); }

  // The indices of the points of a line ([x, y] pairs, x ascending) that a
  // chart `kolumny` pixels wide over [xMin, xMax] draws.
  punktyWidoczne(punkty, xMin, xMax, kolumny) {
    return Array.from(this.#m.punktyWidoczne(punkty.flat(), xMin, xMax, kolumny));
  }

  domyslneParametry() {
    return Object.fromEntries(this.polaParametrow.map((p) => [p.nazwa, p.domyslna]));
  }

  // The parameters cross into the core as they are, on the window's scale:
  // the core reads each field, checks the run and refuses a bad field.
  nowaSesja(parametry = {}, ziarno = 0) {
    const s = new this.#m.SesjaWeb();
    try {
      sprawdz(s.przygotuj(parametry, ziarno));
    } catch (blad) {
      s.delete();
      throw blad;
    }
    return new Sesja(s);
  }

  nowaReplika(parametry, {
    ziarno = 0, nr = 0, powtorzenia = 1, stopien = null, dwaStarty = false, generator = null,
  } = {}) {
    const r = new this.#m.ReplikaWeb();
    try {
      sprawdz(r.przygotujOkna(parametry, { ziarno, powtorzenia, stopien, dwaStarty, generator }, nr));
    } catch (blad) {
      r.delete();
      throw blad;
    }
    return new Replika(r);
  }

  // A replica of a study given by plain names on the batch runner's scale
  // (argumentyBadania); its part merges with scalRepliki as nowaReplika's does.
  nowaReplikaBadania(opcje, { nr = 0 } = {}) {
    const r = new this.#m.ReplikaWeb();
    try {
      sprawdz(r.przygotuj(argumentyBadania(opcje), nr));
    } catch (blad) {
      r.delete();
      throw blad;
    }
    return new Replika(r);
  }

  // A whole study given by plain names on the batch runner's scale
  // (argumentyBadania), its replicas one after another: the summary, the
  // results file of type `wyjscie` (with `fluktuacje` its columns) and the
  // study's replica file (none for a finite-size study).
  badanie(opcje, { wyjscie = null, fluktuacje = false } = {}) {
    const argumenty = argumentyBadania(opcje);
    const rozmiary = Array.isArray(opcje.osie) || String(opcje.osie ?? '').includes(',');
    const plik = wyjscie ? `wyniki.${wyjscie}` : null;
    if (plik) {
      typPliku(wyjscie);
      argumenty.push('--wyjscie', plik, ...(fluktuacje ? ['--fluktuacje'] : []));
    }
    if (!rozmiary) {
      argumenty.push('--powtorzenia-plik', 'powtorzenia.txt');
    }
    const wynik = this.wsadowo(argumenty);
    if (wynik.status !== 0) {
      throw new BladFazolab(wynik.bledy.trim());
    }
    return {
      podsumowanie: wynik.wyjscie,
      plik: plik ? wynik.pliki[plik] : null,
      powtorzenia: rozmiary ? null : new TextDecoder().decode(wynik.pliki['powtorzenia.txt']),
    };
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
