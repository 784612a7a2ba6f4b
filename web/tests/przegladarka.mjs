// The browser harness: the built page served from a local port, Debian's Chromium driven headless
// through playwright-core, axe-core injected on demand, screenshots at three widths.
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { spawnSync } from 'node:child_process';
import { chromium } from 'playwright-core';
import { serwer } from '../serwuj.mjs';

export const WEB = dirname(dirname(fileURLToPath(import.meta.url)));
export const REPO = dirname(WEB);
export const BUDOWA = process.env.FAZOLAB_BUDOWA_WEB ?? join(REPO, 'build-web');
export const STRONA = join(BUDOWA, 'strona');
export const ZRZUTY = join(BUDOWA, 'zrzuty');
const CHROMIUM = process.env.FAZOLAB_CHROMIUM ?? '/usr/bin/chromium';

export function brakSrodowiska() {
  if (!existsSync(join(STRONA, 'index.html'))) return `brak zbudowanej strony w ${STRONA}`;
  if (!existsSync(CHROMIUM)) return `brak przeglądarki ${CHROMIUM}`;
  return null;
}

// `folder` and `opcje` (what the server refuses, the types it sends) stand for other hosts; `adres`
// replaces the local server altogether.
export async function uruchom({ folder = STRONA, opcje = {}, adres: inny = null } = {}) {
  const http = serwer(folder, opcje);
  await new Promise((ok) => http.listen(0, '127.0.0.1', ok));
  const adres = inny ?? `http://127.0.0.1:${http.address().port}/`;
  const profil = mkdtempSync(join(tmpdir(), 'fazolab-chromium-'));
  const kontekst = await chromium.launchPersistentContext(profil, {
    executablePath: CHROMIUM,
    headless: true,
    acceptDownloads: true,
    viewport: { width: 1024, height: 768 },
    locale: 'pl-PL',
    args: [
      '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync',
    ],
  });
  const strona = kontekst.pages()[0] ?? (await kontekst.newPage());
  const bledy = [];
  strona.on('pageerror', (e) => bledy.push(e.message));
  strona.on('console', (m) => m.type() === 'error' && bledy.push(m.text()));
  return {
    adres,
    kontekst,
    strona,
    bledy,
    zatrzymajSerwer: () => new Promise((ok) => {
      http.closeAllConnections?.();
      http.close(ok);
    }),
    async zamknij() {
      await kontekst.close();
      await new Promise((ok) => http.close(ok));
      rmSync(profil, { recursive: true, force: true });
    },
  };
}

// axe-core over the whole document as it is now (hidden stages are skipped by axe itself).
export async function axe(strona) {
  if (!(await strona.evaluate(() => Boolean(window.axe)))) {
    await strona.addScriptTag({ path: join(WEB, 'node_modules', 'axe-core', 'axe.min.js') });
  }
  const wynik = await strona.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
  return wynik.violations.map((v) => `${v.id}: ${v.help} (${v.nodes.map((n) => n.target.join(' ')).join('; ')})`);
}

export const SZEROKOSCI = [
  [360, 740],
  [1024, 768],
  [1920, 1080],
];

// Screenshots of the current stage at the three widths; returns the widths at which the page
// scrolls sideways (text cut or pushed out).
export async function zrzuty(strona, nazwa) {
  mkdirSync(ZRZUTY, { recursive: true });
  const zaSzerokie = [];
  for (const [width, height] of SZEROKOSCI) {
    await strona.setViewportSize({ width, height });
    await strona.waitForTimeout(150);
    await strona.screenshot({ path: join(ZRZUTY, `${nazwa}-${width}.png`), fullPage: true });
    const wystajace = await strona.evaluate(() => (document.documentElement.scrollWidth > window.innerWidth + 1
      ? [...document.querySelectorAll('body *')]
        .filter((e) => e.getBoundingClientRect().width > 0 && e.getBoundingClientRect().right > window.innerWidth + 1)
        .map((e) => `${e.tagName.toLowerCase()}${e.id ? `#${e.id}` : ''}.${e.getAttribute('class') ?? ''}`)
        .slice(0, 5)
      : null));
    if (wystajace) zaSzerokie.push(`${width}: ${wystajace.join(', ')}`);
  }
  await strona.setViewportSize({ width: 1024, height: 768 });
  return zaSzerokie;
}

// The batch runner's files for the same series and seed: the native program when it is built,
// otherwise its WebAssembly build under Node.
export function plikiWsadowe(argumenty, katalog) {
  const natywny = join(REPO, 'build', 'cli', 'fazolab-batch');
  const [program, przed] = existsSync(natywny) ? [natywny, []] : [process.execPath, [join(BUDOWA, 'fazolab-batch.mjs')]];
  const w = spawnSync(program, [...przed, ...argumenty], { cwd: katalog, encoding: 'utf8' });
  if (w.status !== 0) throw new Error(`fazolab-batch: ${w.stderr}`);
  return { wyjscie: w.stdout, program };
}

export function komorkiSkoroszytu(plik) {
  const w = spawnSync('unzip', ['-p', plik, 'xl/worksheets/sheet1.xml', 'xl/sharedStrings.xml'], { encoding: 'utf8' });
  if (w.status !== 0) throw new Error(`unzip: ${w.stderr}`);
  return w.stdout;
}

export const czytaj = (p) => readFileSync(p);
