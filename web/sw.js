// Keeps every file of one build of the page so that, after the first visit, it works with the
// server gone. The build writes the file list and a version made from the files' contents.
// Files are fetched past the browser's HTTP cache (an ordinary host sends no cache headers, and
// a heuristic cache would hand a new version the old page). A new version waits until the page
// asks for it ("Odśwież"), so one page never mixes the files of two builds.
const WERSJA = '__WERSJA__';
const PLIKI = __PLIKI__;
const ZBEDNE = __ZBEDNE__;
// A name with the content's hash never changes its content: a copy from an older version will do.
const STALA_NAZWA = /\.[0-9a-f]{__DLUGOSC__}\.(js|css|wasm)$/;
const PREFIKS = 'fazolab-';

const adres = (p) => new URL(p, self.registration.scope).href;

async function doKlientow(wiadomosc) {
  for (const k of await self.clients.matchAll({ includeUncontrolled: true })) k.postMessage(wiadomosc);
}

// A redirected response cannot answer a navigation; its body and headers can.
async function bezPrzekierowania(odp) {
  if (!odp.redirected) return odp;
  return new Response(await odp.blob(), { status: odp.status, statusText: odp.statusText, headers: odp.headers });
}

async function pobierz(p) {
  if (STALA_NAZWA.test(p)) {
    const stara = await caches.match(adres(p));
    if (stara) return stara;
  }
  return bezPrzekierowania(await fetch(new Request(adres(p), { cache: 'reload' })));
}

async function zapiszWszystkie() {
  const c = await caches.open(WERSJA);
  const brak = [];
  await Promise.all(PLIKI.map(async (p) => {
    const odp = await pobierz(p).catch(() => null);
    if (odp?.ok) await c.put(adres(p), odp);
    else if (!ZBEDNE.includes(p)) brak.push(p);
  }));
  if (brak.length) {
    await caches.delete(WERSJA);
    await doKlientow({ typ: 'offlineNiepelny', brak });
    throw new Error(`Serwer nie wydał: ${brak.join(', ')}`);
  }
}

async function brakujace() {
  const c = await caches.open(WERSJA);
  const brak = [];
  for (const p of PLIKI) if (!ZBEDNE.includes(p) && !(await c.match(adres(p)))) brak.push(p);
  return brak;
}

self.addEventListener('install', (e) => e.waitUntil(zapiszWszystkie()));

self.addEventListener('activate', (e) => {
  e.waitUntil((async () => {
    const klucze = await caches.keys();
    await Promise.all(klucze.filter((k) => k.startsWith(PREFIKS) && k !== WERSJA).map((k) => caches.delete(k)));
    await self.clients.claim();
  })());
});

self.addEventListener('message', (e) => {
  if (e.data?.typ === 'aktywuj') self.skipWaiting();
  if (e.data?.typ === 'stan') e.waitUntil(brakujace().then((brak) => e.ports[0]?.postMessage({ wersja: WERSJA, brak })));
});

// The page itself under any of its addresses (with a query of a shared setup, or index.html).
function klucz(zadanie) {
  const url = new URL(zadanie.url);
  const zakres = new URL(self.registration.scope);
  if (zadanie.mode === 'navigate' && (url.pathname === zakres.pathname || url.pathname === `${zakres.pathname}index.html`)) return adres('./');
  url.search = '';
  url.hash = '';
  return url.href;
}

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET' || new URL(e.request.url).origin !== self.location.origin) return;
  e.respondWith((async () => {
    const c = await caches.open(WERSJA);
    return (await c.match(klucz(e.request))) ?? fetch(e.request);
  })());
});
