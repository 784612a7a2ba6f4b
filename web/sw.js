// Keeps every file of the page so that, after the first visit, it works with the server gone.
// The build writes the file list and a version made from the files' contents; a new version
// replaces the old cache whole.
const WERSJA = '__WERSJA__';
const PLIKI = __PLIKI__;

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(WERSJA).then((c) => c.addAll(PLIKI)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(
    caches.keys()
      .then((klucze) => Promise.all(klucze.filter((k) => k !== WERSJA).map((k) => caches.delete(k))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(
    caches.match(e.request, { ignoreSearch: true }).then((z) => z || fetch(e.request)),
  );
});
