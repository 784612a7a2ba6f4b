// A small static server for the built page (the right type for .wasm and .mjs, no caching
// surprises, a folder's address without its slash redirected to it). Usage:
// node web/serwuj.mjs [folder] [port]; prints the address. `odmow` (which paths get a 404) and
// `typy` (other types by extension) stand for the hosts a school may have.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';

const TYPY = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.png': 'image/png', '.jpg': 'image/jpeg',
  '.json': 'application/json', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml',
};

export function serwer(folder, { odmow = () => false, typy = {} } = {}) {
  const korzen = resolve(folder);
  const typ = (plik) => typy[extname(plik)] ?? TYPY[extname(plik)] ?? 'application/octet-stream';
  return createServer((zad, odp) => {
    let sciezka;
    try {
      sciezka = decodeURIComponent(new URL(zad.url, 'http://x').pathname);
    } catch {
      odp.writeHead(400).end();
      return;
    }
    let plik = normalize(join(korzen, sciezka));
    if (plik !== korzen && !plik.startsWith(korzen + sep)) {
      odp.writeHead(403).end();
      return;
    }
    try {
      if (statSync(plik).isDirectory()) {
        if (!sciezka.endsWith('/')) {
          const url = new URL(zad.url, 'http://x');
          odp.writeHead(301, { location: `${url.pathname}/${url.search}` }).end();
          return;
        }
        plik = join(plik, 'index.html');
      }
      statSync(plik);
      if (odmow(sciezka)) throw new Error('odmowa');
    } catch {
      odp.writeHead(404, { 'content-type': 'text/plain; charset=utf-8' }).end('Nie ma takiego pliku.');
      return;
    }
    odp.writeHead(200, { 'content-type': typ(plik), 'cache-control': 'no-cache' });
    createReadStream(plik).pipe(odp);
  });
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const folder = process.argv[2] ?? 'build-web/strona';
  const port = Number(process.argv[3] ?? 8000);
  serwer(folder).listen(port, '127.0.0.1', () => console.log(`Fazolab w przeglądarce: http://127.0.0.1:${port}/`));
}
