// The engine's thread: one session of the wasm core, advanced here so that the page never waits
// for a chunk. With drawing on it runs one chunk per 100 ms tick, as the desktop's timer does;
// with drawing off it runs chunks back to back in 30 ms slices. "Zatrzymaj" is a message, seen
// between two slices.
import { wczytajFazolab } from '../fazolab.mjs';

const TICK_MS = 100;
const PLASTER_MS = 30;

let fz = null;
let sesja = null;
let replika = null;
let biegnie = false;
// Each start gets a number: a tick still queued from before a pause must not run beside the new loop.
let pokolenie = 0;
let rysowanie = true;
let widok = { z: 1, sasiednie: false, tryb3d: false };
let ostatniaWysylka = 0;

const BLAD_WCZYTANIA = 'Nie udało się wczytać silnika obliczeń (pliku .wasm strony). Sprawdź połączenie z serwerem i odśwież stronę.';

async function modul() {
  if (!fz) {
    fz = await wczytajFazolab().catch((e) => {
      throw e?.name === 'BladFazolab' || /pamięci/.test(e?.message) ? e : new Error(BLAD_WCZYTANIA);
    });
  }
  return fz;
}

function wyslij(wiadomosc, przenies = []) {
  self.postMessage(wiadomosc, przenies);
}

// Typed arrays from the module may be views of its whole memory: cloning such a view would copy
// (or transferring it detach) that memory, so each leaves as a copy of its own.
function kopia(w) {
  if (ArrayBuffer.isView(w)) return w.slice();
  if (Array.isArray(w)) return w.map(kopia);
  if (w && typeof w === 'object') {
    const wynik = {};
    for (const [k, v] of Object.entries(w)) wynik[k] = kopia(v);
    return wynik;
  }
  return w;
}

// One plane of the frame, (nx + 2) × (ny + 2) bytes, as the flat drawing reads it.
function plaszczyzna() {
  const s = sesja.siec();
  const { komorki, nx, ny, krokY, krokZ } = s;
  const baza = s.baza | 0;
  const z = Math.min(Math.max(widok.z, 0), s.nz + 1);
  const szer = nx + 2;
  const wynik = new Uint8Array(szer * (ny + 2));
  for (let j = 0; j <= ny + 1; j++) {
    const wiersz = j * krokY + z * krokZ - baza;
    for (let i = 0; i <= nx + 1; i++) wynik[j * szer + i] = komorki[i + wiersz] & 1;
  }
  return { komorki: wynik, nx, ny, nz: s.nz, z };
}

// Every atom of the cubic lattice, x fastest, for the 3D point view.
function chmura() {
  const { komorki, nx, ny, nz, krokY, krokZ } = sesja.siec();
  const baza = sesja.siec().baza | 0;
  const wynik = new Uint8Array(nx * ny * nz);
  let k = 0;
  for (let z = 1; z <= nz; z++) {
    for (let y = 1; y <= ny; y++) {
      const wiersz = y * krokY + z * krokZ - baza;
      for (let x = 1; x <= nx; x++) wynik[k++] = komorki[x + wiersz] & 1;
    }
  }
  return { komorki: wynik, nx, ny, nz };
}

// No picture while the page cannot show it (another tab of the stage, the browser's tab hidden):
// the page asks for one when it comes back into sight.
function obraz() {
  if (!rysowanie || widok.obraz === false) return null;
  return widok.tryb3d ? { trzyD: true, ...chmura() } : plaszczyzna();
}

function stanBiegu(k) {
  const p = kopia(sesja.nowePomiary());
  const o = obraz();
  const przenies = [p.dane.buffer];
  if (o) przenies.push(o.komorki.buffer);
  wyslij({ typ: 'stan', stan: sesja.stan(), pomiar: kopia(sesja.pomiar()), krok: kopia(k), pomiary: p, obraz: o }, przenies);
  ostatniaWysylka = performance.now();
}

function krokZRysowaniem() {
  const k = sesja.krok();
  stanBiegu(k);
  if (k.stan === 'seriaZakonczona') sesja.rozpocznijNastepnaSerie();
  return k;
}

function petla(nr) {
  if (!biegnie || nr !== pokolenie) return;
  const start = performance.now();
  let k;
  try {
    if (rysowanie) {
      k = krokZRysowaniem();
    } else {
      k = sesja.licz(PLASTER_MS);
      if (k.stan === 'koniec' || performance.now() - ostatniaWysylka >= TICK_MS) stanBiegu(k);
    }
  } catch (e) {
    biegnie = false;
    wyslij({ typ: 'blad', tekst: e.message });
    return;
  }
  if (k.stan === 'koniec') {
    biegnie = false;
    wyslij({ typ: 'koniec', stan: kopia(sesja.stan()) });
    return;
  }
  const reszta = rysowanie ? Math.max(0, TICK_MS - (performance.now() - start)) : 0;
  setTimeout(() => petla(nr), reszta);
}

const obsluga = {
  async przygotuj(w) {
    const f = await modul();
    sesja?.usun();
    sesja = null;
    rysowanie = w.rysowanie;
    widok = w.widok;
    sesja = f.nowaSesja(w.parametry, w.ziarno);
    stanBiegu({ stan: 'przygotowany', postep: null });
  },
  licz() {
    if (biegnie || !sesja) return;
    biegnie = true;
    petla(++pokolenie);
  },
  zatrzymaj(w) {
    biegnie = false;
    wyslij({ typ: 'zatrzymano', wyslano: w.wyslano, stan: sesja?.stan() });
  },
  widok(w) {
    widok = w.widok;
    if (!sesja || !rysowanie) return;
    const o = obraz();
    if (o) wyslij({ typ: 'obraz', obraz: o }, [o.komorki.buffer]);
  },
  wyniki(w) {
    const wyniki = kopia(sesja.wyniki(w.stopien ?? null));
    const fluktuacje = kopia(sesja.fluktuacje());
    wyslij({ typ: 'wyniki', wyniki, fluktuacje, nazwa: sesja.nazwaPliku(), stan: sesja.stan() });
  },
  cykl(w) {
    wyslij({ typ: 'cykl', cykl: kopia(sesja.cykl(w.seria, w.iteracja)), seria: w.seria, iteracja: w.iteracja });
  },
  plik(w) {
    const bajty = sesja.plikWynikow(w.plik, w.pola).slice();
    wyslij({ typ: 'plik', bajty, plik: w.plik, nazwa: sesja.nazwaPliku() }, [bajty.buffer]);
  },
  async replika(w) {
    const f = await modul();
    replika?.usun();
    replika = f.nowaReplika(w.parametry, { ziarno: w.ziarno, nr: w.nr, powtorzenia: w.powtorzenia, stopien: null });
    biegnie = true;
    const dalej = () => {
      if (!biegnie) return;
      try {
        const k = replika.licz(PLASTER_MS);
        if (k.stan === 'koniec') {
          const czesc = replika.wynik();
          replika.usun();
          replika = null;
          biegnie = false;
          wyslij({ typ: 'replikaGotowa', nr: w.nr, czesc });
          return;
        }
        if (performance.now() - ostatniaWysylka >= TICK_MS) {
          ostatniaWysylka = performance.now();
          wyslij({ typ: 'postepRepliki', nr: w.nr, postep: kopia(k.postep) });
        }
      } catch (e) {
        biegnie = false;
        wyslij({ typ: 'blad', tekst: e.message });
        return;
      }
      setTimeout(dalej, 0);
    };
    dalej();
  },
  async scal(w) {
    const f = await modul();
    const b = kopia(f.scalRepliki(w.czesci, { wyjscie: w.wyjscie, fluktuacje: w.fluktuacje }));
    const przenies = b.plik ? [b.plik.buffer] : [];
    wyslij({ typ: 'scalone', wynik: b, wyjscie: w.wyjscie }, przenies);
  },
};

// Messages are handled one after another: a request that arrives while the module is still
// loading waits for it instead of finding no session.
let kolejka = Promise.resolve();
self.onmessage = (e) => {
  kolejka = kolejka.then(async () => {
    try {
      await obsluga[e.data.typ](e.data);
    } catch (blad) {
      biegnie = false;
      wyslij({ typ: 'blad', tekst: blad?.message || String(blad) });
    }
  });
};

// The page hears that this Worker's files arrived: a failure after this is not a failed download.
self.postMessage({ typ: 'wczytany' });
